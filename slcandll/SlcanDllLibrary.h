#pragma once

// The adapter library slcan.dll, loaded while the program runs (LoadLibrary, then GetProcAddress of
// its twelve SlCan_* functions). One library serves the whole process: SlCan_Load is called once, on
// first use, and SlCan_Free when the library object ends.
//
// How the functions are called (the records are those of can/SlCan.h, packed, little-endian):
// - a result that means true or false is judged by its low byte, so a library built with 4-byte
//   and one built with 1-byte booleans are both understood;
// - the handle is the 32-bit value SlCan_GetDevice returns, passed back sign-extended to the width
//   of a pointer;
// - the small arguments (event level, mode, time-outs, counts) are passed as 32-bit values.
// A 64-bit program can only load a 64-bit library; a 32-bit slcan.dll is reported as such.

#include "can/SlCan.h"

#include <QCoreApplication>
#include <QString>

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define QUORVEX_SLCAN_CALL __stdcall
#else
#define QUORVEX_SLCAN_CALL
#endif

struct TSlcanDllFunctions {
    using Handle = intptr_t;
    uint8_t(QUORVEX_SLCAN_CALL* Load)(void*, void*) = nullptr;
    uint8_t(QUORVEX_SLCAN_CALL* Free)(uint32_t) = nullptr;
    int32_t(QUORVEX_SLCAN_CALL* GetDeviceCount)() = nullptr;
    int32_t(QUORVEX_SLCAN_CALL* GetDevice)(uint32_t index) = nullptr;
    uint8_t(QUORVEX_SLCAN_CALL* DeviceOpen)(Handle) = nullptr;
    uint8_t(QUORVEX_SLCAN_CALL* DeviceClose)(Handle) = nullptr;
    uint8_t(QUORVEX_SLCAN_CALL* DeviceSetBitRate)(Handle, TSlCanBitRate*) = nullptr;
    uint8_t(QUORVEX_SLCAN_CALL* DeviceSetEventLevel)(Handle, uint32_t level) = nullptr;
    uint8_t(QUORVEX_SLCAN_CALL* DeviceSetMode)(Handle, uint32_t mode) = nullptr;
    uint8_t(QUORVEX_SLCAN_CALL* DeviceSetTXTimeOut)(Handle, uint32_t timeOut) = nullptr;
    uint8_t(QUORVEX_SLCAN_CALL* DeviceWriteMessages)(Handle, TSlCanMessage*, uint32_t count,
                                                     uint8_t* status) = nullptr;
    uint8_t(QUORVEX_SLCAN_CALL* DeviceReadEvents)(Handle, uint32_t timeOut, TSlCanEvent*, uint32_t maxCount,
                                                  uint32_t* count) = nullptr;
};

class SlcanDllLibrary {
    Q_DECLARE_TR_FUNCTIONS(SlcanDllLibrary)

public:
    // The name the library is looked for by: in the program's folder, then on the DLL search path.
    static constexpr char DefaultName[] = "slcan.dll";

    // The process's library, looked for on first use.
    [[nodiscard]] static SlcanDllLibrary& instance();

    // Loads fileName (a bare name is looked for as the system looks for DLLs).
    explicit SlcanDllLibrary(const QString& fileName);
    ~SlcanDllLibrary();
    SlcanDllLibrary(const SlcanDllLibrary&) = delete;
    SlcanDllLibrary& operator=(const SlcanDllLibrary&) = delete;

    // A file of that name was found: loaded, or refused for a reason worth telling the user.
    [[nodiscard]] bool isPresent() const { return m_present; }
    // Loaded with all twelve functions.
    [[nodiscard]] bool isLoaded() const { return m_module != nullptr; }
    // Why the library cannot be used, in plain words; empty when it can.
    [[nodiscard]] const QString& problem() const { return m_problem; }
    // Where the library was found.
    [[nodiscard]] const QString& path() const { return m_path; }

    // SlCan_Load, once for the process; false with the reason when the library is not ready.
    [[nodiscard]] bool start(QString* error);
    [[nodiscard]] const TSlcanDllFunctions& functions() const { return m_functions; }

private:
    void* m_module = nullptr;
    TSlcanDllFunctions m_functions;
    bool m_present = false;
    bool m_started = false;
    QString m_problem;
    QString m_path;
};

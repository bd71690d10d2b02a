#include "SlcanDllLibrary.h"

#include <QDir>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

SlcanDllLibrary& SlcanDllLibrary::instance() {
    static SlcanDllLibrary library{QString::fromLatin1(DefaultName)};
    return library;
}

#ifdef Q_OS_WIN

namespace {

template <class F> bool bind(void* module, const char* name, F& function, QString* missing) {
    function =
        reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name)));
    if (function == nullptr && missing->isEmpty()) *missing = QString::fromLatin1(name);
    return function != nullptr;
}

// The file the system would load for a bare name, or the name itself.
QString foundPath(const std::wstring& name) {
    wchar_t buffer[MAX_PATH * 2];
    const DWORD n = SearchPathW(nullptr, name.c_str(), nullptr, MAX_PATH * 2, buffer, nullptr);
    return n > 0 && n < MAX_PATH * 2 ? QString::fromWCharArray(buffer, static_cast<qsizetype>(n)) : QString();
}

} // namespace

SlcanDllLibrary::SlcanDllLibrary(const QString& fileName) {
    const std::wstring name = QDir::toNativeSeparators(fileName).toStdWString();
    // No message box of the system's own when the file is damaged or of the wrong kind.
    const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    HMODULE module = LoadLibraryW(name.c_str());
    const DWORD error = GetLastError();
    SetErrorMode(previousMode);
    if (module == nullptr) {
        m_path = foundPath(name);
        // Not there at all: nothing to offer and nothing to say.
        if (m_path.isEmpty() && (error == ERROR_MOD_NOT_FOUND || error == ERROR_FILE_NOT_FOUND)) return;
        m_present = true;
        const QString shown = QDir::toNativeSeparators(m_path.isEmpty() ? fileName : m_path);
        if (error == ERROR_BAD_EXE_FORMAT)
            m_problem = tr("%1 is a 32-bit library (or not one for this computer): this 64-bit "
                           "program cannot load it. A 64-bit slcan.dll from the adapter's maker, "
                           "or a 32-bit build of CANQuorvex, is needed for this adapter.")
                            .arg(shown);
        else if (error == ERROR_MOD_NOT_FOUND)
            m_problem = tr("%1 cannot be loaded: a library it needs is missing.").arg(shown);
        else
            m_problem = tr("%1 cannot be loaded (Windows error %2).").arg(shown).arg(error);
        return;
    }
    m_present = true;
    wchar_t buffer[MAX_PATH * 2];
    const DWORD n = GetModuleFileNameW(module, buffer, MAX_PATH * 2);
    m_path = QString::fromWCharArray(buffer, static_cast<qsizetype>(n));
    QString missing;
    TSlcanDllFunctions& f = m_functions;
    bind(module, "SlCan_Load", f.Load, &missing);
    bind(module, "SlCan_Free", f.Free, &missing);
    bind(module, "SlCan_GetDeviceCount", f.GetDeviceCount, &missing);
    bind(module, "SlCan_GetDevice", f.GetDevice, &missing);
    bind(module, "SlCan_DeviceOpen", f.DeviceOpen, &missing);
    bind(module, "SlCan_DeviceClose", f.DeviceClose, &missing);
    bind(module, "SlCan_DeviceSetBitRate", f.DeviceSetBitRate, &missing);
    bind(module, "SlCan_DeviceSetEventLevel", f.DeviceSetEventLevel, &missing);
    bind(module, "SlCan_DeviceSetMode", f.DeviceSetMode, &missing);
    bind(module, "SlCan_DeviceSetTXTimeOut", f.DeviceSetTXTimeOut, &missing);
    bind(module, "SlCan_DeviceWriteMessages", f.DeviceWriteMessages, &missing);
    bind(module, "SlCan_DeviceReadEvents", f.DeviceReadEvents, &missing);
    if (!missing.isEmpty()) {
        m_problem = tr("%1 has no function %2: it is not the adapter library this program knows.")
                        .arg(QDir::toNativeSeparators(m_path), missing);
        m_functions = {};
        FreeLibrary(module);
        return;
    }
    m_module = module;
}

SlcanDllLibrary::~SlcanDllLibrary() {
    // The module stays loaded: threads of its own may still be ending when the process does.
    if (m_started) (void)m_functions.Free(0);
}

#else

SlcanDllLibrary::SlcanDllLibrary(const QString& fileName) {
    // slcan.dll is a Windows library: elsewhere it is never there.
    (void)fileName;
}

SlcanDllLibrary::~SlcanDllLibrary() = default;

#endif

bool SlcanDllLibrary::start(QString* error) {
    const auto fail = [error](const QString& why) {
        if (error != nullptr) *error = why;
        return false;
    };
    if (!isLoaded())
        return fail(m_problem.isEmpty() ? tr("the adapter library slcan.dll was not found") : m_problem);
    if (m_started) return true;
    if (m_functions.Load(nullptr, nullptr) == 0)
        return fail(tr("%1 did not start (SlCan_Load refused)").arg(QDir::toNativeSeparators(m_path)));
    m_started = true;
    return true;
}

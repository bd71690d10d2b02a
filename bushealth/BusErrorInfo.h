#pragma once

// What one error frame says. Qt puts the error classes into the identifier of an error frame
// (QCanBusFrame::FrameError) and the details into its payload, in the layout the CAN drivers of
// Linux define and Qt's plugins follow: byte 1 the controller's status (overflow, warning, error
// passive, back to error active), byte 2 the kind of protocol violation, byte 3 where in the frame
// it happened.

#include <QCanBusFrame>
#include <QString>

#include <cstdint>

struct BusErrorInfo {
    // Controller status bits (payload byte 1).
    static constexpr uint8_t RxOverflow = 0x01;
    static constexpr uint8_t TxOverflow = 0x02;
    static constexpr uint8_t RxWarning = 0x04;
    static constexpr uint8_t TxWarning = 0x08;
    static constexpr uint8_t RxPassive = 0x10;
    static constexpr uint8_t TxPassive = 0x20;
    static constexpr uint8_t BackToActive = 0x40;
    // Protocol violation kinds (payload byte 2).
    static constexpr uint8_t SingleBit = 0x01;
    static constexpr uint8_t Form = 0x02;
    static constexpr uint8_t Stuff = 0x04;
    static constexpr uint8_t Dominant = 0x08;
    static constexpr uint8_t Recessive = 0x10;
    static constexpr uint8_t Overload = 0x20;
    static constexpr uint8_t ActiveAnnouncement = 0x40;
    // Protocol violation places (payload byte 3) that name an error of their own.
    static constexpr uint8_t AtCrcSequence = 0x08;
    static constexpr uint8_t AtCrcDelimiter = 0x18;
    static constexpr uint8_t AtAckSlot = 0x19;

    uint32_t errorClass = 0; // QCanBusFrame::FrameErrors
    uint8_t controller = 0;
    uint8_t protocolKind = 0;
    uint8_t protocolPlace = 0;

    // The classes and details of an error frame (a frame of another type gives no classes).
    [[nodiscard]] static BusErrorInfo fromFrame(const QCanBusFrame& frame);

    [[nodiscard]] bool has(QCanBusFrame::FrameError e) const {
        return (errorClass & static_cast<uint32_t>(e)) != 0;
    }
    // The adapter reports that it lost frames (its receive or transmit buffer overflowed).
    [[nodiscard]] bool isOverrun() const {
        return has(QCanBusFrame::ControllerError) && (controller & (RxOverflow | TxOverflow)) != 0;
    }
};

// The error in words, most telling first ("bit error", "ACK missing", "bus off", …), several kinds
// separated by ", "; "unknown error" when the frame names none.
[[nodiscard]] QString BusErrorText(const BusErrorInfo& error);

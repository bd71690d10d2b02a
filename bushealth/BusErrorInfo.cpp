#include "BusErrorInfo.h"

#include <QCoreApplication>
#include <QStringList>

BusErrorInfo BusErrorInfo::fromFrame(const QCanBusFrame& frame) {
    BusErrorInfo info;
    if (frame.frameType() != QCanBusFrame::ErrorFrame) return info;
    info.errorClass = static_cast<uint32_t>(frame.error().toInt());
    const QByteArray payload = frame.payload();
    const auto byteAt = [&payload](qsizetype i) {
        return i < payload.size() ? static_cast<uint8_t>(payload.at(i)) : uint8_t{0};
    };
    info.controller = byteAt(1);
    info.protocolKind = byteAt(2);
    info.protocolPlace = byteAt(3);
    return info;
}

namespace {

void appendProtocolWords(const BusErrorInfo& e, QStringList& words) {
    struct Kind {
        uint8_t bit;
        const char* text;
    };
    static constexpr Kind kinds[] = {
        {BusErrorInfo::SingleBit, QT_TRANSLATE_NOOP("BusErrorInfo", "bit error")},
        {BusErrorInfo::Stuff, QT_TRANSLATE_NOOP("BusErrorInfo", "stuff error")},
        {BusErrorInfo::Form, QT_TRANSLATE_NOOP("BusErrorInfo", "form error")},
        {BusErrorInfo::Dominant, QT_TRANSLATE_NOOP("BusErrorInfo", "dominant bit error")},
        {BusErrorInfo::Recessive, QT_TRANSLATE_NOOP("BusErrorInfo", "recessive bit error")},
        {BusErrorInfo::Overload, QT_TRANSLATE_NOOP("BusErrorInfo", "bus overload")},
        {BusErrorInfo::ActiveAnnouncement, QT_TRANSLATE_NOOP("BusErrorInfo", "error flag")},
    };
    const qsizetype before = words.size();
    for (const Kind& k : kinds)
        if ((e.protocolKind & k.bit) != 0) words << QCoreApplication::translate("BusErrorInfo", k.text);
    if (words.size() > before) return;
    // Some controllers name only the place: a violation in the CRC is a CRC error, in the ACK slot
    // a missing acknowledgement.
    if (e.protocolPlace == BusErrorInfo::AtCrcSequence || e.protocolPlace == BusErrorInfo::AtCrcDelimiter)
        words << QCoreApplication::translate("BusErrorInfo", "CRC error");
    else if (e.protocolPlace == BusErrorInfo::AtAckSlot && !e.has(QCanBusFrame::MissingAcknowledgmentError))
        words << QCoreApplication::translate("BusErrorInfo", "ACK missing");
    else
        words << QCoreApplication::translate("BusErrorInfo", "protocol violation");
}

void appendControllerWords(const BusErrorInfo& e, QStringList& words) {
    const qsizetype before = words.size();
    if ((e.controller & BusErrorInfo::RxOverflow) != 0)
        words << QCoreApplication::translate("BusErrorInfo", "receive overrun");
    if ((e.controller & BusErrorInfo::TxOverflow) != 0)
        words << QCoreApplication::translate("BusErrorInfo", "transmit overrun");
    if ((e.controller & (BusErrorInfo::RxPassive | BusErrorInfo::TxPassive)) != 0)
        words << QCoreApplication::translate("BusErrorInfo", "error passive");
    else if ((e.controller & (BusErrorInfo::RxWarning | BusErrorInfo::TxWarning)) != 0)
        words << QCoreApplication::translate("BusErrorInfo", "warning");
    else if ((e.controller & BusErrorInfo::BackToActive) != 0)
        words << QCoreApplication::translate("BusErrorInfo", "error active again");
    if (words.size() == before) words << QCoreApplication::translate("BusErrorInfo", "controller problem");
}

} // namespace

QString BusErrorText(const BusErrorInfo& e) {
    QStringList words;
    if (e.has(QCanBusFrame::BusOffError)) words << QCoreApplication::translate("BusErrorInfo", "bus off");
    if (e.has(QCanBusFrame::MissingAcknowledgmentError))
        words << QCoreApplication::translate("BusErrorInfo", "ACK missing");
    if (e.has(QCanBusFrame::ProtocolViolationError)) appendProtocolWords(e, words);
    if (e.has(QCanBusFrame::ControllerError)) appendControllerWords(e, words);
    if (e.has(QCanBusFrame::TransceiverError))
        words << QCoreApplication::translate("BusErrorInfo", "transceiver fault");
    if (e.has(QCanBusFrame::LostArbitrationError))
        words << QCoreApplication::translate("BusErrorInfo", "arbitration lost");
    if (e.has(QCanBusFrame::TransmissionTimeoutError))
        words << QCoreApplication::translate("BusErrorInfo", "transmit timeout");
    if (e.has(QCanBusFrame::ControllerRestartError))
        words << QCoreApplication::translate("BusErrorInfo", "controller restarted");
    // The bus error class only says that some error was seen; it is named when nothing else is.
    if (words.isEmpty() && e.has(QCanBusFrame::BusError))
        words << QCoreApplication::translate("BusErrorInfo", "bus error");
    if (words.isEmpty()) words << QCoreApplication::translate("BusErrorInfo", "unknown error");
    return words.join(QStringLiteral(", "));
}

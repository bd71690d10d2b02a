#include "BusErrorInfo.h"

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
        {BusErrorInfo::SingleBit, "bit error"},
        {BusErrorInfo::Stuff, "stuff error"},
        {BusErrorInfo::Form, "form error"},
        {BusErrorInfo::Dominant, "dominant bit error"},
        {BusErrorInfo::Recessive, "recessive bit error"},
        {BusErrorInfo::Overload, "bus overload"},
        {BusErrorInfo::ActiveAnnouncement, "error flag"},
    };
    const qsizetype before = words.size();
    for (const Kind& k : kinds)
        if ((e.protocolKind & k.bit) != 0) words << QLatin1String(k.text);
    if (words.size() > before) return;
    // Some controllers name only the place: a violation in the CRC is a CRC error, in the ACK slot
    // a missing acknowledgement.
    if (e.protocolPlace == BusErrorInfo::AtCrcSequence || e.protocolPlace == BusErrorInfo::AtCrcDelimiter)
        words << QStringLiteral("CRC error");
    else if (e.protocolPlace == BusErrorInfo::AtAckSlot && !e.has(QCanBusFrame::MissingAcknowledgmentError))
        words << QStringLiteral("ACK missing");
    else
        words << QStringLiteral("protocol violation");
}

void appendControllerWords(const BusErrorInfo& e, QStringList& words) {
    const qsizetype before = words.size();
    if ((e.controller & BusErrorInfo::RxOverflow) != 0) words << QStringLiteral("receive overrun");
    if ((e.controller & BusErrorInfo::TxOverflow) != 0) words << QStringLiteral("transmit overrun");
    if ((e.controller & (BusErrorInfo::RxPassive | BusErrorInfo::TxPassive)) != 0)
        words << QStringLiteral("error passive");
    else if ((e.controller & (BusErrorInfo::RxWarning | BusErrorInfo::TxWarning)) != 0)
        words << QStringLiteral("warning");
    else if ((e.controller & BusErrorInfo::BackToActive) != 0)
        words << QStringLiteral("error active again");
    if (words.size() == before) words << QStringLiteral("controller problem");
}

} // namespace

QString BusErrorText(const BusErrorInfo& e) {
    QStringList words;
    if (e.has(QCanBusFrame::BusOffError)) words << QStringLiteral("bus off");
    if (e.has(QCanBusFrame::MissingAcknowledgmentError)) words << QStringLiteral("ACK missing");
    if (e.has(QCanBusFrame::ProtocolViolationError)) appendProtocolWords(e, words);
    if (e.has(QCanBusFrame::ControllerError)) appendControllerWords(e, words);
    if (e.has(QCanBusFrame::TransceiverError)) words << QStringLiteral("transceiver fault");
    if (e.has(QCanBusFrame::LostArbitrationError)) words << QStringLiteral("arbitration lost");
    if (e.has(QCanBusFrame::TransmissionTimeoutError)) words << QStringLiteral("transmit timeout");
    if (e.has(QCanBusFrame::ControllerRestartError)) words << QStringLiteral("controller restarted");
    // The bus error class only says that some error was seen; it is named when nothing else is.
    if (words.isEmpty() && e.has(QCanBusFrame::BusError)) words << QStringLiteral("bus error");
    if (words.isEmpty()) words << QStringLiteral("unknown error");
    return words.join(QStringLiteral(", "));
}

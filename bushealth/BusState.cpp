#include "BusState.h"

BusState BusStateOf(QCanBusDevice::CanBusStatus status) {
    switch (status) {
    case QCanBusDevice::CanBusStatus::Good:
        return BusState::ErrorActive;
    case QCanBusDevice::CanBusStatus::Warning:
        return BusState::Warning;
    case QCanBusDevice::CanBusStatus::Error:
        return BusState::ErrorPassive;
    case QCanBusDevice::CanBusStatus::BusOff:
        return BusState::BusOff;
    case QCanBusDevice::CanBusStatus::Unknown:
        break;
    }
    return BusState::Unknown;
}

BusState BusStateAfter(BusState state, const BusErrorInfo& error) {
    if (error.has(QCanBusFrame::BusOffError)) return BusState::BusOff;
    if (error.has(QCanBusFrame::ControllerError)) {
        if ((error.controller & (BusErrorInfo::RxPassive | BusErrorInfo::TxPassive)) != 0)
            return BusState::ErrorPassive;
        if ((error.controller & (BusErrorInfo::RxWarning | BusErrorInfo::TxWarning)) != 0)
            return BusState::Warning;
        if ((error.controller & BusErrorInfo::BackToActive) != 0) return BusState::ErrorActive;
    }
    if (error.has(QCanBusFrame::ControllerRestartError)) return BusState::ErrorActive;
    return state;
}

QString BusStateText(BusState state) {
    switch (state) {
    case BusState::ErrorActive:
        return QStringLiteral("error active");
    case BusState::Warning:
        return QStringLiteral("warning");
    case BusState::ErrorPassive:
        return QStringLiteral("error passive");
    case BusState::BusOff:
        return QStringLiteral("bus off");
    case BusState::NoAdapter:
        return QStringLiteral("no adapter");
    case BusState::Unknown:
        break;
    }
    return QStringLiteral("unknown");
}

BusStateSeverity BusStateSeverityOf(BusState state) {
    switch (state) {
    case BusState::Warning:
    case BusState::ErrorPassive:
        return BusStateSeverity::Amber;
    case BusState::BusOff:
    case BusState::NoAdapter:
        return BusStateSeverity::Red;
    case BusState::ErrorActive:
    case BusState::Unknown:
        break;
    }
    return BusStateSeverity::Normal;
}

#include "BusState.h"

#include <QCoreApplication>

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
        return QCoreApplication::translate("BusState", "error active");
    case BusState::Warning:
        return QCoreApplication::translate("BusState", "warning");
    case BusState::ErrorPassive:
        return QCoreApplication::translate("BusState", "error passive");
    case BusState::BusOff:
        return QCoreApplication::translate("BusState", "bus off");
    case BusState::NoAdapter:
        return QCoreApplication::translate("BusState", "no adapter");
    case BusState::Unknown:
        break;
    }
    return QCoreApplication::translate("BusState", "unknown");
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

#include "SlcanDllCanBusFactory.h"

#include "SlcanDllCanBusDevice.h"
#include "SlcanDllLibrary.h"

#include "can/CanDeviceFactory.h"

#include <QCoreApplication>

#include <cstdio>

void RegisterSlcanDllBus() {
    SlcanDllLibrary& library = SlcanDllLibrary::instance();
    if (!library.isPresent()) return;
    if (!library.problem().isEmpty())
        std::fprintf(stderr, "slcandll: %s\n", qUtf8Printable(library.problem()));
    RegisterCanDeviceFactory(
        QStringLiteral("slcandll"),
        [&library](const QString& interfaceName, QString* errorMessage) -> QCanBusDevice* {
            bool ok = false;
            const int index = interfaceName.trimmed().toInt(&ok);
            QString why;
            if (!ok || index < 0)
                why = QCoreApplication::translate(
                          "SlcanDllCanBusFactory",
                          "slcandll:%1: an adapter is named by its number, 0 for the first")
                          .arg(interfaceName);
            else if (!library.isLoaded())
                why = library.problem();
            if (why.isEmpty()) return new SlcanDllCanBusDevice(library, index);
            if (errorMessage != nullptr) *errorMessage = why;
            return nullptr;
        },
        [&library] {
            QList<QCanBusDeviceInfo> adapters;
            if (!library.start(nullptr)) return adapters;
            const int32_t count = library.functions().GetDeviceCount();
            for (int32_t i = 0; i < count; ++i)
                adapters.append(SlcanDllCanBusDevice::makeDeviceInfo(i));
            return adapters;
        },
        QStringLiteral("N"));
}

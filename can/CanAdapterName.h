#pragma once

// Which adapters the driver offers: given on the command line as PLUGIN:INTERFACE, or found among
// the interfaces the installed hardware plugins report.

#include "CanDeviceFactory.h"

#include <QList>
#include <QString>

#include <optional>

struct CanAdapterName {
    QString plugin;
    QString interfaceName;
};

inline constexpr char DemoPluginName[] = "demo";
inline constexpr char DemoInterfaceName[] = "demo0";

// Splits at the first colon only ("virtualcan:tcp://127.0.0.1:35100/can0" keeps the URL whole);
// "demo" alone stands for the demo bus. Empty plugin or interface names are rejected.
[[nodiscard]] std::optional<CanAdapterName> ParseCanAdapterName(const QString& text);

// Every interface the installed plugins report, except the virtual bus (it is not hardware, and
// a virtual interface is chosen explicitly), then the attached adapters the built-in factories
// find (the demo bus finds none).
[[nodiscard]] QList<CanAdapterName> DiscoverHardwareAdapters();

// A few lines for --help: the installed plugins with the interfaces they report, and the
// built-in adapters.
[[nodiscard]] QString DescribeCanPlugins();

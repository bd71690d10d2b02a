#pragma once

// The command line of zelm-sim.

#include <QString>
#include <QStringList>

struct SimOptions {
    QString canPlugin; // empty: no CAN bus
    QString canInterface;
    QString projectPath = QStringLiteral("Projects.ini");
    QString projectName; // empty: the project selected in the file
    int periodMs = 100;
    int burstFps = 0;    // 0: period mode
    int bitRate = 0;     // 0: leave the interface's bit rate alone
    QString serialPath;  // empty: no Modbus slave
    QString slcanPath;   // empty: no serial-line CAN adapter
    QString socketcand;  // "[ADDR:]PORT" to serve the bus on with socketcand; empty: no server
    QString slcanRefuse; // adapter commands answered with BEL (tests)
    int slcanStatus = 0; // status flags reported to F
    int baud = 115200;
    double durationS = 0; // 0: run until stopped
    double delayS = 0;    // connect at once, start reporting after this many seconds
};

// Parses the arguments (argv[0] first). On failure returns false with a message; --help and
// --version print and exit inside.
[[nodiscard]] bool ParseSimOptions(const QStringList& arguments, SimOptions& options, QString* error);

#pragma once

// A project of sixteen devices in use, written into a folder for the benchmarks.

#include <QByteArray>
#include <QFile>
#include <QString>

inline bool WriteBenchProject(const QString& folder) {
    QByteArray ini = "[Projects]\nProjectQua=1\nProject1=Bench\nProjectNum=1\n[Bench]\nBaseAdr=0x100\nPlusAdr=0x10\n";
    for (int i = 0; i < 16; ++i) ini += "Use_" + QByteArray::number(i) + "=1\n";
    QFile f(folder + QStringLiteral("/Projects.ini"));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return f.write(ini) == ini.size();
}

#include "core/IniFile.h"
#include "core/ProjectFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TstProjectFile : public QObject {
    Q_OBJECT
private slots:
    void rows_data();
    void rows();
    void headerValues_data();
    void headerValues();
    void projectList();
    void captionsRoundTripKeepsOtherLines();

private:
    QString write(const QByteArray& text);
    QTemporaryDir m_dir;
    int m_n = 0;
};

QString TstProjectFile::write(const QByteArray& text) {
    const QString path = m_dir.filePath(QStringLiteral("Projects%1.ini").arg(++m_n));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write test file");
    f.write(text);
    return path;
}

struct RowExpect {
    int row;
    bool use;
    uint32_t rx;
    uint32_t tx;
    int32_t rs;
    QString name;
};
using RowExpects = QList<RowExpect>;
Q_DECLARE_METATYPE(RowExpects)

void TstProjectFile::rows_data() {
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<RowExpects>("expect");
    QTest::newRow("standard, BaseAdr 0x100, no PlusAdr, rows 0 and 2")
        << QByteArray("BaseAdr=0x100\nUse_0=1\nUse_2=1\n")
        << RowExpects{{0, true, 0x100, 0x110, 0, "ZELM_0"},
                      {1, false, 0, 0, 0, ""},
                      {2, true, 0x101, 0x111, 2, "ZELM_2"}};
    QTest::newRow("protocol 3 ignores BaseAdr and PlusAdr")
        << QByteArray("Protokol=3\nBaseAdr=0x55\nPlusAdr=7\nUse_0=1\nUse_1=1\n")
        << RowExpects{{0, true, 0x00000000, 0x10000000, 0, "ZELM_0"},
                      {1, true, 0x01000000, 0x11000000, 1, "ZELM_1"}};
    QTest::newRow("explicit CANadr resets the counter")
        << QByteArray("Use_5=1\nCANadr_5=7\nUse_6=1\n")
        << RowExpects{{5, true, 7, 7 + 16, 5, "ZELM_5"}, {6, true, 8, 8 + 16, 6, "ZELM_6"}};
    QTest::newRow("Use 2 is in use, yes is not")
        << QByteArray("Use_0=2\nUse_1=yes\n")
        << RowExpects{{0, true, 0, 16, 0, "ZELM_0"}, {1, false, 0, 0, 0, ""}};
    QTest::newRow("explicit keys, names, RSadr")
        << QByteArray("Use_3=1\nRXadr_3=0x200\nTXadr_3=0x300\nRSadr_3=17\nName_3=Насос\n")
        << RowExpects{{3, true, 0x200, 0x300, 17, QStringLiteral("Насос")}};
    QTest::newRow("identifiers wrap at 32 bits")
        << QByteArray("BaseAdr=-1\nPlusAdr=2\nUse_0=1\nCANadr_0=1\n")
        << RowExpects{{0, true, 0x00000000, 0x00000002, 0, "ZELM_0"}};
    QTest::newRow("malformed numbers fall back")
        << QByteArray("BaseAdr=zz\nPlusAdr=\nUse_0=1\nCANadr_0=q\nRSadr_0=x1\n")
        << RowExpects{{0, true, 0, 16, 0, "ZELM_0"}};
    QTest::newRow("keys without regard to case")
        << QByteArray("use_1=1\nname_1=Pump\nrxadr_1=5\n") << RowExpects{{1, true, 5, 16, 1, "Pump"}};
}

void TstProjectFile::rows() {
    QFETCH(QByteArray, section);
    QFETCH(RowExpects, expect);
    IniFile ini(write("[Projects]\nProjectQua=1\nProject1=P\n[P]\n" + section));
    TProject p;
    ReadProjectSection(ini, QStringLiteral("p"), p);
    for (const RowExpect& e : expect) {
        const TZELM& row = p.Devices[static_cast<size_t>(e.row)];
        QCOMPARE(row.Use, e.use);
        if (!e.use) continue;
        QCOMPARE(row.RXadr, e.rx);
        QCOMPARE(row.TXadr, e.tx);
        QCOMPARE(row.RSadr, e.rs);
        QCOMPARE(row.Name, e.name);
    }
}

void TstProjectFile::headerValues_data() {
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<int>("protokol");
    QTest::addColumn<int>("base");
    QTest::addColumn<int>("plus");
    QTest::addColumn<int>("comm");
    QTest::newRow("missing section: defaults") << QByteArray() << 0 << 0 << 16 << 0;
    QTest::newRow("protocol 3") << QByteArray("[P]\nProtokol=3\nCommAdr=255\n") << 3 << 0 << 0x10000000
                                << 255;
    QTest::newRow("standard") << QByteArray("[P]\nProtokol=1\nBaseAdr=0x100\nPlusAdr=0x20\n") << 1 << 0x100
                              << 0x20 << 0;
}

void TstProjectFile::headerValues() {
    QFETCH(QByteArray, section);
    QFETCH(int, protokol);
    QFETCH(int, base);
    QFETCH(int, plus);
    QFETCH(int, comm);
    IniFile ini(write("[Projects]\n" + section));
    TProject p;
    ReadProjectSection(ini, QStringLiteral("P"), p);
    QCOMPARE(p.Protokol, protokol);
    QCOMPARE(p.BaseAdr, base);
    QCOMPARE(p.PlusAdr, plus);
    QCOMPARE(p.CommAdr, comm);
    for (const TZELM& row : p.Devices)
        QVERIFY(!row.Use || !section.isEmpty());
}

void TstProjectFile::projectList() {
    IniFile ini(write("[Projects]\nProjectQua=3\nProject1=Line1\nProject3=Line3\nProjectNum=2\n"));
    const TProjectList list = ReadProjectList(ini);
    QCOMPARE(list.ProjectQua, 3);
    QCOMPARE(list.ProjectNum, 2);
    QCOMPARE(list.Names, (QStringList{"Line1", "Project2", "Line3"}));

    IniFile missing(m_dir.filePath(QStringLiteral("none.ini")));
    const TProjectList empty = ReadProjectList(missing);
    QCOMPARE(empty.ProjectQua, 0);
    QCOMPARE(empty.ProjectNum, 0);
    QVERIFY(empty.Names.isEmpty());
}

void TstProjectFile::captionsRoundTripKeepsOtherLines() {
    const QByteArray original =
        "; project file\r\n[Projects]\r\nProjectQua=1\r\nProject1=Line2\r\n\r\n[Line2]\r\n"
        "Use_0=1\r\nDigiBut_3=Stop\r\nUnknown=keep me\r\n";
    const QString path = write(original);
    TProject p;
    {
        IniFile ini(path);
        ReadCaptions(ini, QStringLiteral("Line2"), p);
    }
    QCOMPARE(p.DigiBut[3], QStringLiteral("Stop"));
    QCOMPARE(p.DigiBut[0], QStringLiteral("-"));
    p.DigiBut[3] = QStringLiteral("Пуск");
    {
        IniFile ini(path);
        QVERIFY(WriteCaptions(ini, QStringLiteral("Line2"), p));
    }
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray after = f.readAll();
    QVERIFY(after.startsWith("; project file\r\n[Projects]\r\nProjectQua=1\r\nProject1=Line2\r\n"));
    QVERIFY(after.contains("Unknown=keep me\r\n"));
    QVERIFY(after.contains("DigiBut_16=-\r\n"));
    IniFile again(path);
    TProject q;
    ReadCaptions(again, QStringLiteral("LINE2"), q);
    QCOMPARE(q.DigiBut, p.DigiBut);
}

QTEST_GUILESS_MAIN(TstProjectFile)
#include "tst_projectfile.moc"

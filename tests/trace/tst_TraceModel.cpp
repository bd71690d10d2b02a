// The identifier filter and the trace view's ring of frames as plain code.

#include "can/CanBus.h"
#include "trace/TraceFrameModel.h"
#include "trace/TraceIdFilter.h"

#include <QSignalSpy>
#include <QTest>

class TstTraceModel : public QObject {
    Q_OBJECT
private slots:
    void filter_data();
    void filter();
    void ringKeepsTheNewest();
    void filterPauseAndClear();
};

void TstTraceModel::filter_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QList<uint32_t>>("shown");
    QTest::addColumn<QList<uint32_t>>("hidden");
    QTest::newRow("empty shows all") << "" << true << QList<uint32_t>{0x0, 0x7FF, 0x1FFFFFFF}
                                     << QList<uint32_t>{};
    QTest::newRow("list") << "110, 0x111 1ABCDEF0" << true << QList<uint32_t>{0x110, 0x111, 0x1ABCDEF0}
                          << QList<uint32_t>{0x112, 0x10};
    QTest::newRow("range") << "200-2ff" << true << QList<uint32_t>{0x200, 0x2FF}
                           << QList<uint32_t>{0x1FF, 0x300};
    QTest::newRow("mask") << "100:7F0" << true << QList<uint32_t>{0x100, 0x10F}
                          << QList<uint32_t>{0x110, 0x0FF};
    QTest::newRow("not hex") << "11G" << false << QList<uint32_t>{} << QList<uint32_t>{};
    QTest::newRow("range upside down") << "300-200" << false << QList<uint32_t>{} << QList<uint32_t>{};
    QTest::newRow("too long") << "123456789" << false << QList<uint32_t>{} << QList<uint32_t>{};
    QTest::newRow("mask without id") << ":7F0" << false << QList<uint32_t>{} << QList<uint32_t>{};
}

void TstTraceModel::filter() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QList<uint32_t>, shown);
    QFETCH(QList<uint32_t>, hidden);
    QString error;
    const std::optional<TraceIdFilter> f = TraceIdFilter::parse(text, &error);
    QCOMPARE(f.has_value(), valid);
    if (!valid) {
        QVERIFY(!error.isEmpty());
        return;
    }
    for (uint32_t id : shown)
        QVERIFY2(f->matches(id), qPrintable(QString::number(id, 16)));
    for (uint32_t id : hidden)
        QVERIFY2(!f->matches(id), qPrintable(QString::number(id, 16)));
}

namespace {

void pass(uint32_t id, CanTrafficDirection dir = CanTrafficDirection::Received) {
    CanBus().notify(QCanBusFrame(id, QByteArray::fromHex("0102")), dir);
}

QStringList ids(const TraceFrameModel& m) {
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r)
        out << m.index(r, TraceFrameModel::IdColumn).data().toString();
    return out;
}

} // namespace

void TstTraceModel::ringKeepsTheNewest() {
    TraceFrameModel m(5);
    QSignalSpy inserted(&m, &QAbstractItemModel::rowsInserted);
    for (uint32_t id = 1; id <= 3; ++id)
        pass(id);
    QCOMPARE(m.rowCount(), 0); // rows come in batches
    m.commit();
    QCOMPARE(ids(m), (QStringList{"001", "002", "003"}));
    QCOMPARE(inserted.count(), 1);
    for (uint32_t id = 4; id <= 8; ++id)
        pass(id, CanTrafficDirection::Sent);
    m.commit();
    QCOMPARE(ids(m), (QStringList{"004", "005", "006", "007", "008"}));
    QCOMPARE(m.framesKept(), 5);
    QCOMPARE(m.index(4, TraceFrameModel::DirectionColumn).data().toString(), QString("Tx"));
    QCOMPARE(m.index(4, TraceFrameModel::DlcColumn).data().toString(), QString("[2]"));
    QCOMPARE(m.index(4, TraceFrameModel::DataColumn).data().toString(), QString("01 02"));
    // More than the ring holds in one batch: the newest five stay.
    for (uint32_t id = 0x100; id < 0x10C; ++id)
        pass(id);
    m.commit();
    QCOMPARE(ids(m), (QStringList{"107", "108", "109", "10A", "10B"}));
}

void TstTraceModel::filterPauseAndClear() {
    TraceFrameModel m(10);
    for (uint32_t id : {0x110u, 0x200u, 0x111u, 0x12345678u})
        pass(id);
    m.commit();
    m.setFilter(*TraceIdFilter::parse(u"110-1FF 12345678"));
    QCOMPARE(ids(m), (QStringList{"110", "111", "12345678"}));
    pass(0x300);
    pass(0x150);
    m.commit();
    QCOMPARE(ids(m), (QStringList{"110", "111", "12345678", "150"}));
    m.setFilter(TraceIdFilter());
    QCOMPARE(m.rowCount(), 6);

    m.setPaused(true);
    pass(0x1);
    pass(0x2);
    m.commit();
    QCOMPARE(m.rowCount(), 6);
    QCOMPARE(m.missed(), uint64_t(2));
    m.setPaused(false);
    m.clear();
    QCOMPARE(m.rowCount(), 0);
    QCOMPARE(m.framesKept(), 0);
    pass(0x3);
    m.commit();
    QCOMPARE(ids(m), QStringList{"003"});
}

QTEST_GUILESS_MAIN(TstTraceModel)
#include "tst_TraceModel.moc"

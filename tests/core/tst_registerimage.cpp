// The register image as plain code: what a message writes, what a serial read writes, and who
// hears of it and when.

#include "core/RegisterImage.h"

#include <QDateTime>
#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

class TRegisterImageTest : public QObject {
    Q_OBJECT
private slots:
    void notifiesEveryWrittenRegister_data() {
        QTest::addColumn<int>("address");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("mask");
        QTest::addColumn<QList<int>>("written");
        QTest::newRow("three of three") << 10 << 3 << 7 << QList<int>{10, 11, 12};
        QTest::newRow("mask 5 skips the middle") << 40 << 3 << 5 << QList<int>{40, 42};
        QTest::newRow("four, cut at the end of the image") << 126 << 4 << 0 << QList<int>{126, 127};
        QTest::newRow("past the image") << 200 << 4 << 0 << QList<int>{};
    }
    void notifiesEveryWrittenRegister() {
        QFETCH(int, address);
        QFETCH(int, count);
        QFETCH(int, mask);
        QFETCH(QList<int>, written);
        TRegisterImage image;
        QSignalSpy spy(&image, &TRegisterImage::registerChanged);
        TDeviceMessage msg;
        msg.Address = static_cast<uint16_t>(address);
        msg.Count = count;
        msg.Mask = static_cast<uint8_t>(mask);
        msg.Values[0] = -5;
        msg.Direction = 1;
        const qint64 before = QDateTime::currentMSecsSinceEpoch();
        const TRegisterImage::TWritten result = image.apply(msg);
        const qint64 after = QDateTime::currentMSecsSinceEpoch();
        QCOMPARE(result.Count, written.size());
        QCOMPARE(spy.size(), written.size());
        for (int i = 0; i < written.size(); ++i) {
            QCOMPARE(result.Registers[static_cast<size_t>(i)], written[i]);
            QCOMPARE(spy.at(i).at(0).toInt(), written[i]);
            const qint64 at = spy.at(i).at(1).toLongLong();
            QVERIFY(at >= before && at <= after);
            QCOMPARE(image.cell(written[i]).Direction, 1);
            QCOMPARE(image.cell(written[i]).Age, FadeLevels);
        }
    }

    // Receivers that come and go: each destruction disconnects while Qt holds its connection
    // locks (one of a small pool, shared by address), so the image must not ask Qt about its
    // receivers then. Hundreds of receivers make sure some share a lock with the image. After
    // the last one has gone, writes still work and notify nobody; a new receiver hears them.
    void receiversComeAndGo() {
        TRegisterImage image;
        std::vector<std::unique_ptr<QObject>> receivers(400); // all alive at once: 400 addresses
        for (auto& r : receivers) {
            r = std::make_unique<QObject>();
            connect(&image, &TRegisterImage::registerChanged, r.get(), [] {});
        }
        for (size_t i = 0; i < receivers.size(); ++i) {
            receivers[i].reset();
            image.writeValue(static_cast<int>(i % RegisterCount), 1);
        }
        image.writeValue(3, 7);
        QCOMPARE(image.cell(3).Value, 7);
        QSignalSpy spy(&image, &TRegisterImage::registerChanged);
        image.writeValue(4, 8);
        QCOMPARE(spy.size(), 1);
    }

    void serialReadKeepsDirection() {
        TRegisterImage image;
        image.setFadeSpeed(FadeHold);
        TDeviceMessage msg;
        msg.Address = 30;
        msg.Count = 1;
        msg.Mask = 4;
        msg.Direction = 1;
        image.apply(msg);
        QSignalSpy spy(&image, &TRegisterImage::registerChanged);
        image.writeValue(30, -2);
        image.writeValue(128, 1); // no such register
        QCOMPARE(spy.size(), 1);
        QCOMPARE(image.cell(30).Value, -2);
        QCOMPARE(image.cell(30).Direction, 1);
    }

    void fadeOffStartsAtZero() {
        TRegisterImage image;
        image.setFadeSpeed(0);
        TDeviceMessage msg;
        msg.Address = 3;
        msg.Count = 4;
        image.apply(msg);
        QCOMPARE(image.cell(3).Age, 0);
        QVERIFY(image.fadeTick(0).none()); // nothing lit, nothing to repaint
    }
};

QTEST_GUILESS_MAIN(TRegisterImageTest)
#include "tst_registerimage.moc"

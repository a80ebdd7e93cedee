// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/edit_time.h"

#include <QtTest>

#include <limits>

class TestEditTime : public QObject {
    Q_OBJECT
private slots:
    void roundedSeconds_halvesGoToEven_data() {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<int>("seconds");
        QTest::newRow("0") << qint64(0) << 0;
        QTest::newRow("0.5 s") << qint64(500) << 0;
        QTest::newRow("1.5 s") << qint64(1500) << 2;
        QTest::newRow("9.5 s") << qint64(9500) << 10;
        QTest::newRow("10.499 s") << qint64(10499) << 10;
        QTest::newRow("10.5 s") << qint64(10500) << 10;
        QTest::newRow("10.501 s") << qint64(10501) << 11;
        QTest::newRow("10.6 s") << qint64(10600) << 11;
        QTest::newRow("negative") << qint64(-1500) << 0;
        QTest::newRow("past an int") << (qint64(1) << 62) << std::numeric_limits<int>::max();
    }
    void roundedSeconds_halvesGoToEven() {
        QFETCH(qint64, ms);
        QFETCH(int, seconds);
        QCOMPARE(edittime::roundedSeconds(ms), seconds);
    }

    void clockText_wrapsAfter24Hours_data() {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << qint64(0) << "00:00:00";
        QTest::newRow("seconds") << qint64(59) << "00:00:59";
        QTest::newRow("each field") << qint64(3600 + 120 + 3) << "01:02:03";
        QTest::newRow("last second of a day") << qint64(86399) << "23:59:59";
        QTest::newRow("24 hours") << qint64(86400) << "00:00:00";
        QTest::newRow("25 hours 1 s") << qint64(90001) << "01:00:01";
        QTest::newRow("negative") << qint64(-5) << "00:00:00";
    }
    void clockText_wrapsAfter24Hours() {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(edittime::clockText(seconds), text);
    }
};

QTEST_GUILESS_MAIN(TestEditTime)
#include "tst_edit_time.moc"

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

    // Typed times: what a box shows reads back as the same time; anything else is refused.
    void millis_showAndReadBack_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<qint64>("ms"); // -1: refused
        QTest::newRow("shown form") << "1:05.042" << qint64(65042);
        QTest::newRow("no fraction") << "2:00" << qint64(120000);
        QTest::newRow("seconds only") << "75.5" << qint64(75500);
        QTest::newRow("blanks") << " 0:01.1 " << qint64(1100);
        QTest::newRow("seconds past 59 after minutes") << "1:75" << qint64(-1);
        QTest::newRow("four fraction digits") << "1.0001" << qint64(-1);
        QTest::newRow("words") << "soon" << qint64(-1);
        QTest::newRow("negative") << "-1" << qint64(-1);
    }
    void millis_showAndReadBack() {
        QFETCH(QString, typed);
        QFETCH(qint64, ms);
        const std::optional<std::int64_t> read = edittime::parseMillis(typed);
        QCOMPARE(read.value_or(-1), ms);
        if (ms >= 0)
            QCOMPARE(edittime::parseMillis(edittime::millisText(ms)).value_or(-1), ms);
    }
};

QTEST_GUILESS_MAIN(TestEditTime)
#include "tst_edit_time.moc"

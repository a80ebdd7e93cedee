// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/busy_window.h"

#include <QLabel>
#include <QTimer>
#include <QtTest>

namespace {
QList<int> shownPictures(const FrmLoad& window) {
    QList<int> shown;
    for (int i = 0; i < FrmLoad::PictureCount; ++i)
        if (window.isPictureShown(i))
            shown << i;
    return shown;
}
} // namespace

class TestBusyWindow : public QObject {
    Q_OBJECT
private slots:
    void construction_laysOutPicturesAndLabel();
    void timer_runsFromCreationWhetherShownOrNot();
    void ticks_growTheRowAndFallBackEveryFiveTicks();
    void ticks_startFromAllHiddenAtPictureZero();
    void label_keepsTheLastTextThroughTicksAndHiding();
    void progress_showsUntilTheWindowIsHidden();
};

void TestBusyWindow::construction_laysOutPicturesAndLabel() {
    FrmLoad window;
    for (int i = 0; i < FrmLoad::PictureCount; ++i) {
        auto* picture = window.findChild<QLabel*>(QStringLiteral("Picture1_%1").arg(i));
        QVERIFY(picture);
        QCOMPARE(picture->geometry(), QRect(i * 48, 0, 49, 49));
        QVERIFY(!picture->pixmap().isNull());
    }
    auto* label = window.findChild<QLabel*>(QStringLiteral("Label1"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("Loading.........."));
    QCOMPARE(label->y(), 112);
    QVERIFY(label->font().bold());
    QCOMPARE(label->font().pointSize(), 18);
    QVERIFY(window.geometry().width() >= 289);
    QVERIFY(label->geometry().bottom() < window.height());
}

void TestBusyWindow::timer_runsFromCreationWhetherShownOrNot() {
    FrmLoad window;
    auto* timer = window.findChild<QTimer*>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 500);
    QVERIFY(timer->isActive());
    window.show();
    window.hide();
    QVERIFY(timer->isActive());
}

void TestBusyWindow::ticks_growTheRowAndFallBackEveryFiveTicks() {
    FrmLoad window;
    const QList<QList<int>> cycle = {{0}, {0, 1}, {0, 1, 2}, {0, 1, 2, 3}, {0, 1, 2, 3, 4}};
    for (int tick = 0; tick < 3 * 5; ++tick) {
        window.Timer1_Timer();
        QCOMPARE(shownPictures(window), cycle.at(tick % 5));
    }
}

void TestBusyWindow::ticks_startFromAllHiddenAtPictureZero() {
    FrmLoad window;
    for (int i = 0; i < FrmLoad::PictureCount; ++i)
        window.findChild<QLabel*>(QStringLiteral("Picture1_%1").arg(i))->hide();
    window.Timer1_Timer();
    QCOMPARE(shownPictures(window), QList<int>{0});
    window.Timer1_Timer();
    QCOMPARE(shownPictures(window), (QList<int>{0, 1}));
}

void TestBusyWindow::label_keepsTheLastTextThroughTicksAndHiding() {
    FrmLoad window;
    window.setStatusText(QStringLiteral("Converting......."));
    window.show();
    window.Timer1_Timer();
    window.hide();
    window.Timer1_Timer();
    QCOMPARE(window.statusText(), QStringLiteral("Converting......."));
    window.show();
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
             QStringLiteral("Converting......."));
}

void TestBusyWindow::progress_showsUntilTheWindowIsHidden() {
    FrmLoad window;
    window.show();
    QCOMPARE(window.progress(), -1);
    window.setProgress(40);
    QCOMPARE(window.progress(), 40);
    window.setProgress(250);
    QCOMPARE(window.progress(), 100);
    window.setProgress(-1);
    QCOMPARE(window.progress(), -1);
    window.setProgress(70);
    window.hide();
    window.show();
    QCOMPARE(window.progress(), -1); // the next operation starts without a bar
}

QTEST_MAIN(TestBusyWindow)
#include "tst_busy_window.moc"

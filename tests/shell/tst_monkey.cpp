// SPDX-License-Identifier: GPL-3.0-or-later
// The whole window on the scripted engine and dialogs under random use: clicks on whatever
// button, list entry or slider the shown page offers, key presses, toolbar switches, file
// dialogs answered with good, odd and missing files. Nothing may crash (the test runs under
// ASan and UBSan), and every clip file the list names must exist after every step.
//
// "Exit" is left out: it empties the work folder and ends the program, which here, without an
// event loop to end, would leave the window listing clips whose files are gone (the exit has
// tests of its own). Each run goes through a fixed list of seeds (MONKEY_SEED runs one other),
// among them 10, 16, 30 and 424242, which once found the window after its exit.
#include "base/work_folder.h"
#include "cliplist/clip_list.h"
#include "shell/main_window.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_engine.h"
#include "support/test_audio.h"
#include "support/window_rig.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAction>
#include <QApplication>
#include <QRandomGenerator>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

constexpr int Steps = 1000;
const quint32 Seeds[] = {20261208, 10,  16,  30,  424242, 1,    2,    3,     4,     5,
                         6,        7,   8,   9,   11,     12,   13,   14,    15,    17,
                         18,       19,  20,  21,  22,     23,   24,   25,    26,    27,
                         28,       29,  31,  32,  33,     42,   64,   99,    100,   128,
                         256,      512, 777, 999, 1000,   1234, 4242, 31337, 65535, 20260101};
const char* const PageKeys[] = {"Wav", "Rec", "Convert", "Setting", "Help"};
const Qt::Key Keys[] = {Qt::Key_Up,     Qt::Key_Down, Qt::Key_Return, Qt::Key_Space,
                        Qt::Key_Delete, Qt::Key_Home, Qt::Key_End,    Qt::Key_Tab};

template <typename T> QList<T*> usable(QWidget& window) {
    QList<T*> found;
    for (T* widget : window.findChildren<T*>()) {
        const auto* tool = qobject_cast<const QToolButton*>(widget);
        if (widget->isVisible() && widget->isEnabled() &&
            !(tool && tool->defaultAction() &&
              tool->defaultAction()->objectName() == QLatin1String("Exit")))
            found << widget;
    }
    return found;
}

} // namespace

class TestMonkey : public QObject {
    Q_OBJECT
private slots:
    void randomUse_neverCrashesAndEveryListedClipHasItsFile_data();
    void randomUse_neverCrashesAndEveryListedClipHasItsFile();
    // Some seeds never get a clip listed; all of them together must, or the monkey tests
    // nothing.
    void cleanupTestCase() { QVERIFY(m_mostClips > 0); }

private:
    int m_mostClips = 0;
};

void TestMonkey::randomUse_neverCrashesAndEveryListedClipHasItsFile_data() {
    QTest::addColumn<quint32>("seed");
    if (qEnvironmentVariableIsSet("MONKEY_SEED")) {
        const auto seed = quint32(qEnvironmentVariableIntValue("MONKEY_SEED"));
        QTest::addRow("seed %u", seed) << seed;
        return;
    }
    for (const quint32 seed : Seeds)
        QTest::addRow("seed %u", seed) << seed;
}

void TestMonkey::randomUse_neverCrashesAndEveryListedClipHasItsFile() {
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);

    WindowRig rig(WindowRig::Window::Later);
    Frmmain& window = rig.createWindow();
    window.show();
    const QStringList files{
        testaudio::writeSineWav(rig.outside("song one.wav"), {2, 44100, 16}, 44100),
        testaudio::writeSineWav(rig.outside("Grüße \"8\".wav"), {1, 8000, 8}, 12000),
        testaudio::writeSineWav(rig.outside("short.wav"), {1, 22050, 16}, 100),
        rig.outside("missing.mp3"),
        rig.outside("out.wav"),
        rig.outside("out.mp3"),
    };
    QVERIFY(testaudio::writeAll(rig.outside("noise.mp3"), QByteArray(5000, '\x5a')));
    rig.engine().deliverBlocks({7056, 7056});
    int mostClips = 0;

    for (int step = 0; step < Steps; ++step) {
        // Whatever the next prompt asks, an answer of some kind is waiting.
        switch (random.bounded(4)) {
        case 0:
            rig.dialogs().queueFile(files[random.bounded(int(files.size()))]);
            break;
        case 1:
            rig.dialogs().queueAnswer(random.bounded(2) ? Dialogs::Answer::Yes
                                                        : Dialogs::Answer::No);
            break;
        case 2:
            rig.dialogs().queueInput(QStringLiteral("Tones %1").arg(random.bounded(3)));
            break;
        default:
            rig.dialogs().queueFileCancel();
        }

        const int what = random.bounded(100);
        if (what < 8) {
            rig.showPage(QLatin1String(PageKeys[random.bounded(5)]));
        } else if (what < 55) {
            const auto buttons = usable<QAbstractButton>(window);
            // A button that pops up its menu waits in the menu's loop: the menu is closed
            // from inside it, as a user who looked and chose nothing would.
            QTimer::singleShot(0, qApp, [] {
                if (QWidget* popup = QApplication::activePopupWidget())
                    popup->close();
            });
            if (!buttons.isEmpty())
                buttons[random.bounded(int(buttons.size()))]->click();
        } else if (what < 75) {
            const auto views = usable<QAbstractItemView>(window);
            QAbstractItemView* view =
                views.isEmpty() ? nullptr : views[random.bounded(int(views.size()))];
            const int rows = view && view->model() ? view->model()->rowCount(view->rootIndex()) : 0;
            if (rows > 0) {
                const QModelIndex index =
                    view->model()->index(random.bounded(rows), 0, view->rootIndex());
                const QPoint at = view->visualRect(index).center();
                if (random.bounded(3) == 0)
                    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
                else
                    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
            }
        } else if (what < 85) {
            const auto sliders = usable<QAbstractSlider>(window);
            if (!sliders.isEmpty()) {
                QAbstractSlider* slider = sliders[random.bounded(int(sliders.size()))];
                const QPoint at(random.bounded(qMax(1, slider->width())), slider->height() / 2);
                QTest::mouseClick(slider, Qt::LeftButton, {}, at);
            }
        } else if (what < 95) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window;
            const Qt::Key key = Keys[random.bounded(int(std::size(Keys)))];
            // Sent as events rather than QTest::keyClick, which warns at every key a widget
            // leaves alone.
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
            QApplication::sendEvent(target, &press);
            QApplication::sendEvent(target, &release);
        } else {
            rig.engine().deliverBlocks({7056});
            rig.advanceMs(random.bounded(3000));
        }
        QCoreApplication::processEvents();

        const auto views = window.findChildren<QAbstractItemView*>(QStringLiteral("List1"));
        for (QAbstractItemView* list : views) {
            mostClips = qMax(mostClips, list->model()->rowCount());
            for (int row = 0; row < list->model()->rowCount(); ++row) {
                const QString name = list->model()->index(row, 0).data().toString();
                QVERIFY2(
                    QFileInfo(list->model()->index(row, 0).data(ClipList::FileRole).toString())
                        .isFile(),
                    qPrintable(
                        QStringLiteral("step %1: clip \"%2\" has no file").arg(step).arg(name)));
            }
        }
    }
    // Let a running decode or encode finish before the window goes.
    rig.waitForWork();
    QTRY_VERIFY_WITH_TIMEOUT(window.isEnabled(), 60000);
    qInfo("%d steps, up to %d clips listed, %d messages shown", Steps, mostClips,
          int(rig.dialogs().messages().size()));
    m_mostClips = qMax(m_mostClips, mostClips);
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"

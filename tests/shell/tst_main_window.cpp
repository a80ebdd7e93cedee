// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/media_player.h"
#include "base/settings.h"
#include "cliplist/clip_import.h"
#include "cliplist/clip_list.h"
#include "cliplist/clip_list_journal.h"
#include "cliplist/edit_session.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/editor_panel.h"
#include "cliplist/ui/framewav.h"
#include "cliplist/ui/song_guide.h"
#include "codec/mp3_encoder.h"
#include "pagekit/busy_window.h"
#include "shell/main_window.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_engine.h"
#include "support/song_generator.h"
#include "support/test_audio.h"
#include "support/window_rig.h"
#include "waveform/ui/waveform_view.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QStringList PageNames = {"Framewav", "FrameRec", "FrameConvert", "FrameSetting",
                               "FrameAbout"};

const WavFormat ClipFormat{2, 44100, 16};

// Runs `action` inside the application's event loop and returns the loop's exit code, or
// -1 when the action did not end the loop (the fallback timer ends it then).
int runUntilProgramEnds(const std::function<void()>& action) {
    QTimer::singleShot(0, qApp, action);
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, qApp, [] { QCoreApplication::exit(-1); });
    fallback.start(10000);
    return QCoreApplication::exec();
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startup_showsAudioEditAndLaysOutThePages();
    void startup_buildsTheToolbarInKeyOrderWithTooltips();
    void startup_createsTheWorkFolderAndLeavesTheEngineAlone();
    void startup_appliesStoredSettings();
    void startup_withoutSettingsFileSelectsNoRate();
    void toolbarKey_showsItsPageAndHidesTheOthers_data();
    void toolbarKey_showsItsPageAndHidesTheOthers();
    void toolbarButton_clickRunsItsKey();
    void pageSwitch_letsThePagesLeaveThenReleasesEngineAndPlayers();
    void pageSwitch_sameButtonAgainRunsTheWholeSwitch();
    void rec_announcesTheRecordPageAfterShowingIt();
    void help_fillsAboutTheSameWayEveryTime();
    void unknownKey_onlyRunsThePageSwitch();
    void exit_fromToolbarClosesPlayersEmptiesWorkFolderAndEnds();
    void closingTheWindow_runsTheExitSequence();
    void busyWindow_isCreatedOnFirstUseAndKept();
    void mp3JobEndingDuringADecode_leavesEverythingHeldUntilTheDecodeEnds();
    void startAfterACrash_asksToRestoreTheClips_data();
    void startAfterACrash_asksToRestoreTheClips();
    void startAfterACrash_withADamagedJournal_deletesNothingUnasked();
    void keys_runTheirButtonsOnlyWhereAndWhenTheButtonsCould();
    void keys_ctrlQExits();
    void keys_walkFromASongToItsRingtoneWithoutTheMouse();
    void filesGiven_areAddedInOrderAndTheBadOnesToldInOneMessage();

private:
    void openPlayers();
    QAction* action(const QString& key) const;
    QGroupBox* page(const QString& name) const {
        return m_rig->window().findChild<QGroupBox*>(name);
    }

    std::unique_ptr<WindowRig> m_rig;
};

void TestMainWindow::init() {
    m_rig = std::make_unique<WindowRig>(WindowRig::Window::Later);
}

void TestMainWindow::cleanup() {
    m_rig.reset();
}

void TestMainWindow::openPlayers() {
    m_rig->playInBothPlayers(
        testaudio::writeSineWav(m_rig->work().file("clip.wav"), ClipFormat, 44100 * 3));
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Playing);
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Playing);
}

QAction* TestMainWindow::action(const QString& key) const {
    auto* toolbar = m_rig->window().findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    for (QAction* action : toolbar->actions())
        if (action->data().toString() == key && action->objectName() == key)
            return action;
    return nullptr;
}

void TestMainWindow::startup_showsAudioEditAndLaysOutThePages() {
    Frmmain& window = m_rig->createWindow();
    QCOMPARE(window.windowTitle(), QStringLiteral("KorvaNel Tunecarver"));
    QCOMPARE(window.size(), QSize(719, 413));
    QCOMPARE(window.minimumSize(), window.size());

    const QStringList captions = {"Audio Edit", "Vioce Record", "Wav <-> Mp3", "Setting", "About"};
    const QList<QRect> places = {{8, 48, 705, 353},
                                 {104, 48, 489, 285},
                                 {72, 48, 609, 321},
                                 {80, 48, 593, 321},
                                 {168, 48, 393, 281}};
    for (int i = 0; i < PageNames.size(); ++i) {
        QGroupBox* frame = page(PageNames.at(i));
        QVERIFY2(frame, qPrintable(PageNames.at(i)));
        QCOMPARE(frame->parentWidget(), &window);
        QCOMPARE(frame->title(), captions.at(i));
        QCOMPARE(frame->geometry(), places.at(i));
        QCOMPARE(frame->isHidden(), i != 0);
    }
    QCOMPARE(window.shownPage(), page("Framewav"));

    auto* label6 = window.findChild<QLabel*>(QStringLiteral("Label6"));
    QVERIFY(label6);
    QCOMPARE(label6->parentWidget(), page("Framewav"));
    QCOMPARE(label6->geometry(), QRect(16, 304, 193, 41));
    QCOMPARE(label6->text(), QStringLiteral("Click to Select Play\r\nDouble Click to Select Edit"));

    const QPixmap picIcon = page("FrameAbout")->findChild<QLabel*>("picIcon")->pixmap();
    QVERIFY(!picIcon.isNull());
    QCOMPARE(window.windowIcon().pixmap(36).toImage(), picIcon.toImage());
}

void TestMainWindow::startup_buildsTheToolbarInKeyOrderWithTooltips() {
    Frmmain& window = m_rig->createWindow();
    auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    QVERIFY(toolbar);
    QCOMPARE(toolbar->pos(), QPoint(0, 0));
    QCOMPARE(toolbar->width(), 719);
    QVERIFY(toolbar->geometry().bottom() < Frmmain::PageTop);
    QCOMPARE(toolbar->iconSize(), QSize(32, 32));

    const QStringList keys = {"Wav", "Rec", "Convert", "Setting", "Help", "Exit"};
    const QStringList tooltips = {"Open Song (Ctrl+1)", "Voice Record (Ctrl+2)", "Convert (Ctrl+3)",
                                  "Setting (Ctrl+4)",   "About (Ctrl+5)",        "Exit (Ctrl+Q)"};
    QCOMPARE(toolbar->actions().size(), keys.size());
    for (int i = 0; i < keys.size(); ++i) {
        QAction* button = toolbar->actions().at(i);
        QCOMPARE(button->objectName(), keys.at(i));
        QCOMPARE(button->data().toString(), keys.at(i));
        QCOMPARE(button->toolTip(), tooltips.at(i));
        QVERIFY(button->text().isEmpty());
        QCOMPARE(button->icon().availableSizes().value(0), QSize(32, 32));
        auto* widget = qobject_cast<QToolButton*>(toolbar->widgetForAction(button));
        QVERIFY(widget);
        QCOMPARE(widget->toolButtonStyle(), Qt::ToolButtonIconOnly);
    }
    QCOMPARE(m_rig->window().findChild<QPushButton*>("CmdAdd")->toolTip(), "Add New (Ctrl+O)");
    QCOMPARE(m_rig->window().findChild<QPushButton*>("Cmdremove")->toolTip(),
             "Remove Form List (Delete)");
    QCOMPARE(m_rig->window().findChild<QPushButton*>("CmdUP")->toolTip(), "Move UP (Ctrl+Up)");
    QCOMPARE(m_rig->window().findChild<QPushButton*>("CmdMarkin")->toolTip(), "Mark In (I)");
    QCOMPARE(m_rig->dialogs().messages().size(), 0);
}

void TestMainWindow::startup_createsTheWorkFolderAndLeavesTheEngineAlone() {
    const QString work = m_rig->appFile("korvanel");
    QVERIFY(!QFileInfo::exists(work));
    m_rig->createWindow();
    QVERIFY(QFileInfo(work).isDir());
    QVERIFY(!m_rig->engine().started());
    QCOMPARE(m_rig->engine().count(QStringLiteral("releaseAll")), 0);
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Closed);
}

void TestMainWindow::startup_appliesStoredSettings() {
    QVERIFY(QDir(m_rig->outside(QString())).mkdir(QStringLiteral("tones")));
    const QString tones = QDir::toNativeSeparators(m_rig->outside("tones"));
    QVERIFY(testaudio::writeAll(Settings::filePath(m_rig->appFile(QString())),
                                " 128 \r\n" + tones.toLocal8Bit() + "\r\n"));
    Frmmain& window = m_rig->createWindow();
    QVERIFY(window.settings().bitRate().is(128));
    QCOMPARE(window.settings().baseFolder(), tones);
    QVERIFY(window.findChild<QRadioButton*>(QStringLiteral("Option3"))->isChecked());
}

void TestMainWindow::startup_withoutSettingsFileSelectsNoRate() {
    Frmmain& window = m_rig->createWindow();
    QVERIFY(window.settings().bitRate().isUnset());
    QCOMPARE(window.settings().baseFolder(), QDir::toNativeSeparators(m_rig->home()));
    for (int n = 1; n <= 4; ++n)
        QVERIFY(!window.findChild<QRadioButton*>(QStringLiteral("Option%1").arg(n))->isChecked());
    QVERIFY(m_rig->dialogs().messages().isEmpty());
}

void TestMainWindow::toolbarKey_showsItsPageAndHidesTheOthers_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("Wav") << "Wav"
                         << "Framewav";
    QTest::newRow("Rec") << "Rec"
                         << "FrameRec";
    QTest::newRow("Convert") << "Convert"
                             << "FrameConvert";
    QTest::newRow("Setting") << "Setting"
                             << "FrameSetting";
    QTest::newRow("Help") << "Help"
                          << "FrameAbout";
}

void TestMainWindow::toolbarKey_showsItsPageAndHidesTheOthers() {
    QFETCH(QString, key);
    QFETCH(QString, shown);
    Frmmain& window = m_rig->createWindow();
    window.Toolbar1_ButtonClick(QStringLiteral("Setting"));
    window.Toolbar1_ButtonClick(key);
    for (const QString& name : PageNames)
        QCOMPARE(page(name)->isHidden(), name != shown);
    QCOMPARE(window.shownPage(), page(shown));
}

void TestMainWindow::toolbarButton_clickRunsItsKey() {
    Frmmain& window = m_rig->createWindow();
    window.show();
    auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    QTest::mouseClick(toolbar->widgetForAction(action(QStringLiteral("Convert"))), Qt::LeftButton);
    QCOMPARE(window.shownPage(), page("FrameConvert"));
    QCOMPARE(m_rig->engine().count(QStringLiteral("releaseAll")), 1);
}

void TestMainWindow::pageSwitch_letsThePagesLeaveThenReleasesEngineAndPlayers() {
    Frmmain& window = m_rig->createWindow();
    openPlayers();
    const QString clip = m_rig->edit().fileName();

    int releasesAtLeaving = -1;
    MediaPlayer::State editAtLeaving = MediaPlayer::State::Closed;
    connect(&window, &Frmmain::pageLeaving, this, [&] {
        releasesAtLeaving = m_rig->engine().count(QStringLiteral("releaseAll"));
        editAtLeaving = m_rig->edit().state();
    });
    QSignalSpy leavings(&window, &Frmmain::pageLeaving);

    action(QStringLiteral("Wav"))->trigger();

    QCOMPARE(m_rig->engine().count(QStringLiteral("releaseAll")), 1);
    QCOMPARE(leavings.size(), 1);
    QCOMPARE(releasesAtLeaving, 0);
    QCOMPARE(editAtLeaving, MediaPlayer::State::Playing);
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Stopped);
    QCOMPARE(m_rig->edit().fileName(), clip);
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Closed);
    QCOMPARE(window.shownPage(), page("Framewav"));
}

void TestMainWindow::pageSwitch_sameButtonAgainRunsTheWholeSwitch() {
    Frmmain& window = m_rig->createWindow();
    QSignalSpy leavings(&window, &Frmmain::pageLeaving);
    action(QStringLiteral("Setting"))->trigger();
    openPlayers();
    action(QStringLiteral("Setting"))->trigger();
    QCOMPARE(m_rig->engine().count(QStringLiteral("releaseAll")), 2);
    QCOMPARE(leavings.size(), 2);
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Stopped);
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Closed);
    QCOMPARE(window.shownPage(), page("FrameSetting"));
}

void TestMainWindow::rec_announcesTheRecordPageAfterShowingIt() {
    Frmmain& window = m_rig->createWindow();
    bool recShownWhenAnnounced = false;
    int releasesWhenAnnounced = -1;
    connect(&window, &Frmmain::recordPageEntered, this, [&] {
        recShownWhenAnnounced = window.shownPage() == page("FrameRec");
        releasesWhenAnnounced = m_rig->engine().count(QStringLiteral("releaseAll"));
    });
    QSignalSpy entered(&window, &Frmmain::recordPageEntered);
    QSignalSpy leavings(&window, &Frmmain::pageLeaving);

    action(QStringLiteral("Rec"))->trigger();
    QCOMPARE(entered.size(), 1);
    QVERIFY(recShownWhenAnnounced);
    QCOMPARE(releasesWhenAnnounced, 1);

    action(QStringLiteral("Rec"))->trigger();
    QCOMPARE(entered.size(), 2);
    QCOMPARE(leavings.size(), 2);

    action(QStringLiteral("Convert"))->trigger();
    QCOMPARE(entered.size(), 2);
}

void TestMainWindow::help_fillsAboutTheSameWayEveryTime() {
    Frmmain& window = m_rig->createWindow();
    const QList<QLabel*> labels = page("FrameAbout")->findChildren<QLabel*>();
    auto texts = [&] {
        QStringList all;
        for (QLabel* label : labels)
            all << label->text();
        return all;
    };
    QVERIFY(window.findChild<QLabel*>(QStringLiteral("lblVersion"))->text().isEmpty());
    action(QStringLiteral("Help"))->trigger();
    QCOMPARE(window.shownPage(), page("FrameAbout"));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Version 2.5.0"));
    const QStringList first = texts();
    action(QStringLiteral("Wav"))->trigger();
    action(QStringLiteral("Help"))->trigger();
    QCOMPARE(texts(), first);
}

void TestMainWindow::unknownKey_onlyRunsThePageSwitch() {
    Frmmain& window = m_rig->createWindow();
    action(QStringLiteral("Convert"))->trigger();
    window.Toolbar1_ButtonClick(QStringLiteral("Nothing"));
    QCOMPARE(m_rig->engine().count(QStringLiteral("releaseAll")), 2);
    QCOMPARE(window.shownPage(), page("FrameConvert"));
}

void TestMainWindow::exit_fromToolbarClosesPlayersEmptiesWorkFolderAndEnds() {
    Frmmain& window = m_rig->createWindow();
    window.show();
    openPlayers();
    const QDir work(m_rig->work().path());
    QVERIFY(testaudio::writeAll(work.filePath("tempwav.wav"), "x"));
    QVERIFY(testaudio::writeAll(work.filePath(".hidden"), "x"));
    QVERIFY(work.mkdir(QStringLiteral("kept")));

    const int code = runUntilProgramEnds([&] { action(QStringLiteral("Exit"))->trigger(); });
    QCOMPARE(code, 0);
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Closed);
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Closed);
    QVERIFY(work.exists());
    QVERIFY(work.entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty());
    QCOMPARE(work.entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"kept"});
    QCOMPARE(m_rig->engine().count(QStringLiteral("releaseAll")), 1);
}

void TestMainWindow::closingTheWindow_runsTheExitSequence() {
    Frmmain& window = m_rig->createWindow();
    window.show();
    openPlayers();
    const QDir work(m_rig->work().path());
    QVERIFY(testaudio::writeAll(work.filePath("concat.wav"), "x"));

    const int code = runUntilProgramEnds([&] { window.close(); });
    QCOMPARE(code, 0);
    QVERIFY(!window.isVisible());
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Closed);
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Closed);
    QVERIFY(work.exists());
    QVERIFY(work.entryList(QDir::Files).isEmpty());
    QCOMPARE(m_rig->engine().count(QStringLiteral("releaseAll")), 0);
}

void TestMainWindow::busyWindow_isCreatedOnFirstUseAndKept() {
    auto busyWindows = [] {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            count += qobject_cast<FrmLoad*>(widget) ? 1 : 0;
        return count;
    };
    const int before = busyWindows();
    Frmmain& window = m_rig->createWindow();
    QCOMPARE(busyWindows(), before);
    FrmLoad& busy = window.frmLoad();
    QVERIFY(!busy.isVisible());
    busy.setStatusText(QStringLiteral("Saving......."));
    busy.show();
    window.setEnabled(false);
    QVERIFY(busy.isEnabled());
    busy.hide();
    window.setEnabled(true);
    QCOMPARE(&window.frmLoad(), &busy);
    QCOMPARE(busyWindows(), before + 1);
    QCOMPARE(window.frmLoad().statusText(), QStringLiteral("Saving......."));
}

// A conversion's MP3 job leaves the window enabled; a decode started meanwhile holds it. The
// job's end must neither enable the window nor let a page switch run inside the decode.
void TestMainWindow::mp3JobEndingDuringADecode_leavesEverythingHeldUntilTheDecodeEnds() {
    Frmmain& window = m_rig->createWindow();
    const QString shortWav = testaudio::writeSineWav(m_rig->outside("short.wav"), ClipFormat, 4410);
    // A chunk after the data makes the WAV one that goes through the decoder: ten minutes
    // of it take a while.
    const QString longWav = m_rig->outside("long.wav");
    testaudio::writeWav(longWav, ClipFormat, testaudio::noisePcm(ClipFormat, 44100 * 600));
    QFile file(longWav);
    QVERIFY(file.open(QIODevice::Append));
    file.write(QByteArray("JUNK\x04\x00\x00\x00junk", 12));
    file.close();

    window.Toolbar1_ButtonClick(QStringLiteral("Convert"));
    QGroupBox* convert = page("FrameConvert");
    convert->findChild<QLineEdit*>(QStringLiteral("txtopenwav"))->setText(shortWav);
    convert->findChild<QLineEdit*>(QStringLiteral("txtsavemp3"))->setText(m_rig->outside("o.mp3"));
    QSignalSpy jobEnded(&m_rig->encoder(), &Mp3Encoder::EncodeFinished);
    convert->findChild<QPushButton*>(QStringLiteral("CmdConvertMP3"))->click();
    QVERIFY(window.isEnabled());
    window.addFiles({longWav});
    QVERIFY(window.framewav().import().isBusy());

    QVERIFY(jobEnded.wait(60000));
    QVERIFY2(window.framewav().import().isBusy(), "the decode should outlast the short job");
    QCOMPARE(m_rig->dialogs().messages().value(0).text.section('\n', 0, 0), "Finish Save");
    QVERIFY(!window.isEnabled());
    // The header is read first; the busy window shows once the decode runs.
    QTRY_VERIFY(window.frmLoad().isVisible());
    window.Toolbar1_ButtonClick(QStringLiteral("Rec"));
    QCOMPARE(window.shownPage(), convert);

    m_rig->waitForWork();
    QVERIFY(window.isEnabled());
    QVERIFY(!window.frmLoad().isVisible());
    QCOMPARE(window.framewav().clipNames(), QStringList{"long"});
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
}

void TestMainWindow::startAfterACrash_asksToRestoreTheClips_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes lists them") << true;
    QTest::newRow("No empties the folder") << false;
}

// The clip list is kept in the work folder while the program runs; a run that ended without
// the exit sequence leaves it there with the clips.
void TestMainWindow::startAfterACrash_asksToRestoreTheClips() {
    QFETCH(bool, yes);
    const WorkFolder work(m_rig->appFile(QStringLiteral("korvanel")));
    QVERIFY(work.prepare());
    {
        ClipList clips(work);
        ClipListJournal journal(clips, work);
        for (const char* name : {"b", "gone"}) {
            testaudio::writeWav(work.clipFile(name), ClipFormat, QByteArray(40, '\1'));
            clips.append(name);
        }
        // A clip kept as the MP3 it came as, and cut.
        const QString wav = testaudio::writeSineWav(m_rig->outside("a.wav"), ClipFormat, 4410);
        QCOMPARE(testaudio::run("lame", {"--quiet", wav, work.file("a.mp3")}), 0);
        clips.insert(1, "a");
        QVERIFY(clips.setRange(1, ClipRange(work.file("a.mp3"), 1000, 2000, 20)));
        QVERIFY(QFile::remove(work.clipFile("gone")));
    }
    m_rig->dialogs().queueAnswer(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);
    m_rig->createWindow();
    QCOMPARE(m_rig->dialogs().messages().first().text,
             QStringLiteral("Restore the 2 clips of the last run?"));
    QCOMPARE(m_rig->framewav().clipNames(), yes ? QStringList({"b", "a"}) : QStringList());
    if (yes)
        QCOMPARE(m_rig->framewav().clips().range(1), ClipRange(work.file("a.mp3"), 1000, 2000, 20));
    QCOMPARE(m_rig->workFiles(), yes ? QStringList({"a.mp3", "b.wav", "cliplist.json"})
                                     : QStringList({"cliplist.json"}));
}

// The journal offers what a damaged one allows (its order is its own concern); declining it
// deletes nothing, and the user is told where the files are.
void TestMainWindow::startAfterACrash_withADamagedJournal_deletesNothingUnasked() {
    const WorkFolder work(m_rig->appFile(QStringLiteral("korvanel")));
    QVERIFY(work.prepare());
    for (const char* name : {"a", "b", "c"})
        testaudio::writeWav(work.clipFile(name), ClipFormat, QByteArray(40, '\1'));
    QVERIFY(testaudio::writeAll(work.journalFile(), "{\"clips\":[\"c\",\"a"));
    m_rig->dialogs().queueAnswer(Dialogs::Answer::No);
    m_rig->createWindow();
    QCOMPARE(m_rig->dialogs().messages().first().text,
             QStringLiteral("Restore the 3 clips of the last run?"));
    QVERIFY(m_rig->dialogs().messages().last().text.contains(work.path()));
    QCOMPARE(m_rig->workFiles(), QStringList({"a.wav", "b.wav", "c.wav", "cliplist.json"}));
}

// A user who never touches the mouse adds a song, opens it, takes its suggestion, moves
// mark-in, crops, and saves the ringtone, answering the dialogs.
void TestMainWindow::keys_walkFromASongToItsRingtoneWithoutTheMouse() {
    Frmmain& window = m_rig->createWindow();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const songs::Song made = songs::make(7);
    const QString song =
        testaudio::writeWav(m_rig->outside("song.wav"), {1, made.sampleRateHz, 16},
                            QByteArray(reinterpret_cast<const char*>(made.samples.data()),
                                       qsizetype(made.samples.size() * 2)));
    const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : &window, key, modifiers);
    };
    const auto tabTo = [&](const QString& name) {
        for (int i = 0; i < 60; ++i) {
            if (QApplication::focusWidget() && QApplication::focusWidget()->objectName() == name)
                return true;
            press(Qt::Key_Tab);
        }
        return false;
    };

    m_rig->dialogs().queueFiles({song});
    press(Qt::Key_O, Qt::ControlModifier);
    QTRY_COMPARE_WITH_TIMEOUT(m_rig->framewav().clips().count(), 1, 60000);
    m_rig->waitForWork();
    QVERIFY(tabTo("List1"));
    press(Qt::Key_Down);
    press(Qt::Key_Home);
    press(Qt::Key_Return);
    EditSession& session = m_rig->framewav().session();
    QVERIFY(session.isOpen());

    press(Qt::Key_S);
    const SongGuide& guide = m_rig->framewav().editor().guide();
    QTRY_VERIFY_WITH_TIMEOUT(guide.shown() == 0, 120000);
    const std::int64_t suggestedIn = session.MarkIn();
    const std::int64_t out = session.MarkOut();
    QVERIFY(out - suggestedIn > 20000);
    // On the view, Up chooses mark-in and Shift+Right moves it a second on.
    press(Qt::Key_Up);
    press(Qt::Key_Right, Qt::ShiftModifier);
    const std::int64_t in = session.MarkIn();
    QVERIFY(in > suggestedIn && in < out);
    press(Qt::Key_Return);
    m_rig->waitForWork();
    QVERIFY(!session.isOpen());
    QVERIFY(std::abs(m_rig->framewav().clips().at(0).frames -
                     (out - in) * made.sampleRateHz / 1000) <= 1);

    const QString tone = m_rig->outside("tone.m4r");
    m_rig->dialogs().queueRingtone({ringtone::Target::IPhoneShare, false, true});
    m_rig->dialogs().queueFile(tone);
    m_rig->dialogs().queueAnswer(Dialogs::Answer::No);
    QVERIFY(tabTo("CmdRingtone"));
    press(Qt::Key_Space);
    QTRY_VERIFY_WITH_TIMEOUT(!m_rig->dialogs().messages().isEmpty(), 60000);
    m_rig->waitForWork();
    QCOMPARE(m_rig->dialogs().messages().last().text.section('\n', 0, 1),
             "Finish Save\n" + QDir::toNativeSeparators(tone));
    QVERIFY(QFileInfo(tone).size() > 10000);
    QCOMPARE(m_rig->dialogs().unscripted(), 0);
}

void TestMainWindow::keys_runTheirButtonsOnlyWhereAndWhenTheButtonsCould() {
    Frmmain& window = m_rig->createWindow();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    for (int n = 5; n >= 1; --n) {
        QTest::keyClick(&window, Qt::Key(Qt::Key_0 + n), Qt::ControlModifier);
        QCOMPARE(window.shownPage(), page(PageNames.at(n - 1)));
    }
    m_rig->dialogs().clearRecord(); // the recording page finds no input here

    m_rig->addClip(QStringLiteral("tune"), ClipFormat, QByteArray(400, '\0'));
    m_rig->list().setCurrentRow(0);
    m_rig->dialogs().queueAnswer(Dialogs::Answer::Yes);
    QTest::keyClick(&window, Qt::Key_Delete);
    QTRY_COMPARE(m_rig->framewav().clipNames(), QStringList());
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text, "Are you sure you want to delete tune ?");

    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QTRY_COMPARE(m_rig->dialogs().files().size(), 1);

    // Elsewhere "Add New" is not there to press; inside a long operation nothing is.
    QTest::keyClick(&window, Qt::Key_4, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QTest::qWait(300);
    QCOMPARE(m_rig->dialogs().files().size(), 1);
    QTest::keyClick(&window, Qt::Key_1, Qt::ControlModifier);
    const auto busy = window.busyGate().enter(BusyGate::Window::Disable);
    for (Qt::Key key : {Qt::Key_O, Qt::Key_3, Qt::Key_Q})
        QTest::keyClick(&window, key, Qt::ControlModifier);
    QTest::qWait(300);
    QCOMPARE(m_rig->dialogs().files().size(), 1);
    QCOMPARE(window.shownPage(), page("Framewav"));
}

void TestMainWindow::keys_ctrlQExits() {
    Frmmain& window = m_rig->createWindow();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(QFile(m_rig->work().file(QStringLiteral("left.wav"))).open(QIODevice::WriteOnly));
    QCOMPARE(runUntilProgramEnds([&] { QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier); }),
             0);
    QCOMPARE(m_rig->workFiles(), QStringList());
}

// As "Add New" of several files: a canonical WAV is copied, anything else decoded; the files
// nothing reads are named in one message at the end (however many a later start handed over),
// and the files after them are still added.
void TestMainWindow::filesGiven_areAddedInOrderAndTheBadOnesToldInOneMessage() {
    QStringList bad;
    for (int n = 0; n < 30; ++n) {
        bad << m_rig->outside(QStringLiteral("notes %1.mp3").arg(n));
        QVERIFY(testaudio::writeAll(bad.last(), "just some words\n"));
    }
    Frmmain& window = m_rig->createWindow();
    const QString first =
        testaudio::writeSineWav(m_rig->outside(QStringLiteral("b first.wav")), ClipFormat, 4410);
    const QString last =
        testaudio::writeSineWav(m_rig->outside(QStringLiteral("a last.wav")), ClipFormat, 4410);
    window.addFiles(QStringList{first} + bad + QStringList{last});
    QTRY_COMPARE_WITH_TIMEOUT(window.framewav().clipNames(), QStringList({"b first", "a last"}),
                              60000);
    QTRY_COMPARE(m_rig->dialogs().messages().size(), 1);
    const QString told = m_rig->dialogs().messages().first().text;
    QVERIFY2(told.contains("notes 0.mp3") && told.contains("and 10 more"), qPrintable(told));
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"

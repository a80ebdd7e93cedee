// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/media_player.h"
#include "audio/mp3_encoder.h"
#include "shell/settings.h"
#include "shell/ui/busy_window.h"
#include "shell/ui/main_window.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_engine.h"
#include "support/test_audio.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
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
    void initTestCase();
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
    void pageSwitch_releasesEngineThenTakeThenPlayers();
    void pageSwitch_sameButtonAgainRunsTheWholeSwitch();
    void rec_announcesTheRecordPageAfterShowingIt();
    void help_fillsAboutTheSameWayEveryTime();
    void unknownKey_onlyRunsThePageSwitch();
    void exit_fromToolbarClosesPlayersEmptiesWorkFolderAndEnds();
    void closingTheWindow_runsTheExitSequence();
    void busyWindow_isCreatedOnFirstUseAndKept();

private:
    Frmmain& makeWindow();
    void openPlayers();
    QAction* action(const QString& key) const;
    QGroupBox* page(const QString& name) const { return m_window->findChild<QGroupBox*>(name); }

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_app;
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<ScriptedEngine> m_engine;
    std::unique_ptr<ScriptedEngine> m_playerEngine;
    std::unique_ptr<MediaPlayer> m_edit;
    std::unique_ptr<MediaPlayer> m_list;
    std::unique_ptr<Mp3Encoder> m_encoder;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<Frmmain> m_window;
};

void TestMainWindow::initTestCase() {
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
}

void TestMainWindow::init() {
    m_app = std::make_unique<QTemporaryDir>();
    m_data = std::make_unique<QTemporaryDir>();
    m_engine = std::make_unique<ScriptedEngine>();
    m_playerEngine = std::make_unique<ScriptedEngine>();
    m_playerEngine->setPlayMode(ScriptedEngine::PlayMode::ManualClock);
    m_edit = std::make_unique<MediaPlayer>(*m_playerEngine);
    m_list = std::make_unique<MediaPlayer>(*m_playerEngine);
    m_encoder = std::make_unique<Mp3Encoder>();
    m_dialogs = std::make_unique<ScriptedDialogs>();
}

void TestMainWindow::cleanup() {
    m_window.reset();
    m_encoder.reset();
    m_list.reset();
    m_edit.reset();
    m_playerEngine.reset();
    m_engine.reset();
}

Frmmain& TestMainWindow::makeWindow() {
    m_window = std::make_unique<Frmmain>(AppContext{*m_engine, *m_edit, *m_list, *m_encoder,
                                                    *m_dialogs, m_app->path(),
                                                    WorkFolder(m_data->filePath("korvanel"))});
    return *m_window;
}

void TestMainWindow::openPlayers() {
    const QString clip =
        testaudio::writeSineWav(m_data->filePath("korvanel/clip.wav"), ClipFormat, 44100 * 3);
    for (MediaPlayer* player : {m_edit.get(), m_list.get()}) {
        player->setFileName(clip);
        QVERIFY(player->command(QStringLiteral("open")));
        QVERIFY(player->command(QStringLiteral("play")));
        QCOMPARE(player->state(), MediaPlayer::State::Playing);
    }
}

QAction* TestMainWindow::action(const QString& key) const {
    auto* toolbar = m_window->findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    for (QAction* action : toolbar->actions())
        if (action->data().toString() == key && action->objectName() == key)
            return action;
    return nullptr;
}

void TestMainWindow::startup_showsAudioEditAndLaysOutThePages() {
    Frmmain& window = makeWindow();
    QCOMPARE(window.windowTitle(), QStringLiteral("KorvaNel Tunecarver"));
    QCOMPARE(window.size(), QSize(719, 413));
    QCOMPARE(window.minimumSize(), window.maximumSize());

    const QStringList captions = {"Audio Edit", "Vioce Record", "Wav <-> Mp3", "Setting", "About"};
    const QList<QRect> places = {{8, 48, 705, 353},
                                 {104, 48, 489, 249},
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
}

void TestMainWindow::startup_buildsTheToolbarInKeyOrderWithTooltips() {
    Frmmain& window = makeWindow();
    auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    QVERIFY(toolbar);
    QCOMPARE(toolbar->pos(), QPoint(0, 0));
    QCOMPARE(toolbar->width(), 719);
    QVERIFY(toolbar->geometry().bottom() < Frmmain::PageTop);
    QCOMPARE(toolbar->iconSize(), QSize(32, 32));

    const QStringList keys = {"Wav", "Rec", "Convert", "Setting", "Help", "Exit"};
    const QStringList tooltips = {"Open Song", "Voice Record", "Convert",
                                  "Setting",   "About",        "Exit"};
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
    QCOMPARE(m_dialogs->messages().size(), 0);
}

void TestMainWindow::startup_createsTheWorkFolderAndLeavesTheEngineAlone() {
    const QString work = m_data->filePath("korvanel");
    QVERIFY(!QFileInfo::exists(work));
    makeWindow();
    QVERIFY(QFileInfo(work).isDir());
    QVERIFY(!m_engine->started());
    QCOMPARE(m_engine->count(QStringLiteral("releaseAll")), 0);
    QCOMPARE(m_edit->state(), MediaPlayer::State::Closed);
}

void TestMainWindow::startup_appliesStoredSettings() {
    QVERIFY(QDir(m_data->path()).mkdir(QStringLiteral("tones")));
    const QString tones = QDir::toNativeSeparators(m_data->filePath("tones"));
    QVERIFY(testaudio::writeAll(Settings::filePath(m_app->path()),
                                " 128 \r\n" + tones.toLocal8Bit() + "\r\n"));
    Frmmain& window = makeWindow();
    QVERIFY(window.settings().bitRate().is(128));
    QCOMPARE(window.settings().baseFolder(), tones);
    QVERIFY(window.findChild<QRadioButton*>(QStringLiteral("Option3"))->isChecked());
}

void TestMainWindow::startup_withoutSettingsFileSelectsNoRate() {
    Frmmain& window = makeWindow();
    QVERIFY(window.settings().bitRate().isUnset());
    QCOMPARE(window.settings().baseFolder(), QDir::toNativeSeparators(m_home.path()));
    for (int n = 1; n <= 4; ++n)
        QVERIFY(!window.findChild<QRadioButton*>(QStringLiteral("Option%1").arg(n))->isChecked());
    QVERIFY(m_dialogs->messages().isEmpty());
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
    Frmmain& window = makeWindow();
    window.Toolbar1_ButtonClick(QStringLiteral("Setting"));
    window.Toolbar1_ButtonClick(key);
    for (const QString& name : PageNames)
        QCOMPARE(page(name)->isHidden(), name != shown);
    QCOMPARE(window.shownPage(), page(shown));
}

void TestMainWindow::toolbarButton_clickRunsItsKey() {
    Frmmain& window = makeWindow();
    window.show();
    auto* toolbar = window.findChild<QToolBar*>(QStringLiteral("Toolbar1"));
    QTest::mouseClick(toolbar->widgetForAction(action(QStringLiteral("Convert"))), Qt::LeftButton);
    QCOMPARE(window.shownPage(), page("FrameConvert"));
    QCOMPARE(m_engine->count(QStringLiteral("releaseAll")), 1);
}

void TestMainWindow::pageSwitch_releasesEngineThenTakeThenPlayers() {
    Frmmain& window = makeWindow();
    openPlayers();
    const QString clip = m_edit->fileName();

    int releasesAtTakeRelease = -1;
    MediaPlayer::State editAtTakeRelease = MediaPlayer::State::Closed;
    connect(&window, &Frmmain::takeReleaseRequested, this, [&] {
        releasesAtTakeRelease = m_engine->count(QStringLiteral("releaseAll"));
        editAtTakeRelease = m_edit->state();
    });
    QSignalSpy takeReleases(&window, &Frmmain::takeReleaseRequested);

    action(QStringLiteral("Wav"))->trigger();

    QCOMPARE(m_engine->count(QStringLiteral("releaseAll")), 1);
    QCOMPARE(takeReleases.size(), 1);
    QCOMPARE(releasesAtTakeRelease, 1);
    QCOMPARE(editAtTakeRelease, MediaPlayer::State::Playing);
    QCOMPARE(m_edit->state(), MediaPlayer::State::Stopped);
    QCOMPARE(m_edit->fileName(), clip);
    QCOMPARE(m_list->state(), MediaPlayer::State::Closed);
    QCOMPARE(window.shownPage(), page("Framewav"));
}

void TestMainWindow::pageSwitch_sameButtonAgainRunsTheWholeSwitch() {
    Frmmain& window = makeWindow();
    QSignalSpy takeReleases(&window, &Frmmain::takeReleaseRequested);
    action(QStringLiteral("Setting"))->trigger();
    openPlayers();
    action(QStringLiteral("Setting"))->trigger();
    QCOMPARE(m_engine->count(QStringLiteral("releaseAll")), 2);
    QCOMPARE(takeReleases.size(), 2);
    QCOMPARE(m_edit->state(), MediaPlayer::State::Stopped);
    QCOMPARE(m_list->state(), MediaPlayer::State::Closed);
    QCOMPARE(window.shownPage(), page("FrameSetting"));
}

void TestMainWindow::rec_announcesTheRecordPageAfterShowingIt() {
    Frmmain& window = makeWindow();
    bool recShownWhenAnnounced = false;
    int releasesWhenAnnounced = -1;
    connect(&window, &Frmmain::recordPageEntered, this, [&] {
        recShownWhenAnnounced = window.shownPage() == page("FrameRec");
        releasesWhenAnnounced = m_engine->count(QStringLiteral("releaseAll"));
    });
    QSignalSpy entered(&window, &Frmmain::recordPageEntered);
    QSignalSpy takeReleases(&window, &Frmmain::takeReleaseRequested);

    action(QStringLiteral("Rec"))->trigger();
    QCOMPARE(entered.size(), 1);
    QVERIFY(recShownWhenAnnounced);
    QCOMPARE(releasesWhenAnnounced, 1);

    action(QStringLiteral("Rec"))->trigger();
    QCOMPARE(entered.size(), 2);
    QCOMPARE(takeReleases.size(), 2);

    action(QStringLiteral("Convert"))->trigger();
    QCOMPARE(entered.size(), 2);
}

void TestMainWindow::help_fillsAboutTheSameWayEveryTime() {
    Frmmain& window = makeWindow();
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
    Frmmain& window = makeWindow();
    action(QStringLiteral("Convert"))->trigger();
    window.Toolbar1_ButtonClick(QStringLiteral("Nothing"));
    QCOMPARE(m_engine->count(QStringLiteral("releaseAll")), 2);
    QCOMPARE(window.shownPage(), page("FrameConvert"));
}

void TestMainWindow::exit_fromToolbarClosesPlayersEmptiesWorkFolderAndEnds() {
    Frmmain& window = makeWindow();
    window.show();
    openPlayers();
    const QDir work(m_data->filePath("korvanel"));
    QVERIFY(testaudio::writeAll(work.filePath("tempwav.wav"), "x"));
    QVERIFY(testaudio::writeAll(work.filePath(".hidden"), "x"));
    QVERIFY(work.mkdir(QStringLiteral("kept")));

    const int code = runUntilProgramEnds([&] { action(QStringLiteral("Exit"))->trigger(); });
    QCOMPARE(code, 0);
    QCOMPARE(m_edit->state(), MediaPlayer::State::Closed);
    QCOMPARE(m_list->state(), MediaPlayer::State::Closed);
    QVERIFY(work.exists());
    QVERIFY(work.entryList(QDir::Files | QDir::Hidden | QDir::System).isEmpty());
    QCOMPARE(work.entryList(QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"kept"});
    QCOMPARE(m_engine->count(QStringLiteral("releaseAll")), 1);
}

void TestMainWindow::closingTheWindow_runsTheExitSequence() {
    Frmmain& window = makeWindow();
    window.show();
    openPlayers();
    const QDir work(m_data->filePath("korvanel"));
    QVERIFY(testaudio::writeAll(work.filePath("concat.wav"), "x"));

    const int code = runUntilProgramEnds([&] { window.close(); });
    QCOMPARE(code, 0);
    QVERIFY(!window.isVisible());
    QCOMPARE(m_edit->state(), MediaPlayer::State::Closed);
    QCOMPARE(m_list->state(), MediaPlayer::State::Closed);
    QVERIFY(work.exists());
    QVERIFY(work.entryList(QDir::Files).isEmpty());
    QCOMPARE(m_engine->count(QStringLiteral("releaseAll")), 0);
}

void TestMainWindow::busyWindow_isCreatedOnFirstUseAndKept() {
    auto busyWindows = [] {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            count += qobject_cast<FrmLoad*>(widget) ? 1 : 0;
        return count;
    };
    const int before = busyWindows();
    Frmmain& window = makeWindow();
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

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"

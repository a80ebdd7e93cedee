// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/media_player.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/framewav.h"
#include "cliplist/ui/list_buttons.h"
#include "pagekit/busy_window.h"
#include "shell/main_window.h"
#include "support/page_host.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_engine.h"
#include "support/small_disk.h"
#include "support/test_audio.h"
#include "support/window_rig.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstring>
#include <functional>
#include <memory>

namespace {

const WavFormat CdFormat{2, 44100, 16};

const QStringList EditButtons = {"CmdEditPlay", "CmdEditStop", "CmdMarkin", "CmdMarkOut"};
const QStringList PlayerButtons = {"CmdFoward", "CmdPause", "CmdPlay", "CmdStop", "CmdNext"};

// Runs `action` inside the application's event loop and returns the loop's exit code, or
// -1 when nothing ended the loop (a fallback timer ends it then).
int runUntilProgramEnds(const std::function<void()>& action) {
    QTimer::singleShot(0, qApp, action);
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, qApp, [] { QCoreApplication::exit(-1); });
    fallback.start(60000);
    return QCoreApplication::exec();
}

// Records whether the main window was enabled each time the busy window was shown or hidden.
class BusyWatch : public QObject {
public:
    BusyWatch(QWidget& busy, QWidget& window) : m_window(window) { busy.installEventFilter(this); }
    QList<bool> enabledAtShow;
    QList<bool> enabledAtHide;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show)
            enabledAtShow << m_window.isEnabled();
        else if (event->type() == QEvent::Hide)
            enabledAtHide << m_window.isEnabled();
        return false;
    }

private:
    QWidget& m_window;
};

} // namespace

class TestFramewav : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controls_areNamedCaptionedAndStartAsTheWindowSetsThem();
    void add_asksForSoundFilesInTheFolderOfTheLastOne();
    void add_cancelChangesNothing();
    void add_oggIsDecodedWhileTheWindowIsDisabledAndTheBusyWindowShows();
    void add_keepsTheSelectionAndTheButtons();
    void moveAndInsert_changeTheOrderNotTheFiles();
    void drop_addsTheGoodFilesInOrderAndListsTheBadOnes();
    void remove_asksThenDeletesFileAndEntry_data();
    void remove_asksThenDeletesFileAndEntry();
    void remove_fileThatCannotBeDeletedKeepsTheEntry();
    void click_selectsTheClipForPlaying_data();
    void click_selectsTheClipForPlaying();
    void click_changeByCodeOrKeyWithoutMoveDoesNothing();
    void doubleClick_clickRunsOnlyBeforeTheDoubleClick();
    void close_duringDecodeCancelsItThenRunsTheExitSequence_data();
    void close_duringDecodeCancelsItThenRunsTheExitSequence();

private:
    Framewav& page() const { return m_rig->framewav(); }
    ClipListBox& list() const { return m_rig->list(); }
    QString input(const QString& name) const { return m_rig->outside(name); }
    QStringList workFiles() const { return m_rig->workFiles(); }
    QString canonicalWav(const QString& name, std::int64_t frames = 4410);
    void add(const QString& path);
    // Both players open a clip and play it, as they would before a click or a remove.
    void openPlayers() { m_rig->playInBothPlayers(canonicalWav("playing.wav", 44100)); }
    void setEnabled(const QStringList& names, bool enabled);
    void verifyEnabled(const QStringList& names, bool enabled);

    QTemporaryDir m_sources;
    QString m_mp3; // 3 s of a sine, made once
    QString m_ogg; // the same as Ogg Vorbis
    QString m_longMp3;
    QByteArray m_mp3Pcm;
    std::unique_ptr<WindowRig> m_rig;
};

void TestFramewav::initTestCase() {
    if (!testaudio::haveProgram(QStringLiteral("lame")) ||
        !testaudio::haveProgram(QStringLiteral("ffmpeg")))
        QSKIP("lame and ffmpeg are needed to make the MP3 and Ogg inputs");
    const QString wav =
        testaudio::writeSineWav(m_sources.filePath("tone.wav"), CdFormat, 44100 * 3, 523.25);
    m_mp3 = m_sources.filePath("tone.mp3");
    QCOMPARE(testaudio::run("lame", {"--quiet", "-b", "128", wav, m_mp3}), 0);
    // An MP3 is kept as it came; an Ogg is decoded into a WAV clip.
    m_ogg = m_sources.filePath("tone.ogg");
    QCOMPARE(testaudio::run("ffmpeg", {"-v", "error", "-i", wav, "-c:a", "libvorbis", m_ogg}), 0);
    m_mp3Pcm = testaudio::sinePcm(CdFormat, 44100 * 3, 523.25);
    // Long enough that an exit comes while it is decoded, however busy the machine.
    const QString longWav =
        testaudio::writeSineWav(m_sources.filePath("long.wav"), CdFormat, 44100 * 120, 440);
    m_longMp3 = m_sources.filePath("tone.long.mp3");
    QCOMPARE(testaudio::run("lame", {"--quiet", "-b", "32", longWav, m_longMp3}), 0);
}

void TestFramewav::init() {
    m_rig = std::make_unique<WindowRig>(WindowRig::Window::Later);
}

void TestFramewav::cleanup() {
    m_rig.reset();
}

QString TestFramewav::canonicalWav(const QString& name, std::int64_t frames) {
    return testaudio::writeSineWav(input(name), CdFormat, frames);
}

void TestFramewav::add(const QString& path) {
    m_rig->dialogs().queueFile(path);
    page().buttons().CmdAdd_Click();
    m_rig->waitForWork();
}

void TestFramewav::setEnabled(const QStringList& names, bool enabled) {
    for (const QString& name : names)
        m_rig->control(name)->setEnabled(enabled);
}

void TestFramewav::verifyEnabled(const QStringList& names, bool enabled) {
    for (const QString& name : names)
        QVERIFY2(m_rig->control(name)->isEnabled() == enabled, qPrintable(name));
}

void TestFramewav::controls_areNamedCaptionedAndStartAsTheWindowSetsThem() {
    PageHost& window = m_rig->createHost();
    QCOMPARE(page().parentWidget(), &window);
    // name, parent, caption ("" = a picture), tooltip
    const QList<QStringList> expected = {
        {"CmdAdd", "ListButtons", "", "Add New"},
        {"Cmdremove", "ListButtons", "", "Remove Form List"},
        {"CmdUP", "ListButtons", "", "Move UP"},
        {"CmdDown", "ListButtons", "", "Move Down"},
        {"CmdIns", "ListButtons", "Insert", "Insert before the selected clip"},
        {"CmdSaveWav", "Framewav", "Save The List to Wav", ""},
        {"CmdSaveList", "Framewav", "Save The List to MP3", ""},
        {"CmdRingtone", "Framewav", "Save as Ringtone", ""},
        {"CmdEditPlay", "Frame3", "", "Play"},
        {"CmdEditStop", "Frame3", "", "Stop"},
        {"CmdMarkin", "Frame3", "Mark In", ""},
        {"CmdMarkOut", "Frame3", "Mark Out", ""},
        {"CmdEditDone", "Frame3", "Done", ""},
        {"CmdFoward", "Frame2", "", "Forward"},
        {"CmdPlay", "Frame2", "", "Play"},
        {"CmdPause", "Frame2", "", "Pause"},
        {"CmdStop", "Frame2", "", "Stop"},
        {"CmdNext", "Frame2", "", "Next"},
    };
    for (const QStringList& row : expected) {
        auto* button = page().findChild<QPushButton*>(row[0]);
        QVERIFY2(button, qPrintable(row[0]));
        QCOMPARE(button->parentWidget()->objectName(), row[1]);
        QCOMPARE(button->text(), row[2]);
        QCOMPARE(button->toolTip(), row[3]);
        QCOMPARE(button->icon().isNull(), !row[2].isEmpty());
        QVERIFY2(button->parentWidget()->rect().contains(button->geometry()), qPrintable(row[0]));
    }
    QCOMPARE(page().findChild<QGroupBox*>(QStringLiteral("Frame2"))->title(), "List Control");
    QCOMPARE(page().findChild<QGroupBox*>(QStringLiteral("Frame3"))->title(), "Edit Song");
    QCOMPARE(page().findChild<QCheckBox*>(QStringLiteral("Check1"))->text(), "Play List");
    QVERIFY(!page().findChild<QCheckBox*>(QStringLiteral("Check1"))->isChecked());
    for (const char* label : {"Lblin", "Lblout", "Lbltotal"})
        QCOMPARE(page().findChild<QLabel*>(label)->text(), "00:00:00");
    QVERIFY(page().findChild<QSlider*>(QStringLiteral("SliderEdit")));
    QVERIFY(page().findChild<QLineEdit*>(QStringLiteral("Text1")));
    QCOMPARE(list().count(), 0);
    QCOMPARE(page().findChild<QLabel*>(QStringLiteral("Label6"))->geometry(),
             QRect(16, 304, 193, 41));

    verifyEnabled(PlayerButtons + EditButtons + QStringList{"CmdEditDone", "SliderEdit"}, false);
    verifyEnabled({"CmdAdd", "Cmdremove", "CmdSaveWav", "CmdSaveList", "CmdRingtone", "List1"},
                  true);

    // Nothing on the page covers anything else in the same frame.
    for (QWidget* frame :
         {static_cast<QWidget*>(&page()), m_rig->control("Frame2"), m_rig->control("Frame3")}) {
        const QList<QWidget*> children = frame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* a : children)
            for (QWidget* b : children)
                QVERIFY2(a == b || !a->geometry().intersects(b->geometry()),
                         qPrintable(a->objectName() + " / " + b->objectName()));
    }
}

void TestFramewav::add_asksForSoundFilesInTheFolderOfTheLastOne() {
    PageHost& window = m_rig->createHost();
    window.settings().setBaseFolder(m_sources.path());
    add(canonicalWav("a.wav"));
    add(canonicalWav("b.wav"));
    QCOMPARE(m_rig->dialogs().files().size(), 2);
    const Dialogs::FileRequest& request = m_rig->dialogs().files().first().request;
    QCOMPARE(request.mode, Dialogs::FileRequest::Mode::Open);
    QCOMPARE(request.title, "Add to the clip list");
    QVERIFY(request.filter.startsWith("All sound files|*.wav;*.mp3;*.flac;"));
    QVERIFY(request.filter.endsWith("|Audio files (*.wav;*.mp3)|*.wav;*.mp3|All files|*.*"));
    QCOMPARE(request.fileName, "");
    QCOMPARE(request.flags, 528388 | 512);
    QCOMPARE(request.initialFolder, m_sources.path());
    QCOMPARE(m_rig->dialogs().files().last().request.initialFolder,
             QFileInfo(input("a.wav")).absolutePath());
}

void TestFramewav::add_cancelChangesNothing() {
    m_rig->createHost();
    m_rig->dialogs().queueFileCancel();
    page().buttons().CmdAdd_Click();
    QCOMPARE(list().count(), 0);
    QVERIFY(workFiles().isEmpty());
    QVERIFY(m_rig->engine().log().isEmpty());
    QVERIFY(m_rig->dialogs().messages().isEmpty());
}

void TestFramewav::add_oggIsDecodedWhileTheWindowIsDisabledAndTheBusyWindowShows() {
    PageHost& window = m_rig->createHost();
    window.show();
    window.frmLoad().setStatusText(QStringLiteral("Saving......."));
    BusyWatch watch(window.frmLoad(), window);
    // Runs in the decode's first turn of the event loop, which comes after the first block.
    bool checkedDuringDecode = false;
    QTimer::singleShot(0, this, [&] {
        checkedDuringDecode = true;
        QVERIFY(page().import().isBusy());
        QVERIFY(window.frmLoad().isVisible());
        QVERIFY(!window.isEnabled());
        QVERIFY(page().clipNames().isEmpty());
        QVERIFY2(!workFiles().contains("tone.wav"), "the decode writes to a temporary file");
        QVERIFY(window.frmLoad().progress() < 100);
    });

    add(m_ogg);
    QVERIFY(checkedDuringDecode);
    QCOMPARE(watch.enabledAtShow, QList<bool>{false});
    QCOMPARE(watch.enabledAtHide, QList<bool>{true});
    QVERIFY(!window.frmLoad().isVisible());
    QCOMPARE(window.frmLoad().progress(), -1);
    QVERIFY(window.isEnabled());
    QCOMPARE(window.frmLoad().statusText(), "Saving.......");
    QCOMPARE(m_rig->engine().log(), QStringList({"startForDecoding", "releaseAll"}));
    QVERIFY(m_rig->dialogs().messages().isEmpty());

    QCOMPARE(page().clipNames(), QStringList{"tone"});
    QCOMPARE(workFiles(), QStringList{"tone.wav"});
    const Result<WavInfo> clip = readWavInfo(page().clips().clipFile(0));
    QVERIFY(clip);
    QVERIFY(clip->canonical);
    QCOMPARE(clip->format, CdFormat);
    // Vorbis's first packets may leave a block's worth off either end.
    QVERIFY2(qAbs(clip->dataBytes - m_mp3Pcm.size()) <= 1152 * CdFormat.blockAlign(),
             qPrintable(QString::number(clip->dataBytes)));
}

void TestFramewav::add_keepsTheSelectionAndTheButtons() {
    m_rig->createHost();
    add(canonicalWav("a.wav"));
    list().setCurrentRow(0);
    setEnabled(EditButtons, true);
    add(canonicalWav("b.wav"));
    add(m_mp3);
    QCOMPARE(page().clipNames(), QStringList({"a", "b", "tone"}));
    QCOMPARE(page().selectedIndex(), 0);
    QCOMPARE(list().selectionModel()->selectedIndexes().size(), 1);
    // The player's buttons are the list player's tick's to set (every half second), which a
    // busy machine reaches during the adds: they are not the adds' to keep.
    verifyEnabled(EditButtons, true);
}

void TestFramewav::moveAndInsert_changeTheOrderNotTheFiles() {
    PageHost& window = m_rig->createHost();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList sources;
    for (const char* name : {"a", "b", "c", "d", "e"})
        sources << canonicalWav(QLatin1String(name) + ".wav", 441 * (sources.size() + 1));
    m_rig->dialogs().queueFiles(sources.mid(0, 3));
    page().buttons().CmdAdd_Click();
    m_rig->waitForWork();
    QCOMPARE(page().clipNames(), QStringList({"a", "b", "c"}));
    verifyEnabled({"CmdUP", "CmdDown"}, false); // nothing selected

    list().setCurrentRow(2);
    verifyEnabled({"CmdUP"}, true);
    verifyEnabled({"CmdDown"}, false);
    page().buttons().CmdUP_Click();
    page().buttons().CmdUP_Click();
    QCOMPARE(page().clipNames(), QStringList({"c", "a", "b"}));
    QCOMPARE(page().selectedIndex(), 0);
    verifyEnabled({"CmdUP"}, false);
    verifyEnabled({"CmdDown"}, true);
    QTest::keyClick(&list(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(page().clipNames(), QStringList({"a", "c", "b"}));
    QCOMPARE(page().selectedIndex(), 1);
    page().buttons().moveClip(1, 2); // a drag of "c" below "b"
    QCOMPARE(page().clipNames(), QStringList({"a", "b", "c"}));
    QCOMPARE(page().selectedIndex(), 2);

    // Insert puts the chosen files, in their order, before the selected entry.
    list().setCurrentRow(1);
    m_rig->dialogs().queueFiles(sources.mid(3));
    page().buttons().CmdIns_Click();
    m_rig->waitForWork();
    QCOMPARE(page().clipNames(), QStringList({"a", "d", "e", "b", "c"}));
    QVERIFY(m_rig->dialogs().messages().isEmpty());
    for (int row = 0; row < 5; ++row)
        QCOMPARE(testaudio::readAll(page().clips().clipFile(row)),
                 testaudio::readAll(input(page().clipNames().at(row) + ".wav")));
}

void TestFramewav::drop_addsTheGoodFilesInOrderAndListsTheBadOnes() {
    m_rig->createHost();
    add(canonicalWav("x.wav"));
    QVERIFY(testaudio::writeAll(input("bad.mp3"), "no sound here\n"));
    QVERIFY(QDir().mkpath(input("folder")));
    emit list().filesDropped({canonicalWav("a.wav"), input("bad.mp3"), m_mp3, input("folder")}, 0);
    QTRY_VERIFY_WITH_TIMEOUT(!page().import().isBusy(), 60000);

    QCOMPARE(page().clipNames(), QStringList({"a", "tone", "x"}));
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    const QString text = m_rig->dialogs().messages().first().text;
    QVERIFY2(text.startsWith("These files were not added to the list:\n\nbad.mp3: "),
             qPrintable(text));
    QVERIFY2(text.section('\n', 3).startsWith("folder: "), qPrintable(text));
    QCOMPARE(text.count('\n'), 3);
}

void TestFramewav::remove_asksThenDeletesFileAndEntry_data() {
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("answer"); // Dialogs::Answer, -1: the file is gone first, then Yes
    QTest::addColumn<QStringList>("clipsAfter");
    QTest::addColumn<QStringList>("filesAfter");
    const int yes = int(Dialogs::Answer::Yes);
    const int no = int(Dialogs::Answer::No);
    QTest::newRow("Yes") << 1 << yes << QStringList{"a", "c"} << QStringList{"a.wav", "c.wav"};
    QTest::newRow("No") << 1 << no << QStringList{"a", "b", "c"}
                        << QStringList{"a.wav", "b.wav", "c.wav"};
    QTest::newRow("nothing selected")
        << -1 << yes << QStringList{"a", "b", "c"} << QStringList{"a.wav", "b.wav", "c.wav"};
    QTest::newRow("file already gone")
        << 1 << -1 << QStringList{"a", "c"} << QStringList{"a.wav", "c.wav"};
}

void TestFramewav::remove_asksThenDeletesFileAndEntry() {
    QFETCH(int, selected);
    QFETCH(int, answer);
    QFETCH(QStringList, clipsAfter);
    QFETCH(QStringList, filesAfter);
    m_rig->createHost();
    for (const char* name : {"a.wav", "b.wav", "c.wav"})
        add(canonicalWav(name));
    list().setCurrentRow(selected);
    if (selected < 0)
        list().clearSelection();
    if (answer < 0)
        QVERIFY(QFile::remove(page().clips().clipFile(selected)));
    m_rig->dialogs().queueAnswer(answer < 0 ? Dialogs::Answer::Yes : Dialogs::Answer(answer));
    openPlayers();
    setEnabled(EditButtons + QStringList{"CmdEditDone", "SliderEdit"}, true);

    page().buttons().Cmdremove_Click();

    if (selected < 0) {
        QVERIFY(m_rig->dialogs().messages().isEmpty());
    } else {
        QCOMPARE(m_rig->dialogs().messages().size(), 1);
        const ScriptedDialogs::MessageCall& asked = m_rig->dialogs().messages().first();
        QCOMPARE(asked.text, "Are you sure you want to delete b ?");
        QCOMPARE(asked.title, "Deleting");
        QCOMPARE(asked.buttons, Dialogs::Buttons::YesNo);
    }
    QCOMPARE(page().clipNames(), clipsAfter);
    QCOMPARE(workFiles(), filesAfter);
    if (clipsAfter.size() < 3)
        QCOMPARE(page().selectedIndex(), -1);
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Closed);
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Closed);
    verifyEnabled(EditButtons + QStringList{"CmdEditDone", "SliderEdit"}, false);
}

void TestFramewav::remove_fileThatCannotBeDeletedKeepsTheEntry() {
    m_rig->createHost();
    add(canonicalWav("a.wav"));
    // A folder in the clip file's place holds a file, so it cannot be removed.
    QVERIFY(QFile::remove(page().clips().clipFile(0)));
    QVERIFY(QDir(m_rig->work().path()).mkpath("a.wav/inside"));
    list().setCurrentRow(0);
    m_rig->dialogs().queueAnswer(Dialogs::Answer::Yes);
    page().buttons().Cmdremove_Click();
    QCOMPARE(m_rig->dialogs().messages().size(), 2);
    QVERIFY(m_rig->dialogs().messages().last().text.contains(page().clips().clipFile(0)));
    QCOMPARE(page().clipNames(), QStringList{"a"});
}

void TestFramewav::click_selectsTheClipForPlaying_data() {
    QTest::addColumn<int>("key"); // 0: a mouse click on the third entry
    QTest::addColumn<int>("selectedAfter");
    QTest::newRow("mouse") << 0 << 2;
    QTest::newRow("arrow down") << int(Qt::Key_Down) << 1;
    QTest::newRow("end") << int(Qt::Key_End) << 2;
}

void TestFramewav::click_selectsTheClipForPlaying() {
    QFETCH(int, key);
    QFETCH(int, selectedAfter);
    PageHost& window = m_rig->createHost();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const char* name : {"a.wav", "b.wav", "c.wav"})
        add(canonicalWav(name));
    list().setCurrentRow(0);
    openPlayers();
    setEnabled(EditButtons + QStringList{"CmdEditDone", "SliderEdit"}, true);

    if (key == 0) {
        QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, list().rowRect(2).center());
    } else {
        list().setFocus();
        QTest::keyClick(&list(), Qt::Key(key));
    }

    QCOMPARE(page().selectedIndex(), selectedAfter);
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Closed);
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Closed);
    verifyEnabled(EditButtons + QStringList{"CmdEditDone", "SliderEdit"}, false);
    verifyEnabled(PlayerButtons, true);
}

void TestFramewav::click_changeByCodeOrKeyWithoutMoveDoesNothing() {
    PageHost& window = m_rig->createHost();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const char* name : {"a.wav", "b.wav"})
        add(canonicalWav(name));
    openPlayers();
    list().setCurrentRow(0);
    list().setFocus();
    QTest::keyClick(&list(), Qt::Key_Up);
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Playing);
    QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Playing);
    verifyEnabled(PlayerButtons, false);
}

// The editor opens a clip on the double click; the click that belongs to it must come
// before, never after, or it would close the clip just opened.
void TestFramewav::doubleClick_clickRunsOnlyBeforeTheDoubleClick() {
    PageHost& window = m_rig->createHost();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    add(canonicalWav("a.wav", 44100));
    openPlayers();
    connect(&list(), &QAbstractItemView::doubleClicked, this, [&] {
        QCOMPARE(m_rig->listPlayer().state(), MediaPlayer::State::Closed);
        m_rig->edit().setFileName(page().clips().clipFile(0));
        QVERIFY(m_rig->edit().command(QStringLiteral("open")));
    });
    const QPoint at = list().rowRect(0).center();
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list().viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Stopped);
    QCOMPARE(m_rig->edit().fileName(), page().clips().clipFile(0));
}

void TestFramewav::close_duringDecodeCancelsItThenRunsTheExitSequence_data() {
    QTest::addColumn<bool>("closeWindow"); // else the toolbar's "Exit"
    QTest::newRow("window closed") << true;
    QTest::newRow("Exit") << false;
}

void TestFramewav::close_duringDecodeCancelsItThenRunsTheExitSequence() {
    QFETCH(bool, closeWindow);
    Frmmain& window = m_rig->createWindow();
    window.show();
    QVERIFY(testaudio::writeAll(window.context().workFolder.tempWav(), "take"));
    add(canonicalWav("earlier.wav"));

    bool closeAsked = false;
    QStringList filesWhileDecoding;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (!page().import().isBusy() || closeAsked)
            return;
        closeAsked = true;
        filesWhileDecoding = workFiles();
        if (closeWindow)
            window.close();
        else
            window.Toolbar1_ButtonClick(QStringLiteral("Exit"));
    });
    poll.start(0);

    const int code = runUntilProgramEnds([&] { add(m_longMp3); });
    QCOMPARE(code, 0);
    QVERIFY(closeAsked);
    QVERIFY(filesWhileDecoding.contains("tempwav.wav"));
    QVERIFY(!filesWhileDecoding.contains("tone.long.wav"));
    QVERIFY(workFiles().isEmpty());
    QCOMPARE(page().clipNames(), QStringList{"earlier"});
    QVERIFY(m_rig->dialogs().messages().isEmpty());
    QVERIFY(!window.frmLoad().isVisible());
}

QTEST_MAIN(TestFramewav)
#include "tst_framewav.moc"

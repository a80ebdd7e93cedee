// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/media_player.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/framewav.h"
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
const QStringList ListButtons = {"CmdFoward", "CmdPause", "CmdPlay", "CmdStop", "CmdNext"};

void putLe16(QByteArray& bytes, int value) {
    bytes.append(char(value & 0xFF)).append(char((value >> 8) & 0xFF));
}

void putLe32(QByteArray& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

// How a WAV that is not canonical is written: the sample encoding, and what surrounds it.
struct WavLayout {
    enum class Samples { Int16, Int24, Int32, Float32 };
    Samples samples = Samples::Int16;
    bool extensible = false;
    bool listChunkFirst = false;
};
} // namespace
Q_DECLARE_METATYPE(WavLayout)
namespace {

// The 16-bit stereo `pcm16` written in `layout`: wider integers carry the same values in
// their top 16 bits and floats are value / 32768, so a decoder that gets it right gives
// `pcm16` back exactly.
QByteArray nonCanonicalWav(const QByteArray& pcm16, const WavLayout& layout) {
    using Samples = WavLayout::Samples;
    const int bits = layout.samples == Samples::Int16   ? 16
                     : layout.samples == Samples::Int24 ? 24
                                                        : 32;
    QByteArray data;
    for (int i = 0; i + 1 < pcm16.size(); i += 2) {
        const auto sample = std::int16_t(testaudio::le16(pcm16, i));
        if (layout.samples == Samples::Float32) {
            const float value = float(sample) / 32768.0f;
            std::uint32_t word = 0;
            std::memcpy(&word, &value, 4);
            putLe32(data, word);
        } else {
            for (int pad = 16; pad < bits; pad += 8)
                data.append('\0');
            putLe16(data, sample);
        }
    }
    const int channels = CdFormat.channels;
    const int blockAlign = channels * bits / 8;
    const int formatCode = layout.samples == Samples::Float32 ? 3 : 1;

    QByteArray fmt;
    putLe16(fmt, layout.extensible ? 0xFFFE : formatCode);
    putLe16(fmt, channels);
    putLe32(fmt, CdFormat.sampleRateHz);
    putLe32(fmt, std::uint32_t(CdFormat.sampleRateHz * blockAlign));
    putLe16(fmt, blockAlign);
    putLe16(fmt, bits);
    if (layout.extensible) {
        putLe16(fmt, 22);
        putLe16(fmt, bits);
        putLe32(fmt, 3); // front left, front right
        putLe16(fmt, formatCode);
        fmt.append("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    }

    QByteArray body("WAVE");
    if (layout.listChunkFirst) {
        const QByteArray info("INFOISFT\x06\x00\x00\x00tests\x00", 18);
        body += "LIST";
        putLe32(body, info.size());
        body += info;
    }
    body += "fmt ";
    putLe32(body, fmt.size());
    body += fmt;
    body += "data";
    putLe32(body, data.size());
    body += data;

    QByteArray file("RIFF");
    putLe32(file, body.size());
    return file + body;
}

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
    void add_canonicalWavIsCopiedByteForByte_data();
    void add_canonicalWavIsCopiedByteForByte();
    void add_otherWavIsDecodedIntoACanonicalClip_data();
    void add_otherWavIsDecodedIntoACanonicalClip();
    void add_mp3IsDecodedWhileTheWindowIsDisabledAndTheBusyWindowShows();
    void add_keepsTheSelectionAndTheButtons();
    void add_takenNameGetsTheNextNumber();
    void add_undecodableFileOnlySaysItCannotBePlayed_data();
    void add_undecodableFileOnlySaysItCannotBePlayed();
    void add_engineThatCannotStartIsReportedAndNothingElse();
    void add_unwritableWorkFolderNamesTheFileAndAddsNothing_data();
    void add_unwritableWorkFolderNamesTheFileAndAddsNothing();
    void add_fullDiskLeavesNoPartialFile_data();
    void add_fullDiskLeavesNoPartialFile();
    void decodeIntoClip_returnsTheNameAndKeepsTheCallersBusyText();
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
    QByteArray m_mp3Pcm;
    std::unique_ptr<WindowRig> m_rig;
};

void TestFramewav::initTestCase() {
    if (!testaudio::haveProgram(QStringLiteral("lame")))
        QSKIP("lame is needed to make the MP3 input");
    const QString wav =
        testaudio::writeSineWav(m_sources.filePath("tone.wav"), CdFormat, 44100 * 3, 523.25);
    m_mp3 = m_sources.filePath("tone.mp3");
    QCOMPARE(testaudio::run("lame", {"--quiet", "-b", "128", wav, m_mp3}), 0);
    m_mp3Pcm = testaudio::sinePcm(CdFormat, 44100 * 3, 523.25);
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
    page().CmdAdd_Click();
    m_rig->waitForDecode();
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
        {"CmdAdd", "Framewav", "", "Add New"},
        {"Cmdremove", "Framewav", "", "Remove Form List"},
        {"CmdUP", "Framewav", "", "Move UP"},
        {"CmdDown", "Framewav", "", "Move Down"},
        {"CmdIns", "Framewav", "Insert", ""},
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

    verifyEnabled(ListButtons + EditButtons + QStringList{"CmdEditDone", "SliderEdit"}, false);
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
    QCOMPARE(request.title, "Select a file to Convert");
    QVERIFY(request.filter.startsWith("Audio files (*.wav;*.mp3)|*.wav;*.mp3|All sound files|"));
    QVERIFY(request.filter.contains(";*.flac;") && request.filter.endsWith("|All files|*.*"));
    QCOMPARE(request.fileName, "");
    QCOMPARE(request.flags, 528388 | 512);
    QCOMPARE(request.initialFolder, m_sources.path());
    QCOMPARE(m_rig->dialogs().files().last().request.initialFolder,
             QFileInfo(input("a.wav")).absolutePath());
}

void TestFramewav::add_cancelChangesNothing() {
    m_rig->createHost();
    m_rig->dialogs().queueFileCancel();
    page().CmdAdd_Click();
    QCOMPARE(list().count(), 0);
    QVERIFY(workFiles().isEmpty());
    QVERIFY(m_rig->engine().log().isEmpty());
    QVERIFY(m_rig->dialogs().messages().isEmpty());
}

void TestFramewav::add_canonicalWavIsCopiedByteForByte_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("clip");
    QTest::newRow("plain") << "tune.wav"
                           << "tune";
    QTest::newRow("upper-case extension") << "Song.WAV"
                                          << "Song";
    QTest::newRow("dots and blanks kept") << " My Tune.live.wav"
                                          << " My Tune.live";
    QTest::newRow("non-ASCII") << "Sång ♪.wav"
                               << "Sång ♪";
}

void TestFramewav::add_canonicalWavIsCopiedByteForByte() {
    QFETCH(QString, file);
    QFETCH(QString, clip);
    m_rig->createHost();
    const QString source =
        testaudio::writeWav(input(file), {1, 8000, 8}, testaudio::sinePcm({1, 8000, 8}, 12345));
    add(source);
    QCOMPARE(page().clipNames(), QStringList{clip});
    QCOMPARE(workFiles(), QStringList{clip + ".wav"});
    QCOMPARE(testaudio::readAll(page().clipFile(0)), testaudio::readAll(source));
    QVERIFY2(m_rig->engine().log().isEmpty(), "a copy needs no decoding");
    QVERIFY(m_rig->dialogs().messages().isEmpty());
}

void TestFramewav::add_otherWavIsDecodedIntoACanonicalClip_data() {
    using Samples = WavLayout::Samples;
    QTest::addColumn<WavLayout>("layout");
    QTest::newRow("chunk before fmt") << WavLayout{Samples::Int16, false, true};
    QTest::newRow("extensible 16-bit") << WavLayout{Samples::Int16, true, false};
    QTest::newRow("24-bit") << WavLayout{Samples::Int24, false, false};
    QTest::newRow("32-bit") << WavLayout{Samples::Int32, false, false};
    QTest::newRow("float, extensible") << WavLayout{Samples::Float32, true, false};
}

void TestFramewav::add_otherWavIsDecodedIntoACanonicalClip() {
    QFETCH(WavLayout, layout);
    m_rig->createHost();
    const QByteArray pcm = testaudio::sinePcm(CdFormat, 30000);
    QVERIFY(testaudio::writeAll(input("wide.wav"), nonCanonicalWav(pcm, layout)));
    QVERIFY(!readWavInfo(input("wide.wav"))->canonical);

    add(input("wide.wav"));
    QCOMPARE(page().clipNames(), QStringList{"wide"});
    const Result<WavInfo> clip = readWavInfo(page().clipFile(0));
    QVERIFY(clip);
    QVERIFY(clip->canonical);
    QCOMPARE(clip->format, CdFormat);
    QCOMPARE(testaudio::readAll(page().clipFile(0)).mid(WavHeader::Size), pcm);
    QCOMPARE(m_rig->engine().log(), QStringList({"startForDecoding", "releaseAll"}));
    QCOMPARE(workFiles(), QStringList{"wide.wav"});
}

void TestFramewav::add_mp3IsDecodedWhileTheWindowIsDisabledAndTheBusyWindowShows() {
    PageHost& window = m_rig->createHost();
    window.show();
    window.frmLoad().setStatusText(QStringLiteral("Saving......."));
    BusyWatch watch(window.frmLoad(), window);
    // Runs in the decode's first turn of the event loop, which comes after the first block.
    bool checkedDuringDecode = false;
    QTimer::singleShot(0, this, [&] {
        checkedDuringDecode = true;
        QVERIFY(page().isDecoding());
        QVERIFY(window.frmLoad().isVisible());
        QVERIFY(!window.isEnabled());
        QVERIFY(page().clipNames().isEmpty());
        QVERIFY2(!workFiles().contains("tone.wav"), "the decode writes to a temporary file");
        QVERIFY(window.frmLoad().progress() < 100);
    });

    add(m_mp3);
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
    const Result<WavInfo> clip = readWavInfo(page().clipFile(0));
    QVERIFY(clip);
    QVERIFY(clip->canonical);
    QCOMPARE(clip->format, CdFormat);
    // The LAME tag lets the decoder drop the encoder's padding; one MP3 frame (1152 samples)
    // of slack covers a decoder that keeps part of it.
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
    verifyEnabled(EditButtons, true);
    verifyEnabled(ListButtons, false);
}

void TestFramewav::add_takenNameGetsTheNextNumber() {
    m_rig->createHost();
    const QString wav = canonicalWav("tone.wav");
    add(wav);
    add(m_mp3);
    QVERIFY(QDir(m_rig->outside(QString())).mkdir("24"));
    QVERIFY(testaudio::writeAll(
        input("24/tone.wav"),
        nonCanonicalWav(testaudio::sinePcm(CdFormat, 2000), {WavLayout::Samples::Int24})));
    add(input("24/tone.wav"));
    QCOMPARE(page().clipNames(), QStringList({"tone", "tone (2)", "tone (3)"}));
    QCOMPARE(workFiles(), QStringList({"tone (2).wav", "tone (3).wav", "tone.wav"}));
    QCOMPARE(testaudio::readAll(page().clipFile(0)), testaudio::readAll(wav));
    QVERIFY(testaudio::readAll(page().clipFile(1)) != testaudio::readAll(page().clipFile(2)));

    // A number freed by a remove is taken again; the program's own files are never clips.
    list().setCurrentRow(1);
    m_rig->dialogs().queueAnswer(Dialogs::Answer::Yes);
    page().Cmdremove_Click();
    add(wav);
    add(canonicalWav("concat.wav"));
    add(canonicalWav("tempwav.wav"));
    QCOMPARE(page().clipNames(),
             QStringList({"tone", "tone (3)", "tone (2)", "concat (2)", "tempwav (2)"}));
}

void TestFramewav::add_undecodableFileOnlySaysItCannotBePlayed_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // null: no such file
    QTest::newRow("text named .mp3") << "notes.mp3" << QByteArray("just some words\n");
    QTest::newRow("text named .wav") << "notes.wav" << QByteArray("RIFF? no, only words\n");
    QTest::newRow("empty .mp3") << "empty.mp3" << QByteArray("");
    QTest::newRow("file gone") << "gone.mp3" << QByteArray();
}

void TestFramewav::add_undecodableFileOnlySaysItCannotBePlayed() {
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    PageHost& window = m_rig->createHost();
    if (!content.isNull())
        QVERIFY(testaudio::writeAll(input(file), content));
    add(input(file));

    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    const ScriptedDialogs::MessageCall& shown = m_rig->dialogs().messages().first();
    QCOMPARE(shown.title, "Error");
    QVERIFY2(shown.text.startsWith("Can't play the file\n\nerror code: "), qPrintable(shown.text));
    QVERIFY(shown.text.section('\n', 2, 2).section(' ', -1).toInt() != 0);
    // The last line says which file and why, in words.
    QVERIFY2(shown.text.section('\n', 3).startsWith(file + ": "), qPrintable(shown.text));
    QVERIFY(shown.text.section('\n', 3).size() > file.size() + 10);
    QCOMPARE(list().count(), 0);
    QVERIFY(workFiles().isEmpty());
    QCOMPARE(m_rig->engine().log(), QStringList({"startForDecoding", "releaseAll"}));
    QVERIFY(window.isEnabled());
    QVERIFY(!window.frmLoad().isVisible());
}

void TestFramewav::add_engineThatCannotStartIsReportedAndNothingElse() {
    PageHost& window = m_rig->createHost();
    BusyWatch watch(window.frmLoad(), window);
    m_rig->engine().setStartForDecodingFailure(ErrorCode::Driver);
    add(m_mp3);
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text, "Can't initialize device\n\nerror code: 3");
    QCOMPARE(m_rig->engine().log(), QStringList{"startForDecoding"});
    QVERIFY(watch.enabledAtShow.isEmpty());
    QVERIFY(window.isEnabled());
    QCOMPARE(list().count(), 0);
    QVERIFY(workFiles().isEmpty());
}

void TestFramewav::add_unwritableWorkFolderNamesTheFileAndAddsNothing_data() {
    QTest::addColumn<bool>("mp3");
    QTest::addColumn<bool>("canonical");
    QTest::newRow("canonical WAV, copied") << false << true;
    QTest::newRow("24-bit WAV, decoded") << false << false;
    QTest::newRow("MP3") << true << false;
}

// Tests run as root, whom file modes do not stop: the work folder lies under a regular file,
// where nothing can be created.
void TestFramewav::add_unwritableWorkFolderNamesTheFileAndAddsNothing() {
    QFETCH(bool, mp3);
    QFETCH(bool, canonical);
    QVERIFY(testaudio::writeAll(m_rig->appFile("plain"), "a file, not a folder"));
    PageHost& window = m_rig->createHost(m_rig->appFile("plain/korvanel"));
    QString source = m_mp3;
    if (!mp3) {
        source = input("x.wav");
        const QByteArray pcm = testaudio::sinePcm(CdFormat, 4000);
        QVERIFY(canonical ? !testaudio::writeWav(source, CdFormat, pcm).isEmpty()
                          : testaudio::writeAll(source,
                                                nonCanonicalWav(pcm, {WavLayout::Samples::Int24})));
    }
    add(source);

    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    const QString text = m_rig->dialogs().messages().first().text;
    QVERIFY2(text.contains(source), qPrintable(text));
    QVERIFY2(text.contains(m_rig->appFile("plain/korvanel/")), qPrintable(text));
    QCOMPARE(m_rig->dialogs().messages().first().icon, Dialogs::Icon::Warning);
    QCOMPARE(list().count(), 0);
    QVERIFY(window.isEnabled());
    QVERIFY(!window.frmLoad().isVisible());
}

void TestFramewav::add_fullDiskLeavesNoPartialFile_data() {
    QTest::addColumn<bool>("mp3");
    QTest::newRow("canonical WAV, copied") << false;
    QTest::newRow("MP3, decoded") << true;
}

void TestFramewav::add_fullDiskLeavesNoPartialFile() {
    QFETCH(bool, mp3);
    SmallDisk disk(128);
    if (!disk.isValid())
        QSKIP("no small tmpfs can be mounted here");
    m_rig->createHost(disk.filePath(QString()));
    add(canonicalWav("keep.wav", 100));
    const QString source = mp3 ? m_mp3 : canonicalWav("big.wav", 44100 * 3);
    add(source);

    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    const QString text = m_rig->dialogs().messages().first().text;
    QVERIFY2(text.contains(source) && text.contains(m_rig->work().path()), qPrintable(text));
    QCOMPARE(page().clipNames(), QStringList{"keep"});
    QCOMPARE(workFiles(), QStringList{"keep.wav"});
}

void TestFramewav::decodeIntoClip_returnsTheNameAndKeepsTheCallersBusyText() {
    PageHost& window = m_rig->createHost();
    window.frmLoad().setStatusText(QStringLiteral("Converting......."));
    QList<Result<QString>> results;
    const auto decode = [&](const QString& path) {
        page().decodeIntoClip(path, [&](const Result<QString>& result) { results << result; });
        m_rig->waitForDecode();
    };
    decode(m_mp3);
    decode(m_mp3);
    decode(input("missing.mp3"));
    QCOMPARE(results.size(), 3);
    QCOMPARE(*results[0], "tone");
    QCOMPARE(*results[1], "tone (2)");
    QCOMPARE(results[2].status().code(), ErrorCode::FileOpen);
    QCOMPARE(page().clipNames(), QStringList({"tone", "tone (2)"}));
    QCOMPARE(window.frmLoad().statusText(), "Converting.......");
}

void TestFramewav::moveAndInsert_changeTheOrderNotTheFiles() {
    PageHost& window = m_rig->createHost();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList sources;
    for (const char* name : {"a", "b", "c", "d", "e"})
        sources << canonicalWav(QLatin1String(name) + ".wav", 441 * (sources.size() + 1));
    m_rig->dialogs().queueFiles(sources.mid(0, 3));
    page().CmdAdd_Click();
    QCOMPARE(page().clipNames(), QStringList({"a", "b", "c"}));
    verifyEnabled({"CmdUP", "CmdDown"}, false); // nothing selected

    list().setCurrentRow(2);
    verifyEnabled({"CmdUP"}, true);
    verifyEnabled({"CmdDown"}, false);
    page().CmdUP_Click();
    page().CmdUP_Click();
    QCOMPARE(page().clipNames(), QStringList({"c", "a", "b"}));
    QCOMPARE(page().selectedIndex(), 0);
    verifyEnabled({"CmdUP"}, false);
    verifyEnabled({"CmdDown"}, true);
    QTest::keyClick(&list(), Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(page().clipNames(), QStringList({"a", "c", "b"}));
    QCOMPARE(page().selectedIndex(), 1);
    page().moveClip(1, 2); // a drag of "c" below "b"
    QCOMPARE(page().clipNames(), QStringList({"a", "b", "c"}));
    QCOMPARE(page().selectedIndex(), 2);

    // Insert puts the chosen files, in their order, before the selected entry.
    list().setCurrentRow(1);
    m_rig->dialogs().queueFiles(sources.mid(3));
    page().CmdIns_Click();
    QCOMPARE(page().clipNames(), QStringList({"a", "d", "e", "b", "c"}));
    QVERIFY(m_rig->dialogs().messages().isEmpty());
    for (int row = 0; row < 5; ++row)
        QCOMPARE(testaudio::readAll(page().clipFile(row)),
                 testaudio::readAll(input(page().clipNames().at(row) + ".wav")));
}

void TestFramewav::drop_addsTheGoodFilesInOrderAndListsTheBadOnes() {
    m_rig->createHost();
    add(canonicalWav("x.wav"));
    QVERIFY(testaudio::writeAll(input("bad.mp3"), "no sound here\n"));
    QVERIFY(QDir().mkpath(input("folder")));
    emit list().filesDropped({canonicalWav("a.wav"), input("bad.mp3"), m_mp3, input("folder")}, 0);
    QTRY_VERIFY_WITH_TIMEOUT(!page().isAdding(), 60000);

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
        QVERIFY(QFile::remove(page().clipFile(selected)));
    m_rig->dialogs().queueAnswer(answer < 0 ? Dialogs::Answer::Yes : Dialogs::Answer(answer));
    openPlayers();
    setEnabled(EditButtons + QStringList{"CmdEditDone", "SliderEdit"}, true);

    page().Cmdremove_Click();

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
    QVERIFY(QFile::remove(page().clipFile(0)));
    QVERIFY(QDir(m_rig->work().path()).mkpath("a.wav/inside"));
    list().setCurrentRow(0);
    m_rig->dialogs().queueAnswer(Dialogs::Answer::Yes);
    page().Cmdremove_Click();
    QCOMPARE(m_rig->dialogs().messages().size(), 2);
    QVERIFY(m_rig->dialogs().messages().last().text.contains(page().clipFile(0)));
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
    verifyEnabled(ListButtons, true);
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
    verifyEnabled(ListButtons, false);
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
        m_rig->edit().setFileName(page().clipFile(0));
        QVERIFY(m_rig->edit().command(QStringLiteral("open")));
    });
    const QPoint at = list().rowRect(0).center();
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list().viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(m_rig->edit().state(), MediaPlayer::State::Stopped);
    QCOMPARE(m_rig->edit().fileName(), page().clipFile(0));
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
        if (!page().isDecoding() || closeAsked)
            return;
        closeAsked = true;
        filesWhileDecoding = workFiles();
        if (closeWindow)
            window.close();
        else
            window.Toolbar1_ButtonClick(QStringLiteral("Exit"));
    });
    poll.start(0);
    QStringList filesAtDecodeEnd;
    connect(&page(), &Framewav::decodeEnded, this, [&] { filesAtDecodeEnd = workFiles(); });

    const int code = runUntilProgramEnds([&] { add(m_mp3); });
    QCOMPARE(code, 0);
    QVERIFY(closeAsked);
    QVERIFY(filesWhileDecoding.contains("tempwav.wav"));
    QVERIFY(!filesWhileDecoding.contains("tone.wav"));
    // The kept clip list goes with the rest at the exit.
    QCOMPARE(filesAtDecodeEnd, QStringList({"cliplist.json", "earlier.wav", "tempwav.wav"}));
    QVERIFY(workFiles().isEmpty());
    QCOMPARE(page().clipNames(), QStringList{"earlier"});
    QVERIFY(m_rig->dialogs().messages().isEmpty());
    QVERIFY(!window.frmLoad().isVisible());
}

QTEST_MAIN(TestFramewav)
#include "tst_framewav.moc"

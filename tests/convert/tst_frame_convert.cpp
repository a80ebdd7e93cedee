// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/framewav.h"
#include "codec/mp3_encoder.h"
#include "convert/ui/frame_convert.h"
#include "pagekit/busy_window.h"
#include "support/page_host.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_engine.h"
#include "support/small_disk.h"
#include "support/test_audio.h"
#include "support/window_rig.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QUrl>
#include <QtTest>

#include <memory>

using Mode = Dialogs::FileRequest::Mode;

namespace {

const WavFormat Stereo44k{2, 44100, 16};
const QString Title = QStringLiteral("KorvaNel Tunecarver");
const QString WavFilter = QStringLiteral("Wav File(*.wav)|*.wav");
const QString Mp3Filter = QStringLiteral("MP3 File(*.mp3)|*.mp3");

// Seconds of sound in an MP3 as mpg123, a player of its own, decodes it; -1 when it cannot.
double mpg123Seconds(const QString& mp3Path) {
    const QString decoded = mp3Path + ".decoded.wav";
    const int exit = testaudio::run("mpg123", {"-q", "-w", decoded, mp3Path});
    const QByteArray wav = testaudio::readAll(decoded);
    QFile::remove(decoded);
    if (exit != 0 || wav.size() < 44)
        return -1;
    const double bytesPerSecond = testaudio::le32(wav, 28);
    return bytesPerSecond > 0 ? testaudio::le32(wav, 40) / bytesPerSecond : -1;
}

} // namespace

class TestFrameConvert : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void layout_placesEachControlInItsFrame_data();
    void layout_placesEachControlInItsFrame();
    void startup_pathBoxesEmptyAndText2ReadsText2();
    void choosers_shareOneDialogAndKeepWhatTheyDoNotSet();
    void chooser_fillsItsBoxAndACancelEmptiesIt_data();
    void chooser_fillsItsBoxAndACancelEmptiesIt();
    void convertButton_withAnEmptyBoxDoesNothing_data();
    void convertButton_withAnEmptyBoxDoesNothing();

    void convertToMp3_encodesAPlayableMp3AndEndsInFinishSave();
    void convertToMp3_takesTypedAndPastedPaths_data();
    void convertToMp3_takesTypedAndPastedPaths();
    void convertToMp3_refusedJobShowsOneMessageAndNoBusyWindow_data();
    void convertToMp3_refusedJobShowsOneMessageAndNoBusyWindow();
    void convertToMp3_failedJobShowsItsFailureNotFinishSave();
    void convertToMp3_busyWindowShowsTheTextOfTheJobBefore_data();
    void convertToMp3_busyWindowShowsTheTextOfTheJobBefore();

    void convertToWav_decodesIntoANewClipAndCopiesItToTheTarget();
    void convertToWav_copiesTheClipFileTheDecodeWrote();
    void convertToWav_unreadableSourceShowsCantPlayAndNothingMore();
    void convertToWav_failingStepShowsOneMessageAndLeavesTheTarget_data();
    void convertToWav_failingStepShowsOneMessageAndLeavesTheTarget();

private:
    PageHost& makeWindow() {
        m_rig->createHost().frameConvert();
        return m_rig->host();
    }
    FrameConvert* page() const { return &m_rig->host().frameConvert(); }
    QLineEdit* box(const QString& name) const;
    void click(const QString& name) const;
    QString path(const QString& name) const { return m_rig->outside(name); }
    QStringList clipNames() const { return m_rig->framewav().clipNames(); }
    // An MP3 of a 440 Hz stereo sine, `frames` frames at 44100 Hz, made by lame; empty when
    // lame cannot make it.
    QString makeMp3(const QString& mp3Path, std::int64_t frames) const;
    // Runs one WAV to MP3 job from the page to its end; false if it never ended.
    bool convertToMp3(const QString& wav, const QString& mp3);

    std::unique_ptr<WindowRig> m_rig;
};

void TestFrameConvert::init() {
    m_rig = std::make_unique<WindowRig>(WindowRig::Window::Later);
}

void TestFrameConvert::cleanup() {
    m_rig.reset();
}

QLineEdit* TestFrameConvert::box(const QString& name) const {
    return page()->findChild<QLineEdit*>(name);
}

void TestFrameConvert::click(const QString& name) const {
    page()->findChild<QPushButton*>(name)->click();
    m_rig->waitForWork();
}

QString TestFrameConvert::makeMp3(const QString& mp3Path, std::int64_t frames) const {
    const QString wav = testaudio::writeSineWav(mp3Path + ".source.wav", Stereo44k, frames);
    const int exit = testaudio::run("lame", {"--quiet", "-b", "128", wav, mp3Path});
    QFile::remove(wav);
    return exit == 0 ? mp3Path : QString();
}

bool TestFrameConvert::convertToMp3(const QString& wav, const QString& mp3) {
    box("txtopenwav")->setText(wav);
    box("txtsavemp3")->setText(mp3);
    QSignalSpy finished(&m_rig->encoder(), &Mp3Encoder::EncodeFinished);
    click("CmdConvertMP3");
    return finished.wait(120000);
}

void TestFrameConvert::layout_placesEachControlInItsFrame_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("place");
    QTest::newRow("Frame5") << "Frame5"
                            << "FrameConvert"
                            << "Wav -> Mp3" << QRect(72, 16, 449, 145);
    QTest::newRow("txtopenwav") << "txtopenwav"
                                << "Frame5"
                                << "" << QRect(32, 32, 249, 25);
    QTest::newRow("Cmdopenwav") << "Cmdopenwav"
                                << "Frame5"
                                << "..." << QRect(288, 32, 33, 25);
    QTest::newRow("txtsavemp3") << "txtsavemp3"
                                << "Frame5"
                                << "" << QRect(32, 96, 249, 25);
    QTest::newRow("CmdSaveMP3") << "CmdSaveMP3"
                                << "Frame5"
                                << "..." << QRect(288, 96, 33, 25);
    QTest::newRow("CmdConvertMP3") << "CmdConvertMP3"
                                   << "Frame5"
                                   << "Convert to MP3" << QRect(344, 96, 89, 25);
    QTest::newRow("Frame4") << "Frame4"
                            << "FrameConvert"
                            << "MP3 -> Wav" << QRect(72, 168, 449, 137);
    QTest::newRow("txtopenmp3") << "txtopenmp3"
                                << "Frame4"
                                << "" << QRect(24, 16, 249, 25);
    QTest::newRow("CmdopenMp3") << "CmdopenMp3"
                                << "Frame4"
                                << "..." << QRect(280, 16, 33, 25);
    QTest::newRow("txtsavewav") << "txtsavewav"
                                << "Frame4"
                                << "" << QRect(24, 80, 249, 25);
    QTest::newRow("CmdSavewav2") << "CmdSavewav2"
                                 << "Frame4"
                                 << "..." << QRect(280, 80, 33, 25);
    QTest::newRow("CmdconvertWav") << "CmdconvertWav"
                                   << "Frame4"
                                   << "Convert to Wav" << QRect(344, 80, 89, 25);
    QTest::newRow("Text2") << "Text2"
                           << "FrameConvert"
                           << "Text2" << QRect(16, 224, 10, 19);
}

void TestFrameConvert::layout_placesEachControlInItsFrame() {
    QFETCH(QString, name);
    QFETCH(QString, frame);
    QFETCH(QString, caption);
    QFETCH(QRect, place);
    makeWindow();
    QCOMPARE(page()->title(), QStringLiteral("Wav <-> Mp3"));
    QCOMPARE(page()->geometry(), QRect(72, 48, 609, 321));
    auto* control = page()->findChild<QWidget*>(name);
    QVERIFY(control);
    QCOMPARE(control->parentWidget()->objectName(), frame);
    QCOMPARE(control->geometry(), place);
    QString text;
    if (auto* group = qobject_cast<QGroupBox*>(control))
        text = group->title();
    else if (auto* button = qobject_cast<QPushButton*>(control))
        text = button->text();
    else if (auto* edit = qobject_cast<QLineEdit*>(control))
        text = edit->text();
    QCOMPARE(text, caption);
    QVERIFY(control->isEnabled());
}

void TestFrameConvert::startup_pathBoxesEmptyAndText2ReadsText2() {
    makeWindow();
    for (const char* name : {"txtopenwav", "txtsavemp3", "txtopenmp3", "txtsavewav"})
        QVERIFY2(box(name)->text().isEmpty(), name);
    QCOMPARE(box("Text2")->text(), QStringLiteral("Text2"));
    QVERIFY(!box("txtopenwav")->isReadOnly());
}

void TestFrameConvert::choosers_shareOneDialogAndKeepWhatTheyDoNotSet() {
    PageHost& window = makeWindow();
    const QString base1 = path("base1");
    const QString base2 = path("base2");
    struct Step {
        const char* button;
        QString baseFolder;
        Mode mode;
        QString filter;
        QString initialFolder;
        QString defaultExtension;
        int flags;
    };
    // Each chooser starts from what the one before left; its own settings replace only theirs.
    const Step steps[] = {
        {"CmdSaveMP3", base1, Mode::Save, Mp3Filter, base1, "mp3", 0},
        {"Cmdopenwav", base1, Mode::Open, WavFilter, base1, "mp3", 4096},
        {"CmdSavewav2", base2, Mode::Save, WavFilter, base2, "wav", 4096},
        {"CmdopenMp3", base1, Mode::Open, Mp3Filter, base2, "wav", 4096},
        {"CmdSaveMP3", base1, Mode::Save, Mp3Filter, base1, "mp3", 4096},
    };
    for (const Step& step : steps) {
        window.settings().setBaseFolder(step.baseFolder);
        m_rig->dialogs().queueFile(path("chosen"));
        click(step.button);
        const Dialogs::FileRequest& request = m_rig->dialogs().files().constLast().request;
        const QByteArray where = step.button;
        QVERIFY2(request.mode == step.mode, where);
        QVERIFY2(request.fileName.isEmpty(), where);
        QVERIFY2(request.filter == step.filter, where);
        QVERIFY2(request.initialFolder == step.initialFolder, where);
        QVERIFY2(request.defaultExtension == step.defaultExtension, where);
        QVERIFY2(request.flags == step.flags, where);
        QVERIFY2(request.title.isEmpty(), where);
    }
    QCOMPARE(m_rig->dialogs().files().size(), 5);
    QCOMPARE(m_rig->dialogs().unscripted(), 0);
}

void TestFrameConvert::chooser_fillsItsBoxAndACancelEmptiesIt_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("Cmdopenwav") << "Cmdopenwav"
                                << "txtopenwav"
                                << "/music/in.wav";
    QTest::newRow("CmdSaveMP3") << "CmdSaveMP3"
                                << "txtsavemp3"
                                << "/music/out.mp3";
    QTest::newRow("CmdopenMp3") << "CmdopenMp3"
                                << "txtopenmp3"
                                << "/music/in.mp3";
    QTest::newRow("CmdSavewav2") << "CmdSavewav2"
                                 << "txtsavewav"
                                 << "/music/out.wav";
}

void TestFrameConvert::chooser_fillsItsBoxAndACancelEmptiesIt() {
    QFETCH(QString, button);
    QFETCH(QString, boxName);
    QFETCH(QString, chosen);
    makeWindow();
    QStringList others = {"txtopenwav", "txtsavemp3", "txtopenmp3", "txtsavewav"};
    others.removeOne(boxName);
    for (const QString& other : others)
        box(other)->setText("kept " + other);

    m_rig->dialogs().queueFile(chosen);
    click(button);
    QCOMPARE(box(boxName)->text(), chosen);

    m_rig->dialogs().queueFileCancel();
    click(button);
    QCOMPARE(box(boxName)->text(), QString());
    for (const QString& other : others)
        QCOMPARE(box(other)->text(), "kept " + other);
    QVERIFY(m_rig->dialogs().messages().isEmpty());
}

void TestFrameConvert::convertButton_withAnEmptyBoxDoesNothing_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("sourceText");
    QTest::addColumn<QString>("targetText");
    for (const auto& [button, source, target] :
         {std::tuple{"CmdConvertMP3", "txtopenwav", "txtsavemp3"},
          std::tuple{"CmdconvertWav", "txtopenmp3", "txtsavewav"}}) {
        QTest::addRow("%s both empty", button) << button << source << target << ""
                                               << "";
        QTest::addRow("%s no target", button) << button << source << target << "in"
                                              << "";
        QTest::addRow("%s no source", button) << button << source << target << ""
                                              << "out";
        QTest::addRow("%s blank target", button) << button << source << target << "in"
                                                 << "  ";
    }
}

void TestFrameConvert::convertButton_withAnEmptyBoxDoesNothing() {
    QFETCH(QString, button);
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, sourceText);
    QFETCH(QString, targetText);
    PageHost& window = makeWindow();
    testaudio::writeSineWav(path("in"), Stereo44k, 4410);
    const auto inFolder = [this](const QString& text) {
        return text.trimmed().isEmpty() ? text : path(text);
    };
    box(source)->setText(inFolder(sourceText));
    box(target)->setText(inFolder(targetText));
    m_rig->engine().clearLog();
    QSignalSpy finished(&m_rig->encoder(), &Mp3Encoder::EncodeFinished);

    click(button);
    m_rig->encoder().waitForDone();

    QVERIFY(m_rig->dialogs().messages().isEmpty());
    QVERIFY(m_rig->engine().log().isEmpty());
    QCOMPARE(finished.size(), 0);
    QCOMPARE(box("Text2")->text(), QStringLiteral("Text2"));
    QCOMPARE(window.frmLoad().statusText(), QStringLiteral("Loading.........."));
    QVERIFY(!window.frmLoad().isVisible());
    QVERIFY(window.isEnabled());
    QCOMPARE(QDir(m_rig->outside(QString())).entryList(QDir::Files), QStringList{"in"});
}

void TestFrameConvert::convertToMp3_encodesAPlayableMp3AndEndsInFinishSave() {
    PageHost& window = makeWindow();
    const QString wav = testaudio::writeSineWav(path("tone.wav"), Stereo44k, 44100 * 2);
    box("txtopenwav")->setText(wav);
    box("txtsavemp3")->setText(path("tone.mp3"));
    QSignalSpy finished(&m_rig->encoder(), &Mp3Encoder::EncodeFinished);

    click("CmdConvertMP3");
    QCOMPARE(box("Text2")->text(), QStringLiteral("0"));
    QVERIFY(window.frmLoad().isVisible());
    QCOMPARE(window.frmLoad().statusText(), QStringLiteral("Loading.........."));
    QVERIFY(window.isEnabled());
    QVERIFY(m_rig->dialogs().messages().isEmpty());

    QVERIFY(finished.wait(120000));
    QCOMPARE(finished.first().at(0).toBool(), true);
    QVERIFY(!window.frmLoad().isVisible());
    QVERIFY(window.isEnabled());
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text.section('\n', 0, 0), "Finish Save");
    QCOMPARE(m_rig->dialogs().messages().first().title, Title);
    QVERIFY(QFile::exists(wav));
    if (!testaudio::haveProgram("mpg123"))
        QSKIP("mpg123 is not installed");
    // The Info tag lets the player drop the encoder's delay and padding.
    const double seconds = mpg123Seconds(path("tone.mp3"));
    QVERIFY2(qAbs(seconds - 2.0) < 0.03, qPrintable(QString::number(seconds)));
}

void TestFrameConvert::convertToMp3_takesTypedAndPastedPaths_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("typed") << "typed";
    QTest::newRow("pasted with quotes") << "quoted";
    QTest::newRow("dropped as a file URL") << "url";
}

void TestFrameConvert::convertToMp3_takesTypedAndPastedPaths() {
    QFETCH(QString, how);
    makeWindow();
    const QString wav = testaudio::writeSineWav(path("typed in.wav"), Stereo44k, 44100 / 2);
    const QString mp3 = path("typed out.mp3");
    if (how == "typed") {
        QTest::keyClicks(box("txtopenwav"), wav);
        QTest::keyClicks(box("txtsavemp3"), mp3);
    } else {
        const auto paste = [](QLineEdit* edit, const QString& text) {
            QApplication::clipboard()->setText(text);
            edit->paste();
        };
        const auto wrap = [&](const QString& p) {
            return how == "quoted" ? '"' + p + "\"\n" : QUrl::fromLocalFile(p).toString();
        };
        paste(box("txtopenwav"), wrap(wav));
        paste(box("txtsavemp3"), wrap(mp3));
    }
    QSignalSpy finished(&m_rig->encoder(), &Mp3Encoder::EncodeFinished);
    click("CmdConvertMP3");
    QVERIFY(finished.wait(120000));
    QCOMPARE(finished.first().at(0).toBool(), true);
    QCOMPARE(finished.first().at(2).toString(), mp3);
    QVERIFY(QFileInfo(mp3).size() > 0);
}

void TestFrameConvert::convertToMp3_refusedJobShowsOneMessageAndNoBusyWindow_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("code");
    QTest::newRow("missing source") << "gone.wav"
                                    << "out.mp3" << int(ErrorCode::FileOpen);
    QTest::newRow("folder as source") << "folder.wav"
                                      << "out.mp3" << int(ErrorCode::NotFile);
    QTest::newRow("target is the source") << "in.wav"
                                          << "in.wav" << int(ErrorCode::IllegalParam);
}

void TestFrameConvert::convertToMp3_refusedJobShowsOneMessageAndNoBusyWindow() {
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(int, code);
    PageHost& window = makeWindow();
    testaudio::writeSineWav(path("in.wav"), Stereo44k, 4410);
    QVERIFY(QDir(m_rig->outside(QString())).mkdir("folder.wav"));
    box("txtopenwav")->setText(path(source));
    box("txtsavemp3")->setText(path(target));
    QSignalSpy finished(&m_rig->encoder(), &Mp3Encoder::EncodeFinished);

    click("CmdConvertMP3");
    m_rig->encoder().waitForDone();
    QCoreApplication::processEvents();

    QCOMPARE(box("Text2")->text(), QString::number(code));
    QCOMPARE(finished.size(), 0);
    QVERIFY(!window.frmLoad().isVisible());
    QVERIFY(window.isEnabled());
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    const auto& shown = m_rig->dialogs().messages().first();
    QVERIFY2(shown.text.contains(path(source)), qPrintable(shown.text));
    QCOMPARE(shown.title, Title);
    QCOMPARE(shown.icon, Dialogs::Icon::Warning);
    QCOMPARE(testaudio::readAll(path("in.wav")).size(), 44 + 4410 * 4);
    QVERIFY(!QFile::exists(path("out.mp3")));
}

void TestFrameConvert::convertToMp3_failedJobShowsItsFailureNotFinishSave() {
    PageHost& window = makeWindow();
    const QString wav = testaudio::writeSineWav(path("in.wav"), Stereo44k, 44100 / 2);
    QVERIFY(testaudio::writeAll(path("plain"), "x"));
    // A regular file as the folder: nothing can be created in it, not even by root.
    const QString target = path("plain") + "/out.mp3";

    QVERIFY(convertToMp3(wav, target));
    QCOMPARE(box("Text2")->text(), QStringLiteral("0"));
    QVERIFY(!window.frmLoad().isVisible());
    QVERIFY(window.isEnabled());
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QVERIFY2(m_rig->dialogs().messages().first().text.contains(target),
             qPrintable(m_rig->dialogs().messages().first().text));
    QCOMPARE(m_rig->dialogs().messages().first().icon, Dialogs::Icon::Warning);
    QCOMPARE(QDir(m_rig->outside(QString())).entryList(QDir::Files),
             (QStringList{"in.wav", "plain"}));
}

void TestFrameConvert::convertToWav_decodesIntoANewClipAndCopiesItToTheTarget() {
    PageHost& window = makeWindow();
    const QString mp3 = makeMp3(path("song.mp3"), 44100);
    if (mp3.isEmpty())
        QSKIP("lame is not installed");
    QTest::keyClicks(box("txtopenmp3"), mp3);
    QTest::keyClicks(box("txtsavewav"), path("out.wav"));

    click("CmdconvertWav");

    QCOMPARE(clipNames(), QStringList{"song"});
    const QByteArray clip = testaudio::readAll(window.context().workFolder.clipFile("song"));
    QCOMPARE(testaudio::readAll(path("out.wav")), clip);
    QCOMPARE(testaudio::le32(clip, 40), std::uint32_t(clip.size() - 44));
    QCOMPARE(testaudio::le16(clip, 22), std::uint16_t(2));
    QCOMPARE(testaudio::le32(clip, 24), std::uint32_t(44100));
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    const auto& finish = m_rig->dialogs().messages().first();
    QCOMPARE(finish.text.section('\n', 0, 0), "Convert Finish");
    QCOMPARE(finish.title, Title);
    QCOMPARE(finish.icon, Dialogs::Icon::None);
    QCOMPARE(finish.buttons, Dialogs::Buttons::Ok);
    QCOMPARE(window.frmLoad().statusText(), QStringLiteral("Converting......."));
    QVERIFY(!window.frmLoad().isVisible());
    QVERIFY(window.isEnabled());
    QCOMPARE(m_rig->engine().count("startForDecoding"), 1);
    QVERIFY(!m_rig->engine().started());
    QCOMPARE(QDir(m_rig->outside(QString())).entryList(QDir::Files),
             (QStringList{"out.wav", "song.mp3"}));
    if (!testaudio::haveProgram("sox"))
        QSKIP("sox is not installed");
    QByteArray seconds;
    QCOMPARE(testaudio::run("sox", {"--i", "-D", path("out.wav")}, &seconds), 0);
    // The Info tag written by lame lets the decoder drop the encoder's delay and padding.
    QVERIFY2(qAbs(seconds.trimmed().toDouble() - 1.0) < 0.03, seconds.constData());
}

void TestFrameConvert::convertToWav_copiesTheClipFileTheDecodeWrote() {
    PageHost& window = makeWindow();
    QVERIFY(QDir(m_rig->outside(QString())).mkdir("a"));
    QVERIFY(QDir(m_rig->outside(QString())).mkdir("b"));
    // Same clip name, different lengths: the second decode goes to "song (2)".
    const QString first = makeMp3(path("a/song.mp3"), 44100);
    const QString second = makeMp3(path("b/song.mp3"), 44100 * 2);
    if (first.isEmpty() || second.isEmpty())
        QSKIP("lame is not installed");
    for (const QString& mp3 : {first, second}) {
        box("txtopenmp3")->setText(mp3);
        box("txtsavewav")->setText(path("out.wav"));
        click("CmdconvertWav");
    }
    QCOMPARE(clipNames(), (QStringList{"song", "song (2)"}));
    const WorkFolder& work = window.context().workFolder;
    QCOMPARE(testaudio::readAll(path("out.wav")), testaudio::readAll(work.clipFile("song (2)")));
    QVERIFY(testaudio::readAll(work.clipFile("song")).size() <
            testaudio::readAll(work.clipFile("song (2)")).size());
    QCOMPARE(m_rig->dialogs().messages().size(), 2);
}

void TestFrameConvert::convertToWav_unreadableSourceShowsCantPlayAndNothingMore() {
    PageHost& window = makeWindow();
    QVERIFY(testaudio::writeAll(path("noise.mp3"), QByteArray("no sound here\n").repeated(100)));
    QVERIFY(testaudio::writeAll(path("old.wav"), "old"));
    box("txtopenmp3")->setText(path("noise.mp3"));
    box("txtsavewav")->setText(path("old.wav"));
    const QStringList workFiles = QDir(window.context().workFolder.path()).entryList(QDir::Files);

    click("CmdconvertWav");

    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    const auto& shown = m_rig->dialogs().messages().first();
    QVERIFY2(shown.text.startsWith("Can't play the file"), qPrintable(shown.text));
    QVERIFY2(shown.text.contains("error code: "), qPrintable(shown.text));
    QCOMPARE(clipNames(), QStringList{});
    QCOMPARE(QDir(window.context().workFolder.path()).entryList(QDir::Files), workFiles);
    QCOMPARE(testaudio::readAll(path("old.wav")), QByteArray("old"));
    QVERIFY(!window.frmLoad().isVisible());
    QVERIFY(window.isEnabled());
    QVERIFY(!m_rig->engine().started());
}

void TestFrameConvert::convertToWav_failingStepShowsOneMessageAndLeavesTheTarget_data() {
    QTest::addColumn<QString>("failure");
    QTest::newRow("target inside a regular file") << "not a folder";
    QTest::newRow("target on a full disk") << "full disk";
    QTest::newRow("work folder cannot be written") << "work folder";
}

void TestFrameConvert::convertToWav_failingStepShowsOneMessageAndLeavesTheTarget() {
    QFETCH(QString, failure);
    PageHost& window = makeWindow();
    const QString mp3 = makeMp3(path("song.mp3"), 44100);
    if (mp3.isEmpty())
        QSKIP("lame is not installed");
    QString target = path("out.wav");
    std::unique_ptr<SmallDisk> disk;
    if (failure == "not a folder") {
        // Nothing can be created inside a regular file, not even by root.
        QVERIFY(testaudio::writeAll(path("plain"), "x"));
        target = path("plain") + "/out.wav";
    } else if (failure == "full disk") {
        disk = std::make_unique<SmallDisk>(64);
        if (!disk->isValid())
            QSKIP("a small tmpfs cannot be mounted here (needs root)");
        target = disk->filePath("out.wav");
        QVERIFY(testaudio::writeAll(target, "old"));
    } else {
        const QString work = window.context().workFolder.path();
        QVERIFY(QDir(work).removeRecursively());
        QVERIFY(testaudio::writeAll(work, "not a folder"));
    }
    const QByteArray before = testaudio::readAll(target);
    const auto targetFolder = [&] {
        return QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden);
    };
    const QStringList filesBefore = targetFolder();
    box("txtopenmp3")->setText(mp3);
    box("txtsavewav")->setText(target);

    click("CmdconvertWav");

    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    const QString text = m_rig->dialogs().messages().first().text;
    QVERIFY2(text.contains(failure == "work folder" ? window.context().workFolder.path() : target),
             qPrintable(text));
    QCOMPARE(testaudio::readAll(target), before);
    QCOMPARE(targetFolder(), filesBefore);
    QVERIFY(!window.frmLoad().isVisible());
    QVERIFY(window.isEnabled());
    QVERIFY(!m_rig->engine().started());
}

void TestFrameConvert::convertToMp3_busyWindowShowsTheTextOfTheJobBefore_data() {
    QTest::addColumn<QString>("earlier");
    QTest::addColumn<QString>("text");
    QTest::newRow("no job before") << ""
                                   << "Loading..........";
    QTest::newRow("after a conversion to WAV") << "wav"
                                               << "Converting.......";
    QTest::newRow("after saving the list as MP3") << "list"
                                                  << "Saving.......";
}

void TestFrameConvert::convertToMp3_busyWindowShowsTheTextOfTheJobBefore() {
    QFETCH(QString, earlier);
    QFETCH(QString, text);
    PageHost& window = makeWindow();
    const QString wav = testaudio::writeSineWav(path("in.wav"), Stereo44k, 4410);
    if (earlier == "wav") {
        const QString mp3 = makeMp3(path("song.mp3"), 4410);
        if (mp3.isEmpty())
            QSKIP("lame is not installed");
        box("txtopenmp3")->setText(mp3);
        box("txtsavewav")->setText(path("song.wav"));
        click("CmdconvertWav");
    } else if (earlier == "list") {
        // What the list's MP3 saving leaves on the busy window; the page must not touch it.
        window.frmLoad().setStatusText(QStringLiteral("Saving......."));
    }
    m_rig->dialogs().clearRecord();
    box("txtopenwav")->setText(wav);
    box("txtsavemp3")->setText(path("out.mp3"));
    QSignalSpy finished(&m_rig->encoder(), &Mp3Encoder::EncodeFinished);

    click("CmdConvertMP3");
    QVERIFY(window.frmLoad().isVisible());
    QCOMPARE(window.frmLoad().statusText(), text);
    QVERIFY(window.isEnabled());
    QVERIFY(finished.wait(120000));
    QVERIFY(!window.frmLoad().isVisible());
    QCOMPARE(m_rig->dialogs().messages().size(), 1);
    QCOMPARE(m_rig->dialogs().messages().first().text.section('\n', 0, 0), "Finish Save");
}

QTEST_MAIN(TestFrameConvert)
#include "tst_frame_convert.moc"

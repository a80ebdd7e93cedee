// SPDX-License-Identifier: GPL-3.0-or-later
//
// The program killed (SIGKILL) in the middle of its work: while it adds a song, crops a clip,
// changes a clip's sound or saves the list, with a clip kept as its MP3 and a WAV clip. The
// next start must restore every clip the list held, each with a sound it really had, and a
// saved file must be whole or absent.
#include "base/work_folder.h"
#include "cliplist/clip_list.h"
#include "cliplist/ui/clip_list_box.h"
#include "cliplist/ui/editor_panel.h"
#include "cliplist/ui/effects_row.h"
#include "cliplist/ui/framewav.h"
#include "cliplist/ui/list_buttons.h"
#include "cliplist/ui/list_saving.h"
#include "codec/frame_source.h"
#include "support/scripted_dialogs.h"
#include "support/test_audio.h"
#include "support/window_rig.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>
#include <functional>
#include <map>

namespace {

const WavFormat SongFormat{2, 44100, 16};
const QStringList ClipNames = {"song", "voice", "tune"};
constexpr std::int64_t SongFrames = 44100 * 12;

// What the work does: add two songs kept as their MP3s and a WAV, crop one MP3 and the WAV,
// make every clip quieter (the other MP3 still as it came), save the list as a WAV.
enum class Act { Add, Crop, Gain, Save };
struct Step {
    const char* name;
    Act act;
    int row; // the clip it works on; for Add, the song
};
const Step Steps[] = {
    {"add mp3", Act::Add, 0},   {"add wav", Act::Add, 1},   {"add mp3 2", Act::Add, 2},
    {"crop mp3", Act::Crop, 0}, {"crop wav", Act::Crop, 1}, {"gain cropped", Act::Gain, 0},
    {"gain wav", Act::Gain, 1}, {"gain mp3", Act::Gain, 2}, {"save list", Act::Save, 0}};
constexpr int StepCount = int(std::size(Steps));

struct Songs {
    QStringList files; // MP3, WAV, MP3
    QString target;
};

// Runs the steps in `rig`'s window, telling `starting` before each one and `ended` after it.
// False when the window showed a message other than the save's.
bool work(WindowRig& rig, const Songs& songs, const std::function<void(int)>& starting,
          const std::function<void()>& ended) {
    Framewav& page = rig.framewav();
    const auto type = [&](const char* name, const QString& text) {
        auto* box = page.findChild<QLineEdit*>(name);
        box->setText(text);
        emit box->editingFinished();
    };
    const auto open = [&](int row) {
        rig.list().setCurrentRow(row);
        page.List1_Click();
        page.editor().List1_DblClick();
    };
    for (int i = 0; i < StepCount; ++i) {
        starting(i);
        const Step& step = Steps[i];
        switch (step.act) {
        case Act::Add:
            rig.dialogs().queueFiles({songs.files.at(step.row)});
            page.buttons().CmdAdd_Click();
            break;
        case Act::Crop:
            open(step.row);
            type("txtMarkIn", "1.000");
            type("txtMarkOut", "10.000");
            page.editor().CmdEditDone_Click();
            break;
        case Act::Gain:
            open(step.row);
            type("txtGain", "-6 dB");
            page.effects().CmdGain_Click();
            break;
        case Act::Save:
            rig.dialogs().queueFile(songs.target);
            page.saving().CmdSaveWav_Click();
            break;
        }
        rig.waitForWork();
        ended();
    }
    return rig.dialogs().messages().size() <= 1;
}

// A clip's sound as the frame source gives it, hashed; empty when it cannot be read.
QByteArray soundOf(const ClipRange& file) {
    auto source = FrameSource::open(file);
    if (!source)
        return {};
    std::vector<std::int16_t> samples;
    if ((*source)->frames() < 0 || !(*source)->readFully(samples, (*source)->frames()))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(QByteArrayView(reinterpret_cast<const char*>(samples.data()),
                                qsizetype(samples.size() * sizeof(std::int16_t))));
    return hash.result() + QByteArray::number((*source)->channels());
}

// The child: works in the folder `folder`, saying which step starts and which clips the
// list holds after each, until it is killed.
int workAndSay(const QString& folder, const Songs& songs) {
    WindowRig rig(WindowRig::Window::Later);
    rig.createWindow(folder);
    const auto say = [](const QByteArray& line) {
        std::fprintf(stdout, "%s\n", line.constData());
        std::fflush(stdout);
    };
    work(
        rig, songs, [&](int step) { say("step " + QByteArray::number(step)); },
        [&] { say("listed " + rig.framewav().clips().names().join(u',').toUtf8()); });
    return 0;
}

} // namespace

class TestKilledMidWork : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void killedAnywhere_restoresEveryListedClipWithASoundItHad_data();
    void killedAnywhere_restoresEveryListedClipWithASoundItHad();

private:
    QTemporaryDir m_dir;
    Songs m_songs;
    // Every sound each clip had in a run that was not killed, and the file it saved.
    std::map<QString, QSet<QByteArray>> m_sounds;
    QByteArray m_saved;
};

void TestKilledMidWork::initTestCase() {
    for (int i = 0; i < ClipNames.size(); ++i) {
        const QString wav =
            testaudio::writeWav(m_dir.filePath(ClipNames.at(i) + ".wav"), SongFormat,
                                testaudio::noisePcm(SongFormat, SongFrames, quint32(3 + i)));
        m_songs.files << wav;
        if (i == 1)
            continue;
        m_songs.files.last() = m_dir.filePath(ClipNames.at(i) + ".mp3");
        QCOMPARE(testaudio::run("lame", {"--quiet", wav, m_songs.files.last()}), 0);
    }

    WindowRig rig(WindowRig::Window::Later);
    rig.createWindow();
    Songs songs = m_songs;
    songs.target = rig.outside("list.wav");
    const ClipList& clips = rig.framewav().clips();
    const bool quiet = work(
        rig, songs, [](int) {},
        [&] {
            for (int row = 0; row < clips.count(); ++row)
                m_sounds[clips.at(row).name].insert(soundOf(clips.range(row)));
        });
    QVERIFY2(quiet, qPrintable(rig.dialogs().messages().first().text));
    QCOMPARE(clips.names(), ClipNames);
    // Each clip had its sounds: as added, cropped, quieter.
    QCOMPARE(m_sounds.at("song").size(), 3);
    QCOMPARE(m_sounds.at("voice").size(), 3);
    QCOMPARE(m_sounds.at("tune").size(), 2);
    m_saved = testaudio::readAll(songs.target);
    QVERIFY(m_saved.size() > 44);
}

void TestKilledMidWork::killedAnywhere_restoresEveryListedClipWithASoundItHad_data() {
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("afterMs");
    for (int step = 0; step < StepCount; ++step)
        for (int ms : {5, 60})
            QTest::addRow("%s, %d ms in", Steps[step].name, ms) << step << ms;
}

void TestKilledMidWork::killedAnywhere_restoresEveryListedClipWithASoundItHad() {
    QFETCH(int, step);
    QFETCH(int, afterMs);
    QTemporaryDir dir;
    const QString folder = dir.filePath("work");
    const QString target = dir.filePath("list.wav");
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                QStringList{"--work-child", folder, target} + m_songs.files);
    // The clips it listed by the kill: a step that ended before the kill must be restored too.
    QStringList listed;
    const auto hear = [&] {
        const QByteArray line = child.readLine().trimmed();
        if (line.startsWith("listed "))
            listed = QString::fromUtf8(line.mid(7)).split(u',', Qt::SkipEmptyParts);
        return line;
    };
    const QByteArray killAt = "step " + QByteArray::number(step);
    while (hear() != killAt)
        QVERIFY2(child.canReadLine() || child.waitForReadyRead(120000), "the child said nothing");
    QTest::qWait(afterMs);
    child.kill();
    QVERIFY(child.waitForFinished(60000));
    while (child.canReadLine())
        hear();

    WindowRig rig(WindowRig::Window::Later);
    rig.dialogs().queueAnswer(Dialogs::Answer::Yes);
    rig.createWindow(folder);
    rig.waitForWork();
    const ClipList& clips = rig.framewav().clips();
    for (const QString& name : listed)
        QVERIFY2(clips.names().contains(name), qPrintable(name + " was not restored"));
    for (int row = 0; row < clips.count(); ++row) {
        const ClipList::Clip& clip = clips.at(row);
        QVERIFY2(m_sounds.count(clip.name), qPrintable(clip.name));
        QVERIFY2(clips.unchanged(row), qPrintable(clips.unchanged(row).message()));
        QVERIFY2(m_sounds.at(clip.name).contains(soundOf(clip.range())),
                 qPrintable(clip.file + " has a sound the clip never had"));
    }
    if (QFile::exists(target))
        QVERIFY2(testaudio::readAll(target) == m_saved, "the saved list is not whole");
}

int main(int argc, char** argv) {
    if (argc == 7 && qstrcmp(argv[1], "--work-child") == 0) {
        QApplication app(argc, argv);
        Songs songs;
        songs.target = QString::fromLocal8Bit(argv[3]);
        for (int i = 4; i < 7; ++i)
            songs.files << QString::fromLocal8Bit(argv[i]);
        return workAndSay(QString::fromLocal8Bit(argv[2]), songs);
    }
    QApplication app(argc, argv);
    TestKilledMidWork test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_killed_mid_work.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_change.h"
#include "cliplist/clip_list.h"
#include "cliplist/edit_history.h"
#include "cliplist/sound_edit.h"
#include "support/test_audio.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const WavFormat Cd{2, 44100, 16};

// The list as each clip's file name and stretch with its bytes (empty for a missing file),
// then every file of the folder: a clip never has two.
QList<QPair<QString, QByteArray>> snapshot(const ClipList& clips) {
    QList<QPair<QString, QByteArray>> state;
    for (int row = 0; row < clips.count(); ++row) {
        const ClipRange range = clips.range(row);
        state << qMakePair(QStringLiteral("%1 %2 %3 %4")
                               .arg(QFileInfo(range.file).fileName())
                               .arg(range.firstFrame)
                               .arg(range.frames)
                               .arg(range.fadeFrames),
                           testaudio::readAll(clips.clipFile(row)));
    }
    if (clips.count() > 0)
        state << qMakePair(
            QDir(QFileInfo(clips.clipFile(0)).path()).entryList(QDir::Files, QDir::Name).join(u'|'),
            QByteArray());
    return state;
}

} // namespace

class TestEditHistory : public QObject {
    Q_OBJECT
private slots:
    void undoAndRedo_giveBackEveryFileAndTheOrder();
    void failedChange_recordsNoStep();
    void linksInTheFolder_areNeverWrittenThroughOrKeptOutside();
};

void TestEditHistory::undoAndRedo_giveBackEveryFileAndTheOrder() {
    QTemporaryDir dir;
    const WorkFolder work(dir.filePath("korvanel"));
    QVERIFY(work.prepare());
    ClipList clips(work);
    EditHistory history(clips, work);
    QList<QList<QPair<QString, QByteArray>>> states{snapshot(clips)};
    const auto add = [&](const QString& name, quint32 seed) {
        testaudio::writeWav(work.clipFile(name), Cd, testaudio::noisePcm(Cd, 4410, seed));
        clips.append(name);
        history.added(clips.count() - 1);
        states << snapshot(clips);
    };
    add("a", 1);
    add("b", 2);
    add("c", 3);
    // A crop moves the clip's stretch and writes nothing; the removed cut clip comes back cut.
    const auto crop = [&](int row, const ClipRange& to) {
        const ClipRange before = clips.range(row);
        QVERIFY(clips.setRange(row, to));
        history.cropped(row, "Crop", before);
        states << snapshot(clips);
    };
    crop(1, ClipRange(work.clipFile("b"), 100, 2000, 50));
    QVERIFY(history.remove(1));
    states << snapshot(clips);
    QVERIFY(!QFile::exists(work.clipFile("b")));
    QVERIFY(clips.move(0, 1));
    history.moved(0, 1);
    states << snapshot(clips);
    // The sound of a cut clip changes as its stretch, which becomes its file.
    crop(0, ClipRange(work.clipFile("c"), 1000, 2000, 0));
    QVERIFY(history.replace(0, "Gain of c", [&] {
        return clipchange::onWav(clips.range(0), work.clipFile("c"), [](const QString& f) {
            const auto gained = soundedit::gain(f, f, -6);
            return gained ? Status::ok() : gained.status();
        });
    }));
    states << snapshot(clips);
    QCOMPARE(clips.at(0).frames, 2000);
    QVERIFY(clips.range(0).whole());
    // A kept MP3 whose sound changes becomes a WAV; undo makes it the MP3 again.
    const QString wav =
        testaudio::writeWav(dir.filePath("d.wav"), Cd, testaudio::noisePcm(Cd, 44100, 4));
    QCOMPARE(testaudio::run("lame", {"--quiet", wav, work.file("d.mp3")}), 0);
    clips.append("d");
    history.added(clips.count() - 1);
    states << snapshot(clips);
    QVERIFY(history.replace(clips.count() - 1, "Gain of d", [&] {
        const Status done =
            clipchange::onWav(work.file("d.mp3"), work.clipFile("d"), [](const QString& f) {
                const auto gained = soundedit::gain(f, f, -6);
                return gained ? Status::ok() : gained.status();
            });
        // The MP3 outlives the change until the list has the WAV.
        return QFile::exists(work.file("d.mp3")) ? done : Status{ErrorCode::Create, "gone"};
    }));
    states << snapshot(clips);
    QCOMPARE(clips.clipFile(clips.count() - 1), work.clipFile("d"));
    QCOMPARE(history.stack().count(), 10);
    QCOMPARE(history.stack().undoText(), "Gain of d");

    for (int step = states.size() - 2; step >= 0; --step) {
        history.stack().undo();
        QVERIFY2(snapshot(clips) == states[step], qPrintable(QString::number(step)));
    }
    for (int step = 1; step < states.size(); ++step) {
        history.stack().redo();
        QVERIFY2(snapshot(clips) == states[step], qPrintable(QString::number(step)));
    }
    // The exit empties the kept files with the rest of the work folder.
    QVERIFY(!QDir(work.historyFolder()).isEmpty());
    work.empty();
    QVERIFY(!QDir(work.historyFolder()).exists());
}

void TestEditHistory::failedChange_recordsNoStep() {
    QTemporaryDir dir;
    const WorkFolder work(dir.path());
    ClipList clips(work);
    EditHistory history(clips, work);
    testaudio::writeWav(work.clipFile("a"), Cd, testaudio::noisePcm(Cd, 100, 1));
    clips.append("a");
    const QByteArray before = testaudio::readAll(work.clipFile("a"));
    QVERIFY(!history.replace(0, "Gain of a", [] {
        return Status(ErrorCode::Create, QStringLiteral("the disk is full"));
    }));
    QCOMPARE(history.stack().count(), 0);
    QCOMPARE(testaudio::readAll(work.clipFile("a")), before);
    QVERIFY(QDir(work.historyFolder()).isEmpty());
}

// A fade on a clip whose file is a link, or on any clip while the history folder is a link,
// would rewrite or copy the user's sound outside the work folder: it is refused instead.
void TestEditHistory::linksInTheFolder_areNeverWrittenThroughOrKeptOutside() {
    QTemporaryDir dir;
    const WorkFolder work(dir.filePath("korvanel"));
    QVERIFY(work.prepare());
    const QString outside = dir.filePath("outside");
    QVERIFY(QDir().mkdir(outside));
    const QByteArray song = testaudio::readAll(
        testaudio::writeWav(outside + "/song.wav", Cd, testaudio::noisePcm(Cd, 4410, 1)));
    QVERIFY(QFile::link(outside + "/song.wav", work.clipFile("link")));
    testaudio::writeWav(work.clipFile("plain"), Cd, testaudio::noisePcm(Cd, 4410, 2));
    ClipList clips(work);
    EditHistory history(clips, work);
    clips.append("link");
    clips.append("plain");
    const auto fadeIn = [&](int row) {
        return history.replace(row, "Fade in", [&] {
            const auto done = soundedit::fade(clips.clipFile(row), clips.clipFile(row), 0.05, 0);
            return done ? Status::ok() : done.status();
        });
    };
    QCOMPARE(fadeIn(0).code(), ErrorCode::NotFile);
    QVERIFY(history.beforeReplace(0).isEmpty());
    QVERIFY(QFile::link(outside, work.historyFolder()));
    QVERIFY(!fadeIn(1));
    QCOMPARE(testaudio::readAll(outside + "/song.wav"), song);
    QCOMPARE(QDir(outside).entryList(QDir::Files), QStringList{"song.wav"});
    QCOMPARE(history.stack().count(), 0);
}

QTEST_GUILESS_MAIN(TestEditHistory)
#include "tst_edit_history.moc"

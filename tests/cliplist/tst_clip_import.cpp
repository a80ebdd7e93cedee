// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/work_folder.h"
#include "cliplist/clip_import.h"
#include "cliplist/clip_list.h"
#include "cliplist/edit_history.h"
#include "support/scripted_engine.h"
#include "support/small_disk.h"
#include "support/test_audio.h"
#include "waveform/peaks.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using testaudio::WavLayout;

namespace {

const WavFormat CdFormat{2, 44100, 16};

// The clip's peaks were kept as it came in, and they are the clip's own.
bool peaksKept(const QString& clip) {
    const auto kept = peaks::load(clip);
    const auto computed = peaks::compute(clip);
    return kept && computed && (*kept)->fine().data == (*computed)->fine().data &&
           (*kept)->coarse().data == (*computed)->coarse().data;
}

// The window's side of a hold: counts how often the import held it and with which text.
struct Holds {
    QStringList texts;
    bool refuse = false;
};
struct CountedScope : JobScope {
    void progress(int) override {}
};

} // namespace

// The rules of bringing files into the list, without a page: what is copied and what
// decoded, the names, the failures and what they tell, the queue.
class TestClipImport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void canonicalWav_isCopiedByteForByteWithoutTheEngine_data();
    void canonicalWav_isCopiedByteForByteWithoutTheEngine();
    void otherWav_isDecodedIntoACanonicalClip_data();
    void otherWav_isDecodedIntoACanonicalClip();
    void takenName_getsTheNextNumber();
    void undecodableFile_onlySaysItCannotBePlayed_data();
    void undecodableFile_onlySaysItCannotBePlayed();
    void engineThatCannotStart_isToldAndNothingElse();
    void unwritableWorkFolder_namesTheFileAndAddsNothing_data();
    void unwritableWorkFolder_namesTheFileAndAddsNothing();
    void fullDisk_leavesNoPartialFile_data();
    void fullDisk_leavesNoPartialFile();
    void requests_runInTurnWithTheirBusyTextAndWaitForTheWindow();
    void cancel_endsEverythingAndTellsNothing();

private:
    void build(const QString& folder);
    ClipImport::Report add(const QStringList& paths, bool decode = false);
    QString input(const QString& name) const { return m_sources.filePath(name); }
    QStringList workFiles() const {
        return QDir(m_folder->path()).entryList(QDir::Files, QDir::Name);
    }

    QTemporaryDir m_sources;
    QTemporaryDir m_work;
    QString m_mp3;
    QByteArray m_mp3Pcm;
    ScriptedEngine m_engine;
    Holds m_holds;
    std::unique_ptr<WorkFolder> m_folder;
    std::unique_ptr<ClipList> m_clips;
    std::unique_ptr<EditHistory> m_history;
    std::unique_ptr<ClipImport> m_import;
};

void TestClipImport::initTestCase() {
    if (!testaudio::haveProgram(QStringLiteral("lame")))
        QSKIP("lame is needed to make the MP3 input");
    const QString wav =
        testaudio::writeSineWav(input("tone-source.wav"), CdFormat, 44100 * 3, 523.25);
    m_mp3 = input("tone.mp3");
    QCOMPARE(testaudio::run("lame", {"--quiet", "-b", "128", wav, m_mp3}), 0);
    m_mp3Pcm = testaudio::sinePcm(CdFormat, 44100 * 3, 523.25);
}

void TestClipImport::init() {
    build(m_work.filePath(QStringLiteral("korvanel")));
}

void TestClipImport::cleanup() {
    m_import.reset();
    m_history.reset();
    m_clips.reset();
    QDir(m_work.filePath(QStringLiteral("korvanel"))).removeRecursively();
    m_engine.clearLog();
    m_engine.setStartForDecodingFailure(ErrorCode::Ok);
    m_holds = {};
}

void TestClipImport::build(const QString& folder) {
    m_import.reset();
    m_history.reset();
    m_clips.reset();
    m_folder = std::make_unique<WorkFolder>(folder);
    m_folder->prepare();
    m_clips = std::make_unique<ClipList>(*m_folder);
    m_history = std::make_unique<EditHistory>(*m_clips, *m_folder);
    m_import = std::make_unique<ClipImport>(
        *m_clips, *m_history, m_engine, *m_folder,
        [this](const QString& text, bool) -> std::unique_ptr<JobScope> {
            if (m_holds.refuse)
                return nullptr;
            m_holds.texts << text;
            return std::make_unique<CountedScope>();
        });
}

ClipImport::Report TestClipImport::add(const QStringList& paths, bool decode) {
    ClipImport::Report report;
    bool done = false;
    ClipImport::Request request;
    request.paths = paths;
    request.gather = paths.size() > 1;
    request.decode = decode;
    request.done = [&](const ClipImport::Report& r) {
        report = r;
        done = true;
    };
    m_import->add(std::move(request));
    [&] { QTRY_VERIFY_WITH_TIMEOUT(done, 60000); }();
    return report;
}

void TestClipImport::canonicalWav_isCopiedByteForByteWithoutTheEngine_data() {
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

void TestClipImport::canonicalWav_isCopiedByteForByteWithoutTheEngine() {
    QFETCH(QString, file);
    QFETCH(QString, clip);
    const QString source =
        testaudio::writeWav(input(file), {1, 8000, 8}, testaudio::sinePcm({1, 8000, 8}, 12345));
    const ClipImport::Report report = add({source});
    QCOMPARE(report.added, QStringList{clip});
    QVERIFY(!report.notice());
    QCOMPARE(m_clips->names(), QStringList{clip});
    QCOMPARE(m_clips->at(0).frames, 12345);
    QCOMPARE(workFiles(), QStringList{clip + ".wav"});
    QCOMPARE(testaudio::readAll(m_clips->clipFile(0)), testaudio::readAll(source));
    QVERIFY2(m_engine.log().isEmpty(), "a copy needs no decoding");
    QVERIFY(peaksKept(m_clips->clipFile(0)));
    QCOMPARE(m_import->lastFolder(), QFileInfo(source).absolutePath());
}

void TestClipImport::otherWav_isDecodedIntoACanonicalClip_data() {
    using Samples = WavLayout::Samples;
    QTest::addColumn<WavLayout>("layout");
    QTest::newRow("chunk before fmt") << WavLayout{Samples::Int16, false, true};
    QTest::newRow("extensible 16-bit") << WavLayout{Samples::Int16, true, false};
    QTest::newRow("24-bit") << WavLayout{Samples::Int24, false, false};
    QTest::newRow("32-bit") << WavLayout{Samples::Int32, false, false};
    QTest::newRow("float, extensible") << WavLayout{Samples::Float32, true, false};
}

void TestClipImport::otherWav_isDecodedIntoACanonicalClip() {
    QFETCH(WavLayout, layout);
    const QByteArray pcm = testaudio::sinePcm(CdFormat, 30000);
    QVERIFY(testaudio::writeAll(input("wide.wav"), testaudio::nonCanonicalWav(pcm, layout)));
    QVERIFY(!readWavInfo(input("wide.wav"))->canonical);

    add({input("wide.wav")});
    QCOMPARE(m_clips->names(), QStringList{"wide"});
    const Result<WavInfo> clip = readWavInfo(m_clips->clipFile(0));
    QVERIFY(clip);
    QVERIFY(clip->canonical);
    QCOMPARE(clip->format, CdFormat);
    QCOMPARE(testaudio::readAll(m_clips->clipFile(0)).mid(WavHeader::Size), pcm);
    QCOMPARE(m_engine.log(), QStringList({"startForDecoding", "releaseAll"}));
    QCOMPARE(workFiles(), QStringList{"wide.wav"});
    QVERIFY(peaksKept(m_clips->clipFile(0)));
}

void TestClipImport::takenName_getsTheNextNumber() {
    const QString wav = testaudio::writeSineWav(input("tone.wav"), CdFormat, 4410);
    add({wav});
    // An MP3 is kept as it came, with the exact length of its decode and no engine.
    m_engine.clearLog();
    const ClipImport::Report kept = add({m_mp3});
    QCOMPARE(kept.added, QStringList{"tone (2)"});
    QCOMPARE(m_clips->clipFile(1), m_folder->file("tone (2).mp3"));
    QCOMPARE(testaudio::readAll(m_clips->clipFile(1)), testaudio::readAll(m_mp3));
    QCOMPARE(m_clips->at(1).frames, testaudio::soundFrames(m_mp3));
    QCOMPARE(m_clips->at(1).format, CdFormat);
    QVERIFY(m_engine.log().isEmpty());
    QVERIFY(QDir(m_sources.path()).mkdir("24"));
    QVERIFY(testaudio::writeAll(input("24/tone.wav"),
                                testaudio::nonCanonicalWav(testaudio::sinePcm(CdFormat, 2000),
                                                           {WavLayout::Samples::Int24})));
    add({input("24/tone.wav")});
    QCOMPARE(m_clips->names(), QStringList({"tone", "tone (2)", "tone (3)"}));
    QCOMPARE(workFiles(), QStringList({"tone (2).mp3", "tone (3).wav", "tone.wav"}));

    // A number freed by a remove is taken again; the program's own files are never clips.
    QVERIFY(m_history->remove(1));
    add({wav});
    add({testaudio::writeSineWav(input("concat.wav"), CdFormat, 441)});
    add({testaudio::writeSineWav(input("tempwav.wav"), CdFormat, 441)});
    QCOMPARE(m_clips->names(),
             QStringList({"tone", "tone (3)", "tone (2)", "concat (2)", "tempwav (2)"}));
}

void TestClipImport::undecodableFile_onlySaysItCannotBePlayed_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content"); // null: no such file
    QTest::newRow("text named .mp3") << "notes.mp3" << QByteArray("just some words\n");
    QTest::newRow("text named .wav") << "notes.wav" << QByteArray("RIFF? no, only words\n");
    QTest::newRow("empty .mp3") << "empty.mp3" << QByteArray("");
    QTest::newRow("file gone") << "gone.mp3" << QByteArray();
}

void TestClipImport::undecodableFile_onlySaysItCannotBePlayed() {
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    if (!content.isNull())
        QVERIFY(testaudio::writeAll(input(file), content));
    const ClipImport::Report report = add({input(file)});
    const std::optional<Notice> notice = report.notice();
    QVERIFY(notice);
    QCOMPARE(notice->kind, Notice::Kind::AudioError);
    QCOMPARE(notice->text, "Can't play the file");
    QVERIFY(notice->errorCode != 0);
    // The detail says which file and why, in words.
    QVERIFY2(notice->detail.startsWith(file + ": "), qPrintable(notice->detail));
    QVERIFY(notice->detail.size() > file.size() + 10);
    QCOMPARE(m_clips->count(), 0);
    QVERIFY(workFiles().isEmpty());
    QCOMPARE(m_engine.log(), QStringList({"startForDecoding", "releaseAll"}));
}

void TestClipImport::engineThatCannotStart_isToldAndNothingElse() {
    m_engine.setStartForDecodingFailure(ErrorCode::Driver);
    const ClipImport::Report report = add({m_mp3}, true);
    const std::optional<Notice> notice = report.notice();
    QVERIFY(notice);
    QCOMPARE(notice->kind, Notice::Kind::AudioError);
    QCOMPARE(notice->text, "Can't initialize device");
    QCOMPARE(notice->errorCode, 3);
    QCOMPARE(m_engine.log(), QStringList{"startForDecoding"});
    QCOMPARE(m_clips->count(), 0);
    QVERIFY(workFiles().isEmpty());
}

void TestClipImport::unwritableWorkFolder_namesTheFileAndAddsNothing_data() {
    QTest::addColumn<bool>("mp3");
    QTest::addColumn<bool>("canonical");
    QTest::newRow("canonical WAV, copied") << false << true;
    QTest::newRow("24-bit WAV, decoded") << false << false;
    QTest::newRow("MP3") << true << false;
}

// Tests run as root, whom file modes do not stop: the work folder lies under a regular file,
// where nothing can be created.
void TestClipImport::unwritableWorkFolder_namesTheFileAndAddsNothing() {
    QFETCH(bool, mp3);
    QFETCH(bool, canonical);
    QVERIFY(testaudio::writeAll(m_work.filePath("plain"), "a file, not a folder"));
    build(m_work.filePath("plain/korvanel"));
    QString source = m_mp3;
    if (!mp3) {
        source = input("x.wav");
        const QByteArray pcm = testaudio::sinePcm(CdFormat, 4000);
        QVERIFY(canonical ? !testaudio::writeWav(source, CdFormat, pcm).isEmpty()
                          : testaudio::writeAll(source, testaudio::nonCanonicalWav(
                                                            pcm, {WavLayout::Samples::Int24})));
    }
    const std::optional<Notice> notice = add({source}).notice();
    QVERIFY(notice);
    QCOMPARE(notice->kind, Notice::Kind::Warning);
    QVERIFY2(notice->text.contains(source), qPrintable(notice->text));
    QVERIFY2(notice->text.contains(m_work.filePath("plain/korvanel/")), qPrintable(notice->text));
    QCOMPARE(m_clips->count(), 0);
}

void TestClipImport::fullDisk_leavesNoPartialFile_data() {
    QTest::addColumn<bool>("mp3");
    QTest::newRow("canonical WAV, copied") << false;
    QTest::newRow("MP3, decoded") << true;
}

void TestClipImport::fullDisk_leavesNoPartialFile() {
    QFETCH(bool, mp3);
    SmallDisk disk(128);
    if (!disk.isValid())
        QSKIP("no small tmpfs can be mounted here");
    build(disk.filePath(QString()));
    add({testaudio::writeSineWav(input("keep.wav"), CdFormat, 100)});
    const QString source =
        mp3 ? m_mp3 : testaudio::writeSineWav(input("big.wav"), CdFormat, 44100 * 3);
    const std::optional<Notice> notice = add({source}, mp3).notice();
    QVERIFY(notice);
    QVERIFY2(notice->text.contains(source) && notice->text.contains(m_folder->path()),
             qPrintable(notice->text));
    QCOMPARE(m_clips->names(), QStringList{"keep"});
    QCOMPARE(workFiles(), QStringList{"keep.wav"});
}

// A request that finds the window held waits, and starts when resume() says it is free;
// requests end in the order they came, each with its own report.
void TestClipImport::requests_runInTurnWithTheirBusyTextAndWaitForTheWindow() {
    m_holds.refuse = true;
    QStringList ended;
    for (const char* text : {"Converting.......", ""}) {
        ClipImport::Request request;
        request.paths = {m_mp3};
        request.decode = true;
        request.busyText = QLatin1String(text);
        request.done = [&](const ClipImport::Report& report) { ended << report.added; };
        m_import->add(std::move(request));
    }
    QTest::qWait(50);
    QVERIFY(ended.isEmpty());
    QVERIFY(m_import->isBusy());
    m_holds.refuse = false;
    m_import->resume();
    QTRY_VERIFY_WITH_TIMEOUT(!m_import->isBusy(), 60000);
    QCOMPARE(ended, QStringList({"tone", "tone (2)"}));
    QCOMPARE(m_holds.texts.first(), "Converting.......");
    QVERIFY(!add({input("missing.mp3")}, true).notice()->detail.isEmpty());
}

void TestClipImport::cancel_endsEverythingAndTellsNothing() {
    bool done = false;
    ClipImport::Request request;
    request.paths = {m_mp3, m_mp3};
    request.decode = true;
    request.done = [&](const ClipImport::Report&) { done = true; };
    m_import->add(std::move(request));
    QTRY_VERIFY(m_engine.log().contains("startForDecoding"));
    m_import->cancel();
    QTest::qWait(50);
    QVERIFY(!done);
    QVERIFY(!m_import->isBusy());
    QCOMPARE(m_engine.log().last(), "releaseAll");
    QCOMPARE(m_clips->count(), 0);
    QVERIFY(workFiles().isEmpty());
}

QTEST_GUILESS_MAIN(TestClipImport)
#include "tst_clip_import.moc"

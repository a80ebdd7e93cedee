// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/choices.h"
#include "base/settings.h"
#include "base/state_file.h"
#include "base/window_state.h"
#include "support/test_audio.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

using BitRate = Settings::BitRate;

Q_DECLARE_METATYPE(Settings::BitRate)

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void fromBytes_readsValuesByTheFileRules_data();
    void fromBytes_readsValuesByTheFileRules();
    void toBytes_writesTwoCrLfLines_data();
    void toBytes_writesTwoCrLfLines();
    void writeThenRead_givesTheSameSettings_data();
    void writeThenRead_givesTheSameSettings();
    void read_missingFileFailsNamingIt();
    void write_replacesAnOldFileWhole();
    void write_failureLeavesNoFileAndNamesIt();
    void startBaseFolder_keepsOnlyAnExistingFolder();
    void locateFile_besideTheProgramWhenWritableOrPortableElsePerUser();
    void stateAndConfig_plantedInTheirPlace_areNeitherFollowedNorWaitedOn();
    void stateFile_keepsTheWindowAndTheChoicesTogether();
    void savedWindow_isPlacedWhereItsTitleBarCanBeReached();
};

void TestSettings::fromBytes_readsValuesByTheFileRules_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<BitRate>("bitRate");
    QTest::addColumn<QString>("baseFolder");

    QTest::newRow("as written") << QByteArray(" 128 \r\n/home/ana\r\n") << BitRate::fromNumber(128)
                                << "/home/ana";
    QTest::newRow("other number kept")
        << QByteArray(" 64 \r\n/x\r\n") << BitRate::fromNumber(64) << "/x";
    QTest::newRow("empty line is unset") << QByteArray("\r\n/x\r\n") << BitRate() << "/x";
    QTest::newRow("blank line is unset") << QByteArray("   \r\n/x\r\n") << BitRate() << "/x";
    QTest::newRow("text value") << QByteArray("fast\r\n/x\r\n") << BitRate::fromText("fast")
                                << "/x";
    QTest::newRow("number with text is text")
        << QByteArray("128k\r\n/x\r\n") << BitRate::fromText("128k") << "/x";
    QTest::newRow("negative number")
        << QByteArray("-5 \r\n/x\r\n") << BitRate::fromNumber(-5) << "/x";
    QTest::newRow("fraction") << QByteArray(" 1.5 \r\n/x\r\n") << BitRate::fromNumber(1.5) << "/x";
    QTest::newRow("comma ends a value")
        << QByteArray("96,/a/b\r\n/x\r\n") << BitRate::fromNumber(96) << "/a/b";
    QTest::newRow("comma cuts the folder")
        << QByteArray(" 56 \r\n/tmp/a,b\r\n") << BitRate::fromNumber(56) << "/tmp/a";
    QTest::newRow("blanks before comma dropped")
        << QByteArray("  256   ,  /y  \r\n") << BitRate::fromNumber(256) << "/y";
    QTest::newRow("quoted keeps comma and blanks")
        << QByteArray("\"a, b \"\r\n\" /q,r \"\r\n") << BitRate::fromText("a, b ") << " /q,r ";
    QTest::newRow("quoted number is a number")
        << QByteArray("\"128\"\r\n/x\r\n") << BitRate::fromNumber(128) << "/x";
    QTest::newRow("after a closing quote the field is skipped")
        << QByteArray("\"96\"junk,/z\r\n") << BitRate::fromNumber(96) << "/z";
    QTest::newRow("empty quotes are unset") << QByteArray("\"\"\r\n/x\r\n") << BitRate() << "/x";
    QTest::newRow("unterminated quote runs to the end")
        << QByteArray("\"abc\r\ndef") << BitRate::fromText("abc\r\ndef") << "";
    QTest::newRow("LF line ends") << QByteArray(" 128 \n/x\n") << BitRate::fromNumber(128) << "/x";
    QTest::newRow("no line end at all") << QByteArray("56") << BitRate::fromNumber(56) << "";
    QTest::newRow("empty file") << QByteArray() << BitRate() << "";
    QTest::newRow("only the first two values")
        << QByteArray("56\r\n/a\r\n/b\r\n") << BitRate::fromNumber(56) << "/a";
    QTest::newRow("folder with blanks inside")
        << QByteArray("\r\n/my tones/x\r\n") << BitRate() << "/my tones/x";
}

void TestSettings::fromBytes_readsValuesByTheFileRules() {
    QFETCH(QByteArray, file);
    QFETCH(BitRate, bitRate);
    QFETCH(QString, baseFolder);
    const Settings settings = Settings::fromBytes(file);
    QCOMPARE(settings.bitRate().kind(), bitRate.kind());
    QCOMPARE(settings.bitRate().number(), bitRate.number());
    QCOMPARE(settings.bitRate().text(), bitRate.text());
    QCOMPARE(settings.baseFolder(), baseFolder);
}

void TestSettings::toBytes_writesTwoCrLfLines_data() {
    QTest::addColumn<BitRate>("bitRate");
    QTest::addColumn<QString>("baseFolder");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("number") << BitRate::fromNumber(128) << "c:\\"
                            << QByteArray(" 128 \r\nc:\\\r\n");
    QTest::newRow("odd number") << BitRate::fromNumber(64) << "/x" << QByteArray(" 64 \r\n/x\r\n");
    QTest::newRow("negative") << BitRate::fromNumber(-5) << "/x" << QByteArray("-5 \r\n/x\r\n");
    QTest::newRow("unset") << BitRate() << "/home/ana" << QByteArray("\r\n/home/ana\r\n");
    QTest::newRow("text unchanged")
        << BitRate::fromText("fast") << "/x" << QByteArray("fast\r\n/x\r\n");
    QTest::newRow("folder with comma, in quotes")
        << BitRate::fromNumber(56) << "/a,b" << QByteArray(" 56 \r\n\"/a,b\"\r\n");
    QTest::newRow("folder with a quote, unchanged")
        << BitRate::fromNumber(56) << "/a\"b" << QByteArray(" 56 \r\n/a\"b\r\n");
}

void TestSettings::toBytes_writesTwoCrLfLines() {
    QFETCH(BitRate, bitRate);
    QFETCH(QString, baseFolder);
    QFETCH(QByteArray, file);
    Settings settings;
    settings.setBitRate(bitRate);
    settings.setBaseFolder(baseFolder);
    QCOMPARE(settings.toBytes(), file);
}

void TestSettings::writeThenRead_givesTheSameSettings_data() {
    QTest::addColumn<BitRate>("bitRate");
    QTest::addColumn<QString>("baseFolder");
    QTest::addColumn<QString>("folderReadBack");

    QTest::newRow("rate and folder") << BitRate::fromNumber(256) << "/a b/c"
                                     << "/a b/c";
    QTest::newRow("unset rate") << BitRate() << "/x"
                                << "/x";
    QTest::newRow("text rate") << BitRate::fromText("high") << "/x"
                               << "/x";
    QTest::newRow("comma") << BitRate::fromNumber(96) << "/home/u/a,b"
                           << "/home/u/a,b";
    QTest::newRow("blanks at both ends") << BitRate::fromNumber(96) << " /a b "
                                         << " /a b ";
    QTest::newRow("line end") << BitRate::fromNumber(96) << "/a\nb"
                              << "/a\nb";
    QTest::newRow("non-ASCII folder") << BitRate::fromNumber(56) << "/tmp/Klänge"
                                      << "/tmp/Klänge";
}

void TestSettings::writeThenRead_givesTheSameSettings() {
    QFETCH(BitRate, bitRate);
    QFETCH(QString, baseFolder);
    QFETCH(QString, folderReadBack);
    QTemporaryDir dir;
    Settings settings;
    settings.setBitRate(bitRate);
    settings.setBaseFolder(baseFolder);
    const QString path = Settings::filePath(dir.path());
    QVERIFY(settings.write(path));

    const Result<Settings> back = Settings::read(path);
    QVERIFY(back);
    QVERIFY(back->bitRate() == bitRate);
    QCOMPARE(back->baseFolder(), folderReadBack);
}

void TestSettings::read_missingFileFailsNamingIt() {
    QTemporaryDir dir;
    const QString path = Settings::filePath(dir.path());
    const Result<Settings> read = Settings::read(path);
    QVERIFY(!read);
    QVERIFY(read.status().message().contains(QDir::toNativeSeparators(path)));
}

void TestSettings::write_replacesAnOldFileWhole() {
    QTemporaryDir dir;
    const QString path = Settings::filePath(dir.path());
    QVERIFY(testaudio::writeAll(path, QByteArray(4000, 'x')));
    Settings settings;
    settings.setBitRate(BitRate::fromNumber(96));
    settings.setBaseFolder(QStringLiteral("/x"));
    QVERIFY(settings.write(path));
    QCOMPARE(testaudio::readAll(path), QByteArray(" 96 \r\n/x\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"config.ini"});
}

void TestSettings::write_failureLeavesNoFileAndNamesIt() {
    QTemporaryDir dir;
    // A folder in the way of config.ini: the rename over it fails even for root.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("config.ini")));
    Settings settings;
    settings.setBitRate(BitRate::fromNumber(96));
    const QString path = Settings::filePath(dir.path());
    const Status status = settings.write(path);
    QVERIFY(!status);
    QVERIFY(status.message().contains(QDir::toNativeSeparators(path)));
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    const Status missingFolder = settings.write(Settings::filePath(dir.filePath("nowhere")));
    QVERIFY(!missingFolder);
}

void TestSettings::startBaseFolder_keepsOnlyAnExistingFolder() {
    QTemporaryDir dir;
    QCOMPARE(Settings::startBaseFolder(dir.path()), dir.path());
    QCOMPARE(Settings::startBaseFolder(dir.filePath("gone")), Settings::defaultBaseFolder());
    QCOMPARE(Settings::startBaseFolder(QString()), Settings::defaultBaseFolder());
    QVERIFY(testaudio::writeAll(dir.filePath("file"), "x"));
    QCOMPARE(Settings::startBaseFolder(dir.filePath("file")), Settings::defaultBaseFolder());
#ifdef Q_OS_WIN
    QCOMPARE(Settings::defaultBaseFolder(), QStringLiteral("c:\\"));
#else
    QCOMPARE(Settings::defaultBaseFolder(), QDir::homePath());
#endif
}

void TestSettings::locateFile_besideTheProgramWhenWritableOrPortableElsePerUser() {
    QTemporaryDir program;
    QTemporaryDir user;
    const QString beside = Settings::filePath(program.path());
    const QString perUser = Settings::filePath(user.path());
    QCOMPARE(Settings::locateFile(program.path(), true, user.path()), beside);
    QCOMPARE(Settings::locateFile(program.path(), false, user.path()), perUser);
    QVERIFY(testaudio::writeAll(beside, " 96 \r\n/x\r\n"));
    QCOMPARE(Settings::locateFile(program.path(), false, user.path()), beside);

    // For this user: a folder that cannot be written falls back to $XDG_CONFIG_HOME/korvanel.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(user.path()));
    const QString fallback = QDir(user.path()).filePath(QStringLiteral("korvanel/config.ini"));
    QCOMPARE(Settings::locateFile(program.filePath(QStringLiteral("gone"))), fallback);
    QVERIFY(QFile::remove(beside));
    QVERIFY(QFile::setPermissions(program.path(), QFile::ReadOwner | QFile::ExeOwner));
    if (!QFileInfo(program.path()).isWritable()) // root writes anywhere
        QCOMPARE(Settings::locateFile(program.path()), fallback);
    QVERIFY(QFile::setPermissions(program.path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(Settings::locateFile(program.path()), beside);
}

// "state.ini" and "config.ini" are found, not made, at start: a FIFO there would keep the
// window from ever appearing, a link would be written through, a device read without end.
void TestSettings::stateAndConfig_plantedInTheirPlace_areNeitherFollowedNorWaitedOn() {
    QTemporaryDir dir;
    const QString state = dir.filePath("state.ini");
    const QString config = Settings::filePath(dir.path());
    for (const QString& path : {state, config})
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    auto reading = std::async(std::launch::async, [&] {
        Choices choices(state);
        choices.set("voice/preRoll", 2);
        return WindowState::read(state).geometry.isEmpty() && !Settings::read(config) &&
               !Settings().write(config);
    });
    const bool quick = reading.wait_for(std::chrono::seconds(60)) == std::future_status::ready;
    if (!quick)
        for (const QString& path : {state, config}) // lets a reader stuck on them go
            ::close(::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK));
    QVERIFY(quick);
    QVERIFY(reading.get());
    QVERIFY(!WindowState().write(state));

    const QString outside = dir.filePath("outside.ini");
    QVERIFY(testaudio::writeAll(outside, "[window]\nfixedSize=true\n 128 \r\n"));
    for (const QString& path : {state, config}) {
        QVERIFY(QFile::remove(path));
        QVERIFY(QFile::link(outside, path));
    }
    QVERIFY(!WindowState::read(state).fixedSize);
    QVERIFY(!WindowState().write(state));
    QCOMPARE(Settings::read(config).status().code(), ErrorCode::NotFile);
    QVERIFY(!Settings().write(config));
    QCOMPARE(testaudio::readAll(outside), QByteArray("[window]\nfixedSize=true\n 128 \r\n"));

    for (const QString& path : {state, config}) {
        QVERIFY(QFile::remove(path));
        QVERIFY(testaudio::writeAll(path, "[window]\nfixedSize=true\n" +
                                              QByteArray(statefile::MaxBytes, '\n')));
    }
    QVERIFY(!WindowState::read(state).fixedSize);
    QVERIFY(!Settings::read(config));
}

void TestSettings::stateFile_keepsTheWindowAndTheChoicesTogether() {
    QTemporaryDir dir;
    const QString path = dir.filePath("state/state.ini");
    Choices(path).set("voice/preRoll", 1.5);
    QVERIFY((WindowState{QByteArray("\x01\xd9\n[]=", 7), true}.write(path)));
    const WindowState window = WindowState::read(path);
    QCOMPARE(window.geometry, QByteArray("\x01\xd9\n[]=", 7));
    QVERIFY(window.fixedSize);
    QCOMPARE(Choices(path).number("voice/preRoll", 0), 1.5);
    QCOMPARE(QDir(dir.filePath("state")).entryList(QDir::Files), QStringList{"state.ini"});
}

// Whatever the file says and however the screens changed since, the window fits a screen.
void TestSettings::savedWindow_isPlacedWhereItsTitleBarCanBeReached() {
    const QList<QRect> screens{{0, 0, 1920, 1050}, {1920, 0, 1280, 1024}};
    QCOMPARE(WindowState::placedOnScreens({100, 100, 800, 600}, screens),
             QRect(100, 100, 800, 600));
    QCOMPARE(WindowState::placedOnScreens({2000, 50, 800, 600}, screens),
             QRect(2000, 50, 800, 600));
    QCOMPARE(WindowState::placedOnScreens({0, 0, 2147483647, 2147483647}, screens),
             QRect(0, 0, 1920, 1050));
    QCOMPARE(WindowState::placedOnScreens({-5000, -5000, 800, 600}, screens),
             QRect(0, 0, 800, 600));
    QCOMPARE(WindowState::placedOnScreens({3100, 1000, 800, 600}, screens),
             QRect(2400, 424, 800, 600));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"

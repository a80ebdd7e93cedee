// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/path_helpers.h"
#include "support/test_audio.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace paths;

class TestPathHelpers : public QObject {
    Q_OBJECT
private slots:
    void getFileName_takesTextAfterLastSeparator_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::newRow("full path") << "/home/u/Music/My Song.mp3"
                                   << "My Song.mp3";
        QTest::newRow("bare name") << "song.mp3"
                                   << "song.mp3";
        QTest::newRow("trailing separator") << "/home/u/Music/"
                                            << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("backslash is no separator here") << "C:\\Music\\a.mp3"
                                                        << "C:\\Music\\a.mp3";
        QTest::newRow("colon is no separator") << "C:song.mp3"
                                               << "C:song.mp3";
        QTest::newRow("two dots") << "/a.b/Tune.live.mp3"
                                  << "Tune.live.mp3";
    }
    void getFileName_takesTextAfterLastSeparator() {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QCOMPARE(GetFileName(path), name);
    }

    void rpp_endsInExactlyOneSeparator_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("expected");
        QTest::newRow("folder") << "/opt/Program Files/Tool"
                                << "/opt/Program Files/Tool/";
        QTest::newRow("root") << "/"
                              << "/";
        QTest::newRow("already ends in one") << "/home/u/"
                                             << "/home/u/";
    }
    void rpp_endsInExactlyOneSeparator() {
        QFETCH(QString, path);
        QFETCH(QString, expected);
        QCOMPARE(RPP(path), expected);
    }

    void fileExists_countsOrdinaryFilesOnly() {
        QTemporaryDir dir;
        QVERIFY(testaudio::writeAll(dir.filePath("song.mp3"), "x"));
        QVERIFY(testaudio::writeAll(dir.filePath(".hidden.mp3"), "x"));
        QVERIFY(QDir(dir.path()).mkdir("folder.mp3"));

        QVERIFY(FileExists(dir.filePath("song.mp3")));
        QVERIFY(!FileExists(dir.filePath("missing.mp3")));
        QVERIFY(!FileExists(dir.filePath("folder.mp3")));
        QVERIFY(!FileExists(dir.filePath(".hidden.mp3")));
        QVERIFY(!FileExists(QString()));
        QVERIFY(!FileExists(dir.path() + "/"));
        QVERIFY(!FileExists("/no/such/folder/at/all.wav"));
        QVERIFY(!FileExists("/dev/null"));
    }

    void fileExists_leavesOutSockets() {
        QTemporaryDir dir;
        const QByteArray path = QFile::encodeName(dir.filePath("sock"));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        qstrncpy(addr.sun_path, path.constData(), sizeof(addr.sun_path));
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof(addr)), 0);
        QVERIFY(!FileExists(dir.filePath("sock")));
        ::close(fd);
    }

    void fileExists_matchesWildcardsInTheLastPart() {
        QTemporaryDir dir;
        QVERIFY(!FileExists(dir.filePath("*.mp3")));
        QVERIFY(QDir(dir.path()).mkdir("d.mp3"));
        QVERIFY(!FileExists(dir.filePath("*.mp3")));
        QVERIFY(testaudio::writeAll(dir.filePath(".h.mp3"), "x"));
        QVERIFY(!FileExists(dir.filePath("*.mp3")));
        QVERIFY(testaudio::writeAll(dir.filePath("one.mp3"), "x"));
        QVERIFY(FileExists(dir.filePath("*.mp3")));
        QVERIFY(FileExists(dir.filePath("on?.mp3")));
        QVERIFY(!FileExists(dir.filePath("*.wav")));
    }
};

QTEST_GUILESS_MAIN(TestPathHelpers)
#include "tst_path_helpers.moc"

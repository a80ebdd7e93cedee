// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/test_audio.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

// The catalogues of tunecarver-cli: each translates every text the sources hand to it (as
// lupdate finds them now), with the same placeholders, and the program speaks the language
// of its user.
class TestCliTranslations : public QObject {
    Q_OBJECT
private slots:
    void catalogue_translatesEverySourceText_data();
    void catalogue_translatesEverySourceText();
};

namespace {

// Source text -> translation ("" while unfinished).
QMap<QString, QString> readCatalogue(const QString& path) {
    QMap<QString, QString> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString source;
    while (xml.readNextStartElement() || !xml.atEnd()) {
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().hasAttribute(QStringLiteral("type"));
            const QString text = xml.readElementText();
            messages.insert(source, unfinished ? QString() : text);
        }
    }
    return messages;
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QStringList found;
    for (const auto& match : marker.globalMatch(text))
        if (!found.contains(match.captured()))
            found << match.captured();
    found.sort();
    return found;
}

} // namespace

void TestCliTranslations::catalogue_translatesEverySourceText_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("usageLine"); // "tunecarver-cli crop: needs IN and OUT", translated
    QTest::newRow("German") << "de"
                            << "tunecarver-cli crop: braucht IN und OUT";
    QTest::newRow("Spanish") << "es"
                             << "tunecarver-cli crop: necesita IN y OUT";
}

void TestCliTranslations::catalogue_translatesEverySourceText() {
    QFETCH(QString, language);
    QFETCH(QString, usageLine);
    const QDir source(qEnvironmentVariable("TUNECARVER_TEST_SUPPORT") + "/../..");
    const QString committed =
        source.filePath(QStringLiteral("data/translations/tunecarver-cli_%1.ts").arg(language));
    const QMap<QString, QString> catalogue = readCatalogue(committed);
    QVERIFY2(!catalogue.isEmpty(), qPrintable(committed));

    // The texts of the sources as they are now, as lupdate finds them.
    QTemporaryDir dir;
    const QString scanned = dir.filePath(QStringLiteral("scan.ts"));
    QProcess lupdate;
    lupdate.start(qEnvironmentVariable("TUNECARVER_LUPDATE"),
                  {"-silent", "-locations", "none", source.filePath("src/cli"), "-ts", scanned});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QStringList texts = readCatalogue(scanned).keys();
    QVERIFY(texts.size() > 50);
    for (const QString& text : texts) {
        const QString translation = catalogue.value(text);
        QVERIFY2(!translation.isEmpty(), qPrintable("not translated: " + text.left(80)));
        QVERIFY2(placeholders(translation) == placeholders(text),
                 qPrintable("placeholders differ: " + text.left(80)));
    }

    qputenv("LANGUAGE", language.toUtf8());
    QByteArray output;
    const int status =
        testaudio::run(qEnvironmentVariable("TUNECARVER_CLI"), {"crop", "in.wav"}, &output);
    qunsetenv("LANGUAGE");
    QCOMPARE(status, 2);
    QVERIFY2(output.startsWith(usageLine.toUtf8()), output.constData());
}

QTEST_GUILESS_MAIN(TestCliTranslations)
#include "tst_cli_translations.moc"

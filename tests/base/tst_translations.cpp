// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/language.h"
#include "support/test_audio.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

// The catalogues of both programs: each translates every text the sources hand to it (as
// lupdate finds them now), with the same placeholders, and each program speaks the language
// of its user.
class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void catalogue_translatesEverySourceText_data();
    void catalogue_translatesEverySourceText();
    void cli_speaksTheLanguageOfItsUser();
    void window_speaksTheChosenLanguage();
};

namespace {

// The text of the element the reader stands on. lupdate writes a control character such as
// the \r of a "\r\n" as <byte value="xd"/>, so that element is read as its character.
QString readText(QXmlStreamReader& xml) {
    QString text;
    while (xml.readNext() != QXmlStreamReader::EndElement || xml.name() == QLatin1String("byte")) {
        if (xml.hasError())
            break;
        if (xml.isCharacters())
            text += xml.text();
        else if (xml.isStartElement() && xml.name() == QLatin1String("byte"))
            text +=
                QChar(xml.attributes().value(QLatin1String("value")).mid(1).toUInt(nullptr, 16));
    }
    return text;
}

// Source text -> translation ("" while unfinished); empty when the file is not a whole catalogue.
QMap<QString, QString> readCatalogue(const QString& path) {
    QMap<QString, QString> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = readText(xml);
        } else if (xml.name() == QLatin1String("translation")) {
            const bool unfinished = xml.attributes().hasAttribute(QStringLiteral("type"));
            const QString text = readText(xml);
            messages.insert(source, unfinished ? QString() : text);
        }
    }
    if (xml.hasError())
        messages.clear();
    return messages;
}

QDir sourceRoot() {
    return QDir(qEnvironmentVariable("TUNECARVER_TEST_SUPPORT") + "/../..");
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

void TestTranslations::catalogue_translatesEverySourceText_data() {
    QTest::addColumn<QString>("catalogue");
    QTest::addColumn<QStringList>("folders"); // below src/
    QStringList window = QDir(sourceRoot().filePath(QStringLiteral("src")))
                             .entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    window.removeAll(QStringLiteral("cli"));
    for (const char* language : {"de", "es"}) {
        QTest::addRow("cli %s", language)
            << QStringLiteral("tunecarver-cli_%1").arg(QLatin1String(language))
            << QStringList{QStringLiteral("cli")};
        QTest::addRow("window %s", language)
            << QStringLiteral("tunecarver_%1").arg(QLatin1String(language)) << window;
    }
}

void TestTranslations::catalogue_translatesEverySourceText() {
    QFETCH(QString, catalogue);
    QFETCH(QStringList, folders);
    const QString committed =
        sourceRoot().filePath(QStringLiteral("data/translations/%1.ts").arg(catalogue));
    const QMap<QString, QString> translated = readCatalogue(committed);
    QVERIFY2(!translated.isEmpty(), qPrintable(committed));

    // The texts of the sources as they are now, as lupdate finds them.
    QTemporaryDir dir;
    const QString scanned = dir.filePath(QStringLiteral("scan.ts"));
    // The include root lets lupdate see the classes whose members a file defines.
    QStringList arguments{"-silent", "-locations", "none", "-I", sourceRoot().filePath("src")};
    for (const QString& folder : folders)
        arguments << sourceRoot().filePath(QStringLiteral("src/") + folder);
    arguments << "-ts" << scanned;
    QProcess lupdate;
    lupdate.start(qEnvironmentVariable("TUNECARVER_LUPDATE"), arguments);
    QVERIFY(lupdate.waitForFinished(300000));
    QCOMPARE(lupdate.exitCode(), 0);
    const QStringList texts = readCatalogue(scanned).keys();
    QVERIFY(texts.size() > 50);
    for (const QString& text : texts) {
        const QString translation = translated.value(text);
        QVERIFY2(!translation.isEmpty(), qPrintable("not translated: " + text.left(80)));
        QVERIFY2(placeholders(translation) == placeholders(text),
                 qPrintable("placeholders differ: " + text.left(80)));
    }
}

void TestTranslations::cli_speaksTheLanguageOfItsUser() {
    const struct {
        const char* language;
        const char* usageLine; // "tunecarver-cli crop: needs IN and OUT", translated
    } cases[] = {{"de", "tunecarver-cli crop: braucht IN und OUT"},
                 {"es", "tunecarver-cli crop: necesita IN y OUT"}};
    for (const auto& expected : cases) {
        qputenv("LANGUAGE", expected.language);
        QByteArray output;
        const int status =
            testaudio::run(qEnvironmentVariable("TUNECARVER_CLI"), {"crop", "in.wav"}, &output);
        qunsetenv("LANGUAGE");
        QCOMPARE(status, 2);
        QVERIFY2(output.startsWith(expected.usageLine), output.constData());
    }
}

// The catalogues built into the program replace the English texts for the language chosen,
// and English (or a language without a catalogue) brings the sources' texts back.
void TestTranslations::window_speaksTheChosenLanguage() {
    const char* context = "FrameSetting";
    QVERIFY(language::install(QStringLiteral("de"), {QStringLiteral("tunecarver")}));
    QCOMPARE(QCoreApplication::translate(context, "Language"), QStringLiteral("Sprache"));
    QVERIFY(language::install(QStringLiteral("es"), {QStringLiteral("tunecarver")}));
    QCOMPARE(QCoreApplication::translate(context, "Language"), QStringLiteral("Idioma"));
    QVERIFY(language::install(QStringLiteral("en"), {QStringLiteral("tunecarver")}));
    QCOMPARE(QCoreApplication::translate(context, "Language"), QStringLiteral("Language"));
    QCOMPARE(language::localeFor(QStringLiteral("xx")), QLocale::system());
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"

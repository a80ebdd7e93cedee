// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/about_page.h"

#include <QLabel>
#include <QtTest>

class TestAboutPage : public QObject {
    Q_OBJECT
private slots:
    void controls_sitInTheirPlaces();
    void fill_givesTheSameTextsEveryTime();
};

void TestAboutPage::controls_sitInTheirPlaces() {
    FrameAbout page;
    const QList<std::pair<QString, QRect>> places = {
        {"picIcon", {42, 40, 36, 36}},     {"lblTitle", {96, 40, 259, 32}},
        {"lblVersion", {96, 76, 259, 15}}, {"lblDescription", {96, 99, 259, 78}},
        {"Label7", {96, 192, 249, 57}},
    };
    for (const auto& [name, place] : places) {
        auto* label = page.findChild<QLabel*>(name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(label->geometry(), place);
        if (name != QLatin1String("picIcon"))
            QVERIFY(label->text().isEmpty());
    }
    QCOMPARE(page.findChild<QLabel*>("picIcon")->pixmap().size(), QSize(36, 36));
    QVERIFY(page.findChild<QLabel*>("lblDescription")->wordWrap());
}

void TestAboutPage::fill_givesTheSameTextsEveryTime() {
    FrameAbout page;
    auto text = [&](const char* name) { return page.findChild<QLabel*>(name)->text(); };
    for (int press = 0; press < 2; ++press) {
        page.fill();
        QCOMPARE(text("lblVersion"), QStringLiteral("Version 2.5.0"));
        QCOMPARE(text("lblTitle"), QStringLiteral("KorvaNel Tunecarver"));
        QCOMPARE(text("lblDescription"),
                 QStringLiteral(
                     "KorvaNel Tunecarver can Crop and Convert You Favorite MP3, Wav File, Also "
                     "can Record Your Own Sound Form Your computer Soundcard, You can cut or trim "
                     "different parts of different songs form different format and merge it "
                     "into one song, it let mobile phone create your own style ring tone"));
        QCOMPARE(text("Label7"),
                 QStringLiteral("Support :\r\nsupport@korvanel.example\r\nhelp@korvanel.example"));
    }
}

QTEST_MAIN(TestAboutPage)
#include "tst_about_page.moc"

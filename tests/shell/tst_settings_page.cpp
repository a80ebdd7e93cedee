// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/settings.h"
#include "shell/folder_list.h"
#include "shell/settings_page.h"
#include "support/scripted_dialogs.h"
#include "support/test_audio.h"

#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {
QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}
} // namespace

class TestSettingsPage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controls_haveTheirCaptionsAndPlaces();
    void readSettings_selectsTheOptionOfTheStoredRate_data();
    void readSettings_selectsTheOptionOfTheStoredRate();
    void readSettings_storedFolderTakesEffectOnlyWhenItExists_data();
    void readSettings_storedFolderTakesEffectOnlyWhenItExists();
    void options_setTheRateAndClearEachOther();
    void dir1_listsTheChainThenTheSubfolders();
    void dir1_doubleClickOpensSingleClickOnlyHighlights();
    void drive1_listsRootFirstAndReturnsToTheFolderLastOpenThere();
    void saveSetting_writesTheRateAndTheFolderShown();
    void saveSetting_unsetRateWritesAnEmptyLine();
    void saveSetting_failureIsReportedAndSettingsStay();
    void saveSetting_makesAMissingSettingsFolder();
    void newFolder_createsItAndMakesItTheBaseFolder();
    void newFolder_refusesWithAMessageAndChangesNothing_data();
    void newFolder_refusesWithAMessageAndChangesNothing();

private:
    void makePage();
    FolderList* dir1() const { return m_page->findChild<FolderList*>(QStringLiteral("Dir1")); }
    QRadioButton* option(int n) const {
        return m_page->findChild<QRadioButton*>(QStringLiteral("Option%1").arg(n));
    }
    QList<int> checkedOptions() const;

    QTemporaryDir m_home;
    std::unique_ptr<QTemporaryDir> m_app;
    std::unique_ptr<QTemporaryDir> m_tree;
    Settings m_settings;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<FrameSetting> m_page;
};

void TestSettingsPage::initTestCase() {
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    QCOMPARE(Settings::defaultBaseFolder(), native(m_home.path()));
}

void TestSettingsPage::init() {
    m_app = std::make_unique<QTemporaryDir>();
    m_tree = std::make_unique<QTemporaryDir>();
    m_settings = Settings();
    m_dialogs = ScriptedDialogs();
}

void TestSettingsPage::cleanup() {
    m_page.reset();
}

void TestSettingsPage::makePage() {
    m_page =
        std::make_unique<FrameSetting>(m_settings, m_dialogs, Settings::filePath(m_app->path()));
    m_page->resize(593, 321);
    m_page->readSettings();
}

QList<int> TestSettingsPage::checkedOptions() const {
    QList<int> checked;
    for (int n = 1; n <= 4; ++n)
        if (option(n)->isChecked())
            checked << n;
    return checked;
}

void TestSettingsPage::controls_haveTheirCaptionsAndPlaces() {
    makePage();
    auto* frame6 = m_page->findChild<QGroupBox*>(QStringLiteral("Frame6"));
    QVERIFY(frame6);
    QCOMPARE(frame6->title(), QStringLiteral("Mp3 KBit/S"));
    QCOMPARE(frame6->geometry(), QRect(24, 32, 201, 113));
    const QStringList captions = {"56", "96", "128", "256"};
    const QList<QRect> places = {
        {8, 24, 73, 25}, {88, 24, 41, 25}, {8, 56, 73, 25}, {88, 56, 49, 25}};
    for (int n = 1; n <= 4; ++n) {
        QCOMPARE(option(n)->parentWidget(), frame6);
        QCOMPARE(option(n)->text(), captions.at(n - 1));
        QCOMPARE(option(n)->geometry(), places.at(n - 1));
    }
    auto* frame1 = m_page->findChild<QGroupBox*>(QStringLiteral("Frame1"));
    QVERIFY(frame1);
    QCOMPARE(frame1->title(), QStringLiteral("Program Base Folder"));
    QCOMPARE(frame1->geometry(), QRect(248, 24, 297, 289));
    QCOMPARE(dir1()->parentWidget(), frame1);
    QCOMPARE(dir1()->geometry(), QRect(24, 24, 241, 156));
    auto* drive1 = m_page->findChild<QComboBox*>(QStringLiteral("Drive1"));
    QCOMPARE(drive1->parentWidget(), frame1);
    QCOMPARE(drive1->geometry(), QRect(24, 200, 241, 21));
    auto* cmdFolder = m_page->findChild<QPushButton*>(QStringLiteral("CmdFolder"));
    QCOMPARE(cmdFolder->parentWidget(), frame1);
    QCOMPARE(cmdFolder->text(), QStringLiteral("New Folder"));
    QCOMPARE(cmdFolder->geometry(), QRect(24, 240, 113, 41));
    auto* cmdSave = m_page->findChild<QPushButton*>(QStringLiteral("CmdSaveSetting"));
    QCOMPARE(cmdSave->parentWidget(), m_page.get());
    QCOMPARE(cmdSave->text(), QStringLiteral("Save Setting"));
    QCOMPARE(cmdSave->geometry(), QRect(16, 280, 89, 25));
}

void TestSettingsPage::readSettings_selectsTheOptionOfTheStoredRate_data() {
    QTest::addColumn<QByteArray>("line1");
    QTest::addColumn<QList<int>>("checked");
    QTest::addColumn<QString>("rateLine");

    QTest::newRow("128 selects Option3") << QByteArray(" 128 ") << QList<int>{3} << " 128 ";
    QTest::newRow("56 selects Option1") << QByteArray(" 56 ") << QList<int>{1} << " 56 ";
    QTest::newRow("quoted 256 selects Option4")
        << QByteArray("\"256\"") << QList<int>{4} << " 256 ";
    QTest::newRow("64 selects none and stays") << QByteArray(" 64 ") << QList<int>{} << " 64 ";
    QTest::newRow("text selects none and stays") << QByteArray("fast") << QList<int>{} << "fast";
    QTest::newRow("empty is unset") << QByteArray("") << QList<int>{} << "";
}

void TestSettingsPage::readSettings_selectsTheOptionOfTheStoredRate() {
    QFETCH(QByteArray, line1);
    QFETCH(QList<int>, checked);
    QFETCH(QString, rateLine);
    QVERIFY(testaudio::writeAll(Settings::filePath(m_app->path()), line1 + "\r\n/x\r\n"));
    makePage();
    QCOMPARE(checkedOptions(), checked);
    QCOMPARE(m_settings.bitRate().fileLine(), rateLine);
    QVERIFY(m_dialogs.messages().isEmpty());
}

void TestSettingsPage::readSettings_storedFolderTakesEffectOnlyWhenItExists_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("takesEffect");
    QTest::newRow("existing folder") << "tones" << true;
    QTest::newRow("missing folder") << "gone" << false;
    QTest::newRow("no folder line") << "" << false;
}

void TestSettingsPage::readSettings_storedFolderTakesEffectOnlyWhenItExists() {
    QFETCH(QString, stored);
    QFETCH(bool, takesEffect);
    QVERIFY(QDir(m_tree->path()).mkdir(QStringLiteral("tones")));
    const QString folder = stored.isEmpty() ? QString() : native(m_tree->filePath(stored));
    QVERIFY(testaudio::writeAll(Settings::filePath(m_app->path()),
                                " 96 \r\n" + folder.toLocal8Bit() + "\r\n"));
    makePage();
    const QString expected = takesEffect ? folder : native(m_home.path());
    QCOMPARE(m_settings.baseFolder(), expected);
    QCOMPARE(dir1()->path(), expected);
    QCOMPARE(checkedOptions(), QList<int>{2});
}

void TestSettingsPage::options_setTheRateAndClearEachOther() {
    makePage();
    QVERIFY(checkedOptions().isEmpty());
    QVERIFY(m_settings.bitRate().isUnset());
    QTest::mouseClick(option(4), Qt::LeftButton);
    QCOMPARE(checkedOptions(), QList<int>{4});
    QVERIFY(m_settings.bitRate().is(256));
    m_page->Option1_Click();
    QCOMPARE(checkedOptions(), QList<int>{1});
    QVERIFY(m_settings.bitRate().is(56));
    QTest::mouseClick(option(3), Qt::LeftButton);
    QCOMPARE(checkedOptions(), QList<int>{3});
    QVERIFY(m_settings.bitRate().is(128));
}

void TestSettingsPage::dir1_listsTheChainThenTheSubfolders() {
    QDir tree(m_tree->path());
    for (const char* name : {"b", "A", "c", ".hidden"})
        QVERIFY(tree.mkdir(QLatin1String(name)));
    QVERIFY(testaudio::writeAll(tree.filePath("file"), "x"));
    makePage();
    QVERIFY(dir1()->setPath(m_tree->path()));

    QStringList chain;
    for (QDir dir(m_tree->path());;) {
        chain.prepend(native(dir.absolutePath()));
        if (!dir.cdUp())
            break;
    }
    QTreeWidgetItem* entry = dir1()->topLevelItem(0);
    QCOMPARE(dir1()->topLevelItemCount(), 1);
    for (qsizetype depth = 0; depth < chain.size(); ++depth) {
        QVERIFY(entry);
        QCOMPARE(entry->data(0, Qt::UserRole).toString(), chain.at(depth));
        if (depth + 1 < chain.size()) {
            QCOMPARE(entry->childCount(), 1);
            entry = entry->child(0);
        }
    }
    QCOMPARE(dir1()->currentItem(), entry);
    QStringList subfolders;
    for (int i = 0; i < entry->childCount(); ++i)
        subfolders << entry->child(i)->text(0);
    QCOMPARE(subfolders, (QStringList{"A", "b", "c"}));
}

void TestSettingsPage::dir1_doubleClickOpensSingleClickOnlyHighlights() {
    QVERIFY(QDir(m_tree->path()).mkdir(QStringLiteral("ringtones")));
    makePage();
    m_page->show();
    QVERIFY(dir1()->setPath(m_tree->path()));
    const QString base = m_settings.baseFolder();
    QCOMPARE(base, native(m_tree->path()));

    const QString target = native(m_tree->filePath("ringtones"));
    QTreeWidgetItem* entry = dir1()->entryFor(target);
    QVERIFY(entry);
    const QPoint centre = dir1()->visualItemRect(entry).center();
    QTest::mouseClick(dir1()->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(dir1()->currentItem(), entry);
    QCOMPARE(dir1()->path(), base);
    QCOMPARE(m_settings.baseFolder(), base);

    QTest::mouseDClick(dir1()->viewport(), Qt::LeftButton, {}, centre);
    QCOMPARE(dir1()->path(), target);
    QCOMPARE(m_settings.baseFolder(), target);
}

void TestSettingsPage::drive1_listsRootFirstAndReturnsToTheFolderLastOpenThere() {
    makePage();
    auto* drive1 = m_page->findChild<QComboBox*>(QStringLiteral("Drive1"));
    QVERIFY(drive1->count() >= 1);
    QCOMPARE(drive1->itemText(0), native(QDir::rootPath()));
    QVERIFY(dir1()->setPath(m_tree->path()));
    const QString rootOfTree = native(QStorageInfo(m_tree->path()).rootPath());
    drive1->setCurrentIndex(drive1->findData(rootOfTree));
    m_page->Drive1_Change();
    QCOMPARE(dir1()->path(), native(m_tree->path()));
}

void TestSettingsPage::saveSetting_writesTheRateAndTheFolderShown() {
    makePage();
    m_page->Option2_Click();
    QVERIFY(dir1()->setPath(m_tree->path()));
    m_page->findChild<QPushButton*>(QStringLiteral("CmdSaveSetting"))->click();
    QCOMPARE(testaudio::readAll(Settings::filePath(m_app->path())),
             " 96 \r\n" + native(m_tree->path()).toLocal8Bit() + "\r\n");
    QVERIFY(m_dialogs.messages().isEmpty());
}

void TestSettingsPage::saveSetting_unsetRateWritesAnEmptyLine() {
    makePage();
    m_page->CmdSaveSetting_Click();
    QCOMPARE(testaudio::readAll(Settings::filePath(m_app->path())),
             "\r\n" + native(m_home.path()).toLocal8Bit() + "\r\n");
}

void TestSettingsPage::saveSetting_failureIsReportedAndSettingsStay() {
    makePage();
    QVERIFY(QDir(m_app->path()).mkdir(QStringLiteral("config.ini")));
    m_page->Option3_Click();
    m_page->CmdSaveSetting_Click();
    QCOMPARE(m_dialogs.messages().size(), 1);
    const auto& message = m_dialogs.messages().constFirst();
    QCOMPARE(message.icon, Dialogs::Icon::Critical);
    QVERIFY(message.text.contains(native(Settings::filePath(m_app->path()))));
    QVERIFY(m_settings.bitRate().is(128));
    QCOMPARE(checkedOptions(), QList<int>{3});
    QVERIFY(QDir(m_app->path()).entryList(QDir::Files).isEmpty());
}

void TestSettingsPage::saveSetting_makesAMissingSettingsFolder() {
    const QString path = m_app->filePath(QStringLiteral("config/korvanel/config.ini"));
    m_page = std::make_unique<FrameSetting>(m_settings, m_dialogs, path);
    m_page->readSettings();
    m_page->Option1_Click();
    m_page->CmdSaveSetting_Click();
    QVERIFY(m_dialogs.messages().isEmpty());
    QCOMPARE(testaudio::readAll(path), " 56 \r\n" + native(m_home.path()).toLocal8Bit() + "\r\n");
}

void TestSettingsPage::newFolder_createsItAndMakesItTheBaseFolder() {
    makePage();
    QVERIFY(dir1()->setPath(m_tree->path()));
    m_dialogs.queueInput(QStringLiteral("Tones"));
    m_page->findChild<QPushButton*>(QStringLiteral("CmdFolder"))->click();

    QCOMPARE(m_dialogs.inputs().size(), 1);
    const auto& input = m_dialogs.inputs().constFirst();
    QCOMPARE(input.title, QStringLiteral("Create New Folder "));
    QCOMPARE(input.prompt, QStringLiteral("New Folder Name"));
    QCOMPARE(input.initial, QString());
    const QString created = native(m_tree->filePath("Tones"));
    QVERIFY(QFileInfo(created).isDir());
    QCOMPARE(dir1()->path(), created);
    QCOMPARE(m_settings.baseFolder(), created);
    QVERIFY(m_dialogs.messages().isEmpty());
}

void TestSettingsPage::newFolder_refusesWithAMessageAndChangesNothing_data() {
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("name");
    QTest::newRow("cancelled") << true << "";
    QTest::newRow("nothing typed") << false << "";
    QTest::newRow("only blanks") << false << "   ";
    QTest::newRow("existing folder") << false << "old";
    QTest::newRow("existing file") << false << "file.txt";
    QTest::newRow("separator in name") << false << "a/b";
    QTest::newRow("parent folder") << false << "..";
    QTest::newRow("open folder vanished") << false << "new";
}

void TestSettingsPage::newFolder_refusesWithAMessageAndChangesNothing() {
    QFETCH(bool, cancel);
    QFETCH(QString, name);
    QDir tree(m_tree->path());
    QVERIFY(tree.mkpath(QStringLiteral("open/old")));
    QVERIFY(testaudio::writeAll(tree.filePath("open/file.txt"), "x"));
    makePage();
    const QString open = native(tree.filePath("open"));
    QVERIFY(dir1()->setPath(open));
    if (QByteArray(QTest::currentDataTag()) == "open folder vanished")
        QVERIFY(QDir(open).removeRecursively());
    const QStringList before = QDir(open).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

    if (cancel)
        m_dialogs.queueInputCancel();
    else
        m_dialogs.queueInput(name);
    m_page->CmdFolder_Click();

    QCOMPARE(m_dialogs.messages().size(), 1);
    QCOMPARE(m_dialogs.messages().constFirst().icon, Dialogs::Icon::Warning);
    QVERIFY(!m_dialogs.messages().constFirst().text.isEmpty());
    QCOMPARE(dir1()->path(), open);
    QCOMPARE(m_settings.baseFolder(), open);
    QCOMPARE(QDir(open).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QCOMPARE(tree.entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(),
             QFileInfo(open).exists() ? 1 : 0);
}

QTEST_MAIN(TestSettingsPage)
#include "tst_settings_page.moc"

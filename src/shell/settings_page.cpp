// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/settings_page.h"

#include "base/app_info.h"
#include "base/language.h"
#include "pagekit/controls.h"
#include "pagekit/dialogs.h"
#include "shell/folder_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStorageInfo>

#include <algorithm>

namespace {

QString volumeRoot(const QString& path) {
    return QDir::toNativeSeparators(QStorageInfo(path).rootPath());
}

// Mounted volumes that hold folders, "/" first on Linux, then by their root paths.
QStringList volumeRoots() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        const QString root = QDir::toNativeSeparators(volume.rootPath());
        if (volume.isValid() && volume.isReady() && QFileInfo(root).isDir() &&
            !roots.contains(root))
            roots << root;
    }
    std::sort(roots.begin(), roots.end(), [](const QString& a, const QString& b) {
        const bool aTop = a == QDir::toNativeSeparators(QDir::rootPath());
        const bool bTop = b == QDir::toNativeSeparators(QDir::rootPath());
        if (aTop != bTop)
            return aTop;
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    return roots;
}

bool isPlainFolderName(const QString& name) {
    return name != QLatin1String(".") && name != QLatin1String("..") && !name.contains(u'/') &&
           !name.contains(QDir::separator());
}

} // namespace

FrameSetting::FrameSetting(Settings& settings, Dialogs& dialogs, QString configPath,
                           QWidget* parent)
    : QGroupBox(parent), m_settings(settings), m_dialogs(dialogs),
      m_configPath(std::move(configPath)) {
    auto* frame6 = new QGroupBox(tr("Mp3 KBit/S"), this);
    frame6->setObjectName(QStringLiteral("Frame6"));
    frame6->setGeometry(24, 32, 201, 113);
    const struct {
        const char* caption;
        QRect geometry;
    } options[] = {{"56", {8, 24, 73, 25}},
                   {"96", {88, 24, 41, 25}},
                   {"128", {8, 56, 73, 25}},
                   {"256", {88, 56, 49, 25}}};
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(QLatin1String(options[i].caption), frame6);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        option->setGeometry(options[i].geometry);
        connect(option, &QRadioButton::clicked, this, [this, i] { optionClicked(i); });
        m_options[i] = option;
    }

    auto* frame1 = new QGroupBox(tr("Program Base Folder"), this);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(248, 24, 297, 289);

    m_dir1 = new FolderList(frame1);
    m_dir1->setObjectName(QStringLiteral("Dir1"));
    m_dir1->setGeometry(24, 24, 241, 156);
    m_dir1->setPath(QDir::currentPath());
    m_driveFolders.insert(volumeRoot(m_dir1->path()), m_dir1->path());
    connect(m_dir1, &FolderList::changed, this, &FrameSetting::Dir1_Change);

    m_drive1 = new QComboBox(frame1);
    m_drive1->setObjectName(QStringLiteral("Drive1"));
    m_drive1->setGeometry(24, 200, 241, 21);
    fillDrives();
    connect(m_drive1, &QComboBox::currentIndexChanged, this, &FrameSetting::Drive1_Change);
    controls::describe(m_dir1, QT_TRANSLATE_NOOP("Controls", "Folders"),
                       QT_TRANSLATE_NOOP("Controls", "The folder to become the base folder"));
    controls::describe(m_drive1, QT_TRANSLATE_NOOP("Controls", "Volume"),
                       QT_TRANSLATE_NOOP("Controls", "The volume whose folders are listed"));

    m_cmdFolder = new QPushButton(tr("New Folder"), frame1);
    m_cmdFolder->setObjectName(QStringLiteral("CmdFolder"));
    m_cmdFolder->setGeometry(24, 240, 113, 41);
    connect(m_cmdFolder, &QPushButton::clicked, this, &FrameSetting::CmdFolder_Click);

    m_cmdSaveSetting = new QPushButton(tr("Save Setting"), this);
    m_cmdSaveSetting->setObjectName(QStringLiteral("CmdSaveSetting"));
    m_cmdSaveSetting->setGeometry(16, 280, 89, 25);
    connect(m_cmdSaveSetting, &QPushButton::clicked, this, &FrameSetting::CmdSaveSetting_Click);

    m_chkFixedSize = new QCheckBox(tr("Fixed window size"), this);
    m_chkFixedSize->setObjectName(QStringLiteral("chkFixedSize"));
    m_chkFixedSize->setGeometry(24, 160, 201, 21);
    connect(m_chkFixedSize, &QCheckBox::clicked, this, &FrameSetting::fixedSizeChosen);

    auto* languageLabel = new QLabel(tr("Language"), this);
    languageLabel->setObjectName(QStringLiteral("lblLanguage"));
    languageLabel->setGeometry(24, 192, 201, 17);
    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("cboLanguage"));
    m_language->setGeometry(24, 212, 201, 24);
    languageLabel->setBuddy(m_language);
    for (const language::Offer& offer : language::offers())
        m_language->addItem(offer.name, offer.code);
    m_languageNote = new QLabel(tr("Used from the next start"), this);
    m_languageNote->setObjectName(QStringLiteral("lblLanguageNote"));
    m_languageNote->setGeometry(24, 240, 201, 17);
    m_languageNote->hide();
    connect(m_language, &QComboBox::activated, this, [this](int index) {
        m_languageNote->show();
        emit languageChosen(m_language->itemData(index).toString());
    });
}

void FrameSetting::showLanguage(const QString& code) {
    const int index = m_language->findData(code);
    m_language->setCurrentIndex(index < 0 ? 0 : index);
}

void FrameSetting::showFixedSize(bool fixed) {
    m_chkFixedSize->setChecked(fixed);
}

void FrameSetting::readSettings() {
    const Result<Settings> stored = Settings::read(m_configPath);
    const Settings read = stored ? *stored : Settings();
    m_settings.setBitRate(read.bitRate());
    m_dir1->setPath(read.baseFolder());
    selectOptionFor(read.bitRate());

    const QString baseFolder = Settings::startBaseFolder(read.baseFolder());
    m_settings.setBaseFolder(m_dir1->setPath(baseFolder) ? m_dir1->path() : baseFolder);
}

void FrameSetting::Option1_Click() {
    optionClicked(0);
}
void FrameSetting::Option2_Click() {
    optionClicked(1);
}
void FrameSetting::Option3_Click() {
    optionClicked(2);
}
void FrameSetting::Option4_Click() {
    optionClicked(3);
}

void FrameSetting::optionClicked(int index) {
    m_settings.setBitRate(Settings::BitRate::fromNumber(Settings::OfferedRates[index]));
    m_options[index]->setChecked(true);
}

void FrameSetting::selectOptionFor(const Settings::BitRate& rate) {
    for (int i = 0; i < 4; ++i) {
        if (rate.is(Settings::OfferedRates[i])) {
            optionClicked(i);
            return;
        }
    }
    // Exclusive buttons cannot all be cleared while they are exclusive.
    for (QRadioButton* option : m_options) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
    }
}

void FrameSetting::Dir1_Change() {
    m_settings.setBaseFolder(m_dir1->path());
    m_driveFolders.insert(volumeRoot(m_dir1->path()), m_dir1->path());
}

void FrameSetting::Drive1_Change() {
    const QString root = m_drive1->currentData().toString();
    if (root.isEmpty() || !QStorageInfo(root).isReady())
        return;
    m_dir1->setPath(m_driveFolders.value(root, root));
}

void FrameSetting::CmdFolder_Click() {
    const std::optional<QString> name =
        m_dialogs.inputText(this, tr("Create New Folder "), tr("New Folder Name"), QString());
    if (!name || name->trimmed().isEmpty()) {
        warn(tr("No folder was created: no name was given."));
        return;
    }
    if (!isPlainFolderName(*name)) {
        warn(tr("No folder was created: \"%1\" is not a folder name.").arg(*name));
        return;
    }
    const QString path = QDir::toNativeSeparators(QDir(m_dir1->path()).filePath(*name));
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        warn(tr("No folder was created: %1 already exists.").arg(path));
        return;
    }
    if (!QDir().mkdir(path)) {
        warn(tr("The folder %1 could not be created.").arg(path));
        return;
    }
    m_dir1->setPath(path);
}

void FrameSetting::CmdSaveSetting_Click() {
    // The per-user folder may not exist yet; a failure to make it shows as the write's.
    QDir().mkpath(QFileInfo(m_configPath).absolutePath());
    const Status saved = m_settings.write(m_configPath);
    if (!saved)
        m_dialogs.message(this, saved.message(), QLatin1String(appinfo::Title),
                          Dialogs::Icon::Critical);
}

void FrameSetting::fillDrives() {
    const QString current = volumeRoot(QDir::currentPath());
    for (const QString& root : volumeRoots())
        m_drive1->addItem(root, root);
    const int index = m_drive1->findData(current);
    m_drive1->setCurrentIndex(index >= 0 ? index : 0);
}

void FrameSetting::warn(const QString& text) {
    m_dialogs.message(this, text, QLatin1String(appinfo::Title), Dialogs::Icon::Warning);
}

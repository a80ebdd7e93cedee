// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/settings.h"

#include <QGroupBox>
#include <QHash>

#include <array>

class Dialogs;
class FolderList;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

// The settings page (frame "Setting"): the MP3 bit rate ("Mp3 KBit/S", Option1 to Option4)
// and the base folder ("Program Base Folder": the folder list Dir1, the volume list Drive1
// and "New Folder"), and "Save Setting", which writes "config.ini". The check box
// chkFixedSize "Fixed window size" (24,160 201×21) asks for the main window at its classic
// size, not resizable; it acts at once and is kept by the window in its own state file, not
// in "config.ini". Below it, "Language" (cboLanguage) chooses the language the window
// speaks from the next start: the user's locale's, or one with a catalogue; the window keeps
// the choice in its state file.
//
// The page works on the main window's Settings, which must outlive it; a change takes effect
// at once for every reader and is kept only when "Save Setting" is pressed. Prompts go
// through `dialogs`. GUI thread only.
class FrameSetting : public QGroupBox {
    Q_OBJECT
public:
    FrameSetting(Settings& settings, Dialogs& dialogs, QString configPath,
                 QWidget* parent = nullptr);

    // Start-up: reads "config.ini" and applies it. The bit rate read selects its option (a
    // value that is none of the four selects none and is kept); the stored folder becomes the
    // base folder when it still exists, the default base folder otherwise. A missing or
    // unreadable file leaves the bit rate unset. Nothing is reported.
    void readSettings();
    // Shows whether the window is fixed, without announcing it.
    void showFixedSize(bool fixed);
    // Shows the language chosen (a language::Offer code), without announcing it.
    void showLanguage(const QString& code);

signals:
    // The user checked or cleared "Fixed window size".
    void fixedSizeChosen(bool fixed);
    // The user chose a language (its code, "" for the locale's), for the next start.
    void languageChosen(const QString& code);

public slots:
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    // The folder open in Dir1 becomes the base folder.
    void Dir1_Change();
    // Dir1 shows the chosen volume's last open folder (its root at first). A volume that
    // cannot be read leaves Dir1 where it was.
    void Drive1_Change();
    // Asks for a name and creates that folder inside Dir1's folder, which then opens it. An
    // empty name, an existing entry or a failed creation is reported and changes nothing.
    void CmdFolder_Click();
    // Writes "config.ini", making its folder first when missing; a failure is reported and the
    // settings in memory stay.
    void CmdSaveSetting_Click();

private:
    void optionClicked(int index);
    void selectOptionFor(const Settings::BitRate& rate);
    void fillDrives();
    void warn(const QString& text);

    Settings& m_settings;
    Dialogs& m_dialogs;
    QString m_configPath;
    std::array<QRadioButton*, 4> m_options{};
    FolderList* m_dir1 = nullptr;
    QComboBox* m_drive1 = nullptr;
    QPushButton* m_cmdFolder = nullptr;
    QPushButton* m_cmdSaveSetting = nullptr;
    QCheckBox* m_chkFixedSize = nullptr;
    QComboBox* m_language = nullptr;
    // "From the next start", shown once the language is changed.
    QLabel* m_languageNote = nullptr;
    // The folder last open on each volume, by the volume's root.
    QHash<QString, QString> m_driveFolders;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/choices.h"
#include "base/settings.h"
#include "pagekit/app_context.h"
#include "pagekit/busy_gate.h"
#include "pagekit/encoder_jobs.h"
#include "pagekit/page_services.h"

#include <QWidget>

#include <QStringList>

#include <memory>

class ClassicLayout;
class ClipListJournal;
class Framewav;
class FrmLoad;
class Pages;
class QGroupBox;
class QToolBar;
class RingtonePrompt;

// The main window "KorvaNel Tunecarver": a 719 × 413 client area with the toolbar Toolbar1
// across the top and five page frames 48 pixels below the top, exactly one shown: Framewav
// "Audio Edit", FrameRec "Vioce Record", FrameConvert "Wav <-> Mp3", FrameSetting "Setting"
// and FrameAbout "About".
//
// The window can be resized and maximised. At its classic size every control is at its
// classic place; a larger window gives its extra room to the pages as Pages says
// (ClassicLayout). The smallest size is the classic one, grown by one factor where the font
// needs more room for a caption. Size, place and the maximised state are kept between runs
// in "state.ini" (WindowState) beside "config.ini", written when the program ends; so is
// the Setting page's "Fixed window size", written at once, which holds the window at its
// smallest size.
//
// Construction runs the start-up steps (Form_Load); their failures are ignored. Every
// toolbar click runs the page switch first: pageLeaving() is emitted, the engine is released,
// MMCEdit gets "stop" (it stays open) and MMCPlayList "Close"; then the key acts.
// "Exit" and closing the window run the exit sequence: both players stopped and closed, the
// work folder emptied (files only), and the application's event loop ended at once. While
// the "Audio Edit" page decodes a file into the work folder, the exit first stops the
// decode and waits for it, so the folder is never emptied under a file being written.
// While a long operation holds the window (a decode, a list saved as MP3) the other
// toolbar keys are refused.
//
// Keys: Ctrl+1 to Ctrl+5 are the toolbar's five page buttons and Ctrl+Q its "Exit"; Ctrl+O
// is "Add New" and Delete "Remove Form List" while the "Audio Edit" page is shown. No key
// acts while the window is disabled. Each tooltip names its key after its text.
//
// The pages and their wiring are the Pages composition, which page tests build too; the
// start-up steps call the pages for their texts and start states. The window owns the
// settings, the busy window, the busy gate and the encoder jobs for the whole run. GUI thread
// only.
class Frmmain : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 719;
    static constexpr int ClientHeight = 413;
    static constexpr int PageTop = 48;

    Frmmain(AppContext context, RingtonePrompt& ringtonePrompt, QWidget* parent = nullptr);
    ~Frmmain() override;

    const AppContext& context() const { return m_context; }
    Settings& settings() { return m_settings; }
    // The busy window: created at first use, then hidden or shown by callers, kept until
    // the window goes.
    FrmLoad& frmLoad();
    // The page frame now shown.
    QGroupBox* shownPage() const;
    // The "Audio Edit" page, which holds the clip list and brings files into it.
    Framewav& framewav() const;
    const Pages& pages() const { return *m_pages; }
    BusyGate& busyGate() { return m_busyGate; }

    // Files given on a command line, this one's or a later start's: added as "Add New" adds
    // chosen files (the failures of several in one message) once the window is free, the
    // window brought to the front with its size, place and maximised state as they were.
    void addFiles(const QStringList& paths);

    // "Fixed window size": the window at its smallest size, not resizable; or resizable again
    // from its present size. Kept in "state.ini" at once.
    void setFixedWindowSize(bool fixed);
    bool isFixedWindowSize() const { return m_fixedSize; }
    QSize smallestSize() const;

public slots:
    // The page switch, then the action of `key` ("Wav", "Rec", "Convert", "Setting", "Help",
    // "Exit"); another key does nothing after the switch. While the busy gate holds the
    // window only "Exit" acts.
    void Toolbar1_ButtonClick(const QString& key);

signals:
    // Page switch, step 1, the engine still running: the recording page stops its captures
    // and the take's playback (the take itself is kept).
    void pageLeaving();
    // The recording page was shown by "Rec" (after the page switch); the page starts its
    // recording support.
    void recordPageEntered();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void buildToolbar();
    void SetLng();
    void showPage(QGroupBox* page);
    void exitSequence();
    void restoreLastRun();
    void restoreTake();
    void restoreWindowState();
    void saveWindowState();

    AppContext m_context;
    RingtonePrompt& m_ringtonePrompt;
    Settings m_settings;
    Choices m_choices;
    std::unique_ptr<FrmLoad> m_frmLoad;
    BusyGate m_busyGate;
    EncoderJobs m_encoderJobs;
    QToolBar* m_toolbar1 = nullptr;
    std::unique_ptr<Pages> m_pages;
    std::unique_ptr<ClipListJournal> m_journal;
    std::unique_ptr<ClassicLayout> m_layout;
    QString m_statePath;
    bool m_fixedSize = false;
    bool m_exiting = false;
};

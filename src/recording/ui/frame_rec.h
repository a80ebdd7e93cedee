// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/background_job.h"
#include "base/work_folder.h"
#include "pagekit/page_services.h"
#include "recording/level_meter.h"
#include "recording/take_recorder.h"
#include "waveform/peaks.h"

#include <QElapsedTimer>
#include <QGroupBox>

#include <functional>
#include <memory>
#include <optional>

class AudioEngine;
class ClipImport;
class Dialogs;
class LevelMeterView;
class Mp3Encoder;
class WaveformView;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;
class QToolButton;

// The recording page (frame FrameRec, "Vioce Record"): the input list cmbInput with the
// input's type (lblInputType) and level (sldInputLevel), "Record"/"Stop" (btnRecord),
// "Play", "Save" with its two format buttons "Wav" and "MP3", and "Size of File" (lblPos),
// which tmrRecTest refreshes every 200 ms from the first entry on.
//
// Beside the level slider the meter (lvlMeter) shows the level of the selected input from
// the moment the page is entered: while no take is being recorded a capture of its own runs
// only to measure the input, and the take's capture measures it while recording; both stop
// when the page is left. tmrMeter (50 ms, while the page shows) reads the level, shows the
// take's time (lblTime, m:ss.s: elapsed while recording, the length after Stop) and moves
// the playhead of the take's picture (picTake), drawn after Stop. "Add to List"
// (btnAddToList, enabled with Play and Save) writes the take as "Voice.wav" and adds it to
// the clip list through the list's ClipImport, as "Add New" adds a file. Five minutes before
// the take's size limit a message says so. A wider page widens the take's picture.
//
// The page holds one take (TakeRecorder). Its buttons follow the take's state:
//   no take              "Record", Play and Save disabled
//   recording            "Stop",   Play and Save disabled
//   take ready           "Record", Play and Save enabled
//   take without stream  "Record", Play and Save disabled
// and every change of state hides the format buttons, so nothing is saved while a capture
// grows the take. Without a sound server or without inputs the page stays in its no-take
// state with Record disabled; the rest of the program works on.
//
// A WAV save writes the take to the chosen file; an MP3 save writes it to tempwav.wav in the
// work folder and starts an MP3 job on it, announcing the encoder's StatusCode with
// mp3StatusCode() (the main window puts it into the "Audio Edit" page's Text1). The job's
// end reports. The take is written on a background job while the window is held (the busy
// window shows only for a long take); the encoding holds nothing.
//
// The page switch calls leavePage() while the engine still runs, then releases the engine;
// entering the page calls initrec(). A finished take outlives the switch: it goes only with
// the next Record or the page. GUI thread only.
class FrameRec : public QGroupBox {
    Q_OBJECT
public:
    static constexpr int TimerIntervalMs = 200;
    static constexpr int MeterIntervalMs = 50;

    FrameRec(PageServices services, ClipImport& import, QWidget* parent = nullptr,
             TakeMemory memory = TakeMemory::mapped());
    ~FrameRec() override;

    TakeRecorder& take() { return *m_take; }
    // The peaks of the finished take's picture, null before; complete once waitForPicture()
    // returned.
    std::shared_ptr<const Peaks> takePeaks() const { return m_takePeaks; }
    void waitForPicture();
    // The selected input, -1 when none is.
    int inputIndex() const { return m_inputIndex; }

public slots:
    // Entering the page: starts the engine for recording, lists the inputs afresh (selecting
    // each input that is on, in turn), starts tmrRecTest and the meter's listening, and shows
    // a take kept from before the switch again.
    void initrec();
    // The page switch, before the engine is released: stops the meter's listening, a take
    // being recorded (kept, as Stop keeps it) and the take's playback; keeps the take.
    void leavePage();

    void cmbInput_Click();
    void sldInputLevel_Scroll();
    void btnRecord_Click();
    void btnPlay_Click();
    void btnSave_Click();
    void CmdWav_Click();
    void CmdMp3_Click();
    // Shows the captured bytes while recording; while the take plays "position / length",
    // otherwise its length; nothing changes without a take.
    void tmrRecTest_Timer();
    // Shows the level, the take's time and the playhead.
    void tmrMeter_Timer();
    void btnAddToList_Click();

signals:
    // An MP3 save handed its job to the encoder, which answered `code`.
    void mp3StatusCode(short code);

private:
    void ShowInputInfo();
    void SaveTakeAsWav();
    // Asks for the MP3's name; once the take is in tempwav.wav, starts the MP3 job on it.
    void SaveTakeForMp3();
    std::optional<QString> askSaveName(const QString& filter, const QString& extension);
    // Writes the finished take to `path` on the job; `then` runs once it is written (a
    // failure has been shown).
    void writeTake(const QString& path, std::function<void()> then = {});
    void onTakeState(TakeRecorder::State state);
    void onTakeFailed(const Status& status);
    void hideFormatButtons();
    void placeTakeChoices();
    void applyTakeChoices();
    void cleanUpTake();
    // The finished take's time and picture.
    void showTake();
    void startMonitor();
    void startPicture();
    void stopPicture();
    QString takeFolder() const;

    PageServices m_services;
    ClipImport& m_import;
    AudioEngine& m_engine;
    Dialogs& m_dialogs;
    WorkFolder m_workFolder;
    TakeRecorder* m_take = nullptr;
    int m_inputIndex = -1;

    QComboBox* m_cmbInput = nullptr;
    QPushButton* m_btnRecord = nullptr;
    QPushButton* m_btnPlay = nullptr;
    QPushButton* m_btnSave = nullptr;
    QPushButton* m_cmdWav = nullptr;
    QPushButton* m_cmdMp3 = nullptr;
    QLabel* m_lblInputType = nullptr;
    QSlider* m_sldInputLevel = nullptr;
    QDoubleSpinBox* m_spnPreRoll = nullptr;
    QCheckBox* m_chkStartOnSound = nullptr;
    QSlider* m_sldSoundLevel = nullptr;
    QLabel* m_lblSoundLevel = nullptr;
    QToolButton* m_cmdCleanUp = nullptr;
    QLabel* m_lblPos = nullptr;
    QTimer* m_tmrRecTest = nullptr;

    LevelMeter m_meter;
    QElapsedTimer m_clock;
    bool m_pageActive = false; // entered with inputs, not yet left
    bool m_wasRecording = false;
    LevelMeterView* m_lvlMeter = nullptr;
    QLabel* m_lblTime = nullptr;
    QPushButton* m_btnAddToList = nullptr;
    WaveformView* m_picTake = nullptr;
    QTimer* m_tmrMeter = nullptr;
    std::shared_ptr<Peaks> m_takePeaks;
    BackgroundJob m_pictureJob;
    BackgroundJob m_writeJob;
    bool m_pictureWhole = false;
};

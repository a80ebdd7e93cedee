// SPDX-License-Identifier: GPL-3.0-or-later
#include "recording/ui/frame_rec.h"

#include "audio/audio_engine.h"
#include "base/app_info.h"
#include "base/choices.h"
#include "cliplist/clip_import.h"
#include "cliplist/voice_cleanup.h"
#include "codec/mp3_encoder.h"
#include "pagekit/app_context.h"
#include "pagekit/audio_error.h"
#include "pagekit/busy_gate.h"
#include "pagekit/controls.h"
#include "pagekit/dialogs.h"
#include "pagekit/encoder_jobs.h"
#include "recording/input_types.h"
#include "recording/ui/level_meter_view.h"
#include "waveform/ui/waveform_view.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The picture is computed this many frames at a time (a whole number of fine blocks), so a
// new take or leaving the page stops it promptly.
constexpr std::int64_t PictureChunkFrames = std::int64_t(Peaks::FineBlock) * 4096;

// m:ss.s, the tenths cut, not rounded: the time shown has always been reached.
QString takeTime(ByteCount dataBytes) {
    const ByteCount tenths = std::max<ByteCount>(0, dataBytes) * 10 / TakeRecorder::BytesPerSecond;
    return QStringLiteral("%1:%2.%3")
        .arg(tenths / 600)
        .arg(tenths / 10 % 60, 2, 10, QLatin1Char('0'))
        .arg(tenths % 10);
}

template <typename Widget> Widget* place(Widget* widget, const char* name, const QRect& geometry) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

// Captions are marked with QT_TRANSLATE_NOOP("FrameRec", ...) where they are written.
QString caption(const char* text) {
    return *text ? QCoreApplication::translate("FrameRec", text) : QString();
}

QPushButton* button(QWidget* parent, const char* name, const char* text, const QRect& geometry) {
    return place(new QPushButton(caption(text), parent), name, geometry);
}

QLabel* label(QWidget* parent, const char* name, const char* text, const QRect& geometry) {
    auto* widget = place(new QLabel(caption(text), parent), name, geometry);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return widget;
}

const QString PreRollKey = QStringLiteral("record/preRollSeconds");
const QString StartOnSoundKey = QStringLiteral("record/startOnSound");
const QString SoundLevelKey = QStringLiteral("record/soundLevelDb");

QString soundLevelText(int db) {
    return QCoreApplication::translate("FrameRec", "%1 dB").arg(db);
}

} // namespace

FrameRec::FrameRec(PageServices services, ClipImport& import, QWidget* parent, TakeMemory memory)
    : QGroupBox(parent), m_services(services), m_import(import), m_engine(services.context.engine),
      m_dialogs(services.context.dialogs), m_workFolder(services.context.workFolder),
      m_take(new TakeRecorder(m_engine, memory, this)) {
    m_take->setSpoolFile(m_workFolder.takeSpool());
    m_take->setMeter(&m_meter);
    m_clock.start();
    setObjectName(QStringLiteral("FrameRec"));
    setTitle(tr("Vioce Record"));

    m_cmbInput = place(new QComboBox(this), "cmbInput", {56, 48, 97, 21});
    m_btnRecord =
        button(this, "btnRecord", QT_TRANSLATE_NOOP("FrameRec", "Record"), {160, 49, 89, 20});
    m_btnPlay = button(this, "btnPlay", QT_TRANSLATE_NOOP("FrameRec", "Play"), {264, 49, 57, 20});
    m_btnSave = button(this, "btnSave", QT_TRANSLATE_NOOP("FrameRec", "Save"), {336, 49, 49, 20});
    m_cmdWav = button(this, "CmdWav", QT_TRANSLATE_NOOP("FrameRec", "Wav"), {392, 32, 49, 20});
    m_cmdMp3 = button(this, "CmdMp3", QT_TRANSLATE_NOOP("FrameRec", "MP3"), {392, 56, 49, 20});
    label(this, "Label4", QT_TRANSLATE_NOOP("FrameRec", "Rec Device"), {56, 77, 89, 25});
    m_lblInputType = label(this, "lblInputType", "", {160, 77, 96, 21});
    label(this, "Label3", QT_TRANSLATE_NOOP("FrameRec", "Input Volume"), {56, 117, 81, 17});
    m_sldInputLevel =
        place(new QSlider(Qt::Horizontal, this), "sldInputLevel", {152, 109, 201, 33});
    m_sldInputLevel->setRange(0, 100);
    m_sldInputLevel->setTickPosition(QSlider::TicksBelow);
    m_sldInputLevel->setTickInterval(10);
    label(this, "Label5", QT_TRANSLATE_NOOP("FrameRec", "Size of File"), {56, 157, 81, 25});
    m_lblPos = label(this, "lblPos", "", {152, 157, 201, 33});
    m_lvlMeter = place(new LevelMeterView(this), "lvlMeter", {360, 113, 117, 26});
    m_lblTime = label(this, "lblTime", "", {360, 157, 117, 25});
    m_btnAddToList = button(this, "btnAddToList", QT_TRANSLATE_NOOP("FrameRec", "Add to List"),
                            {264, 77, 121, 20});
    m_btnAddToList->setEnabled(false);
    m_picTake = place(new WaveformView(this), "picTake", {56, 192, 421, 48});
    // Only a picture here: the marks and the playhead are not the user's to move.
    m_picTake->setAttribute(Qt::WA_TransparentForMouseEvents);
    // A wider page shows the take wider.
    controls::keepEdges(m_picTake, Qt::LeftEdge | Qt::RightEdge | Qt::TopEdge);
    controls::describe(m_cmbInput, QT_TRANSLATE_NOOP("Controls", "Rec Device"),
                       QT_TRANSLATE_NOOP("Controls", "The input to record from"));
    controls::describe(m_sldInputLevel, QT_TRANSLATE_NOOP("Controls", "Input Volume"),
                       QT_TRANSLATE_NOOP("Controls", "The recording level of the input"));
    m_btnPlay->setEnabled(false);
    m_btnSave->setEnabled(false);
    placeTakeChoices();
    m_cmdWav->hide();
    m_cmdMp3->hide();

    m_tmrRecTest = new QTimer(this);
    m_tmrRecTest->setObjectName(QStringLiteral("tmrRecTest"));
    m_tmrRecTest->setInterval(TimerIntervalMs);

    connect(m_cmbInput, &QComboBox::currentTextChanged, m_cmbInput, &QWidget::setToolTip);
    // activated, not currentIndexChanged: filling the list must not choose an input.
    connect(m_cmbInput, &QComboBox::activated, this, &FrameRec::cmbInput_Click);
    connect(m_sldInputLevel, &QSlider::valueChanged, this, &FrameRec::sldInputLevel_Scroll);
    connect(m_btnRecord, &QPushButton::clicked, this, &FrameRec::btnRecord_Click);
    connect(m_btnPlay, &QPushButton::clicked, this, &FrameRec::btnPlay_Click);
    connect(m_btnSave, &QPushButton::clicked, this, &FrameRec::btnSave_Click);
    connect(m_cmdWav, &QPushButton::clicked, this, &FrameRec::CmdWav_Click);
    connect(m_cmdMp3, &QPushButton::clicked, this, &FrameRec::CmdMp3_Click);
    connect(m_tmrRecTest, &QTimer::timeout, this, &FrameRec::tmrRecTest_Timer);
    m_tmrMeter = new QTimer(this);
    m_tmrMeter->setObjectName(QStringLiteral("tmrMeter"));
    m_tmrMeter->setInterval(MeterIntervalMs);
    connect(m_tmrMeter, &QTimer::timeout, this, &FrameRec::tmrMeter_Timer);
    connect(m_btnAddToList, &QPushButton::clicked, this, &FrameRec::btnAddToList_Click);
    connect(m_take, &TakeRecorder::listeningEnded, this, [this] { m_meter.reset(); });
    connect(m_take, &TakeRecorder::nearingLimit, this, [this] {
        m_dialogs.message(this,
                          tr("In five minutes the take reaches the largest size a "
                             "WAV file can hold. Recording then stops, and "
                             "everything recorded is kept."),
                          QString::fromLatin1(appinfo::Title), Dialogs::Icon::Warning);
    });
    connect(m_take, &TakeRecorder::stateChanged, this, &FrameRec::onTakeState);
    connect(m_take, &TakeRecorder::failed, this, &FrameRec::onTakeFailed);
}

// The take's capture measures into m_meter: it ends before the meter goes; a write of the
// take ends before the take goes.
FrameRec::~FrameRec() {
    m_writeJob.cancel();
    stopPicture();
    m_take->stopListening();
    delete m_take;
}

// The row below the picture: how the next take starts, and the take's clean-up. What the
// user chose last time is where they left it.
void FrameRec::placeTakeChoices() {
    Choices& choices = m_services.choices;
    label(this, "lblPreRoll", QT_TRANSLATE_NOOP("FrameRec", "Pre-roll"), {56, 252, 48, 20});
    m_spnPreRoll = place(new QDoubleSpinBox(this), "spnPreRoll", {104, 250, 64, 22});
    m_spnPreRoll->setRange(0, PreRoll::MaxMs / 1000.0);
    m_spnPreRoll->setSingleStep(0.1);
    m_spnPreRoll->setDecimals(1);
    //: The unit after the pre-roll's number of seconds.
    m_spnPreRoll->setSuffix(tr(" s"));
    m_spnPreRoll->setToolTip(tr("Sound heard before Record that goes into the take"));
    m_spnPreRoll->setValue(choices.number(PreRollKey, 0.5));
    m_chkStartOnSound =
        place(new QCheckBox(tr("Start on sound"), this), "chkStartOnSound", {180, 252, 112, 20});
    m_chkStartOnSound->setToolTip(
        tr("Record waits for the first sound louder than the level beside"));
    m_chkStartOnSound->setChecked(choices.flag(StartOnSoundKey, false));
    m_sldSoundLevel =
        place(new QSlider(Qt::Horizontal, this), "sldSoundLevel", {292, 250, 100, 22});
    m_sldSoundLevel->setRange(-60, 0);
    m_sldSoundLevel->setToolTip(tr("The level that starts the take"));
    m_sldSoundLevel->setValue(
        int(choices.number(SoundLevelKey, TakeRecorder::DefaultSoundThresholdDb)));
    m_lblSoundLevel = label(this, "lblSoundLevel", "", {398, 252, 60, 20});
    m_lblSoundLevel->setText(soundLevelText(m_sldSoundLevel->value()));
    QList<controls::Check> steps;
    for (const cleanup::StepKey& step : cleanup::StepKeys)
        steps.append({step.key, step.text, true});
    m_cmdCleanUp =
        controls::buttonWithChecks(this, "CmdCleanUp", QT_TRANSLATE_NOOP("Controls", "Clean Up"),
                                   {392, 77, 85, 20}, choices, steps);
    m_cmdCleanUp->setToolTip(tr("Trim, denoise and level the take"));
    m_cmdCleanUp->setEnabled(false);
    applyTakeChoices();

    connect(m_spnPreRoll, &QDoubleSpinBox::valueChanged, this, [this](double seconds) {
        m_services.choices.set(PreRollKey, seconds);
        applyTakeChoices();
    });
    connect(m_chkStartOnSound, &QCheckBox::toggled, this, [this](bool on) {
        m_services.choices.set(StartOnSoundKey, on);
        applyTakeChoices();
    });
    connect(m_sldSoundLevel, &QSlider::valueChanged, this, [this](int db) {
        m_lblSoundLevel->setText(soundLevelText(db));
        m_services.choices.set(SoundLevelKey, db);
        applyTakeChoices();
    });
    connect(m_cmdCleanUp, &QToolButton::clicked, this, &FrameRec::cleanUpTake);
}

void FrameRec::applyTakeChoices() {
    m_take->setPreRollMs(int(std::lround(m_spnPreRoll->value() * 1000)));
    m_take->setStartOnSound(m_chkStartOnSound->isChecked(), m_sldSoundLevel->value());
}

// The take is written out, cleaned on the job and read back as the take's new sound; the
// window is held all the while, so nothing records over the take or frees it meanwhile.
void FrameRec::cleanUpTake() {
    if (m_take->state() != TakeRecorder::State::TakeReady)
        return;
    std::unique_ptr<JobScope> hold = m_services.busy.hold(tr("Cleaning up......."), false);
    if (!hold)
        return;
    QDir(takeFolder()).removeRecursively();
    if (!QDir().mkpath(takeFolder())) {
        ShowAudioError(m_dialogs, this, tr("Can't create the file"), int(ErrorCode::Create));
        return;
    }
    struct Cleaned {
        QByteArray pcm;
        QString note;
    };
    const QDir folder(takeFolder());
    m_writeJob.start<Result<Cleaned>>(
        [image = m_take->takeBuffer(), bytes = m_take->takeLength(),
         raw = folder.filePath(QStringLiteral("take.wav")),
         cleaned = folder.filePath(QStringLiteral("clean.wav")),
         steps = cleanup::rememberedSteps(m_services.choices)](
            const BackgroundJob::Context& job) -> Result<Cleaned> {
            if (Status written = TakeRecorder::writeImage(image, bytes, raw); !written)
                return written;
            const Result<cleanup::Outcome> done = cleanup::clean(
                raw, cleaned, steps, [&](int percent) { job.progress(percent); },
                &job.cancelFlag());
            if (!done)
                return done.status();
            const Result<WavInfo> info = readWavInfo(cleaned);
            QFile file(cleaned);
            if (!info || !file.open(QIODevice::ReadOnly) || !file.seek(info->dataOffset))
                return Status{ErrorCode::FileOpen,
                              tr("%1: the cleaned take can't be read.").arg(cleaned)};
            Cleaned outcome{file.read(info->dataBytes), done->note};
            if (outcome.pcm.size() != info->dataBytes)
                return Status{ErrorCode::FileOpen,
                              tr("%1: the cleaned take can't be read.").arg(cleaned)};
            return outcome;
        },
        [this](Result<Cleaned> cleaned) {
            QDir(takeFolder()).removeRecursively();
            if (!cleaned) {
                if (cleaned.status().code() != ErrorCode::Ended)
                    warn(m_dialogs, this, cleaned.status().message());
                return;
            }
            stopPicture();
            if (const Status replaced = m_take->replaceSound(cleaned->pcm); !replaced) {
                ShowAudioError(m_dialogs, this, replaced.message(), replaced.codeNumber());
                return;
            }
            showTake();
            if (!cleaned->note.isEmpty())
                m_dialogs.message(this, cleaned->note, QString::fromLatin1(appinfo::Title),
                                  Dialogs::Icon::Information);
        },
        std::move(hold));
}

void FrameRec::showTake() {
    m_lblTime->setText(takeTime(m_take->takeLength() - WavHeader::Size));
    startPicture();
}

void FrameRec::initrec() {
    m_inputIndex = -1;
    m_cmbInput->clear();
    bool usable = false;
    const Status started = m_engine.startForRecording();
    if (!started) {
        ShowAudioError(m_dialogs, this, tr("Can't initialize device"), m_engine.lastErrorCode());
    } else if (m_engine.inputCount() == 0) {
        ShowAudioError(m_dialogs, this, tr("Can't initialize device"), int(ErrorCode::Device));
    } else {
        usable = true;
        // Which inputs are on is read before any is chosen: choosing one turns the others off
        // in the engine, and each input that was on is to be chosen in turn, as the user would
        // choose it, so that the last of them ends up the only one on.
        std::vector<bool> wasOn;
        for (int i = 0; i < m_engine.inputCount(); ++i)
            wasOn.push_back(m_engine.inputState(i).on);
        // Item i stands for the engine's input i.
        for (int i = 0; i < int(wasOn.size()); ++i) {
            m_cmbInput->addItem(m_engine.inputName(i));
            if (wasOn[std::size_t(i)]) {
                m_cmbInput->setCurrentIndex(i);
                cmbInput_Click();
                m_inputIndex = i;
                ShowInputInfo();
            }
        }
    }
    if (m_inputIndex < 0)
        m_cmbInput->setCurrentIndex(-1);
    // Server inputs have long names; the list opens wide enough to show them whole.
    m_cmbInput->view()->setMinimumWidth(m_cmbInput->view()->sizeHintForColumn(0) + 24);
    if (!m_tmrRecTest->isActive())
        m_tmrRecTest->start();
    m_btnRecord->setEnabled(usable);
    // A take recorded before the user looked at another page is still there to be played.
    if (started)
        m_take->bringBack();
    m_meter.reset();
    m_meter.clearClip();
    m_pageActive = usable;
    startMonitor();
    if (usable)
        m_tmrMeter->start();
}

void FrameRec::leavePage() {
    m_pageActive = false;
    m_tmrMeter->stop();
    m_take->putAway();
    m_meter.reset();
    m_lvlMeter->setReading(m_meter.read(m_clock.elapsed()));
}

// Refused (no input, the server away): the meter shows nothing, and Record says why.
void FrameRec::startMonitor() {
    if (m_pageActive)
        (void)m_take->startListening();
}

void FrameRec::cmbInput_Click() {
    m_inputIndex = m_cmbInput->currentIndex();
    for (int i = 0; i < m_cmbInput->count(); ++i)
        m_engine.setInputOff(i);
    m_engine.setInputOn(m_inputIndex);
    ShowInputInfo();
}

void FrameRec::sldInputLevel_Scroll() {
    m_engine.setInputLevel(m_inputIndex, m_sldInputLevel->value());
}

void FrameRec::ShowInputInfo() {
    const AudioEngine::InputState input = m_engine.inputState(m_inputIndex);
    {
        // Showing the level is not a move of the slider: nothing is written back.
        const QSignalBlocker blocker(m_sldInputLevel);
        m_sldInputLevel->setValue(input.levelPercent);
    }
    m_lblInputType->setText(inputTypeName(input.typeCode));
}

void FrameRec::btnRecord_Click() {
    if (m_take->recordChannel() != 0) {
        m_take->EndTake();
        return;
    }
    // The take's capture measures the input from now on; the old take's picture reads the
    // block that the new take frees.
    stopPicture();
    m_picTake->clear();
    m_meter.clearClip();
    if (const Status begun = m_take->BeginTake(); !begun) {
        ShowAudioError(m_dialogs, this, begun.message(), begun.codeNumber());
        startMonitor();
    }
}

void FrameRec::btnPlay_Click() {
    m_engine.play(m_take->takeStream());
}

void FrameRec::btnSave_Click() {
    if (m_take->state() != TakeRecorder::State::TakeReady)
        return;
    m_cmdWav->show();
    m_cmdMp3->show();
}

void FrameRec::CmdWav_Click() {
    SaveTakeAsWav();
    hideFormatButtons();
}

void FrameRec::CmdMp3_Click() {
    SaveTakeForMp3();
    hideFormatButtons();
}

void FrameRec::tmrRecTest_Timer() {
    // A take still waiting for sound has nothing in it yet, whatever the capture heard.
    if (m_take->state() == TakeRecorder::State::WaitingForSound) {
        m_lblPos->setText(QStringLiteral("0"));
    } else if (const auto capture = m_take->recordChannel(); capture != 0) {
        m_lblPos->setText(QString::number(m_engine.capturePosition(capture)));
    } else if (const auto stream = m_take->takeStream(); stream != 0) {
        const QString length = QString::number(m_engine.length(stream));
        if (m_engine.isActive(stream))
            m_lblPos->setText(QString::number(m_engine.position(stream)) + QStringLiteral(" / ") +
                              length);
        else
            m_lblPos->setText(length);
    }
}

void FrameRec::tmrMeter_Timer() {
    m_lvlMeter->setReading(m_meter.read(m_clock.elapsed()));
    if (m_take->state() == TakeRecorder::State::WaitingForSound) {
        // The time runs from the sound that starts the take, not from Record.
    } else if (const auto capture = m_take->recordChannel(); capture != 0) {
        m_lblTime->setText(takeTime(m_take->recordedBytes()));
    } else if (const auto stream = m_take->takeStream(); stream != 0) {
        const ByteCount played = m_engine.isActive(stream) ? m_engine.position(stream) : 0;
        m_picTake->setPlayhead(played * 1000 / TakeRecorder::BytesPerSecond);
    }
    // Repainted until a paint has been asked for with every frame ready.
    if (m_takePeaks && !m_pictureWhole) {
        m_pictureWhole = m_takePeaks->complete();
        m_picTake->update();
    }
}

QString FrameRec::takeFolder() const {
    return m_workFolder.file(QStringLiteral("take"));
}

// The clip list names a clip after its file, so the take goes in as "Voice.wav", in a
// folder of its own: a clip named "Voice" already has the work folder's "Voice.wav".
void FrameRec::btnAddToList_Click() {
    if (m_take->state() != TakeRecorder::State::TakeReady || m_services.busy.isBusy())
        return;
    QDir(takeFolder()).removeRecursively();
    const QString path = QDir(takeFolder()).filePath(QStringLiteral("Voice.wav"));
    if (!QDir().mkpath(takeFolder())) {
        ShowAudioError(m_dialogs, this, tr("Can't create the file"), int(ErrorCode::Create));
        return;
    }
    writeTake(path, [this, path] {
        ClipImport::Request request;
        request.paths = {path};
        request.done = [this](const ClipImport::Report& report) {
            QDir(takeFolder()).removeRecursively();
            if (const auto notice = report.notice())
                tell(m_dialogs, &m_services.dialogParent, *notice);
            else if (!report.added.isEmpty())
                m_dialogs.message(this,
                                  tr("The take is now the clip \"%1\" at the end of "
                                     "the clip list of the \"Audio Edit\" page.")
                                      .arg(report.added.first()),
                                  QString::fromLatin1(appinfo::Title), Dialogs::Icon::Information);
        };
        m_import.add(std::move(request));
    });
}

void FrameRec::startPicture() {
    stopPicture();
    const std::int64_t frames = (m_take->takeLength() - WavHeader::Size) / 4;
    m_takePeaks = std::make_shared<Peaks>(WavHeader::forTake().format(), frames);
    m_picTake->setClip(m_takePeaks, frames * 1000 / 44100);
    m_pictureWhole = false;
    // The finished take's block stays put until stopPicture() has stopped the job.
    const auto* samples = reinterpret_cast<const std::int16_t*>(m_take->takeBuffer() + 44);
    m_pictureJob.start(
        [samples, frames, peaks = m_takePeaks](const BackgroundJob::Context& job) {
            for (std::int64_t at = 0; at < frames && !job.cancelled(); at += PictureChunkFrames)
                peaks->add(samples + at * 2, std::min(PictureChunkFrames, frames - at));
        },
        [this] { m_picTake->update(); });
}

void FrameRec::stopPicture() {
    m_pictureJob.cancel();
    m_takePeaks.reset();
}

void FrameRec::waitForPicture() {
    m_pictureJob.finishNow();
    m_picTake->update();
}

void FrameRec::SaveTakeAsWav() {
    if (const auto target =
            askSaveName(QStringLiteral("%1|*.wav|%2|*.*").arg(tr("WAV files"), tr("All files")),
                        QStringLiteral("wav")))
        writeTake(*target);
}

void FrameRec::SaveTakeForMp3() {
    const auto target =
        askSaveName(QStringLiteral("%1|*.MP3").arg(tr("MP3 files")), QStringLiteral("mp3"));
    if (!target || target->isEmpty())
        return;
    writeTake(m_workFolder.tempWav(), [this, target = *target] {
        m_services.encoderJobs.start(m_workFolder.tempWav(), target, nullptr);
        emit mp3StatusCode(m_services.context.Mp3Enc1.StatusCode());
    });
}

std::optional<QString> FrameRec::askSaveName(const QString& filter, const QString& extension) {
    // Only a finished, playable take is saved: never the block a capture is still growing.
    if (m_take->state() != TakeRecorder::State::TakeReady)
        return std::nullopt;
    Dialogs::FileRequest request;
    request.mode = Dialogs::FileRequest::Mode::Save;
    request.title = tr("Save As...");
    request.filter = filter;
    request.defaultExtension = extension;
    request.flags = Dialogs::FileRequest::Explorer | Dialogs::FileRequest::HideReadOnly |
                    Dialogs::FileRequest::NoOverwritePrompt;
    return m_dialogs.chooseFile(this, request);
}

void FrameRec::writeTake(const QString& path, std::function<void()> then) {
    std::unique_ptr<JobScope> hold = m_services.busy.hold(tr("Saving......."), false);
    if (!hold || m_take->state() != TakeRecorder::State::TakeReady)
        return;
    // The window is held while the job reads the take: nothing can record over it or free it.
    m_writeJob.start<Status>(
        [image = m_take->takeBuffer(), bytes = m_take->takeLength(), path](
            const BackgroundJob::Context&) { return TakeRecorder::writeImage(image, bytes, path); },
        [this, then = std::move(then)](Status written) {
            if (!written) {
                ShowAudioError(m_dialogs, this, tr("Can't create the file"), written.codeNumber());
                return;
            }
            if (then)
                then();
        },
        std::move(hold));
}

void FrameRec::onTakeState(TakeRecorder::State state) {
    m_btnRecord->setText(state == TakeRecorder::State::Recording ||
                                 state == TakeRecorder::State::WaitingForSound
                             ? tr("Stop")
                             : tr("Record"));
    const bool ready = state == TakeRecorder::State::TakeReady;
    m_btnPlay->setEnabled(ready);
    m_btnSave->setEnabled(ready);
    m_btnAddToList->setEnabled(ready);
    m_cmdCleanUp->setEnabled(ready);
    hideFormatButtons();
    const bool waiting = state == TakeRecorder::State::WaitingForSound;
    const bool recording = state == TakeRecorder::State::Recording || waiting;
    // Start on sound is set between takes only.
    m_chkStartOnSound->setEnabled(!recording);
    m_sldSoundLevel->setEnabled(!recording);
    if (waiting)
        m_lblTime->setText(tr("Waiting for sound\u2026"));
    if (m_wasRecording && !recording) {
        m_lblTime->clear();
        if (m_take->takeBuffer())
            showTake();
        startMonitor();
    }
    m_wasRecording = recording;
}

void FrameRec::onTakeFailed(const Status& status) {
    if (status.code() == ErrorCode::TooLarge)
        m_dialogs.message(this, status.message(), QString::fromLatin1(appinfo::Title),
                          Dialogs::Icon::Warning);
    else
        ShowAudioError(m_dialogs, this, status.message(), status.codeNumber());
}

void FrameRec::hideFormatButtons() {
    m_cmdWav->hide();
    m_cmdMp3->hide();
}

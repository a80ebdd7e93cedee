// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "audio/audio_engine.h"
#include "cliplist/ui/ringtone_prompt.h"
#include "wav/clip_range.h"

#include <QByteArray>
#include <QDialog>

class PhoneLink;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The dialog of "Save as Ringtone": the phone (the four targets of ringtone.h) as options,
// the tone's name, "Save the whole list", the loudness, "Fade out over the last 0.5 s" and
// "Seamless loop" as checks, "Play loop" and OK and Cancel. Without a selected clip the
// list check is on and cannot be changed. A loop has no fade-out: that check is off while
// the loop's is on.
//
// "Play loop" plays the selected clip as the loop tone it would make, three times in a row,
// so the user hears the seams; a second click stops it. It needs an engine and a clip (not
// the whole list, which is joined only when saving); a tone that cannot be played says why
// beside the button. The stream goes with the dialog. GUI thread only.
class RingtoneDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int LoopPlays = 3;

    // `engine` (may be null: no "Play loop") must outlive the dialog.
    RingtoneDialog(const RingtonePrompt::Choice& initial, bool clipSelected,
                   const ClipRange& clipFile, AudioEngine* engine, QWidget* parent = nullptr);
    ~RingtoneDialog() override;

    RingtonePrompt::Choice choice() const;

private:
    void updateControls();
    void playLoop();
    void stopLoop();

    QButtonGroup* m_targets;
    QLineEdit* m_title;
    QCheckBox* m_wholeList;
    QCheckBox* m_loudness;
    QCheckBox* m_fadeOut;
    QCheckBox* m_loop;
    QPushButton* m_play;
    QLabel* m_playStatus;
    ClipRange m_clipFile;
    AudioEngine* m_engine;
    QByteArray m_image; // what m_stream plays
    AudioEngine::Handle m_stream = 0;
};

// The real prompt: RingtoneDialog, modal to `parent`, playing loops on `engine` (may be
// null; must outlive the prompt). GUI thread only.
class QtRingtonePrompt : public RingtonePrompt {
public:
    // `engine` plays the loop preview (null: none); `phones` takes saved tones to a phone
    // (null: no offer). Both outlive the prompt.
    explicit QtRingtonePrompt(AudioEngine* engine = nullptr, PhoneLink* phones = nullptr)
        : m_engine(engine), m_phones(phones) {}
    std::optional<Choice> chooseRingtone(QWidget* parent, const Choice& initial, bool clipSelected,
                                         const ClipRange& clipFile) override;
    void sendToPhone(QWidget* parent, const QString& tone) override;

private:
    AudioEngine* m_engine;
    PhoneLink* m_phones;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cliplist/ui/ringtone_prompt.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;

// The dialog of "Save as Ringtone": the phone (iPhone .m4r, Android .ogg, Android .mp3) as
// three options, "Save the whole list" and "Fade out over the last 0.5 s" as two checks, OK
// and Cancel. Without a selected clip the list check is on and cannot be changed.
class RingtoneDialog : public QDialog {
    Q_OBJECT
public:
    RingtoneDialog(const RingtonePrompt::Choice& initial, bool clipSelected,
                   QWidget* parent = nullptr);

    RingtonePrompt::Choice choice() const;

private:
    QButtonGroup* m_targets;
    QCheckBox* m_wholeList;
    QCheckBox* m_loudness;
    QCheckBox* m_fadeOut;
};

// The real prompt: RingtoneDialog, modal to `parent`. GUI thread only.
class QtRingtonePrompt : public RingtonePrompt {
public:
    std::optional<Choice> chooseRingtone(QWidget* parent, const Choice& initial,
                                         bool clipSelected) override;
};

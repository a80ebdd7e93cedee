// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/ui/dialogs.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;

// The dialog of "Save as Ringtone": the phone (iPhone .m4r, Android .ogg, Android .mp3) as
// three options, "Save the whole list" and "Fade out over the last 0.5 s" as two checks, OK
// and Cancel. Without a selected clip the list check is on and cannot be changed.
class RingtoneDialog : public QDialog {
    Q_OBJECT
public:
    RingtoneDialog(const Dialogs::RingtoneChoice& initial, bool clipSelected,
                   QWidget* parent = nullptr);

    Dialogs::RingtoneChoice choice() const;

private:
    QButtonGroup* m_targets;
    QCheckBox* m_wholeList;
    QCheckBox* m_loudness;
    QCheckBox* m_fadeOut;
};

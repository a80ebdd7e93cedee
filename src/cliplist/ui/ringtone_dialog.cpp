// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/ringtone_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

RingtoneDialog::RingtoneDialog(const RingtonePrompt::Choice& initial, bool clipSelected,
                               QWidget* parent)
    : QDialog(parent), m_targets(new QButtonGroup(this)),
      m_wholeList(new QCheckBox(QStringLiteral("Save the whole list, joined in order"), this)),
      m_loudness(new QCheckBox(
          QStringLiteral("Bring to a loudness of %1 LUFS").arg(ringtone::DefaultLufs, 0, 'f', 0),
          this)),
      m_fadeOut(new QCheckBox(QStringLiteral("Fade out over the last %1")
                                  .arg(ringtone::lengthText(ringtone::DefaultFadeOutMs)),
                              this)) {
    setObjectName(QStringLiteral("RingtoneDialog"));
    setWindowTitle(QStringLiteral("Save as Ringtone"));
    auto* layout = new QVBoxLayout(this);
    auto* phones = new QGroupBox(QStringLiteral("Phone"), this);
    auto* phoneLayout = new QVBoxLayout(phones);
    for (ringtone::Target target :
         {ringtone::Target::IPhone, ringtone::Target::AndroidOgg, ringtone::Target::AndroidMp3}) {
        auto* option = new QRadioButton(ringtone::label(target), phones);
        option->setChecked(target == initial.target);
        m_targets->addButton(option, int(target));
        phoneLayout->addWidget(option);
    }
    layout->addWidget(phones);

    m_wholeList->setObjectName(QStringLiteral("wholeList"));
    m_wholeList->setChecked(initial.wholeList || !clipSelected);
    m_wholeList->setEnabled(clipSelected);
    m_loudness->setObjectName(QStringLiteral("loudness"));
    m_loudness->setChecked(initial.loudness);
    m_fadeOut->setObjectName(QStringLiteral("fadeOut"));
    m_fadeOut->setChecked(initial.fadeOut);
    layout->addWidget(m_wholeList);
    layout->addWidget(m_loudness);
    layout->addWidget(m_fadeOut);

    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

RingtonePrompt::Choice RingtoneDialog::choice() const {
    RingtonePrompt::Choice chosen;
    chosen.target = ringtone::Target(m_targets->checkedId());
    chosen.wholeList = m_wholeList->isChecked();
    chosen.loudness = m_loudness->isChecked();
    chosen.fadeOut = m_fadeOut->isChecked();
    return chosen;
}

std::optional<RingtonePrompt::Choice>
QtRingtonePrompt::chooseRingtone(QWidget* parent, const Choice& initial, bool clipSelected) {
    RingtoneDialog dialog(initial, clipSelected, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

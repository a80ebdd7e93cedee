// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/ringtone_dialog.h"

#include "base/app_info.h"
#include "cliplist/ui/send_to_phone_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString playText() {
    return QCoreApplication::translate("RingtoneDialog", "Play loop %1 times")
        .arg(RingtoneDialog::LoopPlays);
}

} // namespace

RingtoneDialog::RingtoneDialog(const RingtonePrompt::Choice& initial, bool clipSelected,
                               const ClipRange& clipFile, AudioEngine* engine, QWidget* parent)
    : QDialog(parent), m_targets(new QButtonGroup(this)),
      m_title(new QLineEdit(initial.title, this)),
      m_wholeList(new QCheckBox(
          QCoreApplication::translate("RingtoneDialog", "Save the whole list, joined in order"),
          this)),
      m_loudness(new QCheckBox(
          QCoreApplication::translate("RingtoneDialog", "Bring to a loudness of %1 LUFS")
              .arg(ringtone::DefaultLufs, 0, 'f', 0),
          this)),
      m_fadeOut(
          new QCheckBox(QCoreApplication::translate("RingtoneDialog", "Fade out over the last %1")
                            .arg(ringtone::lengthText(ringtone::DefaultFadeOutMs)),
                        this)),
      m_loop(new QCheckBox(QCoreApplication::translate("RingtoneDialog", "Seamless loop"), this)),
      m_play(new QPushButton(playText(), this)), m_playStatus(new QLabel(this)),
      m_clipFile(clipSelected ? clipFile : ClipRange()), m_engine(engine) {
    setObjectName(QStringLiteral("RingtoneDialog"));
    setWindowTitle(QCoreApplication::translate("RingtoneDialog", "Save as Ringtone"));
    auto* layout = new QVBoxLayout(this);
    auto* phones = new QGroupBox(QCoreApplication::translate("RingtoneDialog", "Phone"), this);
    auto* phoneLayout = new QVBoxLayout(phones);
    for (ringtone::Target target : {ringtone::Target::IPhoneShare, ringtone::Target::IPhoneFinder,
                                    ringtone::Target::AndroidOgg, ringtone::Target::AndroidMp3}) {
        auto* option = new QRadioButton(ringtone::label(target), phones);
        option->setChecked(target == initial.target);
        m_targets->addButton(option, int(target));
        phoneLayout->addWidget(option);
    }
    layout->addWidget(phones);

    auto* name = new QFormLayout;
    m_title->setObjectName(QStringLiteral("title"));
    m_title->setToolTip(
        QCoreApplication::translate("RingtoneDialog", "The name phones list the ringtone by"));
    name->addRow(QCoreApplication::translate("RingtoneDialog", "Name:"), m_title);
    layout->addLayout(name);

    m_wholeList->setObjectName(QStringLiteral("wholeList"));
    m_wholeList->setChecked(initial.wholeList || !clipSelected);
    m_wholeList->setEnabled(clipSelected);
    m_loudness->setObjectName(QStringLiteral("loudness"));
    m_loudness->setChecked(initial.loudness);
    m_fadeOut->setObjectName(QStringLiteral("fadeOut"));
    m_fadeOut->setChecked(initial.fadeOut);
    m_loop->setObjectName(QStringLiteral("loop"));
    m_loop->setChecked(initial.loop);
    m_loop->setToolTip(QCoreApplication::translate(
        "RingtoneDialog", "The end runs into the start, so the phone repeats the "
                          "tone without a jump or a pause"));
    layout->addWidget(m_wholeList);
    layout->addWidget(m_loudness);
    layout->addWidget(m_fadeOut);
    layout->addWidget(m_loop);

    auto* playRow = new QHBoxLayout;
    m_play->setObjectName(QStringLiteral("playLoop"));
    m_playStatus->setObjectName(QStringLiteral("playStatus"));
    playRow->addWidget(m_play);
    playRow->addWidget(m_playStatus, 1);
    layout->addLayout(playRow);
    m_play->setVisible(m_engine != nullptr);

    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    // Tab follows the reading order: the phone, the name, the choices, the loop's player, then
    // OK and Cancel. The check boxes, made first, would otherwise come before the phone.
    QList<QWidget*> order;
    for (QAbstractButton* option : m_targets->buttons())
        order << option;
    order << m_title << m_wholeList << m_loudness << m_fadeOut << m_loop << m_play;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_loop, &QCheckBox::toggled, this, &RingtoneDialog::updateControls);
    connect(m_wholeList, &QCheckBox::toggled, this, &RingtoneDialog::updateControls);
    // What is playing was made for the choices of its click; a change stops it.
    connect(m_targets, &QButtonGroup::idToggled, this, &RingtoneDialog::stopLoop);
    connect(m_loudness, &QCheckBox::toggled, this, &RingtoneDialog::stopLoop);
    connect(m_play, &QPushButton::clicked, this, [this] {
        if (m_stream != 0)
            stopLoop();
        else
            playLoop();
    });
    if (m_engine)
        connect(m_engine, &AudioEngine::streamEnded, this, [this](AudioEngine::Handle stream) {
            if (stream == m_stream)
                stopLoop();
        });
    updateControls();
}

RingtoneDialog::~RingtoneDialog() {
    stopLoop();
}

RingtonePrompt::Choice RingtoneDialog::choice() const {
    RingtonePrompt::Choice chosen;
    chosen.target = ringtone::Target(m_targets->checkedId());
    chosen.wholeList = m_wholeList->isChecked();
    chosen.loudness = m_loudness->isChecked();
    chosen.loop = m_loop->isChecked();
    chosen.fadeOut = m_fadeOut->isChecked() && !chosen.loop;
    chosen.title = m_title->text().trimmed();
    return chosen;
}

void RingtoneDialog::updateControls() {
    m_fadeOut->setEnabled(!m_loop->isChecked());
    const bool canPlay =
        m_loop->isChecked() && !m_wholeList->isChecked() && !m_clipFile.file.isEmpty();
    m_play->setEnabled(canPlay);
    if (!canPlay)
        stopLoop();
}

void RingtoneDialog::playLoop() {
    ringtone::Request request;
    request.source = m_clipFile;
    request.target = ringtone::Target(m_targets->checkedId());
    request.cutMs = ringtone::limitMs(request.target);
    request.loudness = m_loudness->isChecked();
    request.loop = true;
    Result<QByteArray> image = ringtone::repeatedImage(request, LoopPlays);
    if (!image) {
        m_playStatus->setText(image.status().message());
        return;
    }
    m_image = std::move(*image);
    m_stream = m_engine->createMemoryStream(reinterpret_cast<const std::byte*>(m_image.constData()),
                                            ByteCount(m_image.size()));
    const Status played =
        m_stream != 0 ? m_engine->play(m_stream) : Status{ErrorCode::Start, QString()};
    if (!played) {
        stopLoop();
        m_playStatus->setText(QCoreApplication::translate(
                                  "RingtoneDialog", "The loop cannot be played (error code %1).")
                                  .arg(m_engine->lastErrorCode()));
        return;
    }
    m_playStatus->clear();
    m_play->setText(QCoreApplication::translate("RingtoneDialog", "Stop"));
}

void RingtoneDialog::stopLoop() {
    if (m_stream != 0) {
        m_engine->stop(m_stream);
        m_engine->freeStream(m_stream);
        m_stream = 0;
    }
    m_image.clear();
    m_play->setText(playText());
}

std::optional<RingtonePrompt::Choice> QtRingtonePrompt::chooseRingtone(QWidget* parent,
                                                                       const Choice& initial,
                                                                       bool clipSelected,
                                                                       const ClipRange& clipFile) {
    RingtoneDialog dialog(initial, clipSelected, clipFile, m_engine, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

void QtRingtonePrompt::sendToPhone(QWidget* parent, const QString& tone) {
    if (!m_phones)
        return;
    SendToPhoneDialog dialog(tone, *m_phones, parent);
    dialog.exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/effects_row.h"

#include "cliplist/clip_change.h"
#include "cliplist/clip_list.h"
#include "cliplist/edit_history.h"
#include "cliplist/edit_session.h"
#include "cliplist/voice_cleanup.h"
#include "pagekit/app_context.h"
#include "pagekit/audio_error.h"
#include "pagekit/busy_gate.h"
#include "pagekit/controls.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>

#include <functional>

using controls::pictureButton;
using controls::place;

namespace {

// "1.5", "1.5 s", "+3 dB", "-2,5": the number at the start, whatever unit follows.
std::optional<double> readNumber(const QString& text) {
    static const QRegularExpression number(QStringLiteral(R"(^\s*([+-]?\d+(?:[.,]\d+)?))"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).replace(u',', u'.').toDouble();
}

} // namespace

EffectsRow::EffectsRow(ClipList& clips, EditHistory& history, EditSession& session,
                       PageServices services, QWidget* parent)
    : QWidget(parent), m_clips(clips), m_history(history), m_session(session),
      m_services(services) {
    setObjectName(QStringLiteral("EffectsRow"));
    resize(345, 22);
    controls::markPanel(this);
    m_cmdFadeIn = pictureButton(this, "CmdFadeIn", {12, 0, 24, 22}, 16);
    m_cmdFadeOut = pictureButton(this, "CmdFadeOut", {38, 0, 24, 22}, 16);
    m_txtFade = place(new QLineEdit(QStringLiteral("1.0 s"), this), "txtFade", {64, 0, 38, 22});
    m_cmdGain = pictureButton(this, "CmdGain", {106, 0, 24, 22}, 16);
    m_txtGain = place(new QLineEdit(QStringLiteral("+3 dB"), this), "txtGain", {132, 0, 40, 22});
    m_cmdNormalise = pictureButton(this, "CmdNormalise", {176, 0, 24, 22}, 16);
    m_cboLoudness = place(new QComboBox(this), "cboLoudness", {202, 0, 92, 22});
    // The level is the item's data; its text is for the user, in the user's language.
    for (const int lufs : {-14, -16, -23})
        m_cboLoudness->addItem(QCoreApplication::translate("EffectsRow", "%1 LUFS").arg(lufs),
                               lufs);
    m_chkNormaliseAll = place(new QCheckBox(QCoreApplication::translate("EffectsRow", "All"), this),
                              "chkNormaliseAll", {297, 2, 36, 18});

    controls::describe(m_txtFade, QT_TRANSLATE_NOOP("Controls", "Fade length"),
                       QT_TRANSLATE_NOOP("Controls", "The length of a fade in or out, in seconds"));
    controls::describe(m_txtGain, QT_TRANSLATE_NOOP("Controls", "Gain"),
                       QT_TRANSLATE_NOOP("Controls", "The gain to apply, in decibels"));
    controls::describe(m_cboLoudness, QT_TRANSLATE_NOOP("Controls", "Loudness"),
                       QT_TRANSLATE_NOOP("Controls", "The loudness Normalise brings clips to"));
    connect(m_cmdFadeIn, &QPushButton::clicked, this, &EffectsRow::CmdFadeIn_Click);
    connect(m_cmdFadeOut, &QPushButton::clicked, this, &EffectsRow::CmdFadeOut_Click);
    connect(m_cmdGain, &QPushButton::clicked, this, &EffectsRow::CmdGain_Click);
    connect(m_cmdNormalise, &QPushButton::clicked, this, &EffectsRow::CmdNormalise_Click);
    // The keys act while a clip is open and no box is being typed in, as the editor's do.
    for (const auto& [key, effect] :
         {std::pair{QKeySequence(Qt::Key_F), Effect::FadeIn},
          std::pair{QKeySequence(Qt::SHIFT | Qt::Key_F), Effect::FadeOut},
          std::pair{QKeySequence(Qt::Key_G), Effect::Gain},
          std::pair{QKeySequence(Qt::Key_N), Effect::Normalise},
          std::pair{QKeySequence(Qt::Key_C), Effect::CleanUp}}) {
        auto* shortcut = new QShortcut(key, parent ? parent : this, [this, effect = effect] {
            if (!qobject_cast<QLineEdit*>(QApplication::focusWidget()))
                applyToOpenClip(effect);
        });
        shortcut->setEnabled(false);
        m_keys << shortcut;
    }
    connect(&m_session, &EditSession::opened, this, [this] {
        for (QShortcut* key : m_keys)
            key->setEnabled(true);
    });
    connect(&m_session, &EditSession::closed, this, [this] {
        for (QShortcut* key : m_keys)
            key->setEnabled(false);
    });
}

void EffectsRow::SetLng() {
    const std::pair<QWidget*, const char*> tooltips[] = {
        {m_cmdFadeIn, QT_TRANSLATE_NOOP("EffectsRow", "Fade In")},
        {m_cmdFadeOut, QT_TRANSLATE_NOOP("EffectsRow", "Fade Out")},
        {m_cmdGain, QT_TRANSLATE_NOOP("EffectsRow", "Gain")},
        {m_cmdNormalise, QT_TRANSLATE_NOOP("EffectsRow", "Normalise")},
        {m_txtFade, QT_TRANSLATE_NOOP("EffectsRow", "The length of a fade, in seconds")},
        {m_txtGain, QT_TRANSLATE_NOOP("EffectsRow", "The gain, in decibels")},
        {m_cboLoudness, QT_TRANSLATE_NOOP("EffectsRow", "The loudness Normalise brings clips to")},
        {m_chkNormaliseAll, QT_TRANSLATE_NOOP("EffectsRow", "Normalise every clip of the list")},
    };
    for (const auto& [control, text] : tooltips)
        control->setToolTip(QCoreApplication::translate("EffectsRow", text));
}

void EffectsRow::nameKeys() {
    const std::pair<QPushButton*, const char*> keys[] = {
        {m_cmdFadeIn, "F"}, {m_cmdFadeOut, "Shift+F"}, {m_cmdGain, "G"}, {m_cmdNormalise, "N"}};
    for (const auto& [button, key] : keys)
        button->setToolTip(QStringLiteral("%1 (%2)").arg(button->toolTip(), QLatin1String(key)));
}

void EffectsRow::setNormaliseAll(bool all) {
    m_chkNormaliseAll->setChecked(all);
}

void EffectsRow::CmdFadeIn_Click() {
    applyToOpenClip(Effect::FadeIn);
}

void EffectsRow::CmdFadeOut_Click() {
    applyToOpenClip(Effect::FadeOut);
}

void EffectsRow::CmdGain_Click() {
    applyToOpenClip(Effect::Gain);
}

void EffectsRow::CmdNormalise_Click() {
    applyToOpenClip(Effect::Normalise);
}

void EffectsRow::CmdCleanUp_Click() {
    applyToOpenClip(Effect::CleanUp);
}

void EffectsRow::applyToOpenClip(Effect effect) {
    const int row = m_session.isOpen() ? m_clips.rowOfFile(m_session.clipFile()) : -1;
    if (row >= 0 ||
        (effect == Effect::Normalise && m_chkNormaliseAll->isChecked() && m_clips.count() > 0))
        apply(effect, row);
}

void EffectsRow::apply(Effect effect, int row) {
    if (m_services.busy.isBusy() || isRunning())
        return;
    const auto refuse = [&](const QString& text) {
        warn(m_services.context.dialogs, &m_services.dialogParent, text);
    };
    const std::optional<double> seconds = readNumber(m_txtFade->text());
    const std::optional<double> db = readNumber(m_txtGain->text());
    if ((effect == Effect::FadeIn || effect == Effect::FadeOut) && (!seconds || *seconds <= 0))
        return refuse(QCoreApplication::translate(
            "EffectsRow", "Type the length of the fade in seconds, for example 1.0."));
    if (effect == Effect::Gain && (!db || std::abs(*db) > 60))
        return refuse(QCoreApplication::translate(
            "EffectsRow", "Type the gain in decibels, from -60 to +60, for example +3."));
    soundedit::Target target;
    target.lufs = m_cboLoudness->currentData().toDouble();

    std::vector<int> rows;
    if (effect == Effect::Normalise && m_chkNormaliseAll->isChecked())
        for (int r = 0; r < m_clips.count(); ++r)
            rows.push_back(r);
    else if (row >= 0 && row < m_clips.count())
        rows.push_back(row);
    if (rows.empty())
        return;
    std::unique_ptr<JobScope> hold = m_services.busy.hold(QString(), false);
    if (!hold)
        return;

    const char* const names[] = {
        QT_TRANSLATE_NOOP("EffectsRow", "Fade in"), QT_TRANSLATE_NOOP("EffectsRow", "Fade out"),
        QT_TRANSLATE_NOOP("EffectsRow", "Gain"), QT_TRANSLATE_NOOP("EffectsRow", "Normalise"),
        QT_TRANSLATE_NOOP("EffectsRow", "Clean up")};
    m_openRow = m_session.isOpen() ? m_clips.rowOfFile(m_session.clipFile()) : -1;
    m_session.letGo();
    std::vector<Task> tasks;
    for (int r : rows) {
        Task task;
        task.row = r;
        task.file = m_clips.range(r);
        task.wav = m_services.context.workFolder.clipFile(m_clips.at(r).name);
        task.what = QCoreApplication::translate("EffectsRow", "%1 of %2")
                        .arg(QCoreApplication::translate("EffectsRow", names[int(effect)]),
                             m_clips.at(r).name);
        // A clip whose file changed behind the list is told, not changed.
        if (Status same = m_clips.unchanged(r); !same) {
            task.outcome = same;
            tasks.push_back(task);
            continue;
        }
        task.before = m_history.beforeReplace(r);
        if (task.before.isEmpty())
            task.outcome = Status{ErrorCode::Create,
                                  QCoreApplication::translate(
                                      "EffectsRow", "the sound as it is cannot be kept for undo.")};
        tasks.push_back(task);
    }
    std::function<Result<soundedit::Outcome>(const QString&)> work;
    switch (effect) {
    case Effect::FadeIn:
        work = [s = *seconds](const QString& f) { return soundedit::fade(f, f, s, 0); };
        break;
    case Effect::FadeOut:
        work = [s = *seconds](const QString& f) { return soundedit::fade(f, f, 0, s); };
        break;
    case Effect::Gain:
        work = [d = *db](const QString& f) { return soundedit::gain(f, f, d); };
        break;
    case Effect::Normalise:
        work = [target](const QString& f) { return soundedit::normalise(f, f, target); };
        break;
    case Effect::CleanUp:
        work = [steps = cleanup::rememberedSteps(m_services.choices)](
                   const QString& f) -> Result<soundedit::Outcome> {
            const Result<cleanup::Outcome> cleaned = cleanup::clean(f, f, steps);
            if (!cleaned)
                return cleaned.status();
            soundedit::Outcome outcome;
            outcome.gainDb = cleaned->gainDb;
            outcome.note = cleaned->note;
            return outcome;
        };
        break;
    }
    m_job.start<std::vector<Task>>(
        [tasks = std::move(tasks), work](const BackgroundJob::Context& context) mutable {
            for (std::size_t i = 0; i < tasks.size() && !context.cancelled(); ++i) {
                Task& task = tasks[i];
                if (!task.before.isEmpty()) {
                    // An effect that finds nothing to change writes nothing, and a kept MP3
                    // stays as it is.
                    bool ran = false;
                    const Status written =
                        clipchange::onWav(task.file, task.wav, [&](const QString& f) {
                            ran = true;
                            task.outcome = work(f);
                            return !task.outcome           ? task.outcome.status()
                                   : task.outcome->changed ? Status::ok()
                                                           : Status{ErrorCode::Ended, QString()};
                        });
                    if (!ran) // the kept clip could not be decoded
                        task.outcome = written;
                }
                context.progress(int((i + 1) * 100 / tasks.size()));
            }
            return tasks;
        },
        [this](std::vector<Task> done) { end(std::move(done)); }, std::move(hold));
}

void EffectsRow::end(std::vector<Task> tasks) {
    int written = 0;
    for (const Task& task : tasks)
        written += task.outcome && task.outcome->changed ? 1 : 0;
    if (written > 1)
        m_history.beginGroup(QCoreApplication::translate("EffectsRow", "Normalise all"));
    QStringList told;
    for (const Task& task : tasks) {
        const bool changed = task.outcome && task.outcome->changed;
        if (!task.before.isEmpty())
            m_history.afterReplace(task.row, task.what, task.before, changed);
        const QString name = m_clips.at(task.row).name;
        if (!task.outcome)
            told << QCoreApplication::translate("EffectsRow", "%1 was not changed: %2")
                        .arg(name, task.outcome.status().message());
        else if (!task.outcome->note.isEmpty())
            told << QStringLiteral("%1: %2").arg(name, task.outcome->note);
    }
    if (written > 1)
        m_history.endGroup();
    m_session.takeBack(m_openRow >= 0 ? m_clips.range(m_openRow) : ClipRange());
    if (!told.isEmpty())
        tell(m_services.context.dialogs, &m_services.dialogParent,
             Notice{Notice::Kind::Information, told.join(u'\n'), 0, QString()});
    emit finished();
}

void EffectsRow::cancel() {
    m_job.cancel();
}

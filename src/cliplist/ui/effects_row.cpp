// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/effects_row.h"

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
    for (const char* level : {"-14 LUFS", "-16 LUFS", "-23 LUFS"})
        m_cboLoudness->addItem(QLatin1String(level));
    m_chkNormaliseAll =
        place(new QCheckBox(QStringLiteral("All"), this), "chkNormaliseAll", {297, 2, 36, 18});

    controls::describe(m_txtFade, "Fade length", "The length of a fade in or out, in seconds");
    controls::describe(m_txtGain, "Gain", "The gain to apply, in decibels");
    controls::describe(m_cboLoudness, "Loudness", "The loudness Normalise brings clips to");
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
        {m_cmdFadeIn, "Fade In"},
        {m_cmdFadeOut, "Fade Out"},
        {m_cmdGain, "Gain"},
        {m_cmdNormalise, "Normalise"},
        {m_txtFade, "The length of a fade, in seconds"},
        {m_txtGain, "The gain, in decibels"},
        {m_cboLoudness, "The loudness Normalise brings clips to"},
        {m_chkNormaliseAll, "Normalise every clip of the list"},
    };
    for (const auto& [control, text] : tooltips)
        control->setToolTip(QLatin1String(text));
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
        return refuse(QStringLiteral("Type the length of the fade in seconds, for example 1.0."));
    if (effect == Effect::Gain && (!db || std::abs(*db) > 60))
        return refuse(
            QStringLiteral("Type the gain in decibels, from -60 to +60, for example +3."));
    soundedit::Target target;
    target.lufs = readNumber(m_cboLoudness->currentText()).value_or(-14.0);

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

    const char* const names[] = {"Fade in", "Fade out", "Gain", "Normalise", "Clean up"};
    m_session.letGo();
    std::vector<Task> tasks;
    for (int r : rows) {
        Task task;
        task.row = r;
        task.file = m_clips.clipFile(r);
        task.what =
            QStringLiteral("%1 of %2").arg(QLatin1String(names[int(effect)]), m_clips.at(r).name);
        task.before = m_history.beforeReplace(r);
        if (task.before.isEmpty())
            task.outcome = Status{ErrorCode::Create,
                                  QStringLiteral("the sound as it is cannot be kept for undo.")};
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
                if (!tasks[i].before.isEmpty())
                    tasks[i].outcome = work(tasks[i].file);
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
        m_history.beginGroup(QStringLiteral("Normalise all"));
    QStringList told;
    for (const Task& task : tasks) {
        const bool changed = task.outcome && task.outcome->changed;
        if (!task.before.isEmpty())
            m_history.afterReplace(task.row, task.what, task.before, changed);
        const QString name = m_clips.at(task.row).name;
        if (!task.outcome)
            told << QStringLiteral("%1 was not changed: %2")
                        .arg(name, task.outcome.status().message());
        else if (!task.outcome->note.isEmpty())
            told << QStringLiteral("%1: %2").arg(name, task.outcome->note);
    }
    if (written > 1)
        m_history.endGroup();
    m_session.takeBack();
    if (!told.isEmpty())
        tell(m_services.context.dialogs, &m_services.dialogParent,
             Notice{Notice::Kind::Information, told.join(u'\n'), 0, QString()});
    emit finished();
}

void EffectsRow::cancel() {
    m_job.cancel();
}

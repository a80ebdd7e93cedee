// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/clip_effects.h"

#include "base/app_info.h"
#include "cliplist/ui/clip_editor.h"
#include "cliplist/ui/framewav.h"
#include "pagekit/app_context.h"
#include "pagekit/dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

#include <functional>

ClipEffects::ClipEffects(Framewav& page, ClipEditor& editor) : m_page(page), m_editor(editor) {
    const FramewavControls& c = m_page.controls();
    connect(c.CmdFadeIn, &QPushButton::clicked, this, &ClipEffects::CmdFadeIn_Click);
    connect(c.CmdFadeOut, &QPushButton::clicked, this, &ClipEffects::CmdFadeOut_Click);
    connect(c.CmdGain, &QPushButton::clicked, this, &ClipEffects::CmdGain_Click);
    connect(c.CmdNormalise, &QPushButton::clicked, this, &ClipEffects::CmdNormalise_Click);
}

ClipEffects::~ClipEffects() {
    cancel();
}

void ClipEffects::CmdFadeIn_Click() {
    applyToOpenClip(Effect::FadeIn);
}

void ClipEffects::CmdFadeOut_Click() {
    applyToOpenClip(Effect::FadeOut);
}

void ClipEffects::CmdGain_Click() {
    applyToOpenClip(Effect::Gain);
}

void ClipEffects::CmdNormalise_Click() {
    applyToOpenClip(Effect::Normalise);
}

void ClipEffects::applyToOpenClip(Effect effect) {
    const int row = m_editor.openRow();
    if (row >= 0 || (effect == Effect::Normalise &&
                     m_page.controls().chkNormaliseAll->isChecked() && m_page.clips().count() > 0))
        apply(effect, row);
}

// "1.5", "1.5 s", "+3 dB", "-2,5": the number at the start, whatever unit follows.
std::optional<double> ClipEffects::readNumber(const QString& text) const {
    static const QRegularExpression number(QStringLiteral(R"(^\s*([+-]?\d+(?:[.,]\d+)?))"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).replace(u',', u'.').toDouble();
}

void ClipEffects::apply(Effect effect, int row) {
    if (m_page.isBusy() || m_page.isAdding() || isRunning())
        return;
    const FramewavControls& c = m_page.controls();
    const PageServices& services = m_page.services();
    const auto refuse = [&](const QString& text) {
        services.context.dialogs.message(&services.dialogParent, text,
                                         QLatin1String(appinfo::Title), Dialogs::Icon::Warning);
    };
    const std::optional<double> seconds = readNumber(c.txtFade->text());
    const std::optional<double> db = readNumber(c.txtGain->text());
    if ((effect == Effect::FadeIn || effect == Effect::FadeOut) && (!seconds || *seconds <= 0))
        return refuse(QStringLiteral("Type the length of the fade in seconds, for example 1.0."));
    if (effect == Effect::Gain && (!db || std::abs(*db) > 60))
        return refuse(
            QStringLiteral("Type the gain in decibels, from -60 to +60, for example +3."));
    soundedit::Target target;
    target.lufs = readNumber(c.cboLoudness->currentText()).value_or(-14.0);

    std::vector<int> rows;
    if (effect == Effect::Normalise && c.chkNormaliseAll->isChecked())
        for (int r = 0; r < m_page.clips().count(); ++r)
            rows.push_back(r);
    else if (row >= 0 && row < m_page.clips().count())
        rows.push_back(row);
    if (rows.empty())
        return;

    const char* const names[] = {"Fade in", "Fade out", "Gain", "Normalise"};
    m_editor.letGo();
    m_tasks.clear();
    for (int r : rows) {
        Task task;
        task.row = r;
        task.file = m_page.clipFile(r);
        task.what = QStringLiteral("%1 of %2")
                        .arg(QLatin1String(names[int(effect)]), m_page.clips().at(r).name);
        task.before = m_page.history().beforeReplace(r);
        if (task.before.isEmpty())
            task.outcome = Status{ErrorCode::Create,
                                  QStringLiteral("the sound as it is cannot be kept for undo.")};
        m_tasks.push_back(task);
    }
    m_busy = services.busy.enter(BusyGate::Window::Disable);
    const unsigned generation = ++m_generation;
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
    }
    m_thread = std::thread([this, work, generation] {
        for (Task& task : m_tasks)
            if (!task.before.isEmpty())
                task.outcome = work(task.file);
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (generation == m_generation)
                    end();
            },
            Qt::QueuedConnection);
    });
}

void ClipEffects::end() {
    if (m_thread.joinable())
        m_thread.join();
    m_busy.reset();
    int written = 0;
    for (const Task& task : m_tasks)
        written += task.outcome && task.outcome->changed ? 1 : 0;
    EditHistory& history = m_page.history();
    if (written > 1)
        history.beginGroup(QStringLiteral("Normalise all"));
    QStringList told;
    for (const Task& task : m_tasks) {
        const bool changed = task.outcome && task.outcome->changed;
        if (!task.before.isEmpty())
            history.afterReplace(task.row, task.what, task.before, changed);
        const QString name = m_page.clips().at(task.row).name;
        if (!task.outcome)
            told << QStringLiteral("%1 was not changed: %2")
                        .arg(name, task.outcome.status().message());
        else if (!task.outcome->note.isEmpty())
            told << QStringLiteral("%1: %2").arg(name, task.outcome->note);
    }
    if (written > 1)
        history.endGroup();
    m_editor.takeBack();
    if (!told.isEmpty()) {
        const PageServices& services = m_page.services();
        services.context.dialogs.message(&services.dialogParent, told.join(u'\n'),
                                         QLatin1String(appinfo::Title), Dialogs::Icon::Information);
    }
    m_tasks.clear();
    emit finished();
}

void ClipEffects::cancel() {
    ++m_generation;
    if (m_thread.joinable())
        m_thread.join();
    m_busy.reset();
}

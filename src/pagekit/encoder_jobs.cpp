// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/encoder_jobs.h"

#include "audio/media_player.h"
#include "base/app_info.h"
#include "pagekit/app_context.h"
#include "pagekit/busy_window.h"
#include "pagekit/dialogs.h"

#include <QDir>
#include <QPointer>

#include <algorithm>

EncoderJobs::EncoderJobs(const AppContext& context, BusyGate& gate, QWidget& dialogParent)
    : m_context(context), m_gate(gate), m_dialogParent(dialogParent) {
    connect(&m_context.Mp3Enc1, &Mp3Encoder::progress, this, [this](int percent) {
        const bool shown = std::any_of(m_jobs.begin(), m_jobs.end(),
                                       [](const auto& job) { return job.second.busy != nullptr; });
        if (shown && m_gate.busyWindow().isVisible())
            m_gate.busyWindow().setProgress(percent);
    });
}

short EncoderJobs::start(const QString& inputPath, const QString& outputPath,
                         std::unique_ptr<BusyGate::Scope> busy) {
    return start(inputPath, outputPath, {}, std::move(busy));
}

short EncoderJobs::start(const QString& inputPath, const QString& outputPath, Mp3Encoder::Work work,
                         std::unique_ptr<BusyGate::Scope> busy,
                         std::function<void(const QString& output)> saved) {
    const int id = m_nextId++;
    auto done = [jobs = QPointer<EncoderJobs>(this), id](bool ok, const QString& message,
                                                         const QString& output) {
        if (jobs)
            jobs->finish(id, ok, message, output);
    };
    const short code =
        work ? m_context.Mp3Enc1.EncodeWith(inputPath, outputPath, std::move(work), done)
             : m_context.Mp3Enc1.EncodeFile(inputPath, outputPath, done);
    if (code == 0)
        m_jobs.emplace(id, Job{std::move(busy), std::move(saved)});
    return code;
}

void EncoderJobs::finish(int id, bool ok, const QString& message, const QString& output) {
    const auto found = m_jobs.find(id);
    if (found == m_jobs.end())
        return;
    Job job = std::move(found->second);
    m_jobs.erase(found);
    if (job.busy)
        job.busy->hideBusyWindow();
    if (ok && job.saved)
        job.saved(output);
    else if (ok)
        m_context.dialogs.message(&m_dialogParent,
                                  tr("Finish Save\n%1").arg(QDir::toNativeSeparators(output)),
                                  QString::fromLatin1(appinfo::Title), Dialogs::Icon::None);
    else
        m_context.dialogs.message(&m_dialogParent, message, QString::fromLatin1(appinfo::Title),
                                  Dialogs::Icon::Warning);
    m_context.MMCEdit.command(QStringLiteral("stop"));
    m_context.MMCPlayList.command(QStringLiteral("Stop"));
    // job.busy goes last: the window is enabled after everything else.
}

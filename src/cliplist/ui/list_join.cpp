// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/ui/list_join.h"

#include "audio/media_player.h"
#include "cliplist/clip_joiner.h"
#include "cliplist/clip_list.h"
#include "pagekit/app_context.h"

ListJoin::ListJoin(const ClipList& clips, PageServices services, QObject* parent)
    : QObject(parent), m_clips(clips), m_services(services) {
    connect(&m_job, &BackgroundJob::progressed, this, [this](int percent) {
        if (m_hold)
            m_hold->progress(percent);
    });
}

QList<ClipRange> ListJoin::clipFilesToRead() {
    const AppContext& context = m_services.context;
    context.MMCEdit.command(QStringLiteral("Close"));
    context.MMCPlayList.command(QStringLiteral("Close"));
    QList<ClipRange> clipFiles;
    for (int row = 0; row < m_clips.count(); ++row)
        clipFiles << m_clips.range(row);
    return clipFiles;
}

void ListJoin::start(std::unique_ptr<BusyGate::Scope> hold, const QString& target, Then then) {
    const QList<ClipRange> clipFiles = clipFilesToRead();
    m_hold = std::move(hold);
    m_job.start<Status>(
        [clipFiles, target](const BackgroundJob::Context& job) {
            ClipJoiner joiner;
            joiner.setProgress([&](ByteCount done, ByteCount total) {
                if (total > 0)
                    job.progress(int(done * 100 / total));
            });
            return joiner.join(clipFiles, target);
        },
        [this, then = std::move(then)](Status joined) { then(joined, std::move(m_hold)); });
}

void ListJoin::cancel() {
    m_job.cancel();
    m_hold.reset();
}

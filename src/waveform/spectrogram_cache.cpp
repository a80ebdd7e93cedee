// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/spectrogram_cache.h"

SpectrogramCache::SpectrogramCache(QObject* parent) : QObject(parent) {}

SpectrogramCache::~SpectrogramCache() = default;

void SpectrogramCache::clear() {
    m_job.cancel();
    m_path.clear();
    m_spectrogram.reset();
    m_failure.clear();
}

std::shared_ptr<const Spectrogram> SpectrogramCache::spectrogramFor(const QString& clipPath) {
    const Result<ClipStamp> stamp = clipStampOf(clipPath);
    if (!stamp) {
        clear();
        m_failure = stamp.status().message();
        return nullptr;
    }
    if (clipPath == m_path && *stamp == m_stamp && (m_spectrogram || m_job.isRunning()))
        return m_spectrogram;
    clear();
    m_path = clipPath;
    m_stamp = *stamp;
    using Computed = Result<std::shared_ptr<Spectrogram>>;
    m_job.start<Computed>(
        [clipPath, before = *stamp](const BackgroundJob::Context& job) {
            // The file beside the clip is read here too, not on the GUI thread: a long clip's
            // spectrogram is megabytes.
            if (Computed kept = spectrogram::load(clipPath))
                return kept;
            Computed made = spectrogram::compute(clipPath, job.cancelFlag(),
                                                 [&](int percent) { job.progress(percent); });
            // A clip that changed meanwhile gets no file from its old sound. A picture that
            // can't be kept is still shown; it is only computed again next time.
            const Result<ClipStamp> after = clipStampOf(clipPath);
            if (made && after && *after == before)
                (void)spectrogram::save(clipPath, **made);
            return made;
        },
        [this, clipPath](Computed made) {
            if (!made) {
                m_failure = made.status().message();
                return;
            }
            m_spectrogram = *made;
            emit ready(clipPath);
        });
    return nullptr;
}

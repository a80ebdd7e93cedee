// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/spectrogram_cache.h"

SpectrogramCache::SpectrogramCache(QObject* parent) : QObject(parent) {}

SpectrogramCache::~SpectrogramCache() = default;

void SpectrogramCache::clear() {
    m_job.cancel();
    m_range = {};
    m_spectrogram.reset();
    m_failure.clear();
}

std::shared_ptr<const Spectrogram> SpectrogramCache::spectrogramFor(const ClipRange& range) {
    const Result<ClipStamp> stamp = clipStampOf(range);
    if (!stamp) {
        clear();
        m_failure = stamp.status().message();
        return nullptr;
    }
    if (range == m_range && *stamp == m_stamp && (m_spectrogram || m_job.isRunning()))
        return m_spectrogram;
    clear();
    m_range = range;
    m_stamp = *stamp;
    using Computed = Result<std::shared_ptr<Spectrogram>>;
    m_job.start<Computed>(
        [range, before = *stamp](const BackgroundJob::Context& job) {
            // The file beside the clip is read here too, not on the GUI thread: a long clip's
            // spectrogram is megabytes.
            if (Computed kept = spectrogram::load(range))
                return kept;
            Computed made = spectrogram::compute(range, job.cancelFlag(),
                                                 [&](int percent) { job.progress(percent); });
            // A clip that changed meanwhile gets no file from its old sound. A picture that
            // can't be kept is still shown; it is only computed again next time.
            const Result<ClipStamp> after = clipStampOf(range);
            if (made && after && *after == before)
                (void)spectrogram::save(range, **made);
            return made;
        },
        [this, range](Computed made) {
            if (!made) {
                m_failure = made.status().message();
                return;
            }
            m_spectrogram = *made;
            emit ready(range);
        });
    return nullptr;
}

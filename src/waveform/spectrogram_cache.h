// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/background_job.h"
#include "wav/clip_range.h"
#include "wav/clip_stamp.h"
#include "waveform/spectrogram.h"

#include <QObject>
#include <QString>

#include <memory>

// The spectrogram of the clip open in the editor. On a background job it is loaded from its
// file beside the clip while that still belongs to the clip file as it is now, else computed
// and saved there. One clip at a time: asking for another cancels the work for the last.
//
// GUI thread only; the destructor cancels and waits for a computation.
class SpectrogramCache : public QObject {
    Q_OBJECT
public:
    explicit SpectrogramCache(QObject* parent = nullptr);
    ~SpectrogramCache() override;

    // The spectrogram of the clip `range` when it is known and still the clip's own; else null, and
    // it is being computed (ready() follows), or it can't be (failure() says why).
    std::shared_ptr<const Spectrogram> spectrogramFor(const ClipRange& range);
    QString failure() const { return m_failure; }
    // Stops a computation and forgets everything (the work folder is about to be emptied).
    void clear();

signals:
    void ready(const ClipRange& range);

private:
    ClipRange m_range;
    ClipStamp m_stamp;
    std::shared_ptr<const Spectrogram> m_spectrogram;
    QString m_failure;
    BackgroundJob m_job;
};

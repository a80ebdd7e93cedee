// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "codec/frame_source.h"
#include "wav/clip_stamp.h"

#include <QString>

#include <memory>
#include <utility>

// A product of a clip (its spectrogram, its analysis) made as the clip is read, and kept in
// its file beside the clip at the end, unless the clip changed while it was read: a clip
// gets no file from its old sound. `Maker` has add(samples, frames) and finish(), which
// returns the product; `save(clip, product)` keeps it.
template <typename Maker, typename Save> class SideProduct : public FrameAnalyzer {
public:
    SideProduct(ClipRange clip, const ClipStamp& stamp, std::unique_ptr<Maker> maker, Save save)
        : m_clip(std::move(clip)), m_stamp(stamp), m_maker(std::move(maker)),
          m_save(std::move(save)) {}
    void add(const std::int16_t* samples, std::int64_t frames) override {
        m_maker->add(samples, frames);
    }
    void finish() override {
        const auto made = m_maker->finish();
        if (const Result<ClipStamp> now = clipStampOf(m_clip); now && *now == m_stamp)
            (void)m_save(m_clip, made);
    }

private:
    ClipRange m_clip;
    ClipStamp m_stamp;
    std::unique_ptr<Maker> m_maker;
    Save m_save;
};

template <typename Maker, typename Save>
std::unique_ptr<FrameAnalyzer> makeSideProduct(const ClipRange& clip, const ClipStamp& stamp,
                                               std::unique_ptr<Maker> maker, Save save) {
    return std::make_unique<SideProduct<Maker, Save>>(clip, stamp, std::move(maker),
                                                      std::move(save));
}

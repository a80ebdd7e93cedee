// SPDX-License-Identifier: GPL-3.0-or-later
#include "waveform/spectrogram.h"

#include "codec/fft.h"
#include "codec/frame_source.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <numbers>

double Spectrogram::rowHz(int row) const {
    const double top = sampleRateHz / 2.0;
    return MinHz * std::pow(top / MinHz, (row + 0.5) / Rows);
}

int Spectrogram::rowOf(double hz) const {
    const double top = sampleRateHz / 2.0;
    if (hz <= MinHz)
        return 0;
    return std::clamp(int(std::floor(std::log(hz / MinHz) / std::log(top / MinHz) * Rows)), 0,
                      Rows - 1);
}

int Spectrogram::hopFor(std::int64_t frames) {
    return int(std::max<std::int64_t>(MinHopFrames, (frames + MaxColumns - 1) / MaxColumns));
}

namespace spectrogram {

namespace {

// Each row reads the FFT bins between its edges (their loudest), or, where a row is
// narrower than a bin (the low rows), the power at its middle frequency, interpolated
// between the two bins around it: nearest-bin rows would repeat one bin over several rows.
struct RowBins {
    int from;
    int to;
    double at = -1; // the fractional bin of a narrow row; -1 for the others
};

std::vector<RowBins> rowBins(const Spectrogram& s) {
    std::vector<RowBins> rows(Spectrogram::Rows);
    const double binHz = double(s.sampleRateHz) / Spectrogram::FftSize;
    const double top = s.sampleRateHz / 2.0;
    for (int r = 0; r < Spectrogram::Rows; ++r) {
        const double lo =
            Spectrogram::MinHz * std::pow(top / Spectrogram::MinHz, double(r) / Spectrogram::Rows);
        const double hi = Spectrogram::MinHz *
                          std::pow(top / Spectrogram::MinHz, double(r + 1) / Spectrogram::Rows);
        int from = int(std::ceil(lo / binHz));
        int to = int(std::floor(hi / binHz));
        if (to < from) {
            const double at = std::clamp(s.rowHz(r) / binHz, 0.0, Spectrogram::FftSize / 2.0 - 1);
            rows[std::size_t(r)] = {0, -1, at};
            continue;
        }
        rows[std::size_t(r)] = {std::clamp(from, 0, Spectrogram::FftSize / 2),
                                std::clamp(to, 0, Spectrogram::FftSize / 2)};
    }
    return rows;
}

} // namespace

struct Builder::State {
    std::shared_ptr<Spectrogram> made;
    std::unique_ptr<PowerSpectrum> spectrum;
    std::vector<RowBins> rows;
    std::vector<float> window;
    double fullScale = 1;
    double scale = 1;
    int channels = 1;
    // The mono sound from `pendingFirst` on, as much as the next columns need.
    std::vector<float> pending;
    std::int64_t pendingFirst = 0;
    int column = 0;

    void takeColumns(bool atEnd);
};

void Builder::State::takeColumns(bool atEnd) {
    constexpr int N = Spectrogram::FftSize;
    while (column < made->columns) {
        const std::int64_t start = std::int64_t(column) * made->hopFrames;
        const std::int64_t have = pendingFirst + std::int64_t(pending.size());
        if (!atEnd && start + N > have)
            break;
        float* in = spectrum->input();
        for (int i = 0; i < N; ++i) {
            const std::int64_t at = start + i - pendingFirst;
            in[i] = at >= 0 && at < std::int64_t(pending.size())
                        ? pending[std::size_t(at)] * window[std::size_t(i)]
                        : 0.0f;
        }
        spectrum->run();
        const float* power = spectrum->power();
        std::uint8_t* out = &made->levels[std::size_t(column) * Spectrogram::Rows];
        for (int r = 0; r < Spectrogram::Rows; ++r) {
            const RowBins& bins = rows[std::size_t(r)];
            float loudest = 0;
            if (bins.at >= 0) {
                const int k = int(bins.at);
                const auto part = float(bins.at - k);
                loudest = power[k] * (1 - part) + power[k + 1] * part;
            }
            for (int k = bins.from; k <= bins.to; ++k)
                loudest = std::max(loudest, power[k]);
            const double db = 10 * std::log10(std::max(1e-30, loudest / fullScale));
            out[r] = std::uint8_t(std::clamp(
                std::lround((db - Spectrogram::FloorDb) / -Spectrogram::FloorDb * 255), 0L, 255L));
        }
        ++column;
    }
    // What no later column reads is dropped.
    const std::int64_t keepFrom = std::int64_t(column) * made->hopFrames;
    const std::int64_t drop =
        std::clamp<std::int64_t>(keepFrom - pendingFirst, 0, std::int64_t(pending.size()));
    pending.erase(pending.begin(), pending.begin() + drop);
    pendingFirst += drop;
}

Result<std::unique_ptr<Builder>> Builder::create(int sampleRateHz, int channels,
                                                 std::int64_t frames, const QString& path) {
    auto state = std::make_unique<State>();
    auto made = std::make_shared<Spectrogram>();
    made->sampleRateHz = sampleRateHz;
    made->frames = std::max<std::int64_t>(0, frames);
    made->hopFrames = Spectrogram::hopFor(made->frames);
    made->columns = int((made->frames + made->hopFrames - 1) / made->hopFrames);
    if (made->sampleRateHz <= 2 * Spectrogram::MinHz || channels < 1)
        return Status{
            ErrorCode::Format,
            QCoreApplication::translate("Waveform", "%1: too low a sample rate for a spectrogram.")
                .arg(path)};
    made->levels.assign(std::size_t(made->columns) * Spectrogram::Rows, 0);
    Result<std::unique_ptr<PowerSpectrum>> fft = PowerSpectrum::make(Spectrogram::FftSize);
    if (!fft)
        return fft.status();
    state->spectrum = std::move(*fft);
    state->rows = rowBins(*made);
    constexpr int N = Spectrogram::FftSize;
    state->window.resize(N);
    double windowSum = 0;
    for (int i = 0; i < N; ++i) {
        state->window[std::size_t(i)] = float(0.5 - 0.5 * std::cos(2 * std::numbers::pi * i / N));
        windowSum += state->window[std::size_t(i)];
    }
    // A full-scale sine peaks at (windowSum / 2)^2 in the power spectrum: that is 0 dB.
    state->fullScale = (windowSum / 2) * (windowSum / 2);
    state->scale = 1.0 / (32768.0 * channels);
    state->channels = channels;
    state->made = std::move(made);
    return std::unique_ptr<Builder>(new Builder(std::move(state)));
}

Builder::Builder(std::unique_ptr<State> state) : m_state(std::move(state)) {}

Builder::~Builder() = default;

void Builder::add(const std::int16_t* samples, std::int64_t frames) {
    State& s = *m_state;
    for (std::int64_t f = 0; f < frames; ++f) {
        int sum = 0;
        for (int c = 0; c < s.channels; ++c)
            sum += samples[f * s.channels + c];
        s.pending.push_back(float(sum * s.scale));
    }
    s.takeColumns(false);
}

std::shared_ptr<Spectrogram> Builder::finish() {
    m_state->takeColumns(true);
    return m_state->made;
}

Result<std::shared_ptr<Spectrogram>> compute(const ClipRange& range,
                                             const std::atomic<bool>& cancel,
                                             const std::function<void(int)>& progress) {
    auto opened = FrameSource::open(range, 0);
    if (!opened)
        return opened.status();
    FrameSource& source = **opened;
    const std::int64_t frames = std::max<std::int64_t>(0, source.frames());
    Result<std::unique_ptr<Builder>> builder =
        Builder::create(source.sampleRateHz(), source.channels(), frames, range.file);
    if (!builder)
        return builder.status();
    std::int64_t readFrames = 0;
    const Status read = source.readBlocks([&](const std::int16_t* samples, std::int64_t count) {
        if (cancel.load(std::memory_order_relaxed))
            return Status{ErrorCode::Ended, QCoreApplication::translate("Waveform", "Cancelled.")};
        (*builder)->add(samples, count);
        readFrames += count;
        if (progress)
            progress(int(readFrames * 100 / std::max<std::int64_t>(1, frames)));
        return Status::ok();
    });
    if (!read)
        return read;
    return (*builder)->finish();
}

QRgb colour(std::uint8_t level) {
    // The viridis map as a polynomial in t (a fit to the published table within about 1 %).
    static const double c[7][3] = {
        {0.2777273272234177, 0.005407344544966578, 0.3340998053353061},
        {0.1050930431085774, 1.404613529898575, 1.384590162594685},
        {-0.3308618287255563, 0.214847559468213, 0.09509516302823659},
        {-4.634230498983486, -5.799100973351585, -19.33244095627987},
        {6.228269936347081, 14.17993336680509, 56.69055260068105},
        {4.776384997670288, -13.74514537774601, -65.35303263337234},
        {-5.435455855934631, 4.645852612178535, 26.3124352495832},
    };
    const double t = level / 255.0;
    int rgb[3];
    for (int k = 0; k < 3; ++k) {
        double v = c[6][k];
        for (int i = 5; i >= 0; --i)
            v = v * t + c[i][k];
        rgb[k] = std::clamp(int(std::lround(v * 255)), 0, 255);
    }
    return qRgb(rgb[0], rgb[1], rgb[2]);
}

QImage picture(const Spectrogram& s) {
    QImage image(std::max(1, s.columns), Spectrogram::Rows, QImage::Format_RGB32);
    image.fill(colour(0));
    QRgb table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = colour(std::uint8_t(i));
    for (int r = 0; r < Spectrogram::Rows; ++r) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(Spectrogram::Rows - 1 - r));
        for (int col = 0; col < s.columns; ++col)
            line[col] = table[s.level(col, r)];
    }
    return image;
}

} // namespace spectrogram

// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/fft.h"

extern "C" {
#include <libavutil/mem.h>
#include <libavutil/tx.h>
}

#include <QCoreApplication>
#include <QString>

struct PowerSpectrum::Impl {
    AVTXContext* context = nullptr;
    av_tx_fn transform = nullptr;
    int size = 0;
    float* in = nullptr;
    AVComplexFloat* out = nullptr;
    float* power = nullptr;

    ~Impl() {
        av_tx_uninit(&context);
        av_free(in);
        av_free(out);
        av_free(power);
    }
};

Result<std::unique_ptr<PowerSpectrum>> PowerSpectrum::make(int size) {
    if (size < 16 || (size & (size - 1)) != 0)
        return Status{ErrorCode::Format,
                      QCoreApplication::translate("Codec", "An FFT of %1 samples.").arg(size)};
    auto impl = std::make_unique<Impl>();
    impl->size = size;
    const float scale = 1.0f;
    impl->in = static_cast<float*>(av_mallocz(sizeof(float) * std::size_t(size + 2)));
    impl->out = static_cast<AVComplexFloat*>(
        av_mallocz(sizeof(AVComplexFloat) * std::size_t(size / 2 + 1)));
    impl->power = static_cast<float*>(av_mallocz(sizeof(float) * std::size_t(size / 2 + 1)));
    if (!impl->in || !impl->out || !impl->power ||
        av_tx_init(&impl->context, &impl->transform, AV_TX_FLOAT_RDFT, 0, size, &scale, 0) < 0)
        return Status{ErrorCode::Format,
                      QCoreApplication::translate("Codec", "No FFT of %1 samples.").arg(size)};
    return std::unique_ptr<PowerSpectrum>(new PowerSpectrum(std::move(impl)));
}

PowerSpectrum::PowerSpectrum(std::unique_ptr<Impl> impl) : m_impl(std::move(impl)) {}
PowerSpectrum::~PowerSpectrum() = default;

int PowerSpectrum::size() const {
    return m_impl->size;
}

float* PowerSpectrum::input() {
    return m_impl->in;
}

void PowerSpectrum::run() {
    m_impl->transform(m_impl->context, m_impl->out, m_impl->in, sizeof(float));
    for (int k = 0; k <= m_impl->size / 2; ++k)
        m_impl->power[k] =
            m_impl->out[k].re * m_impl->out[k].re + m_impl->out[k].im * m_impl->out[k].im;
}

const float* PowerSpectrum::power() const {
    return m_impl->power;
}

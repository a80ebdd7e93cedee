// SPDX-License-Identifier: GPL-3.0-or-later
#include "codec/wav_decoder.h"
#include "base/write_fully.h"

#include <QCoreApplication>
#include <QSaveFile>

WavDecoder::WavDecoder(ByteCount maxDataBytes)
    : m_maxDataBytes(maxDataBytes), m_block(BlockBytes) {}

WavDecoder::~WavDecoder() {
    abandon();
}

Status WavDecoder::loadmp3(const QString& inputPath) {
    m_stream.reset();
    m_decodedLength = 0;
    m_cancel = false;
    auto opened = DecodeStream::open(inputPath);
    if (!opened)
        return opened.status();
    m_stream = std::move(*opened);
    m_format = WavHeader::forDecoder(m_stream->channels(), m_stream->sampleRateHz(),
                                     m_stream->isEightBit())
                   .format();
    m_decodedLength = m_stream->lengthBytes();
    return {};
}

void WavDecoder::requestCancel() {
    m_cancel = true;
}

// The temporary file goes with the QSaveFile; the target was never touched.
void WavDecoder::abandon() {
    if (m_output) {
        m_output->cancelWriting();
        m_output.reset();
    }
}

Status WavDecoder::convert2wav(const QString& outputPath, const AfterBlock& afterBlock,
                               const BlockWritten& blockWritten) {
    if (!m_stream)
        return {ErrorCode::Handle,
                QCoreApplication::translate("Codec", "%1: no sound file is open for decoding.")
                    .arg(outputPath)};
    const auto fail = [&](Status status) {
        abandon();
        m_stream.reset();
        m_decodedLength = 0;
        return status;
    };
    const auto writeError = [&] { return fail(writeFailure(outputPath, *m_output)); };

    abandon();
    m_outputPath = outputPath;
    m_writtenBytes = 0;
    m_output = std::make_unique<QSaveFile>(outputPath);
    // One write(2) per block: the file does no buffering of its own on top of m_block.
    if (!m_output->open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeError();
    const WavHeader header = WavHeader::forDecoder(m_format.channels, m_format.sampleRateHz,
                                                   m_format.bitsPerSample == 8);
    const auto riff = header.riffRun();
    const auto fmt = header.formatRun();
    const auto data = header.dataRun();
    if (!writeFully(*m_output, riff.data(), riff.size()) ||
        !writeFully(*m_output, fmt.data(), fmt.size()) ||
        !writeFully(*m_output, data.data(), data.size()))
        return writeError();

    while (m_stream->isActive()) {
        if (m_cancel)
            return fail({ErrorCode::Ended,
                         QCoreApplication::translate("Codec", "%1: decoding was cancelled.")
                             .arg(outputPath)});
        const auto got = m_stream->getData(m_block.data(), BlockBytes);
        if (!got)
            return fail(got.status());
        const ByteCount count = *got;
        if (count > 0) {
            if (m_writtenBytes + count > m_maxDataBytes)
                return fail(
                    {ErrorCode::TooLarge, QCoreApplication::translate(
                                              "Codec", "%1: the sound is too long for a WAV file.")
                                              .arg(outputPath)});
            if (!writeFully(*m_output, m_block.data(), count))
                return writeError();
            if (blockWritten)
                blockWritten(m_block.data(), count);
            m_writtenBytes += count;
        }
        m_decodedLength = m_stream->positionBytes();
        if (afterBlock)
            afterBlock(m_decodedLength, m_stream->lengthBytes());
        if (!m_output)
            break; // closewav() was called from afterBlock
    }

    const Status closed = closewav();
    m_stream.reset();
    m_decodedLength = 0;
    return closed;
}

Status WavDecoder::closewav() {
    if (!m_output)
        return {};
    char image[WavHeader::Size] = {};
    WavHeader::patchSizes(image, m_writtenBytes);
    const bool patched = m_output->seek(WavHeader::RiffSizeOffset) &&
                         writeFully(*m_output, image + WavHeader::RiffSizeOffset, 4) &&
                         m_output->seek(WavHeader::DataSizeOffset) &&
                         writeFully(*m_output, image + WavHeader::DataSizeOffset, 4);
    if (!patched || !m_output->commit()) {
        const Status failure = writeFailure(m_outputPath, *m_output);
        abandon();
        return failure;
    }
    m_output.reset();
    return {};
}

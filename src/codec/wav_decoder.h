// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"
#include "codec/decode_stream.h"
#include "wav/wav_header.h"

#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QSaveFile;

// The main window's decoding state, kept for the whole run: `loadmp3` opens a file as a
// decode stream, `convert2wav` decodes it block by block into a canonical WAV file (the
// 44-byte WavHeader plus PCM in the stream's format), and `closewav` writes the final sizes
// and finishes that file.
//
// The output is written to a temporary file beside the target and renamed over it only when
// everything succeeded, so a failed or cancelled decode leaves the target as it was (an
// older, longer file of the same name is replaced whole, never overwritten in place).
//
// Thread: all calls on the owner's (GUI) thread, except requestCancel(), which any thread
// may call.
class WavDecoder {
public:
    static constexpr int BlockBytes = 20000;
    // Called after every request for a block, also the last one that delivers nothing:
    // positionBytes is the stream's decode position, lengthBytes its length in all (an
    // estimate for some formats, -1 when unknown). The window lets its event loop run here,
    // so that it keeps painting and a close request can reach requestCancel().
    using AfterBlock = std::function<void(ByteCount positionBytes, ByteCount lengthBytes)>;
    // Sees every block's samples once they are written, in the output's format (unsigned
    // 8-bit or signed 16-bit little-endian), on the decoding thread; the pointer is valid only
    // during the call. What the clip holds is known then without reading it back.
    using BlockWritten = std::function<void(const char* pcm, ByteCount bytes)>;

    // maxDataBytes: the largest sample data a WAV may hold (tests hand in a small one).
    explicit WavDecoder(ByteCount maxDataBytes = WavHeader::MaxDataBytes);
    ~WavDecoder(); // an unfinished output is abandoned and its temporary file removed
    WavDecoder(const WavDecoder&) = delete;
    WavDecoder& operator=(const WavDecoder&) = delete;

    // Opens inputPath as the decode stream (replacing an earlier one) and sets the decoded
    // length to the stream's length. On failure there is no stream and the status is
    // DecodeStream::open's; the caller reports "Can't play the file" with its code.
    Status loadmp3(const QString& inputPath);

    // Decodes the whole stream into outputPath in requests of BlockBytes into one reused
    // buffer, then calls closewav(). The stream is released afterwards and the decoded
    // length is 0 again. Failures, each naming the file, with the target left untouched and
    // no temporary file left behind: Handle (no stream loaded), Create (the temporary file
    // cannot be made, written or renamed), the stream's status on a decode error, TooLarge
    // (the data would pass maxDataBytes) and Ended (requestCancel() was called).
    Status convert2wav(const QString& outputPath, const AfterBlock& afterBlock = {},
                       const BlockWritten& blockWritten = {});

    // Writes data size P at offset 40 and P + 36 at offset 4 of the output, P being the bytes
    // decoded so far, closes it and renames it over the target. Does nothing and returns ok
    // when no output is open. Called from afterBlock it ends the decode early, keeping the
    // part decoded so far as a complete, shorter WAV.
    Status closewav();

    // Asks a running convert2wav to stop before its next block; a request made before
    // convert2wav starts stops it at once. loadmp3 clears the request.
    void requestCancel();

    bool hasStream() const { return m_stream != nullptr; }
    // The stream's length after loadmp3, its position during convert2wav, 0 afterwards.
    ByteCount decodedLength() const { return m_decodedLength; }
    // The format of the stream loaded last (all zero before any).
    WavFormat format() const { return m_format; }

private:
    void abandon();

    ByteCount m_maxDataBytes;
    std::unique_ptr<DecodeStream> m_stream;
    std::unique_ptr<QSaveFile> m_output;
    QString m_outputPath;
    std::vector<char> m_block;
    WavFormat m_format;
    ByteCount m_decodedLength = 0;
    ByteCount m_writtenBytes = 0;
    std::atomic<bool> m_cancel{false};
};

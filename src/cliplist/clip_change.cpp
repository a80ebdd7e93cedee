// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/clip_change.h"

#include "codec/wav_decoder.h"

#include <QFile>

namespace clipchange {

Status onWav(const QString& clipFile, const QString& wavFile,
             const std::function<Status(const QString& wav)>& change) {
    if (clipFile == wavFile)
        return change(clipFile);
    WavDecoder decoder;
    Status decoded = decoder.loadmp3(clipFile);
    if (decoded)
        decoded = decoder.convert2wav(wavFile);
    if (Status closed = decoder.closewav(); decoded && !closed)
        decoded = closed;
    return replacing(clipFile, wavFile, [&] { return decoded ? change(wavFile) : decoded; });
}

Status replacing(const QString& clipFile, const QString& wavFile,
                 const std::function<Status()>& write) {
    const Status written = write();
    // A WAV that did not become the clip goes; the clip file it replaced is left for the
    // list to let go of (EditHistory::afterReplace).
    if (!written && clipFile != wavFile)
        QFile::remove(wavFile);
    return written;
}

} // namespace clipchange

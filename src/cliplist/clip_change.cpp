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
    // The list finds a clip's file by the clip's name; one clip must not leave two files.
    if (clipFile != wavFile)
        QFile::remove(written ? clipFile : wavFile);
    return written;
}

} // namespace clipchange

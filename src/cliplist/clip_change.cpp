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
    Status changed = decoded ? change(wavFile) : decoded;
    // The list reads the clip's file by its name; two files of one clip must not stay.
    QFile::remove(changed ? clipFile : wavFile);
    return changed;
}

} // namespace clipchange

// SPDX-License-Identifier: GPL-3.0-or-later
#include "wav/side_file.h"

#include "base/no_follow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace sidefile {

namespace {

QString folderName(SideKind kind) {
    return kind == SideKind::Analysis ? QStringLiteral("analysis") : QStringLiteral("peaks");
}

QString suffix(SideKind kind) {
    switch (kind) {
    case SideKind::Peaks:
        return QStringLiteral(".peaks");
    case SideKind::Spectrogram:
        return QStringLiteral(".spectrum");
    case SideKind::Analysis:
        return QStringLiteral(".analysis.json");
    }
    return {};
}

} // namespace

// A cut clip's products are its stretch's, so they have files of their own: the stretch and
// its fades are in the name.
QString path(const ClipRange& range, SideKind kind) {
    const QFileInfo clip(range.file);
    const QString stretch = range.whole() ? QString()
                                          : QStringLiteral(".%1-%2-%3")
                                                .arg(range.firstFrame)
                                                .arg(range.frames)
                                                .arg(range.fadeFrames);
    return clip.dir().filePath(folderName(kind) + QLatin1Char('/') + clip.fileName() + stretch +
                               suffix(kind));
}

std::int64_t maxBytes(SideKind kind) {
    switch (kind) {
    case SideKind::Peaks:
        // Two levels of a minimum and a maximum per channel for every 256 frames: a clip
        // file of 4 GB (the most a WAV holds) of 8-bit mono gets about 70 MB.
        return std::int64_t(128) << 20;
    case SideKind::Spectrogram:
        // At most 16384 columns of 128 levels, and a header.
        return std::int64_t(4) << 20;
    case SideKind::Analysis:
        return std::int64_t(8) << 20;
    }
    return 0;
}

Status write(const ClipRange& range, SideKind kind, const std::function<Status(QFile&)>& write) {
    const QString at = path(range, kind);
    const QFileInfo clip(range.file);
    const nofollow::Folder clipFolder(clip.path());
    const QByteArray folder = QFile::encodeName(folderName(kind));
    if (clipFolder.isOpen())
        (void)nofollow::makeFolder(clip.dir().filePath(folderName(kind)));
    const nofollow::Folder sideFolder(clipFolder, folder);
    if (!sideFolder.isOpen())
        return {ErrorCode::NotFile,
                QCoreApplication::translate("Waveform",
                                            "%1: not a plain file in a plain folder; left alone.")
                    .arg(at)};
    return sideFolder.replaceFile(QFile::encodeName(QFileInfo(at).fileName()), at, write);
}

Status open(QFile& file, const ClipRange& range, SideKind kind) {
    const QString at = path(range, kind);
    if (Status opened = nofollow::openPlainFile(file, at); !opened)
        return opened;
    if (file.size() > maxBytes(kind)) {
        file.close();
        //: A file's path, then what is wrong with it.
        return {ErrorCode::FileForm,
                QCoreApplication::translate("Waveform", "%1: %2.")
                    .arg(at, QCoreApplication::translate("Waveform", "damaged"))};
    }
    return Status::ok();
}

void remove(const ClipRange& range, SideKind kind) {
    const QString at = path(range, kind);
    const nofollow::Folder clipFolder(QFileInfo(range.file).path());
    nofollow::Folder(clipFolder, QFile::encodeName(folderName(kind)))
        .removeFile(QFile::encodeName(QFileInfo(at).fileName()));
}

} // namespace sidefile

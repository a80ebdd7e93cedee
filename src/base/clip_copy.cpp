// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/clip_copy.h"
#include "base/write_fully.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <vector>

namespace clipfiles {
namespace {

constexpr qint64 ChunkBytes = 1 << 20;

} // namespace

Status copyFile(const QString& source, const QString& target,
                const std::function<void(int percent)>& progress, const std::atomic<bool>* cancel,
                const PassedFn& passed) {
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly))
        return {ErrorCode::FileOpen,
                QCoreApplication::translate("Files", "%1: cannot be read (%2).")
                    .arg(source, input.errorString())};
    QSaveFile output(target);
    const auto writeError = [&](Status failure) {
        output.cancelWriting();
        return failure;
    };
    if (!output.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeError(writeFailure(target, output));

    std::vector<char> chunk(ChunkBytes);
    const qint64 total = input.size();
    qint64 copied = 0;
    for (;;) {
        if (cancel && *cancel)
            return writeError(
                {ErrorCode::Ended,
                 QCoreApplication::translate("Files", "%1: the copy was stopped.").arg(target)});
        const qint64 got = input.read(chunk.data(), ChunkBytes);
        if (got < 0) {
            output.cancelWriting();
            return {ErrorCode::FileOpen,
                    QCoreApplication::translate("Files", "%1: cannot be read (%2).")
                        .arg(source, input.errorString())};
        }
        if (got == 0)
            break;
        if (Status written = writeFully(output, chunk.data(), got); !written)
            return writeError(written);
        if (passed)
            passed(chunk.data(), got);
        copied += got;
        if (progress && total > 0)
            progress(int(copied * 100 / total));
    }
    if (!output.commit())
        return writeError(writeFailure(target, output));
    return {};
}

} // namespace clipfiles

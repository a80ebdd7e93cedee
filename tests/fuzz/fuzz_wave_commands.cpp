// SPDX-License-Identifier: GPL-3.0-or-later
// The crop's command strings. The input's first line is a name that must survive quoting
// whole (it comes back in the message about an alias that is not open); the other lines are
// sent as commands to a sound that is open, in a folder of the harness's own. Slashes are
// turned into underscores so that no command reaches outside that folder.
#include "wav/wave_commands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

struct Folder {
    Folder() {
        QDir::setCurrent(dir.path());
        WavHeader header = WavHeader::forFormat({2, 8000, 16});
        const QByteArray pcm(8000 * 4, '\x11');
        header.setDataSize(pcm.size());
        QFile wav(QStringLiteral("take.wav"));
        wav.open(QIODevice::WriteOnly);
        wav.write(header.bytes().data(), WavHeader::Size);
        wav.write(pcm);
    }
    QTemporaryDir dir;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Folder folder;
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    text.replace(u'/', u'_');
    QStringList lines = text.split(u'\n');

    const QString name = lines.takeFirst();
    WaveCommands commands;
    const Status closed = commands.send(QStringLiteral("close ") + WaveCommands::quoted(name));
    if (closed.message() != QStringLiteral("No sound is open as %1.").arg(name))
        std::abort();

    if (!commands.send(QStringLiteral("open take.wav type waveaudio alias a")))
        std::abort();
    for (const QString& line : lines)
        commands.send(line);
    for (const QString& file : QDir().entryList(QDir::Files | QDir::Hidden)) {
        if (file != QLatin1String("take.wav"))
            QFile::remove(file);
    }
    return 0;
}

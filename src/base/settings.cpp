// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/settings.h"

#include "base/no_follow.h"
#include "base/write_fully.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

// Moves past one line end (CR LF, CR or LF) at `pos`, if there is one.
void skipLineEnd(const QString& text, qsizetype& pos) {
    if (pos < text.size() && text[pos] == u'\r')
        ++pos;
    if (pos < text.size() && text[pos] == u'\n')
        ++pos;
}

// Moves past the rest of a field: up to and past the next comma or line end.
void skipToFieldEnd(const QString& text, qsizetype& pos) {
    while (pos < text.size() && text[pos] != u',' && !isLineEnd(text[pos]))
        ++pos;
    if (pos < text.size() && text[pos] == u',')
        ++pos;
    else
        skipLineEnd(text, pos);
}

QString readValue(const QString& text, qsizetype& pos) {
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    if (pos >= text.size())
        return {};
    if (text[pos] == u'"') {
        const qsizetype start = pos + 1;
        qsizetype close = text.indexOf(u'"', start);
        if (close < 0)
            close = text.size();
        pos = close + 1;
        skipToFieldEnd(text, pos);
        return text.mid(start, close - start);
    }
    const qsizetype start = pos;
    while (pos < text.size() && text[pos] != u',' && !isLineEnd(text[pos]))
        ++pos;
    qsizetype end = pos;
    while (end > start && isBlank(text[end - 1]))
        --end;
    if (pos < text.size() && text[pos] == u',')
        ++pos;
    else
        skipLineEnd(text, pos);
    return text.mid(start, end - start);
}

// The base folder as line 2 holds it. Unquoted, the reading rules would cut it at a comma or
// a line end and drop blanks at its ends; between double quotes it comes back whole. A folder
// that itself holds a double quote cannot be quoted and is written as it is.
QString folderLine(const QString& folder) {
    const bool cut = folder.contains(u',') || folder.contains(u'\r') || folder.contains(u'\n') ||
                     (!folder.isEmpty() && (isBlank(folder.front()) || isBlank(folder.back())));
    if (cut && !folder.contains(u'"'))
        return u'"' + folder + u'"';
    return folder;
}

} // namespace

Settings::BitRate Settings::BitRate::fromNumber(double kbps) {
    BitRate rate;
    rate.m_kind = Kind::Number;
    rate.m_number = kbps;
    return rate;
}

Settings::BitRate Settings::BitRate::fromText(const QString& text) {
    BitRate rate;
    rate.m_kind = Kind::Text;
    rate.m_text = text;
    return rate;
}

Settings::BitRate Settings::BitRate::fromValue(const QString& value) {
    if (value.isEmpty())
        return {};
    static const QRegularExpression decimal(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)$)"));
    if (decimal.match(value).hasMatch()) {
        bool ok = false;
        const double number = value.toDouble(&ok);
        if (ok && std::isfinite(number))
            return fromNumber(number);
    }
    return fromText(value);
}

QString Settings::BitRate::fileLine() const {
    switch (m_kind) {
    case Kind::Unset:
        return {};
    case Kind::Text:
        return m_text;
    case Kind::Number:
        break;
    }
    // A number is written with its sign position (a blank when positive) and one blank after.
    const QString digits = QString::number(std::fabs(m_number), 'g', 15);
    return (m_number < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits + u' ';
}

QString Settings::filePath(const QString& appFolder) {
    return QDir(appFolder).filePath(QStringLiteral("config.ini"));
}

// An installed program sits in a folder only the administrator may write: a settings file
// there could be read but never saved. A copy that runs from a folder of its own (or finds
// its file already there) keeps it beside the executable, so it stays portable.
QString Settings::locateFile(const QString& appFolder, bool appFolderWritable,
                             const QString& userFolder) {
    const QString besideProgram = filePath(appFolder);
    if (appFolderWritable || QFileInfo::exists(besideProgram))
        return besideProgram;
    return filePath(userFolder);
}

QString Settings::locateFile(const QString& appFolder) {
    const QString configHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return locateFile(appFolder, QFileInfo(appFolder).isWritable(),
                      QDir(configHome).filePath(QStringLiteral("korvanel")));
}

QString Settings::defaultBaseFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\");
#else
    return QDir::toNativeSeparators(QDir::homePath());
#endif
}

QString Settings::startBaseFolder(const QString& stored) {
    if (!stored.isEmpty() && QFileInfo(stored).isDir())
        return stored;
    return defaultBaseFolder();
}

QStringList Settings::readValues(const QString& text, int count) {
    QStringList values;
    qsizetype pos = 0;
    for (int i = 0; i < count; ++i)
        values << readValue(text, pos);
    return values;
}

Settings Settings::fromBytes(const QByteArray& bytes) {
    const QStringList values = readValues(QString::fromLocal8Bit(bytes), 2);
    Settings settings;
    settings.m_bitRate = BitRate::fromValue(values.at(0));
    settings.m_baseFolder = values.at(1);
    return settings;
}

QByteArray Settings::toBytes() const {
    return (m_bitRate.fileLine() + QStringLiteral("\r\n") + folderLine(m_baseFolder) +
            QStringLiteral("\r\n"))
        .toLocal8Bit();
}

Result<Settings> Settings::read(const QString& path) {
    QFile file;
    if (Status opened = nofollow::openPlainFile(file, path); !opened)
        return Status(opened.code(),
                      QCoreApplication::translate("Settings", "Cannot read the settings file %1")
                          .arg(opened.message()));
    // Two lines: a number and a folder. A file far bigger is none of ours, and no more than
    // this is read of whatever lies there.
    constexpr qint64 MaxBytes = 64 * 1024;
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (bytes.size() > MaxBytes)
        return Status(ErrorCode::FileForm,
                      QCoreApplication::translate(
                          "Settings", "Cannot read the settings file %1: it is too big.")
                          .arg(QDir::toNativeSeparators(path)));
    return fromBytes(bytes);
}

Status Settings::write(const QString& path) const {
    // A link, a pipe or a device in its place is left alone: the file is read as a plain file
    // only, so it is only ever written as one.
    const QFileInfo existing(path);
    if ((existing.exists() || existing.isSymLink()) && !nofollow::isPlainFile(path))
        return {ErrorCode::NotFile,
                QCoreApplication::translate("Settings", "%1: not a plain file; left alone.")
                    .arg(QDir::toNativeSeparators(path))};
    QSaveFile file(path);
    const QByteArray bytes = toBytes();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return writeFailure(QDir::toNativeSeparators(path), file);
    if (Status written = writeFully(file, bytes.constData(), bytes.size()); !written)
        return written;
    if (!file.commit())
        return writeFailure(QDir::toNativeSeparators(path), file);
    return Status::ok();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "base/status.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The program's two settings: the MP3 bit rate used when the clip list is saved as one MP3
// file, and the base folder, the initial folder of the save dialogs. They live in memory for
// the whole run and are kept in "config.ini" (where: locateFile()).
//
// "config.ini" is plain text in the system's 8-bit code page, two lines each ended by CR LF:
//   line 1  the bit rate: a number as " 128 " (sign position, digits, one blank), a text
//           unchanged, an empty line when unset
//   line 2  the base folder, unchanged; between double quotes when it holds a comma or a line
//           end or begins or ends with a blank, so that reading gives it back whole (a folder
//           that also holds a double quote cannot be quoted and is written as it is)
//
// Reading takes the first two values of the file: blanks before a value are skipped; a value
// ends at a comma or at the line end, and blanks before that end are dropped; a value that
// begins with a double quote runs to the next double quote (not part of it), and the rest of
// its field up to the comma or line end is skipped; a value that reads as a decimal number
// (quoted or not) is that number, any other is text; an empty value is unset.
//
// Not thread-safe; used on the GUI thread.
class Settings {
public:
    // The bit-rate setting: unset, a number in kbit/s, or a text. A value that is none of the
    // program's four rates is kept unchanged, so saving writes back what was read.
    class BitRate {
    public:
        enum class Kind { Unset, Number, Text };

        BitRate() = default;
        static BitRate fromNumber(double kbps);
        static BitRate fromText(const QString& text);
        // A value as the file holds it: empty is unset, a decimal number a number, else text.
        static BitRate fromValue(const QString& value);

        Kind kind() const { return m_kind; }
        bool isUnset() const { return m_kind == Kind::Unset; }
        bool isNumber() const { return m_kind == Kind::Number; }
        bool isText() const { return m_kind == Kind::Text; }
        double number() const { return m_number; }     // 0 unless isNumber()
        const QString& text() const { return m_text; } // empty unless isText()
        // True when this is the number `kbps`.
        bool is(int kbps) const { return isNumber() && m_number == kbps; }

        // Line 1 of "config.ini", without the line end.
        QString fileLine() const;

        bool operator==(const BitRate&) const = default;

    private:
        Kind m_kind = Kind::Unset;
        double m_number = 0;
        QString m_text;
    };

    // The program's four bit rates, the ones the settings page offers.
    static constexpr int OfferedRates[4] = {56, 96, 128, 256};

    // "config.ini" inside `appFolder`.
    static QString filePath(const QString& appFolder);
    // Where the program keeps "config.ini": beside the executable in `appFolder` when that
    // folder already holds one (a portable copy) or when `appFolderWritable`; otherwise in
    // `userFolder`. Looks only at what exists; creates nothing.
    static QString locateFile(const QString& appFolder, bool appFolderWritable,
                              const QString& userFolder);
    // The same for this user: `appFolder` counts as writable when the user may write in it,
    // and the per-user folder is $XDG_CONFIG_HOME/korvanel (~/.config/korvanel by default).
    static QString locateFile(const QString& appFolder);
    // "c:\" on Windows, the user's home folder elsewhere.
    static QString defaultBaseFolder();
    // The base folder in effect after start: `stored` when it names an existing folder,
    // otherwise defaultBaseFolder().
    static QString startBaseFolder(const QString& stored);

    // The first `count` values of a file's text by the reading rules; missing values are empty.
    static QStringList readValues(const QString& text, int count = 2);
    // Settings from the bytes of a "config.ini" (base folder empty when the file has none).
    static Settings fromBytes(const QByteArray& bytes);
    // The two CR LF lines of "config.ini".
    QByteArray toBytes() const;

    // Reads `path`. A missing or unreadable file gives a failure naming it.
    static Result<Settings> read(const QString& path);
    // Writes `path` through a temporary file beside it that is renamed over the old one, so
    // a failure leaves any old file as it was. Returns a failure naming the file.
    Status write(const QString& path) const;

    const BitRate& bitRate() const { return m_bitRate; }
    void setBitRate(const BitRate& rate) { m_bitRate = rate; }
    const QString& baseFolder() const { return m_baseFolder; }
    void setBaseFolder(const QString& folder) { m_baseFolder = folder; }

private:
    BitRate m_bitRate;
    QString m_baseFolder;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "cliplist/journal_names.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <cstring>

namespace journal {

namespace {

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads the names of a journal that the JSON reader refused, one string after the other, up
// to the first thing that is not one: the journal is written whole and renamed into place, so
// damage means a file cut short or changed by hand, and the names before it still count.
class Salvage {
public:
    explicit Salvage(const QByteArray& bytes)
        : m_at(bytes.constData()), m_end(bytes.constData() + bytes.size()) {}

    Names names() {
        Names read;
        read.whole = false;
        if (!skipTo("\"clips\"") || !take(':') || !take('['))
            return read;
        for (;;) {
            QString name;
            bool utf8 = true;
            if (!string(name, utf8))
                return read;
            if (utf8)
                read.names << name;
            if (!take(','))
                return read;
        }
    }

private:
    bool skipTo(const char* key) {
        const QByteArrayView rest(m_at, m_end - m_at);
        const qsizetype at = rest.indexOf(QByteArrayView(key));
        if (at < 0)
            return false;
        m_at += at + qsizetype(std::strlen(key));
        return true;
    }
    void skipSpace() {
        while (m_at < m_end && (*m_at == ' ' || *m_at == '\t' || *m_at == '\n' || *m_at == '\r'))
            ++m_at;
    }
    bool take(char c) {
        skipSpace();
        if (m_at >= m_end || *m_at != c)
            return false;
        ++m_at;
        return true;
    }
    // A JSON string; false when it is cut short or malformed. `utf8` turns false when its raw
    // bytes are not UTF-8.
    bool string(QString& text, bool& utf8) {
        if (!take('"'))
            return false;
        QByteArray raw;
        const auto flush = [&] {
            QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            text += decode(raw);
            utf8 = utf8 && !decode.hasError();
            raw.clear();
        };
        while (m_at < m_end) {
            const char c = *m_at++;
            if (c == '"') {
                flush();
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20)
                return false;
            if (c != '\\') {
                raw += c;
                continue;
            }
            if (m_at >= m_end)
                return false;
            const char escaped = *m_at++;
            const char* const plain = "\"\\/bfnrt";
            const char* const meant = "\"\\/\b\f\n\r\t";
            if (const char* found = std::strchr(plain, escaped); found && escaped != '\0') {
                raw += meant[found - plain];
                continue;
            }
            if (escaped != 'u' || m_end - m_at < 4)
                return false;
            ushort unit = 0;
            for (const char* digit = m_at; digit < m_at + 4; ++digit) {
                const int value = hexValue(*digit);
                if (value < 0)
                    return false;
                unit = ushort(unit * 16 + value);
            }
            m_at += 4;
            flush();
            text += QChar(unit);
        }
        return false;
    }

    const char* m_at;
    const char* m_end;
};

} // namespace

QByteArray bytes(const QStringList& names, const Stretches& stretches) {
    QJsonObject journal{{QStringLiteral("clips"), QJsonArray::fromStringList(names)}};
    if (!stretches.isEmpty()) {
        QJsonObject ranges;
        for (auto it = stretches.begin(); it != stretches.end(); ++it)
            ranges.insert(it.key(), QJsonArray{qint64(it->firstFrame), qint64(it->frames),
                                               qint64(it->fadeFrames)});
        journal.insert(QStringLiteral("ranges"), ranges);
    }
    return QJsonDocument(journal).toJson(QJsonDocument::Compact);
}

Names read(const QByteArray& bytes) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    const QJsonValue clips = document.object().value(u"clips");
    if (error.error != QJsonParseError::NoError || !clips.isArray())
        return Salvage(bytes).names();
    Names read;
    for (const QJsonValue& name : clips.toArray()) {
        if (name.isString())
            read.names << name.toString();
        else
            read.whole = false;
    }
    // Whole numbers that a double holds exactly, or nothing: a stretch that is not one is
    // left out and its clip comes back whole.
    const auto whole = [](const QJsonValue& value, std::int64_t& into) {
        const double number = value.toDouble(-1);
        if (!value.isDouble() || number < 0 || number > 9007199254740992.0 ||
            number != double(qint64(number)))
            return false;
        into = std::int64_t(number);
        return true;
    };
    const QJsonObject ranges = document.object().value(u"ranges").toObject();
    for (auto it = ranges.begin(); it != ranges.end(); ++it) {
        const QJsonArray numbers = it->toArray();
        ClipRange stretch;
        if (numbers.size() == 3 && whole(numbers[0], stretch.firstFrame) &&
            whole(numbers[1], stretch.frames) && whole(numbers[2], stretch.fadeFrames))
            read.stretches.insert(it.key(), stretch);
        else
            read.whole = false;
    }
    return read;
}

} // namespace journal

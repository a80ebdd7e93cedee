// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>
#include <QVariantMap>

// What a user chooses in passing and expects to find again at the next start (the steps of
// "Clean Up", the pre-roll, start on sound, the snap): kept in "state.ini" beside
// "config.ini", whose two lines stay as they are. Without a file (tests) the choices last
// for the run. A value that can't be read is the fallback; a state file that is not a plain
// file (a link, a pipe) is read as empty and never written. GUI thread only.
class Choices {
public:
    // `path`: the state file; empty keeps the choices in memory.
    explicit Choices(const QString& path = QString());
    ~Choices();
    Choices(const Choices&) = delete;
    Choices& operator=(const Choices&) = delete;

    // "state.ini" in the folder of `configFile`.
    static QString fileBeside(const QString& configFile);

    bool flag(const QString& key, bool fallback) const;
    double number(const QString& key, double fallback) const;
    QString text(const QString& key, const QString& fallback) const;
    // Written at once (through a temporary file renamed over the old one).
    void set(const QString& key, const QVariant& value);

private:
    QString m_path;
    QVariantMap m_values;
};

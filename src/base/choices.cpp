// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/choices.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

Choices::Choices(const QString& path) {
    if (!path.isEmpty())
        m_file = std::make_unique<QSettings>(path, QSettings::IniFormat);
}

Choices::~Choices() = default;

QString Choices::fileBeside(const QString& configFile) {
    return QFileInfo(configFile).dir().filePath(QStringLiteral("state.ini"));
}

QVariant Choices::value(const QString& key) const {
    return m_file ? m_file->value(key) : m_memory.value(key);
}

bool Choices::flag(const QString& key, bool fallback) const {
    const QString text = value(key).toString();
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return fallback;
}

double Choices::number(const QString& key, double fallback) const {
    bool ok = false;
    const double read = value(key).toString().toDouble(&ok);
    return ok ? read : fallback;
}

void Choices::set(const QString& key, const QVariant& value) {
    if (!m_file) {
        m_memory.insert(key, value);
        return;
    }
    m_file->setValue(key, value);
    m_file->sync();
}

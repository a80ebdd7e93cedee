// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/choices.h"

#include "base/state_file.h"

#include <QDir>
#include <QFileInfo>

Choices::Choices(const QString& path) : m_path(path) {
    if (!path.isEmpty())
        m_values = statefile::read(path);
}

Choices::~Choices() = default;

QString Choices::fileBeside(const QString& configFile) {
    return QFileInfo(configFile).dir().filePath(QStringLiteral("state.ini"));
}

bool Choices::flag(const QString& key, bool fallback) const {
    const QString text = m_values.value(key).toString();
    if (text == QLatin1String("true"))
        return true;
    if (text == QLatin1String("false"))
        return false;
    return fallback;
}

double Choices::number(const QString& key, double fallback) const {
    bool ok = false;
    const double read = m_values.value(key).toString().toDouble(&ok);
    return ok ? read : fallback;
}

QString Choices::text(const QString& key, const QString& fallback) const {
    const QVariant value = m_values.value(key);
    return value.canConvert<QString>() ? value.toString() : fallback;
}

void Choices::set(const QString& key, const QVariant& value) {
    m_values.insert(key, value);
    if (!m_path.isEmpty())
        statefile::update(m_path, {{key, value}});
}

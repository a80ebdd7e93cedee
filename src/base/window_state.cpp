// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/window_state.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString GeometryKey = QStringLiteral("window/geometry");
const QString FixedSizeKey = QStringLiteral("window/fixedSize");

} // namespace

QString WindowState::pathBeside(const QString& configFile) {
    return QFileInfo(configFile).dir().filePath(QStringLiteral("state.ini"));
}

WindowState WindowState::read(const QString& path) {
    if (!QFileInfo(path).isFile())
        return {};
    const QSettings file(path, QSettings::IniFormat);
    WindowState state;
    state.geometry = file.value(GeometryKey).toByteArray();
    state.fixedSize = file.value(FixedSizeKey, false).toBool();
    return state;
}

Status WindowState::write(const QString& path) const {
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return {ErrorCode::Create,
                QStringLiteral("%1 could not be written: its folder cannot be made.")
                    .arg(QDir::toNativeSeparators(path))};
    QSettings file(path, QSettings::IniFormat);
    file.setValue(GeometryKey, geometry);
    file.setValue(FixedSizeKey, fixedSize);
    file.sync();
    if (file.status() != QSettings::NoError)
        return {ErrorCode::Create,
                QStringLiteral("%1 could not be written.").arg(QDir::toNativeSeparators(path))};
    return {};
}

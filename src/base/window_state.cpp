// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/window_state.h"

#include "base/state_file.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString GeometryKey = QStringLiteral("window/geometry");
const QString FixedSizeKey = QStringLiteral("window/fixedSize");

} // namespace

QString WindowState::pathBeside(const QString& configFile) {
    return QFileInfo(configFile).dir().filePath(QStringLiteral("state.ini"));
}

WindowState WindowState::read(const QString& path) {
    const QVariantMap file = statefile::read(path);
    WindowState state;
    state.geometry = file.value(GeometryKey).toByteArray();
    state.fixedSize = file.value(FixedSizeKey, false).toBool();
    return state;
}

Status WindowState::write(const QString& path) const {
    return statefile::update(path, {{GeometryKey, geometry}, {FixedSizeKey, fixedSize}});
}

QRect WindowState::placedOnScreens(const QRect& window, const QList<QRect>& screens) {
    if (screens.isEmpty())
        return window;
    QRect screen = screens.first();
    qint64 most = 0;
    for (const QRect& s : screens) {
        const QRect shared = s.intersected(window);
        if (qint64(shared.width()) * shared.height() > most) {
            most = qint64(shared.width()) * shared.height();
            screen = s;
        }
    }
    QRect placed(window.topLeft(), window.size().boundedTo(screen.size()).expandedTo({1, 1}));
    placed.moveLeft(qBound(screen.left(), placed.left(), screen.right() - placed.width() + 1));
    placed.moveTop(qBound(screen.top(), placed.top(), screen.bottom() - placed.height() + 1));
    return placed;
}

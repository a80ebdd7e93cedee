// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/toolbar_icons.h"

#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

namespace toolbaricons {
namespace {

// `svg` on a transparent square of `size` device-independent pixels, `pixelRatio` device
// pixels each, so a scaled screen shows it drawn at its own resolution.
QPixmap renderSvg(QSvgRenderer& svg, int size, qreal pixelRatio) {
    const int pixels = qRound(size * pixelRatio);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    svg.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

} // namespace

QIcon svgIcon(const QString& path, int size) {
    QSvgRenderer svg(path);
    QIcon icon;
    for (const qreal pixelRatio : {1.0, 1.25, 1.5, 2.0, 3.0})
        icon.addPixmap(renderSvg(svg, size, pixelRatio));
    return icon;
}

QIcon toolbarIcon(const QString& key) {
    for (const char* known : {"Wav", "Rec", "Convert", "Setting", "Help", "Exit"})
        if (key == QLatin1String(known))
            return svgIcon(QStringLiteral(":/pictures/toolbar-%1.svg").arg(key.toLower()),
                           ToolbarSize);
    return {};
}

QPixmap programIcon(int size) {
    QSvgRenderer svg(QStringLiteral(":/icons/tunecarver.svg"));
    return renderSvg(svg, size, 1.0);
}

QIcon programIconSet() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 36, 48, 64, 128, 256})
        icon.addPixmap(programIcon(size));
    return icon;
}

// One ball drawing in six colours round the colour wheel.
QPixmap busyPicture(int index) {
    QFile file(QStringLiteral(":/pictures/busy.svg"));
    file.open(QIODevice::ReadOnly);
    const QColor colour = QColor::fromHsv((200 + index * 32) % 360, 170, 230);
    QByteArray text = file.readAll();
    text.replace("LIGHT", colour.lighter(140).name().toLatin1());
    text.replace("DARK", colour.darker(130).name().toLatin1());
    QSvgRenderer svg(text);
    return renderSvg(svg, BusySize, qApp->devicePixelRatio());
}

} // namespace toolbaricons

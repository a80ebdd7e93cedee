// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/toolbar_icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgRenderer>

#include <cmath>
#include <functional>

namespace toolbaricons {
namespace {

using Drawing = std::function<void(QPainter&)>;

// Draws on a transparent square whose coordinates run from 0 to 32 whatever its size.
QPixmap draw(int size, const Drawing& drawing) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    drawing(painter);
    return pixmap;
}

// An eighth note whose head is centred at `head`; the stem rises `height` units.
void note(QPainter& p, QPointF head, double height, const QColor& color) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.translate(head);
    p.rotate(-20);
    p.drawEllipse(QPointF(0, 0), 3.6, 2.6);
    p.restore();
    p.setPen(QPen(color, 1.6, Qt::SolidLine, Qt::FlatCap));
    const QPointF top(head.x() + 3.2, head.y() - height);
    p.drawLine(QPointF(head.x() + 3.2, head.y() - 0.8), top);
    QPainterPath flag(top);
    flag.cubicTo(top + QPointF(1, 3), top + QPointF(6, 4), top + QPointF(4, 9));
    p.drawPath(flag);
}

void openSong(QPainter& p) {
    const QPen outline(QColor(150, 105, 20), 1);
    QLinearGradient back(0, 6, 0, 28);
    back.setColorAt(0, QColor(250, 214, 110));
    back.setColorAt(1, QColor(224, 168, 50));
    p.setPen(outline);
    p.setBrush(back);
    QPainterPath folder;
    folder.moveTo(2.5, 8);
    folder.lineTo(11, 8);
    folder.lineTo(13.5, 10.5);
    folder.lineTo(29.5, 10.5);
    folder.lineTo(29.5, 27.5);
    folder.lineTo(2.5, 27.5);
    folder.closeSubpath();
    p.drawPath(folder);
    QLinearGradient front(0, 13, 0, 28);
    front.setColorAt(0, QColor(255, 232, 150));
    front.setColorAt(1, QColor(240, 190, 70));
    p.setBrush(front);
    p.drawPolygon(QPolygonF({{5.5, 14}, {31, 14}, {28.5, 27.5}, {2.5, 27.5}}));
    note(p, {14, 24}, 11, QColor(30, 70, 170));
}

void voiceRecord(QPainter& p) {
    QLinearGradient body(9, 0, 23, 0);
    body.setColorAt(0, QColor(90, 90, 100));
    body.setColorAt(0.45, QColor(200, 200, 210));
    body.setColorAt(1, QColor(70, 70, 80));
    p.setPen(QPen(QColor(40, 40, 50), 1));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(11, 2.5, 10, 17), 5, 5);
    p.setPen(QPen(QColor(60, 60, 70), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7.5, 6, 17, 17.5), 200 * 16, 140 * 16);
    p.drawLine(QPointF(16, 23.5), QPointF(16, 28));
    p.drawLine(QPointF(11, 29), QPointF(21, 29));
    QRadialGradient dot(QPointF(26, 6), 5, QPointF(25, 5));
    dot.setColorAt(0, QColor(255, 120, 110));
    dot.setColorAt(1, QColor(200, 20, 20));
    p.setPen(Qt::NoPen);
    p.setBrush(dot);
    p.drawEllipse(QPointF(26, 6), 4, 4);
}

void arrow(QPainter& p, double y, bool right, const QColor& color) {
    const double tip = right ? 29.5 : 2.5;
    const double dir = right ? -1 : 1;
    QPainterPath path;
    path.moveTo(tip, y);
    path.lineTo(tip + dir * 9, y - 6.5);
    path.lineTo(tip + dir * 9, y - 2.5);
    path.lineTo(32 - tip - dir * 1, y - 2.5);
    path.lineTo(32 - tip - dir * 1, y + 2.5);
    path.lineTo(tip + dir * 9, y + 2.5);
    path.lineTo(tip + dir * 9, y + 6.5);
    path.closeSubpath();
    p.setPen(QPen(color.darker(160), 1));
    p.setBrush(color);
    p.drawPath(path);
}

void convert(QPainter& p) {
    arrow(p, 9.5, true, QColor(60, 170, 70));
    arrow(p, 22.5, false, QColor(50, 110, 210));
}

void setting(QPainter& p) {
    const QPointF centre(16, 16);
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const double angle = (i - 0.5) * M_PI * 2 / (teeth * 4);
        const double radius = (i % 4 < 2) ? 14.0 : 10.5;
        const QPointF point = centre + QPointF(std::cos(angle) * radius, std::sin(angle) * radius);
        if (i == 0)
            gear.moveTo(point);
        else
            gear.lineTo(point);
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(centre, 4.5, 4.5);
    QLinearGradient metal(0, 2, 0, 30);
    metal.setColorAt(0, QColor(190, 200, 215));
    metal.setColorAt(1, QColor(95, 105, 125));
    p.setPen(QPen(QColor(55, 60, 75), 1));
    p.setBrush(metal);
    p.drawPath(gear.subtracted(hole));
}

void about(QPainter& p) {
    QRadialGradient ball(QPointF(16, 16), 14, QPointF(12, 10));
    ball.setColorAt(0, QColor(110, 170, 250));
    ball.setColorAt(1, QColor(20, 70, 170));
    p.setPen(QPen(QColor(15, 45, 120), 1));
    p.setBrush(ball);
    p.drawEllipse(QPointF(16, 16), 14, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 9), 2.3, 2.3);
    p.drawRoundedRect(QRectF(14, 13, 4, 12), 1, 1);
    p.drawRect(QRectF(12, 13, 4, 2));
    p.drawRect(QRectF(12, 23, 8, 2));
}

void exitProgram(QPainter& p) {
    QRadialGradient ball(QPointF(16, 16), 14, QPointF(12, 10));
    ball.setColorAt(0, QColor(250, 120, 100));
    ball.setColorAt(1, QColor(180, 25, 20));
    p.setPen(QPen(QColor(120, 15, 10), 1));
    p.setBrush(ball);
    p.drawEllipse(QPointF(16, 16), 14, 14);
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(9, 9.5, 14, 14), 120 * 16, 300 * 16);
    p.drawLine(QPointF(16, 6.5), QPointF(16, 15));
}

void busy(QPainter& p, int index) {
    const QColor color = QColor::fromHsv((200 + index * 32) % 360, 170, 230);
    QRadialGradient ball(QPointF(16, 16), 14, QPointF(12, 11));
    ball.setColorAt(0, color.lighter(140));
    ball.setColorAt(1, color.darker(130));
    p.setPen(Qt::NoPen);
    p.setBrush(ball);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    note(p, {13, 22}, 10, Qt::white);
}

} // namespace

QPixmap toolbarPicture(const QString& key) {
    const std::pair<const char*, void (*)(QPainter&)> pictures[] = {
        {"Wav", openSong},    {"Rec", voiceRecord}, {"Convert", convert},
        {"Setting", setting}, {"Help", about},      {"Exit", exitProgram},
    };
    for (const auto& [name, drawing] : pictures)
        if (key == QLatin1String(name))
            return draw(ToolbarSize, drawing);
    return {};
}

QPixmap programIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    QSvgRenderer(QStringLiteral(":/icons/tunecarver.svg")).render(&painter);
    return pixmap;
}

QIcon programIconSet() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 36, 48, 64, 128, 256})
        icon.addPixmap(programIcon(size));
    return icon;
}

QPixmap busyPicture(int index) {
    return draw(BusySize, [index](QPainter& p) { busy(p, index); });
}

} // namespace toolbaricons

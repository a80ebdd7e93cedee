// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/clip_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <utility>

namespace clippictures {
namespace {

using Drawing = void (*)(QPainter&);

const QColor PlayGreen(40, 150, 60);
const QColor StopRed(190, 40, 35);
const QColor PauseBlue(40, 90, 180);
const QColor ListBlue(45, 95, 185);

// Coordinates run from 0 to 24, the picture's edge in pixels.
QPixmap draw(Drawing drawing) {
    QPixmap pixmap(PictureSize, PictureSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing(painter);
    return pixmap;
}

void fill(QPainter& p, const QColor& color) {
    p.setPen(QPen(color.darker(150), 1));
    p.setBrush(color);
}

void triangle(QPainter& p, double left, double right, double top, double bottom) {
    const double middle = (top + bottom) / 2;
    p.drawPolygon(QPolygonF({{left, top}, {right, middle}, {left, bottom}}));
}

// A page with its corner folded, the body of the add and remove pictures.
void sheet(QPainter& p) {
    p.setPen(QPen(QColor(90, 95, 110), 1));
    p.setBrush(QColor(250, 250, 252));
    QPainterPath page;
    page.moveTo(4.5, 2.5);
    page.lineTo(13.5, 2.5);
    page.lineTo(17.5, 6.5);
    page.lineTo(17.5, 21.5);
    page.lineTo(4.5, 21.5);
    page.closeSubpath();
    p.drawPath(page);
    p.drawLine(QPointF(13.5, 2.5), QPointF(13.5, 6.5));
    p.drawLine(QPointF(13.5, 6.5), QPointF(17.5, 6.5));
    p.setPen(QPen(QColor(150, 160, 180), 1));
    for (double y : {9.5, 12.5})
        p.drawLine(QPointF(7, y), QPointF(15, y));
}

void add(QPainter& p) {
    sheet(p);
    fill(p, PlayGreen);
    QPainterPath plus;
    plus.addRect(QRectF(16, 11, 3, 11));
    plus.addRect(QRectF(12, 15, 11, 3));
    p.drawPath(plus.simplified());
}

void remove(QPainter& p) {
    sheet(p);
    fill(p, StopRed);
    p.drawRect(QRectF(12, 15, 11, 3));
}

void arrow(QPainter& p, bool up) {
    fill(p, ListBlue);
    const double tip = up ? 3 : 21;
    const double base = 12;
    const double tail = up ? 21 : 3;
    p.drawPolygon(QPolygonF(
        {{12, tip}, {21, base}, {15.5, base}, {15.5, tail}, {8.5, tail}, {8.5, base}, {3, base}}));
}

void moveUp(QPainter& p) {
    arrow(p, true);
}

void moveDown(QPainter& p) {
    arrow(p, false);
}

// A sound's outline under a rising (falling) edge: a fade in (out).
void fadeShape(QPainter& p, bool rising) {
    QPainterPath edge;
    edge.moveTo(3, rising ? 20 : 5);
    edge.cubicTo(10, rising ? 20 : 5, 14, rising ? 5 : 20, 21, rising ? 5 : 20);
    edge.lineTo(21, 20);
    edge.lineTo(3, 20);
    edge.closeSubpath();
    fill(p, ListBlue.lighter(130));
    p.drawPath(edge);
}
void fadeIn(QPainter& p) {
    fadeShape(p, true);
}
void fadeOut(QPainter& p) {
    fadeShape(p, false);
}

// An arrow up over a bar: louder.
void gainUp(QPainter& p) {
    fill(p, PlayGreen);
    p.drawPolygon(QPolygonF({{12, 3}, {19, 11}, {15, 11}, {15, 17}, {9, 17}, {9, 11}, {5, 11}}));
    p.setPen(QPen(QColor(60, 60, 70), 2));
    p.drawLine(QPointF(4, 21), QPointF(20, 21));
}

// Bars of different heights brought to one line: even loudness.
void evenLevel(QPainter& p) {
    fill(p, ListBlue);
    for (const auto& [x, top] : {std::pair{4.0, 9.0}, {9.5, 9.0}, {15.0, 9.0}})
        p.drawRect(QRectF(x, top, 4.5, 21 - top));
    p.setPen(QPen(StopRed, 1.5, Qt::DashLine));
    p.drawLine(QPointF(2, 7), QPointF(22, 7));
}

// Sparkles: a sound made clean.
void sparkles(QPainter& p) {
    fill(p, QColor(230, 170, 40));
    const auto star = [&](double x, double y, double r) {
        const double w = r / 3.5;
        p.drawPolygon(QPolygonF({{x, y - r},
                                 {x + w, y - w},
                                 {x + r, y},
                                 {x + w, y + w},
                                 {x, y + r},
                                 {x - w, y + w},
                                 {x - r, y},
                                 {x - w, y - w}}));
    };
    star(10, 13, 8);
    star(18.5, 5.5, 4);
    star(18.5, 19, 3.5);
}

// A curved arrow back (undo) or on (redo).
void turnArrow(QPainter& p, bool back) {
    p.save();
    if (!back) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    QPainterPath arc;
    arc.moveTo(8, 9);
    arc.cubicTo(14, 4, 22, 8, 20, 15);
    arc.cubicTo(19, 19, 15, 20, 11, 20);
    p.setPen(QPen(ListBlue, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    fill(p, ListBlue);
    p.drawPolygon(QPolygonF({{3, 9}, {10, 3.5}, {10, 14}}));
    p.restore();
}
void undo(QPainter& p) {
    turnArrow(p, true);
}
void redo(QPainter& p) {
    turnArrow(p, false);
}

// Play between two brackets: the kept stretch.
void playSelection(QPainter& p) {
    p.setPen(QPen(QColor(60, 60, 70), 1.5));
    p.drawPolyline(QPolygonF({{6, 4}, {3.5, 4}, {3.5, 20}, {6, 20}}));
    p.drawPolyline(QPolygonF({{18, 4}, {20.5, 4}, {20.5, 20}, {18, 20}}));
    fill(p, PlayGreen);
    triangle(p, 8, 17, 6, 18);
}

void play(QPainter& p) {
    fill(p, PlayGreen);
    triangle(p, 7, 19, 4.5, 19.5);
}

void stop(QPainter& p) {
    fill(p, StopRed);
    p.drawRect(QRectF(6, 6, 12, 12));
}

void pause(QPainter& p) {
    fill(p, PauseBlue);
    p.drawRect(QRectF(6, 5, 4.5, 14));
    p.drawRect(QRectF(13.5, 5, 4.5, 14));
}

// The list player's two skip pictures: a bar and two triangles pointing away from it.
void skip(QPainter& p, bool forward) {
    fill(p, PauseBlue);
    p.save();
    if (!forward) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    triangle(p, 3.5, 11, 6, 18);
    triangle(p, 11, 18.5, 6, 18);
    p.drawRect(QRectF(18.5, 6, 2.5, 12));
    p.restore();
}

void previousClip(QPainter& p) {
    skip(p, false);
}

void nextClip(QPainter& p) {
    skip(p, true);
}

} // namespace

QPixmap buttonPicture(const QString& buttonName) {
    const std::pair<const char*, Drawing> pictures[] = {
        {"CmdAdd", add},          {"Cmdremove", remove},       {"CmdUP", moveUp},
        {"CmdDown", moveDown},    {"CmdEditPlay", play},       {"CmdEditStop", stop},
        {"CmdPlay", play},        {"CmdStop", stop},           {"CmdPause", pause},
        {"CmdNext", nextClip},    {"CmdFoward", previousClip}, {"CmdPlaySel", playSelection},
        {"CmdUndo", undo},        {"CmdRedo", redo},           {"CmdFadeIn", fadeIn},
        {"CmdFadeOut", fadeOut},  {"CmdGain", gainUp},         {"CmdNormalise", evenLevel},
        {"CmdCleanUp", sparkles},
    };
    for (const auto& [name, drawing] : pictures)
        if (buttonName == QLatin1String(name))
            return draw(drawing);
    return {};
}

} // namespace clippictures

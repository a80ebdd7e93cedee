// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/controls.h"

#include "pagekit/clip_pictures.h"

#include "base/choices.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

namespace controls {

QString text(const char* source) {
    return QCoreApplication::translate("Controls", source);
}

QPushButton* button(QWidget* parent, const char* name, const char* caption, const QRect& at) {
    return place(new QPushButton(text(caption), parent), name, at);
}

QPushButton* pictureButton(QWidget* parent, const char* name, const QRect& at, int size) {
    auto* picture = place(new QPushButton(parent), name, at);
    picture->setIcon(clippictures::buttonIcon(QLatin1String(name), size));
    picture->setIconSize(QSize(size, size));
    return picture;
}

QToolButton* buttonWithChecks(QWidget* parent, const char* name, const char* caption,
                              const QRect& at, Choices& choices, const QList<Check>& checks) {
    auto* button = place(new QToolButton(parent), name, at);
    button->setText(text(caption));
    button->setPopupMode(QToolButton::MenuButtonPopup);
    auto* menu = new QMenu(button);
    for (const Check& check : checks) {
        QAction* action = menu->addAction(text(check.text));
        action->setCheckable(true);
        action->setChecked(choices.flag(QLatin1String(check.key), check.fallback));
        QObject::connect(action, &QAction::toggled, button, [&choices, key = check.key](bool on) {
            choices.set(QLatin1String(key), on);
        });
    }
    button->setMenu(menu);
    return button;
}

void describe(QWidget* control, const char* name, const char* description) {
    control->setAccessibleName(text(name));
    control->setAccessibleDescription(text(description));
}

namespace {
const char* const EdgesProperty = "tunecarverKeptEdges";
const char* const PanelProperty = "tunecarverPanel";
} // namespace

void keepEdges(QWidget* control, Qt::Edges edges) {
    control->setProperty(EdgesProperty, int(edges));
}

Qt::Edges keptEdges(const QWidget* control) {
    const QVariant edges = control->property(EdgesProperty);
    return edges.isValid() ? Qt::Edges(edges.toInt()) : (Qt::LeftEdge | Qt::TopEdge);
}

void markPanel(QWidget* panel) {
    panel->setProperty(PanelProperty, true);
}

bool isPanel(const QWidget* widget) {
    return widget->property(PanelProperty).toBool();
}

} // namespace controls

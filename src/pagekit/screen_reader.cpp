// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagekit/screen_reader.h"

#include "pagekit/controls.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QRegularExpression>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace screenreader {
namespace {

bool isContainer(const QWidget& widget) {
    return qobject_cast<const QGroupBox*>(&widget) || controls::isPanel(&widget);
}

bool takesFocus(const QWidget& widget) {
    return (widget.focusPolicy() & Qt::TabFocus) != 0;
}

// A block of reading: one control, or a frame or panel with the controls it holds in
// reading order.
struct Block {
    QRect at;
    std::vector<QWidget*> controls;
};

std::vector<Block> blocksOf(QWidget& container);

// Recursive cuts: the blocks are split into rows where no block spans the gap between them,
// each row into columns the same way, and so on; blocks that neither cut separates are read
// by their top-left corners.
void readInOrder(std::vector<Block> blocks, std::vector<QWidget*>& order) {
    if (blocks.size() == 1) {
        order.insert(order.end(), blocks.front().controls.begin(), blocks.front().controls.end());
        return;
    }
    for (const bool rows : {true, false}) {
        const auto start = [rows](const Block& b) { return rows ? b.at.top() : b.at.left(); };
        const auto end = [rows](const Block& b) {
            return rows ? b.at.top() + b.at.height() : b.at.left() + b.at.width();
        };
        std::stable_sort(blocks.begin(), blocks.end(),
                         [&](const Block& a, const Block& b) { return start(a) < start(b); });
        std::vector<std::vector<Block>> groups;
        int reach = 0;
        for (const Block& block : blocks) {
            if (groups.empty() || start(block) >= reach) {
                groups.emplace_back();
                reach = end(block);
            }
            groups.back().push_back(block);
            reach = std::max(reach, end(block));
        }
        if (groups.size() > 1) {
            for (std::vector<Block>& group : groups)
                readInOrder(std::move(group), order);
            return;
        }
    }
    std::stable_sort(blocks.begin(), blocks.end(), [](const Block& a, const Block& b) {
        return std::pair(a.at.top(), a.at.left()) < std::pair(b.at.top(), b.at.left());
    });
    for (const Block& block : blocks)
        order.insert(order.end(), block.controls.begin(), block.controls.end());
}

std::vector<Block> blocksOf(QWidget& container) {
    std::vector<Block> blocks;
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        Block block{child->geometry(), {}};
        if (isContainer(*child))
            readInOrder(blocksOf(*child), block.controls);
        else if (takesFocus(*child))
            block.controls.push_back(child);
        if (!block.controls.empty())
            blocks.push_back(std::move(block));
    }
    return blocks;
}

// "Add New (Ctrl+O)" names the button "Add New".
QString tooltipWords(const QString& tooltip) {
    static const QRegularExpression key(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    return QString(tooltip).remove(key).trimmed();
}

} // namespace

void nameControls(QWidget& root) {
    for (QWidget* control : root.findChildren<QWidget*>()) {
        auto* button = qobject_cast<QAbstractButton*>(control);
        if (!button && !takesFocus(*control))
            continue;
        const bool captioned = button && !button->text().isEmpty();
        if (control->accessibleName().isEmpty() && !captioned && !control->toolTip().isEmpty())
            control->setAccessibleName(tooltipWords(control->toolTip()));
        if (control->accessibleDescription().isEmpty())
            control->setAccessibleDescription(!control->toolTip().isEmpty() ? control->toolTip()
                                              : captioned                   ? button->text()
                                                          : control->accessibleName());
    }
}

void orderTabs(QWidget& page) {
    std::vector<QWidget*> order;
    std::vector<Block> blocks = blocksOf(page);
    if (!blocks.empty())
        readInOrder(std::move(blocks), order);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace screenreader

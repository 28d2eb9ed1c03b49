// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/ui/buttongrid.h"

#include <QPainter>

#include <algorithm>

namespace {
constexpr int kCell = 30;
} // namespace

ButtonGrid::ButtonGrid(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void ButtonGrid::setButtons(const std::vector<bool> &down)
{
    if (down == state)
        return;
    const bool countChanged = down.size() != state.size();
    state = down;
    QStringList pressed;
    for (std::size_t i = 0; i < state.size(); ++i)
        if (state[i])
            pressed << QString::number(i + 1);
    setAccessibleDescription(pressed.isEmpty() ? tr("No button pressed")
                                               : tr("Pressed: %1").arg(pressed.join(QStringLiteral(", "))));
    if (countChanged)
        updateGeometry();
    update();
}

const std::vector<bool> &ButtonGrid::buttons() const
{
    return state;
}

int ButtonGrid::columns(int width) const
{
    return std::max(1, width / kCell);
}

bool ButtonGrid::hasHeightForWidth() const
{
    return true;
}

int ButtonGrid::heightForWidth(int width) const
{
    const int count = static_cast<int>(state.size());
    const int perRow = columns(width);
    return std::max(kCell, (count + perRow - 1) / perRow * kCell);
}

QSize ButtonGrid::sizeHint() const
{
    return {16 * kCell, heightForWidth(16 * kCell)};
}

void ButtonGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int perRow = columns(width());
    const QPalette &colours = palette();
    for (int i = 0; i < static_cast<int>(state.size()); ++i) {
        const QRect cell((i % perRow) * kCell + 1, (i / perRow) * kCell + 1, kCell - 2, kCell - 2);
        const bool down = state[static_cast<std::size_t>(i)];
        painter.fillRect(cell, colours.color(down ? QPalette::Highlight : QPalette::Base));
        painter.setPen(colours.color(down ? QPalette::HighlightedText : QPalette::Text));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
        painter.drawText(cell, Qt::AlignCenter, QString::number(i + 1));
    }
}

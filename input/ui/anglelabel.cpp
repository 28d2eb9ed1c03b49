// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/ui/anglelabel.h"

#include <QPainter>
#include <QStyle>

AngleLabel::AngleLabel(QWidget *parent) : QLabel(parent)
{
    // Its own background: a change repaints nothing behind it.
    setAutoFillBackground(true);
}

void AngleLabel::setAngleText(const QString &text)
{
    if (text == shown)
        return;
    shown = text;
    setAccessibleDescription(text);
    update(contentsRect());
}

QString AngleLabel::angleText() const
{
    return shown;
}

void AngleLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), static_cast<int>(alignment()), palette(), isEnabled(), shown,
                          foregroundRole());
}

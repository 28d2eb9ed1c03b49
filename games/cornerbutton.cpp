// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/cornerbutton.h"

#include <QEvent>

CornerButton::CornerButton(const QString &text, QWidget *parent)
    : QToolButton(parent)
{
    setText(text);
    setAutoRaise(true);
    parent->installEventFilter(this);
    place();
}

bool CornerButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest))
        place();
    return QToolButton::eventFilter(watched, event);
}

void CornerButton::place()
{
    resize(sizeHint());
    move(parentWidget()->width() - width(), 0);
    raise();
}

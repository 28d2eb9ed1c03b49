// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/ui/wheeldrawing.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

WheelDrawing::WheelDrawing(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(120, 120);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    // Every pixel comes from the cached background: nothing behind needs
    // painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void WheelDrawing::setAngle(double value)
{
    if (value == degrees || (std::isnan(value) && std::isnan(degrees)))
        return;
    degrees = value;
    // Only the wheel turns; the space beside it stays as it is.
    update(wheelRect());
}

double WheelDrawing::angle() const
{
    return degrees;
}

QSize WheelDrawing::sizeHint() const
{
    return {160, 160};
}

QRect WheelDrawing::wheelRect() const
{
    const int side = std::min(width(), height());
    return {(width() - side) / 2, (height() - side) / 2, side, side};
}

void WheelDrawing::paintEvent(QPaintEvent *event)
{
    ++paintCount;
    const QColor rimColour =
        palette().color(std::isnan(degrees) ? QPalette::Disabled : QPalette::Active, QPalette::WindowText);
    const qreal ratio = devicePixelRatioF();
    // The rim is round, so it looks the same at every angle: it is drawn
    // once with the background into a pixmap, and only the spokes and the
    // marker are drawn turned on every frame.
    if (background.size() != size() * ratio || background.devicePixelRatio() != ratio || backgroundRim != rimColour ||
        backgroundWindow != palette().color(QPalette::Window)) {
        backgroundRim = rimColour;
        backgroundWindow = palette().color(QPalette::Window);
        background = QPixmap(size() * ratio);
        background.setDevicePixelRatio(ratio);
        background.fill(backgroundWindow);
        QPainter rim(&background);
        rim.setRenderHint(QPainter::Antialiasing);
        const qreal side = std::min(width(), height()) - 8;
        rim.translate(width() / 2.0, height() / 2.0);
        rim.setPen(QPen(rimColour, side / 14));
        rim.setBrush(Qt::NoBrush);
        rim.drawEllipse(QPointF(0, 0), side / 2 - side / 28, side / 2 - side / 28);
    }
    QPainter painter(this);
    painter.drawPixmap(event->rect(), background, QRectF(QPointF(event->rect().topLeft()) * ratio,
                                                         QSizeF(event->rect().size()) * ratio));
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height()) - 8;
    painter.translate(width() / 2.0, height() / 2.0);
    painter.rotate(std::isnan(degrees) ? 0.0 : degrees);
    // Three spokes and a top marker, so the turn is visible past 180 degrees.
    painter.setPen(QPen(rimColour, side / 20));
    for (int spoke : {90, 210, 330}) {
        const double r = spoke * M_PI / 180.0;
        painter.drawLine(QPointF(0, 0), QPointF(std::cos(r) * side / 2.3, std::sin(r) * side / 2.3));
    }
    painter.setPen(QPen(palette().color(QPalette::Highlight), side / 14));
    painter.drawLine(QPointF(0, -side / 2 + side / 28 - side / 28), QPointF(0, -side / 2 + side / 7));
    emit painted();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/ui/wheeldrawing.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

WheelDrawing::WheelDrawing(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(120, 120);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void WheelDrawing::setAngle(double value)
{
    if (value == degrees || (std::isnan(value) && std::isnan(degrees)))
        return;
    degrees = value;
    update();
}

double WheelDrawing::angle() const
{
    return degrees;
}

QSize WheelDrawing::sizeHint() const
{
    return {160, 160};
}

void WheelDrawing::paintEvent(QPaintEvent *)
{
    ++paintCount;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = std::min(width(), height()) - 8;
    painter.translate(width() / 2.0, height() / 2.0);
    const QColor rim = palette().color(std::isnan(degrees) ? QPalette::Disabled : QPalette::Active, QPalette::WindowText);
    painter.rotate(std::isnan(degrees) ? 0.0 : degrees);
    painter.setPen(QPen(rim, side / 14));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), side / 2 - side / 28, side / 2 - side / 28);
    // Three spokes and a top marker, so the turn is visible past 180 degrees.
    painter.setPen(QPen(rim, side / 20));
    for (int spoke : {90, 210, 330}) {
        const double r = spoke * M_PI / 180.0;
        painter.drawLine(QPointF(0, 0), QPointF(std::cos(r) * side / 2.3, std::sin(r) * side / 2.3));
    }
    painter.setPen(QPen(palette().color(QPalette::Highlight), side / 14));
    painter.drawLine(QPointF(0, -side / 2 + side / 28 - side / 28), QPointF(0, -side / 2 + side / 7));
    emit painted();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

// A steering wheel drawn turned by the current angle.
class WheelDrawing : public QWidget
{
    Q_OBJECT

public:
    explicit WheelDrawing(QWidget *parent = nullptr);
    void setAngle(double degrees); // NaN: unknown
    double angle() const;
    QSize sizeHint() const override;
    // Counts paints, for the figures.
    quint64 paints() const { return paintCount; }

signals:
    void painted();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect wheelRect() const;

    double degrees = 0;
    QPixmap background; // the window's colour and the rim, at the widget's size
    QColor backgroundRim;
    QColor backgroundWindow;
    quint64 paintCount = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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
    double degrees = 0;
    quint64 paintCount = 0;
};

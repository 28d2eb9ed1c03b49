// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input/wheelstate.h"

#include <QString>
#include <QWidget>

#include <vector>

// Every absolute axis of a node as one row: its name, a bar, the raw value
// with its percentage, and the kernel's fuzz and flat. One widget paints all
// rows, and a new state repaints only the rows whose shown values changed,
// so a wheel moving at 1 kHz costs a few small paints per frame. Screen
// readers see each row as a progress bar with the axis's name and value;
// the arrow keys move between rows.
class AxesView : public QWidget
{
    Q_OBJECT

public:
    explicit AxesView(QWidget *parent = nullptr);

    void setAxes(const std::vector<AxisState> &axes);

    int rowCount() const;
    QString rowName(int row) const;
    QString rowValueText(int row) const;  // raw value and percentage
    QString rowKernelText(int row) const; // fuzz and flat
    int rowPercent(int row) const;
    int currentRow() const;
    QRect rowRect(int row) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Row {
        int code = 0;
        QString name;
        int value = 0;
        int percent = 0;
        int fuzz = 0;
        int flat = 0;
        QString valueText;
        QString kernelText;
    };
    void measure();
    void setCurrentRow(int row);
    void announceFocus();
    QRect barRect(int row) const;
    QRect valueRect(int row) const;
    QRect kernelRect(int row) const;
    int barLeft() const;
    int valueLeft() const;
    int kernelLeft() const;

    std::vector<Row> rows;
    int current = 0;
    int rowHeight = 0;
    int nameWidth = 0;
    int valueWidth = 0;
    int kernelWidth = 0;
};

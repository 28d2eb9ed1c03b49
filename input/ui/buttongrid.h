// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <vector>

// Every button a node reports as a numbered cell, lit while pressed. One
// widget paints them all, so hundreds of buttons cost one paint.
class ButtonGrid : public QWidget
{
    Q_OBJECT

public:
    explicit ButtonGrid(QWidget *parent = nullptr);
    void setButtons(const std::vector<bool> &down);
    const std::vector<bool> &buttons() const;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int columns(int width) const;
    std::vector<bool> state;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// The steering angle as text, new on almost every frame. The text is kept
// and painted here rather than through QLabel::setText, which here cost a
// second repaint of the label after each change. Screen readers get the
// text as the label's description.
class AngleLabel : public QLabel
{
    Q_OBJECT

public:
    explicit AngleLabel(QWidget *parent = nullptr);
    void setAngleText(const QString &text);
    QString angleText() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString shown;
};

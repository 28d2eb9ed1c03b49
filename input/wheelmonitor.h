// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input/wheelstate.h"

#include <QObject>
#include <QString>
#include <QTimer>

class WheelInput;

// Turns a live joystick node into lines of text, for a terminal or a pipe:
// at most one line per interval, and only when something changed.
class WheelMonitor : public QObject
{
    Q_OBJECT

public:
    enum class Format { Text, JsonLines };

    WheelMonitor(WheelInput *input, Format format, QObject *parent = nullptr);

    void setMotionRange(int degrees);
    void setInterval(int milliseconds);

    // One line (without its newline) for this state.
    static QString textLine(const WheelState &state, int motionRange);
    static QString jsonLine(const WheelState &state, int motionRange);

signals:
    void line(const QString &text);
    // The node went away; nothing more comes.
    void finished(const QString &why);

private:
    void emitLine();

    WheelInput *input;
    Format format;
    int motionRange = 900;
    bool dirty = true;
    QTimer pacer;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "input/wheelstate.h"

#include <QObject>
#include <QString>

struct libevdev;
class QSocketNotifier;

// Reads a joystick node without blocking: events are taken as the node
// becomes readable (on the thread the object lives on) and folded into a
// WheelState. stateChanged() comes once per batch of reports read, so a
// view that repaints on it has to pace itself.
class WheelInput : public QObject
{
    Q_OBJECT

public:
    explicit WheelInput(QObject *parent = nullptr);
    ~WheelInput() override;

    // False with errorString() set when the node cannot be opened or read.
    bool open(const QString &node);
    void close();
    bool isOpen() const;
    QString node() const;
    QString errorString() const;
    const WheelState &state() const;

    // Sets the kernel's fuzz and flat of one axis (EVIOCSABS). False with
    // errorString() set when the kernel refuses.
    bool setKernelFuzzFlat(int code, int fuzz, int flat);

signals:
    void stateChanged();
    // The node went away or failed while reading; the input is closed.
    void nodeLost(const QString &why);

private:
    void readAvailable();
    void rebuildState();

    libevdev *device = nullptr;
    int fd = -1;
    QSocketNotifier *notifier = nullptr;
    QString path;
    QString error;
    WheelStateFolder folder;
};

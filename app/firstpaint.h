// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

// Runs `action` once on the GUI thread, right after the first frame of the
// shown top-level `window` has been painted: work that the first frame does
// not need no longer keeps the window from appearing. Nothing runs when
// `context` is destroyed first.
void afterFirstPaint(QWidget *window, QObject *context, std::function<void()> action);

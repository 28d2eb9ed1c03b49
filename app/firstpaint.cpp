// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/firstpaint.h"

#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace {

class FirstPaintWatcher : public QObject
{
public:
    FirstPaintWatcher(std::function<void()> action, QObject *context)
        : QObject(context)
        , action(std::move(action))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            // A widget window paints while its expose event is delivered; a
            // queued call runs once that delivery has ended.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    action();
                    deleteLater();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> action;
};

} // namespace

void afterFirstPaint(QWidget *window, QObject *context, std::function<void()> action)
{
    QWindow *handle = window->windowHandle();
    if (!handle || handle->isExposed()) {
        QMetaObject::invokeMethod(context, std::move(action), Qt::QueuedConnection);
        return;
    }
    handle->installEventFilter(new FirstPaintWatcher(std::move(action), context));
}

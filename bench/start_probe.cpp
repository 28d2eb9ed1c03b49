// SPDX-License-Identifier: GPL-3.0-or-later
// Preloaded into a program whose start is measured (the application and the
// bare floor program alike). When the first top-level window has been exposed
// and painted, it writes the CLOCK_MONOTONIC time in nanoseconds, as decimal
// text and a newline, to the file descriptor named by VELLOX_START_PROBE_FD.

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace {

class FirstExposeProbe : public QObject
{
public:
    explicit FirstExposeProbe(int fd, QObject *parent)
        : QObject(parent)
        , fd(fd)
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!reported && event->type() == QEvent::Expose && watched->isWindowType()) {
            auto *window = static_cast<QWindow *>(watched);
            if (window->isTopLevel()) {
                reported = true;
                // Widgets paint their exposed window while the expose event is
                // delivered; a zero timer runs once that delivery has ended.
                QTimer::singleShot(0, this, [this] { report(); });
            }
        }
        return false;
    }

private:
    void report()
    {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        char line[64];
        const int length = std::snprintf(line, sizeof line, "%lld\n",
                                         static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        if (length > 0 && ::write(fd, line, static_cast<size_t>(length)) < 0)
            std::perror("start probe");
        ::close(fd);
    }

    int fd;
    bool reported = false;
};

void installProbe()
{
    const char *fdText = std::getenv("VELLOX_START_PROBE_FD");
    if (!fdText || !*fdText)
        return;
    QCoreApplication *application = QCoreApplication::instance();
    application->installEventFilter(new FirstExposeProbe(std::atoi(fdText), application));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)

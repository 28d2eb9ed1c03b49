// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/datafolder.h"
#include "app/firstpaint.h"
#include "app/mainwindow.h"
#include "cli/terminationsignals.h"
#include "app/translations.h"
#include "app/windowhistory.h"
#include "app/windowsettingstarget.h"
#include "app/windowwheeltest.h"
#include "editors/comboboxaccessibility.h"
#include "cli/application.h"
#include "cli/commandrequest.h"
#include "cli/instanceserver.h"
#include "settings/appfiles.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>

namespace {

int runWindow(InstanceServer &server, const CommandRequest &request)
{
    const bool inBackground = request.has(QStringLiteral("background"));
    // Lets the desktop match windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vellox.WheelSetup"));
    installComboBoxAccessibility();

    TerminationSignalWatcher terminationSignals;
    QObject::connect(&terminationSignals, &TerminationSignalWatcher::terminationRequested, qApp,
                     &QCoreApplication::quit);

    int exitCode = 0;
    {
        // The window's games and the later starts' launch wrappers are layers
        // on one keeper.
        MainWindow window(server.layers());
        // Ends before the window: its test effects are erased while the
        // device link still runs.
        WindowWheelTest wheelTest(&window);
        // Later starts hand their requests to this window.
        WindowSettingsTarget target(&window);
        WindowHistory history(&window, &target);
        server.setTarget(&target);
        if (!inBackground || !window.hasTrayIcon())
            window.show();
        if (request.has(QStringLiteral("wheel-test")))
            wheelTest.show();
        // Looking the icon up in the desktop theme reads the theme's folders;
        // the window appears first and takes the icon a moment later.
        afterFirstPaint(&window, &window, [] {
            QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("com.vellox.WheelSetup")));
        });
        // The window keeps the 10-point font of its form; dialogs and
        // anything created later get the smaller application font.
        QFont font = QApplication::font();
        font.setPixelSize(11);
        QApplication::setFont(font);
        exitCode = QApplication::exec();
        server.abandon();
    }
    return exitCode;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool inDataHome = takeDataHomeOption(argc, argv);
    const WindowHooks hooks{
        [](QCoreApplication &application) {
            installTranslations(application, QLocale(), translationFolders(QCoreApplication::applicationDirPath()));
        },
        [] { enterDataFolder(appfiles::userDataFolder()); },
        runWindow,
    };
    return runApplication(argc, argv, inDataHome, hooks);
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the start-up figures: a bare main window and nothing else,
// linked with the same Qt modules as the application.

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.show();
    return application.exec();
}

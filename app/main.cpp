#include "app/mainwindow.h"

#include <QApplication>
#include <QFont>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    int exitCode = 0;
    {
        MainWindow window;
        window.show();
        // The window keeps the 10-point font of its form; dialogs and
        // anything created later get the smaller application font.
        QFont font = QApplication::font();
        font.setPixelSize(11);
        QApplication::setFont(font);
        exitCode = application.exec();
    }
    return exitCode;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// A reference beside the floor: a bare main window of the application's size
// (690 x 732) that shows one push button with a line of text in the
// application's fonts, and nothing else. What it costs over the floor is the
// least any program pays that shows text in a window of that size.

#include <QApplication>
#include <QFont>
#include <QMainWindow>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    QFont font = window.font();
    font.setPointSize(10);
    window.setFont(font);
    window.resize(690, 732);
    auto *content = new QWidget(&window);
    auto *layout = new QVBoxLayout(content);
    layout->addWidget(new QPushButton(QStringLiteral("Reset wheel center"), content));
    layout->addStretch();
    window.setCentralWidget(content);
    window.show();
    return application.exec();
}

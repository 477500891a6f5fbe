// Fennick: follows the people who attend a series of public meetings.

#include "platform/ui/Resources.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fennick"));
    QGuiApplication::setDesktopFileName(QStringLiteral("fennick"));
    fennick::InitResources();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Fennick"));
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    QObject::connect(exit, &QAction::triggered, &app, &QApplication::quit);
    window.resize(1000, 700);
    window.show();
    return app.exec();
}

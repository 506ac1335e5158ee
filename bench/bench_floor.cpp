// The floor the designer's start-up is measured against: the least a Qt Widgets program with a
// menu, a tab bar and a status bar does before its main window is on the screen. It shows a
// window titled "Floor" and runs until it is closed or terminated; bench_startup starts it.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("E&xit"), &app, &QApplication::quit);
    window.menuBar()->addMenu(QStringLiteral("&View"));
    auto *tabs = new QTabBar;
    for (const char *page : {"Standard", "Additional", "Win32", "System", "Database", "Dialogs"})
        tabs->addTab(QString::fromLatin1(page));
    window.setCentralWidget(tabs);
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(483, 483);
    window.show();
    return app.exec();
}

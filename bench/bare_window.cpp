// What the game's start-up is held against: a bare Qt main window with the
// game's menu bar, shown maximized as the game's is, painted in full and
// closed at the first turn of its event loop, as the game's --quit-after-show
// does. tools/measure-startup times the two side by side.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("The Numbers Game"));
    for (const char *command : {"E&xit", "&Setting", "&Manual setup", "&About"})
        window.menuBar()->addAction(QString::fromLatin1(command));
    window.showMaximized();
    QTimer::singleShot(0, &window, [&window] {
        window.repaint();
        window.close();
    });
    return QApplication::exec();
}

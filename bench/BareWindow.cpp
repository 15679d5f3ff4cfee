// The limit Trevalo's start-up is measured against: what Qt itself costs to
// bring up a main window of Trevalo's client size with a menu bar of three
// entries, and nothing of Trevalo's own.

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>

#include <cmath>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    for (const char* entry : { "Reset", "Log", "About" })
        window.menuBar()->addAction(QString::fromLatin1(entry));
    // Trevalo's client area, 11010 x 8430 twips, at the screen's logical dpi
    // (15 twips a pixel at 96 dpi).
    const double dpi = window.screen() ? window.screen()->logicalDotsPerInch() : 96.0;
    auto pixels = [dpi](int twips) { return int(std::lround(twips / 15.0 * dpi / 96.0)); };
    auto* client = new QWidget(&window);
    client->setFixedSize(pixels(11010), pixels(8430));
    window.setCentralWidget(client);
    window.show();
    return app.exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The floor to measure the game against: a Qt Widgets window of the game's
// size with a menu bar of four menus and thirty labels, nothing more.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    auto* client = new QWidget(&window);
    client->setFixedSize(641, 494);
    window.setCentralWidget(client);
    for (const char* menu : {"Tiedosto", "VaikeusTaso", "Pelaajia", "Aloittaja"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("-"));
    for (int i = 0; i < 30; ++i) {
        auto* label = new QLabel(QString::number(i), client);
        label->setGeometry(10 + (i % 6) * 100, 10 + (i / 6) * 90, 80, 20);
    }
    window.show();
    return app.exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt window of the game's size costs: the same toolkit, one label
// and nothing else. bench/ui/measure.sh measures the game against it.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(485, 424);
    QLabel label(QStringLiteral("Score 0"), &window);
    label.move(10, 10);
    window.show();
    return QApplication::exec();
}

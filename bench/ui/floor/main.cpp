// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt window of the game's size costs: the same toolkit, one label
// and nothing else. bench/ui/measure.sh measures the game against it.
//
// With --frames it also repaints as a game at "Hard" does at the least: every
// 50 ms a square of one cell's size moves down a row, and only the two cells
// it left and entered are repainted.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstring>

namespace {

class FloorWindow final : public QWidget {
public:
    void step() {
        const QRect left = cell();
        row_ = (row_ + 1) % Rows;
        update(left);
        update(cell());
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::lightGray);
        painter.fillRect(cell(), Qt::red);
    }

private:
    static constexpr int Rows = 23;
    static constexpr int Side = 16;
    [[nodiscard]] QRect cell() const { return {120, 8 + row_ * Side, Side, Side}; }

    int row_ = 0;
};

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    FloorWindow window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(485, 424);
    QLabel label(QStringLiteral("Score 0"), &window);
    label.move(10, 10);
    QTimer frames;
    if (argc > 1 && std::strcmp(argv[1], "--frames") == 0) {
        QObject::connect(&frames, &QTimer::timeout, &window, &FloorWindow::step);
        frames.start(50);
    }
    window.show();
    return QApplication::exec();
}

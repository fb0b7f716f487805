// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt window of the game's size costs: one top-level label with
// one line of text, and nothing else. bench/ui/measure.sh measures the game
// against it.
//
// With --frames it also repaints as a game at "Hard" does at the least: every
// 50 ms a square of one cell's size moves down a row, and only the two cells
// it left and entered are repainted.
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTimer>

#include <cstring>

namespace {

class FramesLabel final : public QLabel {
public:
    using QLabel::QLabel;

    void step() {
        const QRect left = cell();
        row_ = (row_ + 1) % Rows;
        update(left);
        update(cell());
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        QPainter painter(this);
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
    const QString text = QStringLiteral("Score 0");
    const bool frames = argc > 1 && std::strcmp(argv[1], "--frames") == 0;
    if (!frames) {
        QLabel label(text);
        label.setFixedSize(485, 424);
        label.show();
        return QApplication::exec();
    }
    FramesLabel label(text);
    label.setFixedSize(485, 424);
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, &label, &FramesLabel::step);
    timer.start(50);
    label.show();
    return QApplication::exec();
}

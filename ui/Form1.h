#pragma once

#include "Surface.h"

#include <QWidget>

class QLineEdit;
class QScrollBar;

namespace stackfall {

class CaptionBox;
class ControlTimer;
class Game;

// The main window. It shows what the game sets and passes every event to the
// game's handlers; it decides nothing itself.
class Form1 final : public QWidget {
    Q_OBJECT
public:
    Form1();

    // Wires the window's events to the game's handlers. Until then the
    // window shows its design and reports nothing.
    void attach(Game& game);

    // What the game changes; each repaints only what it touched.
    void setCellFill(int cell, QColor colour);
    void setCellOutline(int cell, QColor colour);
    void setBorderFill(int segment, QColor colour);
    void setPreviewFill(int cell, QColor colour);
    void setLevelText(const QString& text);
    void setPauseVisible(bool visible);

    [[nodiscard]] const Surface& surface() const { return surface_; }
    [[nodiscard]] CaptionBox& Picture1() const { return *picture1_; } // holds timelbl
    [[nodiscard]] CaptionBox& Picture2() const { return *picture2_; } // holds scorelbl
    [[nodiscard]] QScrollBar& VScroll1() const { return *vscroll1_; }
    [[nodiscard]] QLineEdit& Text1() const { return *text1_; }
    [[nodiscard]] ControlTimer& Timer1() const { return *timer1_; } // gravity
    [[nodiscard]] ControlTimer& Timer2() const { return *timer2_; } // clock

signals:
    // The player closed the window; its timers have stopped.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Button { None, Start, About, Exit }; // Image2, Image3, Image4
    [[nodiscard]] static Button buttonAt(QPoint pos);
    void click(Button button);

    Surface surface_;
    CaptionBox* picture1_;
    CaptionBox* picture2_;
    QScrollBar* vscroll1_;
    QLineEdit* text1_;
    ControlTimer* timer1_;
    ControlTimer* timer2_;
    Game* game_ = nullptr;
    Button pressed_ = Button::None;
};

} // namespace stackfall

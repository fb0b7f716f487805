// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>

namespace stackfall {

// A picture box that holds one label: the score panel with the score, the clock
// panel with the clock. It takes the focus when clicked or tabbed to; its keys
// go to the game through the window's key forwarding.
class CaptionBox final : public QFrame {
public:
    struct Caption {
        QString text;
        // Gives the caption's font when the box first needs it, to draw or
        // to size itself: a font's face is looked up and measured then.
        std::function<QFont()> font;
        QColor colour;
        // Inside the box's border. A label sized to its text keeps the top
        // left corner and takes the size of each new caption; otherwise the
        // caption is centred in this rectangle, and one too wide for it is
        // drawn smaller, keeping its middle at the height of the designed one.
        QRect rect;
        bool sizedToText = false;
    };

    CaptionBox(QWidget* parent, QColor background, Caption caption);

    void setText(const QString& text);
    [[nodiscard]] QString text() const { return caption_.text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The label's rectangle in the box's own coordinates.
    [[nodiscard]] QRect labelRect();
    // Asks for the caption's font once, and fits the caption.
    void needFont();
    // Picks the size the caption is drawn at.
    void fitCaption();

    QColor background_;
    Caption caption_;
    std::optional<QFont> font_;
    QFont shownFont_;
    int shownDrop_ = 0; // how far a smaller caption is moved down
};

} // namespace stackfall

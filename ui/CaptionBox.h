#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QRect>
#include <QString>

namespace stackfall {

// A picture box that holds one label: the score panel with the score, the clock panel with
// the clock. It takes the focus when clicked or tabbed to; its keys go to the
// game through the window's key forwarding.
class CaptionBox final : public QFrame {
public:
    struct Caption {
        QString text;
        QFont font;
        QColor colour;
        // Inside the box's border. A label sized to its text keeps the top
        // left corner and takes the size of each new caption; otherwise the
        // caption is centred in this rectangle and clipped to it.
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
    [[nodiscard]] QRect labelRect() const;

    QColor background_;
    Caption caption_;
};

} // namespace stackfall

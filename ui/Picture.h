#pragma once

#include <QPixmap>
#include <QString>

class QPainter;
class QPoint;

namespace stackfall {

// One of the embedded pictures, drawn at its own size in logical pixels.
// Where a double-resolution copy exists it is used on high-density screens;
// it is read only when first needed. A missing picture draws nothing.
class Picture {
public:
    explicit Picture(const QString& name);

    void draw(QPainter& painter, QPoint topLeft) const;

private:
    [[nodiscard]] const QPixmap& forRatio(qreal ratio) const;

    QString name_;
    QPixmap normal_;
    mutable QPixmap sharp_;
    mutable bool sharpLoaded_ = false;
};

} // namespace stackfall

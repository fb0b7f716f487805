#include "Picture.h"

#include <QPainter>
#include <QPoint>

namespace stackfall {

namespace {

QString resourcePath(const QString& name, const char* suffix) {
    return QStringLiteral(":/pictures/%1%2.png").arg(name, QLatin1String(suffix));
}

} // namespace

Picture::Picture(const QString& name) : name_(name), normal_(resourcePath(name, "")) {
}

const QPixmap& Picture::forRatio(qreal ratio) const {
    if (ratio <= 1.0) {
        return normal_;
    }
    if (!sharpLoaded_) {
        sharpLoaded_ = true;
        if (sharp_.load(resourcePath(name_, "@2x"))) {
            sharp_.setDevicePixelRatio(2.0);
        }
    }
    return sharp_.isNull() ? normal_ : sharp_;
}

void Picture::draw(QPainter& painter, QPoint topLeft) const {
    const QPixmap& pixmap = forRatio(painter.device()->devicePixelRatioF());
    if (!pixmap.isNull()) {
        painter.drawPixmap(topLeft, pixmap);
    }
}

} // namespace stackfall

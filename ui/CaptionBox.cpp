#include "CaptionBox.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <utility>

namespace stackfall {

CaptionBox::CaptionBox(QWidget* parent, QColor background, Caption caption)
    : QFrame(parent), background_(background), caption_(std::move(caption)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect CaptionBox::labelRect() const {
    QRect r = caption_.rect;
    if (caption_.sizedToText) {
        r.setSize(QFontMetrics(caption_.font).size(Qt::TextSingleLine, caption_.text));
    }
    return r.translated(contentsRect().topLeft());
}

void CaptionBox::setText(const QString& text) {
    if (text == caption_.text) {
        return;
    }
    const QRect before = labelRect();
    caption_.text = text;
    update(before.united(labelRect()));
}

void CaptionBox::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), background_);
        const QRect label = labelRect();
        if (label.intersects(event->rect())) {
            painter.setClipRect(contentsRect().intersected(label));
            painter.setFont(caption_.font);
            painter.setPen(caption_.colour);
            painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                             caption_.text);
        }
    }
    QFrame::paintEvent(event); // the border, over the background
}

} // namespace stackfall

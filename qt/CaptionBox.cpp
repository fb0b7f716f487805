// SPDX-License-Identifier: GPL-3.0-or-later
#include "CaptionBox.h"

#include "Captions.h"
#include "Fonts.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>
#include <utility>

namespace stackfall {

namespace {

// The height of the middle of the digits below the top of the line.
qreal digitMiddle(const QFont& font) {
    const QFontMetricsF metrics(font);
    return metrics.ascent() - metrics.capHeight() / 2;
}

} // namespace

CaptionBox::CaptionBox(QWidget* parent, QColor background, Caption caption)
    : QFrame(parent), background_(background), caption_(std::move(caption)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CaptionBox::needFont() {
    if (!font_) {
        font_ = caption_.font();
        fitCaption();
    }
}

void CaptionBox::fitCaption() {
    shownFont_ = *font_;
    shownDrop_ = 0;
    if (caption_.sizedToText ||
        QFontMetrics(*font_).horizontalAdvance(caption_.text) <= caption_.rect.width()) {
        return;
    }
    shownFont_ =
        shrunkToWidth(*font_, caption_.text, caption_.rect.width() - 2 * captions::ShrunkMargin);
    shownDrop_ = static_cast<int>(std::lround(digitMiddle(*font_) - digitMiddle(shownFont_)));
}

QRect CaptionBox::labelRect() {
    needFont();
    QRect r = caption_.rect;
    if (caption_.sizedToText) {
        r.setSize(QFontMetrics(*font_).size(Qt::TextSingleLine, caption_.text));
    }
    return r.translated(contentsRect().topLeft());
}

void CaptionBox::setText(const QString& text) {
    if (text == caption_.text) {
        return;
    }
    if (!font_) {
        // Never drawn yet: the whole box is still to be painted.
        caption_.text = text;
        update();
        return;
    }
    const QRect before = labelRect();
    caption_.text = text;
    fitCaption();
    update(before.united(labelRect()));
}

void CaptionBox::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        // The style draws the border's lines one device pixel wide, which on
        // a high-density screen leaves pixels between them that nothing
        // paints. They show the shadow of the sunken border.
        if (frameWidth() > 0) {
            painter.fillRect(rect(), palette().color(QPalette::Shadow));
        }
        painter.fillRect(contentsRect(), background_);
        const QRect label = labelRect();
        if (label.intersects(event->rect())) {
            painter.setClipRect(contentsRect().intersected(label));
            painter.setFont(shownFont_);
            painter.setPen(caption_.colour);
            painter.drawText(label.translated(0, shownDrop_),
                             Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine, caption_.text);
        }
    }
    QFrame::paintEvent(event); // the border, over the background
}

} // namespace stackfall

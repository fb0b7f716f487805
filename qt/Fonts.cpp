// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fonts.h"

#include "Geometry.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace stackfall {

namespace {

// The level name's size: the window draws the bold face at it anyway.
constexpr int MeasuringPixelSize = 16;

// The face that stands in where the designed one is missing; scripts/setup.sh
// installs it with the game.
constexpr QLatin1String StandInFamily("DejaVu Sans");

} // namespace

QFont captionFont(const captions::Caption& caption) {
    QFont font(QStringList{toQString(captions::FaceName), QString(StandInFamily)});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(captions::pixelSize(caption.points));
    font.setBold(caption.bold);
    return font;
}

QFont fitted(QFont font, const QFont& measuring, const QString& caption, int designWidth) {
    // Of the size drawn: a font given in points, as the default font is,
    // is drawn at a whole number of pixels.
    const int measuredSize = QFontInfo(measuring).pixelSize();
    const qreal advance = QFontMetricsF(measuring).horizontalAdvance(caption);
    const int width = static_cast<int>(std::lround(advance * font.pixelSize() / measuredSize));
    if (width > designWidth && width > 0 && measuredSize > 0) {
        font.setStretch(std::max(captions::NarrowestPercent, designWidth * 100 / width));
    }
    return font;
}

namespace {

// The face the captions are drawn in: the designed one where the machine has
// it, else the first stand-in, as a font asking for both would resolve.
// Found in the font database's list, unlike a font asking for a face that is
// missing, which has fontconfig sort every face on the machine for the
// missing one's stand-ins, and again for each script it is used in.
QString resolvedFamily() {
    const QString designed = toQString(captions::FaceName);
    const QStringList families = QFontDatabase::families();
    const auto has = [&families](const QString& family) {
        return families.contains(family, Qt::CaseInsensitive);
    };
    if (!has(designed) && has(StandInFamily)) {
        return QString(StandInFamily);
    }
    // Either the designed face is there, and a font finds it at once, or
    // neither is, and fontconfig's stand-ins decide.
    return QFontInfo(captionFont(captions::LevelText)).family();
}

} // namespace

CaptionFaces::CaptionFaces() : family_(resolvedFamily()) {
    // Measured at its own size, each caption would load a font engine of its
    // own that nothing draws with. The advances of a scalable face grow in
    // proportion to the size, so every caption of a weight is measured in
    // one font: the bold at the level name's size, which the window draws
    // anyway, and the regular in the window's default font, which the
    // questions and the focus keeper are set in, when that is the same face.
    measuringBold_ = font(captions::LevelText);
    measuringBold_.setPixelSize(MeasuringPixelSize);
    const QFont standard = QApplication::font();
    const QFontInfo standardFace(standard);
    if (standardFace.family() == family_ && standardFace.weight() == QFont::Normal &&
        standardFace.style() == QFont::StyleNormal && standardFace.pixelSize() > 0) {
        measuringRegular_ = standard;
    } else {
        measuringRegular_ = measuringBold_;
        measuringRegular_.setBold(false);
    }
}

QFont CaptionFaces::font(const captions::Caption& caption) const {
    QFont font = captionFont(caption);
    font.setFamilies({family_});
    return font;
}

QFont CaptionFaces::fitted(const captions::Caption& caption) const {
    return stackfall::fitted(font(caption), caption.bold ? measuringBold_ : measuringRegular_,
                             toQString(caption.text), caption.rect.width);
}

QFont shrunkToWidth(QFont font, const QString& text, int width) {
    const int designed = QFontMetrics(font).horizontalAdvance(text);
    if (designed <= width || font.pixelSize() <= 1) {
        return font;
    }
    const auto fits = [&text, width](const QFont& f) {
        return QFontMetrics(f).horizontalAdvance(text) <= width;
    };
    // Advances grow about in proportion to the size; hinting can move the
    // guess by a pixel or so either way.
    QFont bigger = font;
    font.setPixelSize(std::max(1, font.pixelSize() * width / designed));
    while (font.pixelSize() > 1 && !fits(font)) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    for (bigger.setPixelSize(font.pixelSize() + 1); fits(bigger);
         bigger.setPixelSize(bigger.pixelSize() + 1)) {
        font = bigger;
    }
    return font;
}

} // namespace stackfall

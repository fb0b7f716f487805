#include "Fonts.h"

#include <QFontMetrics>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace stackfall {

QFont designFont(double points, bool bold) {
    QFont font(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

QFont fitted(QFont font, const QString& caption, int designWidth) {
    const int width = QFontMetrics(font).horizontalAdvance(caption);
    if (width > designWidth && width > 0) {
        font.setStretch(std::max(50, designWidth * 100 / width));
    }
    return font;
}

} // namespace stackfall

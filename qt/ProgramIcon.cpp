// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramIcon.h"

#include "Geometry.h"
#include "Picture.h"
#include "Pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace stackfall {

namespace {

using pictures::IconFile;
constexpr const auto& Files = pictures::IconFiles;

// The sizes offered to the window system, which on X11 takes every one of
// them when the window is made: the title bar's and the task switcher's, and
// twice those for high-density screens. The larger pictures serve the menu
// entry through the installed icon theme; here they are read only if asked for.
constexpr int LargestOffered = 64;

// The smallest picture at least as large as `side`, or the largest.
const IconFile& fileFor(int side) {
    for (const IconFile& file : Files) {
        if (file.side >= side) {
            return file;
        }
    }
    return Files.back();
}

class ProgramIconEngine final : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::max(size.width(), size.height());
        QPixmap picture = embeddedPng(toQString(fileFor(side).name));
        if (!picture.isNull() && picture.size() != size) {
            picture = picture.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        return picture;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min({size.width(), size.height(), Files.back().side});
        return {side, side};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const IconFile& file : Files) {
            if (file.side <= LargestOffered) {
                sizes.append(QSize(file.side, file.side));
            }
        }
        return sizes;
    }

    [[nodiscard]] QIconEngine* clone() const override { return new ProgramIconEngine; }
    [[nodiscard]] QString key() const override { return QStringLiteral("stackfall"); }
};

} // namespace

QIcon programIcon() {
    return QIcon(new ProgramIconEngine);
}

} // namespace stackfall

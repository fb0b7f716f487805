// SPDX-License-Identifier: GPL-3.0-or-later
// The main window on a high-density screen, at the scale factor the test's
// environment sets (QT_SCALE_FACTOR): the layout stays in logical pixels and
// Qt scales it, and what the window paints still lands on whole device
// pixels, so cells, ring and outlines stay sharp; at 2 every picture is
// drawn from its own double-size copy.
#include "CaptionBox.h"
#include "Geometry.h"
#include "Harness.h"
#include "Layout.h"
#include "PictureWindow.h"
#include "ScreenColours.h"

#include <QLineEdit>
#include <QPixmap>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

using stackfall::Window;
using stackfall::testing::Harness;
namespace layout = stackfall::layout;

namespace {

using namespace stackfall::testing::screen;

struct Run {
    QColor colour;
    int length = 0;
};

// The colours met walking `count` pixels from `from` in steps of `step`,
// with how many pixels each lasts.
std::vector<Run> runsAlong(const QImage& image, QPoint from, QPoint step, int count) {
    std::vector<Run> runs;
    QPoint p = from;
    for (int i = 0; i < count; ++i, p += step) {
        const QColor c = image.pixelColor(p);
        if (runs.empty() || runs.back().colour != c) {
            runs.push_back({c, 0});
        }
        ++runs.back().length;
    }
    return runs;
}

QString describe(const std::vector<Run>& runs) {
    QStringList parts;
    for (const Run& r : runs) {
        parts << QStringLiteral("%1 x%2").arg(r.colour.name()).arg(r.length);
    }
    return parts.join(QStringLiteral(", "));
}

// The device pixels that lie wholly inside a logical rectangle.
QRect devicePixelsInside(const QRect& logical, qreal scale) {
    const int left = static_cast<int>(std::ceil(logical.left() * scale));
    const int top = static_cast<int>(std::ceil(logical.top() * scale));
    const int right = static_cast<int>(std::floor((logical.right() + 1) * scale));
    const int bottom = static_cast<int>(std::floor((logical.bottom() + 1) * scale));
    return {QPoint(left, top), QPoint(right - 1, bottom - 1)};
}

// What a cell looks like across its middle, in device pixels: the outline,
// the fill and the outline again.
struct CellProfile {
    int before = 0; // outline at the left or top
    int fill = 0;
    int after = 0; // outline at the right or bottom
    bool operator==(const CellProfile&) const = default;
};

} // namespace

class HighDpiTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void layoutStaysInLogicalPixels();
    void playfieldHasNoBlendedPixels();
    void everyCellShowsTheSameSharpOutline();
    void cellAtScaleTwoIsExact();
    void picturesUseTheirDoubleSizePictures();

private:
    // How an empty cell n with empty neighbours shows along its middle row
    // (`across`) or column; all zero, with a warning saying what was found,
    // when it is not outline, fill, outline.
    [[nodiscard]] CellProfile profile(const QImage& shot, int cell, bool across) const;

    qreal scale_ = 1.0;
};

void HighDpiTest::initTestCase() {
    scale_ = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    // Run at 1 this test would prove nothing about high density.
    QVERIFY2(scale_ > 1.0, "set QT_SCALE_FACTOR above 1");
}

void HighDpiTest::layoutStaysInLogicalPixels() {
    Harness h;
    QCOMPARE(h.mainWindow.devicePixelRatioF(), scale_);
    QCOMPARE(h.mainWindow.size(), toQSize(layout::ClientSize));
    QCOMPARE(h.mainWindow.minimumSize(), toQSize(layout::ClientSize));
    QCOMPARE(h.mainWindow.maximumSize(), toQSize(layout::ClientSize));
    QCOMPARE(h.mainWindow.clockPanel().geometry(), toQRect(layout::ClockPanel));
    QCOMPARE(h.mainWindow.scorePanel().geometry(), toQRect(layout::ScorePanel));
    QCOMPARE(h.mainWindow.levelBar().geometry(), toQRect(layout::LevelBar));
    QCOMPARE(h.mainWindow.focusKeeper().geometry(), toQRect(layout::FocusKeeper));

    const QPixmap grab = h.mainWindow.grab();
    QCOMPARE(grab.devicePixelRatio(), scale_);
    QCOMPARE(grab.deviceIndependentSize().toSize(), toQSize(layout::ClientSize));
}

void HighDpiTest::playfieldHasNoBlendedPixels() {
    Harness h({6, 3});
    h.clickStart(); // a blue T piece among the white cells
    const QImage shot = h.grab();

    // The ring, the cells and the shadow of the backing, nothing else: any
    // colour outside this set is an edge blended into its neighbour.
    const QRect field = devicePixelsInside(toQRect(layout::ringRect(60))
                                               .united(toQRect(layout::ringRect(61)))
                                               .united(toQRect(layout::FieldShadow)),
                                           scale_);
    const std::vector<QColor> drawn{White, DarkBlue, Blue, Grey, Black, DarkGrey};
    int blended = 0;
    QPoint first;
    for (int y = field.top(); y <= field.bottom(); ++y) {
        for (int x = field.left(); x <= field.right(); ++x) {
            if (std::find(drawn.begin(), drawn.end(), shot.pixelColor(x, y)) != drawn.end()) {
                continue;
            }
            if (blended++ == 0) {
                first = QPoint(x, y);
            }
        }
    }
    if (blended > 0) {
        QFAIL(qPrintable(QStringLiteral("%1 blended pixels, the first at device (%2, %3): %4")
                             .arg(blended)
                             .arg(first.x())
                             .arg(first.y())
                             .arg(shot.pixelColor(first).name())));
    }
}

CellProfile HighDpiTest::profile(const QImage& shot, int cell, bool across) const {
    // Through the middle of the cell, from a few pixels inside one neighbour
    // to a few inside the other.
    const QRect r = toQRect(layout::cellRect(cell));
    const auto device = [this](double logical) {
        return static_cast<int>(std::floor(logical * scale_));
    };
    const QPoint middle(device(r.left() + 8.5), device(r.top() + 8.5));
    const QPoint from =
        across ? QPoint(device(r.left() - 4), middle.y()) : QPoint(middle.x(), device(r.top() - 4));
    const auto runs =
        runsAlong(shot, from, across ? QPoint(1, 0) : QPoint(0, 1), device(r.width() + 8));

    // Neighbour's fill, shared outline, this cell's fill, shared outline,
    // neighbour's fill; on the loaded board every fill is white.
    const std::vector<QColor> expected{White, DarkBlue, White, DarkBlue, White};
    std::vector<QColor> found;
    for (const Run& run : runs) {
        found.push_back(run.colour);
    }
    if (found != expected) {
        qWarning("cell %d %s: %s", cell, across ? "across" : "down", qPrintable(describe(runs)));
        return {};
    }
    return {runs[1].length, runs[2].length, runs[3].length};
}

void HighDpiTest::everyCellShowsTheSameSharpOutline() {
    Harness h;
    const QImage shot = h.grab();

    // Inner cells only: the outer ones lie under the ring's black edge.
    const CellProfile first = profile(shot, 15, true);
    QVERIFY(first.before >= 1 && first.after >= 1);
    QVERIFY(first.before <= std::ceil(scale_) && first.after <= std::ceil(scale_));
    QVERIFY(first.fill >= static_cast<int>(15 * scale_));
    // Cells sit on a 16-px pitch, a whole number of device pixels at the
    // scales tested: an outline and a fill make one step of the grid.
    QCOMPARE(first.before + first.fill, qRound(layout::SquarePitch * scale_));
    for (int n = 15; n <= 285; ++n) {
        const int column = (n - 1) % 13;
        if (column == 0 || column == 12) {
            continue;
        }
        QCOMPARE(profile(shot, n, true), first);
        QCOMPARE(profile(shot, n, false), first);
    }
}

void HighDpiTest::cellAtScaleTwoIsExact() {
    if (scale_ != 2.0) {
        QSKIP("exact device pixels are checked at scale 2");
    }
    Harness h({6, 3});
    h.clickStart(); // the T piece takes cells 7, 19, 20 and 21
    const QImage shot = h.grab();

    // cell 20, falling, and cell 150, empty: a 17-px square is 34 device
    // pixels, its outline the outer two of them, shared with its neighbours.
    for (const auto& [cell, fill] : {std::pair{20, Blue}, std::pair{150, White}}) {
        const QRect r = toQRect(layout::cellRect(cell));
        const QRect device(r.topLeft() * 2, r.size() * 2);
        for (int y = device.top(); y <= device.bottom(); ++y) {
            for (int x = device.left(); x <= device.right(); ++x) {
                const bool edge = x < device.left() + 2 || x > device.right() - 2 ||
                                  y < device.top() + 2 || y > device.bottom() - 2;
                if (shot.pixelColor(x, y) != (edge ? DarkBlue : fill)) {
                    QFAIL(qPrintable(QStringLiteral("cell %1 at device (%2, %3) is %4")
                                         .arg(cell)
                                         .arg(x)
                                         .arg(y)
                                         .arg(shot.pixelColor(x, y).name())));
                }
            }
        }
    }
}

namespace {

// Every opaque pixel of the double-size picture `name`, placed at the device
// pixel `origin` of `shot`, shows unchanged.
void expectSharp(const QImage& shot, const char* name, QPoint origin, QSize logicalSize) {
    const QImage sharp = QImage(QStringLiteral(":/pictures/%1@2x.png").arg(QLatin1String(name)))
                             .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(sharp.size(), logicalSize * 2);
    int opaque = 0;
    int same = 0;
    for (int y = 0; y < sharp.height(); ++y) {
        for (int x = 0; x < sharp.width(); ++x) {
            const QRgb p = sharp.pixel(x, y);
            if (qAlpha(p) == 255) {
                ++opaque;
                same += shot.pixel(origin + QPoint(x, y)) == p ? 1 : 0;
            }
        }
    }
    QVERIFY2(opaque > sharp.width() * sharp.height() / 2, name);
    QVERIFY2(same == opaque, qPrintable(QStringLiteral("%1: %2 of %3 pixels differ")
                                            .arg(QLatin1String(name))
                                            .arg(opaque - same)
                                            .arg(opaque)));
}

} // namespace

void HighDpiTest::picturesUseTheirDoubleSizePictures() {
    if (scale_ != 2.0) {
        QSKIP("at other scales the pictures are scaled, as they may be");
    }
    Harness h;
    const QImage shot = h.grab();
    for (const auto& [name, rect] : {std::pair{"start", toQRect(layout::StartButton)},
                                     std::pair{"about", toQRect(layout::AboutButton)},
                                     std::pair{"exit", toQRect(layout::ExitButton)}}) {
        expectSharp(shot, name, rect.topLeft() * 2, rect.size());
    }

    h.clickStart();
    Harness::pressKey(Qt::Key_F3);
    const QRect banner = toQRect(layout::PauseBanner);
    expectSharp(h.grab(), "pause", banner.topLeft() * 2, banner.size());

    // The picture windows: each picture at the window's top left corner.
    for (const auto& [which, name] :
         {std::pair{Window::About, "credits"}, std::pair{Window::GameOver, "gameover"}}) {
        h.ops.showWindow(which);
        stackfall::PictureWindow* window = h.windows.window(which);
        QVERIFY(window != nullptr);
        const QImage picture = QImage(QStringLiteral(":/pictures/%1.png").arg(QLatin1String(name)));
        expectSharp(window->grab().toImage(), name, QPoint(0, 0), picture.size());
    }
}

QTEST_MAIN(HighDpiTest)
#include "HighDpiTest.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// What the player sees of the main window: its size, and pixels of a grab at
// the places where a wrong rectangle, colour or stacking order would show.
#include "CaptionBox.h"
#include "DrawingOrder.h"
#include "Fonts.h"
#include "GameTimer.h"
#include "Geometry.h"
#include "Harness.h"
#include "LabelText.h"
#include "Layout.h"
#include "PieceTable.h"
#include "ScreenColours.h"

#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <vector>

using stackfall::testing::Harness;
namespace layout = stackfall::layout;

namespace {

using namespace stackfall::testing::screen;

int countColour(const QImage& image, const QRect& area, const QColor& colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += image.pixelColor(x, y) == colour ? 1 : 0;
        }
    }
    return n;
}

// Where the lit pixels of a green caption on black lie.
QRect inkBounds(const QImage& image) {
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGreen(image.pixel(x, y)) != 0) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

// Records the regions the window repaints.
class PaintRecorder final : public QObject {
public:
    explicit PaintRecorder(QWidget& widget) { widget.installEventFilter(this); }
    QRegion painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

} // namespace

class WindowLookTest : public QObject {
    Q_OBJECT
private slots:
    void windowIsFixedAtItsDesignSize();
    void loadedWindowShowsBoardRingShadowAndPanel();
    void startShowsThePieceAndLightsThePreview();
    void onlyTheChangedCellIsRepainted();
    void longScoresShrinkToFitTheScoreBox();
    void captionsAreNarrowedToTheirDesignedWidths();
    void f3ShowsAndHidesThePauseBanner();
};

void WindowLookTest::windowIsFixedAtItsDesignSize() {
    Harness h;
    QCOMPARE(h.mainWindow.size(), QSize(485, 424));
    QCOMPARE(h.mainWindow.minimumSize(), QSize(485, 424));
    QCOMPARE(h.mainWindow.maximumSize(), QSize(485, 424));
    const Qt::WindowFlags flags = h.mainWindow.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!h.mainWindow.windowTitle().isEmpty());
    QVERIFY(!h.mainWindow.windowIcon().isNull());
    // The focus keeper can hold the focus but lies right of the client area.
    QVERIFY(h.mainWindow.focusKeeper().geometry().left() >= h.mainWindow.width());
    QVERIFY(h.mainWindow.focusKeeper().focusPolicy() & Qt::TabFocus);
}

void WindowLookTest::loadedWindowShowsBoardRingShadowAndPanel() {
    Harness h;
    const QImage shot = h.grab();

    // cell 1 at (24, 24) and cell 299 at (216, 376): white inside, with the
    // dark-blue outline the load step set, shared with their neighbours.
    QCOMPARE(shot.pixelColor(32, 32), White);
    QCOMPARE(shot.pixelColor(24, 32), DarkBlue);
    QCOMPARE(shot.pixelColor(224, 384), White);
    QCOMPARE(shot.pixelColor(216, 384), DarkBlue);
    QCOMPARE(shot.pixelColor(224, 376), DarkBlue);
    // The ring lies over the cells: its black outline covers their outer edge.
    QCOMPARE(shot.pixelColor(32, 24), Black);
    QCOMPARE(shot.pixelColor(232, 384), Black);

    // The grey ring's corners: segment 46 top right, (60) top left, (61)
    // bottom right, (75) bottom left; black outline, grey fill.
    for (const int i : {46, 60, 61, 75}) {
        const QRect r = toQRect(layout::ringRect(i));
        QCOMPARE(shot.pixelColor(r.center()), Grey);
        QCOMPARE(shot.pixelColor(r.topLeft()), Black);
        QCOMPARE(shot.pixelColor(r.bottomRight()), Black);
    }
    QCOMPARE(toQRect(layout::ringRect(46)).topLeft(), QPoint(232, 8));
    QCOMPARE(toQRect(layout::ringRect(75)).topLeft(), QPoint(8, 392));

    // The field's shadow shows as an 8-px dark grey shadow right of and below the ring.
    QCOMPARE(shot.pixelColor(249, 200), DarkGrey);
    QCOMPARE(shot.pixelColor(255, 200), DarkGrey);
    QCOMPARE(shot.pixelColor(256, 200), Black);
    QCOMPARE(shot.pixelColor(100, 409), DarkGrey);
    QCOMPARE(shot.pixelColor(100, 416), Black);
    QCOMPARE(shot.pixelColor(20, 412), Grey); // the shadow starts at x = 24

    // The black score box with its green "00".
    const QRect score = toQRect(layout::ScorePanel);
    QCOMPARE(shot.pixelColor(score.topLeft()), Black);
    QCOMPARE(shot.pixelColor(score.bottomRight()), Black);
    QVERIFY(countColour(shot, score, Green) > 60);
    QCOMPARE(h.mainWindow.scorePanel().text(), QStringLiteral("00"));
    QCOMPARE(h.mainWindow.clockPanel().text(), QStringLiteral("00:00"));

    // The navy preview panel with its twelve white cells.
    QCOMPARE(shot.pixelColor(299, 51), Navy);
    QCOMPARE(shot.pixelColor(toQRect(layout::PreviewFrame).topLeft()), Black);
    for (int i = 1; i <= 12; ++i) {
        const QRect r = toQRect(layout::previewRect(i));
        QCOMPARE(shot.pixelColor(r.center()), White);
        QCOMPARE(shot.pixelColor(r.left(), r.center().y()), Black);
    }

    // The level box: navy "Easy" on white, the scroll bar at 1.
    QCOMPARE(stackfall::toQString(h.mainWindow.surface().levelText()), QStringLiteral("Easy"));
    QVERIFY(countColour(shot, toQRect(layout::LevelText), Navy) > 20);
    QCOMPARE(h.mainWindow.levelBar().value(), 1);
}

void WindowLookTest::startShowsThePieceAndLightsThePreview() {
    Harness h({6, 3}); // a T piece, then a hook in the preview
    h.clickStart();
    const QImage shot = h.grab();

    for (const int cell : {7, 19, 20, 21}) {
        QCOMPARE(shot.pixelColor(toQRect(layout::cellRect(cell)).center()), Blue);
    }
    QCOMPARE(shot.pixelColor(toQRect(layout::cellRect(8)).center()), White);

    std::array<bool, 13> lit{};
    for (const int entry : stackfall::pieces::Shapes[2]) {
        lit[static_cast<std::size_t>(stackfall::pieces::previewCellOf(entry))] = true;
    }
    for (int i = 1; i <= 12; ++i) {
        QCOMPARE(shot.pixelColor(toQRect(layout::previewRect(i)).center()),
                 lit[static_cast<std::size_t>(i)] ? Grey : White);
    }
}

void WindowLookTest::onlyTheChangedCellIsRepainted() {
    Harness h;
    QTest::qWait(50);
    PaintRecorder recorder(h.mainWindow);
    h.ops.setCellFill(150, 0x0000ff);
    h.ops.setPreviewFill(3, 0xc0c0c0);
    QTRY_VERIFY(!recorder.painted.isEmpty());
    QCOMPARE(recorder.painted,
             QRegion(toQRect(layout::cellRect(150))) + toQRect(layout::previewRect(3)));
    QCOMPARE(h.grab().pixelColor(toQRect(layout::cellRect(150)).center()), Blue);

    // A colour set again changes nothing, so nothing is repainted.
    recorder.painted = QRegion();
    h.ops.setCellFill(150, 0x0000ff);
    h.ops.setPreviewFill(3, 0xc0c0c0);
    h.ops.setBorderFill(0, 0xc0c0c0);
    QCoreApplication::processEvents();
    QVERIFY(recorder.painted.isEmpty());

    // Partial repaints leave on screen what a whole one draws, also where the
    // side panel shows between the frames that hide the rest of it, and
    // where a repainted cell shares its outline with its neighbours and with
    // the ring (the first cell's left edge is its own, the rest the ring's).
    for (const int cell : {1, 2, 13, 14, 150, 287, 299}) {
        h.ops.setCellFill(cell, 0x0000c0);
    }
    h.ops.setPreviewFill(1, 0xc0c0c0);
    h.ops.setLabelText(stackfall::Label::Level, "Mid");
    h.mainWindow.update(QRect(370, 60, 20, 10)); // from the preview's frame to the score's
    const auto onScreen = [&h] {
        return h.mainWindow.screen()
            ->grabWindow(h.mainWindow.winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    };
    QTRY_COMPARE(onScreen(), h.grab());
}

void WindowLookTest::longScoresShrinkToFitTheScoreBox() {
    Harness h;
    const QRect box = toQRect(layout::ScoreText).translated(toQRect(layout::ScorePanel).topLeft());
    // The rules' own score text, through the window operations.
    const auto showScore = [&h](std::int64_t score) {
        const auto text = stackfall::LabelText::score(score);
        h.ops.setLabelText(stackfall::Label::Score, text.view());
        return QString::fromLatin1(text.view().data(), static_cast<qsizetype>(text.view().size()));
    };

    // Three digits fit: drawn as designed, pixel for pixel.
    QCOMPARE(showScore(990), QStringLiteral(" 990"));
    const QImage shown = h.grab().copy(box);
    QImage designed(box.size(), QImage::Format_RGB32);
    designed.fill(Black);
    {
        QPainter painter(&designed);
        painter.setFont(stackfall::captionFont(stackfall::captions::ScoreText));
        painter.setPen(Green);
        painter.drawText(designed.rect(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextSingleLine,
                         QStringLiteral(" 990"));
    }
    QCOMPARE(shown, designed);
    const QRect designedInk = inkBounds(shown);

    for (const std::int64_t score :
         {std::int64_t{990}, std::int64_t{1210}, std::int64_t{99999},
          std::int64_t{1000000000000000}, std::numeric_limits<std::int64_t>::max()}) {
        const QString caption = showScore(score);
        QCOMPARE(h.mainWindow.scorePanel().text(), caption);
        const QImage shot = h.grab().copy(box);
        const QRect ink = inkBounds(shot);
        // Whole: nothing reaches the box's outermost columns, where a cut
        // shows.
        QVERIFY2(ink.left() > 0 && ink.right() < box.width() - 1,
                 qPrintable(QString::number(score)));
        // As large as fits, and centred as the designed caption is.
        QVERIFY2(ink.width() > box.width() * 3 / 4, qPrintable(QString::number(score)));
        QVERIFY2(std::abs(ink.center().y() - designedInk.center().y()) <= 1,
                 qPrintable(QString::number(score)));
    }

    // A new game's short score is back at the designed size.
    showScore(990);
    QCOMPARE(h.grab().copy(box), designed);
}

void WindowLookTest::captionsAreNarrowedToTheirDesignedWidths() {
    Harness h; // the window's own default font, as the game has it
    const stackfall::CaptionFaces faces;
    std::vector<const stackfall::captions::Caption*> fitted(
        stackfall::drawing::FixedCaptions.begin(), stackfall::drawing::FixedCaptions.end());
    fitted.push_back(&stackfall::captions::ClockText);
    for (const stackfall::captions::Caption* caption : fitted) {
        const QString text = stackfall::toQString(caption->text);
        const QFont font = faces.fitted(*caption);
        QCOMPARE(font.pixelSize(), stackfall::captions::pixelSize(caption->points));
        QCOMPARE(font.bold(), caption->bold);
        const qreal width = QFontMetricsF(font).horizontalAdvance(text);
        const int designed = caption->rect.width;
        // Within its width, give or take a whole percent of stretch and the
        // rounding of small glyphs' advances: unnarrowed, "F3 pause" would
        // take 50 px of its 44.
        QVERIFY2(width <= designed * 1.05, qPrintable(text));
        // Narrowed no more than it had to be.
        if (font.stretch() != QFont::AnyStretch && font.stretch() != QFont::Unstretched) {
            QVERIFY2(width >= designed * 0.95, qPrintable(text));
        }
    }
}

void WindowLookTest::f3ShowsAndHidesThePauseBanner() {
    Harness h;
    QImage banner(QStringLiteral(":/pictures/pause.png"));
    QVERIFY(!banner.isNull());
    QCOMPARE(banner.size(), toQRect(layout::PauseBanner).size());
    banner = banner.convertToFormat(QImage::Format_ARGB32);

    // How many opaque pixels of the banner are shown at its place.
    const auto bannerPixelsShown = [&](const QImage& shot) {
        int shown = 0;
        int opaque = 0;
        for (int y = 0; y < banner.height(); ++y) {
            for (int x = 0; x < banner.width(); ++x) {
                const QRgb p = banner.pixel(x, y);
                if (qAlpha(p) == 255) {
                    ++opaque;
                    shown += shot.pixel(toQRect(layout::PauseBanner).topLeft() + QPoint(x, y)) == p
                                 ? 1
                                 : 0;
                }
            }
        }
        return std::pair{shown, opaque};
    };

    Harness::pressKey(Qt::Key_F3); // no game yet: nothing happens
    QVERIFY(!h.mainWindow.surface().pauseVisible());
    h.clickStart();
    Harness::pressKey(Qt::Key_F3);
    const auto [shown, opaque] = bannerPixelsShown(h.grab());
    QVERIFY(opaque > 1000);
    QCOMPARE(shown, opaque);
    QVERIFY(!h.mainWindow.gravityTimer().isTicking());
    QVERIFY(h.mainWindow.clockTimer().isTicking()); // the clock keeps counting

    Harness::pressKey(Qt::Key_F3);
    QVERIFY(bannerPixelsShown(h.grab()).first < opaque / 10);
    QVERIFY(h.mainWindow.gravityTimer().isTicking());
}

QTEST_MAIN(WindowLookTest)
#include "WindowLookTest.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
// The game-over picture and the about box: single, borderless, owned by no
// window, centred on the screen, closed by a click; and the program's end
// when its last window closes.
#include "GameTestAccess.h"
#include "GameTimer.h"
#include "Harness.h"
#include "PictureWindow.h"

#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QWindow>

using stackfall::Window;
using stackfall::testing::Harness;

namespace {

int openWindowsTitled(const QString& title) {
    int n = 0;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        n += (w->isVisible() && w->windowTitle() == title) ? 1 : 0;
    }
    return n;
}

void clickAt(QWidget* window, QPoint at) {
    QTest::mouseClick(window, Qt::LeftButton, {}, at);
    QTest::qWait(0); // lets the closed window be deleted
}

} // namespace

class PictureWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void aboutBoxIsSingleAndClosedByAClick();
    void gameOverShowsThePictureOnce();
    void programEndsWithItsLastWindow();
};

void PictureWindowsTest::aboutBoxIsSingleAndClosedByAClick() {
    Harness h;
    h.clickAbout();
    QPointer<stackfall::PictureWindow> about = h.windows.window(Window::About);
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("About MyApp"));
    QCOMPARE(about->size(), QSize(354, 252));
    // An ordinary top-level window, neither a tool nor tied to the main
    // window, which window managers would keep above the whole program.
    QCOMPARE(about->windowFlags(), Qt::Window | Qt::FramelessWindowHint);
    QVERIFY(about->windowHandle()->transientParent() == nullptr);
    const QRect screen = about->screen()->availableGeometry();
    QVERIFY((about->frameGeometry().center() - screen.center()).manhattanLength() <= 2);

    // The credits card at the top left, the button face in the margins.
    const QImage shot = about->grab().toImage();
    const QImage card(QStringLiteral(":/pictures/credits.png"));
    QCOMPARE(card.size(), QSize(350, 250));
    QCOMPARE(shot.pixelColor(10, 10), card.pixelColor(10, 10));
    QCOMPARE(shot.pixelColor(352, 100), about->palette().color(QPalette::Button));
    QCOMPARE(shot.pixelColor(100, 251), about->palette().color(QPalette::Button));

    // Shown again, the same box, where it stood.
    const QPoint at = about->pos();
    h.mainWindow.activateWindow();
    h.clickAbout();
    QCOMPARE(h.windows.window(Window::About), about.data());
    QCOMPARE(openWindowsTitled(QStringLiteral("About MyApp")), 1);
    QCOMPARE(about->pos(), at);

    // A click in the margin closes and destroys it; the next one is new.
    clickAt(about, QPoint(352, 250));
    QVERIFY(about.isNull());
    QVERIFY(h.windows.window(Window::About) == nullptr);
    h.clickAbout();
    QVERIFY(h.windows.window(Window::About) != nullptr);
    QVERIFY(h.exits.empty());
}

void PictureWindowsTest::gameOverShowsThePictureOnce() {
    Harness h({8, 8, 8, 8}); // single blocks, entering at cell 7
    const auto gameOver = [&h] {
        h.clickStart(); // no question: no game is running
        // A settled cell under the entry cell: the block lands at once and
        // the next one cannot enter.
        stackfall::GameTestAccess::setCell(h.game, 20, stackfall::Cell::Settled);
        Harness::pressKey(Qt::Key_Down);
        QVERIFY(h.game.state().gameOver);
    };
    gameOver();
    QPointer<stackfall::PictureWindow> gameOverWindow = h.windows.window(Window::GameOver);
    QVERIFY(gameOverWindow);
    QVERIFY(gameOverWindow->isVisible());
    QCOMPARE(gameOverWindow->windowTitle(), QStringLiteral("Form2"));
    QCOMPARE(gameOverWindow->size(), QSize(501, 339));
    const QImage shot = gameOverWindow->grab().toImage();
    const QImage picture(QStringLiteral(":/pictures/gameover.png"));
    QCOMPARE(picture.size(), QSize(499, 337));
    QCOMPARE(shot.pixelColor(250, 150), picture.pixelColor(250, 150));
    QCOMPARE(shot.pixelColor(500, 338), gameOverWindow->palette().color(QPalette::Button));

    // A second game over while the picture is open shows no second one.
    gameOver();
    QCOMPARE(h.windows.window(Window::GameOver), gameOverWindow.data());
    QCOMPARE(openWindowsTitled(QStringLiteral("Form2")), 1);

    clickAt(gameOverWindow, QPoint(10, 10));
    QVERIFY(gameOverWindow.isNull());
    QVERIFY(h.mainWindow.isVisible());
    QVERIFY(h.game.state().gameOver); // the click changes nothing in the game
}

void PictureWindowsTest::programEndsWithItsLastWindow() {
    {
        Harness h;
        h.ops.showWindow(Window::GameOver);
        h.ops.showWindow(Window::About);
        h.mainWindow.close();
        QVERIFY(h.exits.empty()); // the pictures are still open
        for (Window which : {Window::GameOver, Window::About}) {
            const stackfall::PictureWindow* picture = h.windows.window(which);
            QVERIFY(picture->isVisible());
            QVERIFY(picture->windowHandle()->transientParent() == nullptr);
        }
        clickAt(h.windows.window(Window::GameOver), QPoint(5, 5));
        QVERIFY(h.exits.empty());
        clickAt(h.windows.window(Window::About), QPoint(5, 5));
        QCOMPARE(h.exits, std::vector<int>{0});
    }
    {
        Harness h;
        h.clickStart();
        h.mainWindow.close();
        QCOMPARE(h.exits, std::vector<int>{0});
        QVERIFY(!h.mainWindow.gravityTimer().isTicking()); // closing stops the game
        QVERIFY(!h.mainWindow.clockTimer().isTicking());
    }
}

QTEST_MAIN(PictureWindowsTest)
#include "PictureWindowsTest.moc"

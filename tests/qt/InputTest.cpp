// SPDX-License-Identifier: GPL-3.0-or-later
// The player's input: keys from whichever control has the focus, the level
// scroll bar, and the two questions.
#include "CaptionBox.h"
#include "GameTimer.h"
#include "Geometry.h"
#include "Harness.h"
#include "Layout.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <functional>

using stackfall::testing::Harness;
using stackfall::testing::QuestionAnswerer;

class InputTest : public QObject {
    Q_OBJECT
private slots:
    void onlyTheFiveKeysActWhateverTheModifiers();
    void focusStartsOnTheClockPanelAndTabsThroughTheControls();
    void keysReachTheRulesOnceWhicheverControlHasTheFocus();
    void levelChangeLeavesTheFocusOnTheFocusKeeper();
    void doubleClickOnStartIsOneClick();
    void restartQuestionAnsweredNoThenYes();
    void exitQuestionAnsweredCancelThenOk();
};

void InputTest::onlyTheFiveKeysActWhateverTheModifiers() {
    Harness h({6, 3}); // a T piece enters at cells 7, 19, 20, 21
    h.clickStart();
    const auto& cells = h.game.state().pieceCells;
    Harness::pressKey(Qt::Key_Right, false, Qt::ShiftModifier);
    QCOMPARE(cells(1), 8);
    Harness::pressKey(Qt::Key_Left, false, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(cells(1), 7);
    for (const Qt::Key other : {Qt::Key_A, Qt::Key_F1, Qt::Key_F4, Qt::Key_Escape, Qt::Key_Space,
                                Qt::Key_Return, Qt::Key_PageDown}) {
        Harness::pressKey(other);
        QCOMPARE(cells(1), 7);
        QVERIFY(!h.game.state().paused);
    }
    Harness::pressKey(Qt::Key_F3, false, Qt::ShiftModifier);
    QVERIFY(h.game.state().paused);
}

void InputTest::focusStartsOnTheClockPanelAndTabsThroughTheControls() {
    Harness h;
    QCOMPARE(QApplication::focusWidget(), &h.mainWindow.clockPanel());
    // Each control is asked for after the Tab: the focus keeper is made by
    // the Tab that reaches it, not before.
    const std::function<QWidget*()> order[] = {
        [&h] { return &h.mainWindow.scorePanel(); }, [&h] { return &h.mainWindow.levelBar(); },
        [&h] { return &h.mainWindow.focusKeeper(); }, [&h] { return &h.mainWindow.clockPanel(); }};
    for (const auto& next : order) {
        Harness::pressKey(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next());
    }
}

void InputTest::keysReachTheRulesOnceWhicheverControlHasTheFocus() {
    Harness h({6, 3}); // a T piece enters at cells 7, 19, 20, 21
    h.clickStart();
    const auto& cells = h.game.state().pieceCells;
    const auto firstCell = [&] { return cells(1); };
    QCOMPARE(firstCell(), 7);

    QWidget* controls[] = {&h.mainWindow.clockPanel(), &h.mainWindow.scorePanel(),
                           &h.mainWindow.focusKeeper(), &h.mainWindow};
    int expected = 7;
    for (QWidget* control : controls) {
        control->setFocus();
        QCOMPARE(QApplication::focusWidget(), control);
        Harness::pressKey(Qt::Key_Right);
        QCOMPARE(firstCell(), ++expected);
    }
    // Auto-repeated presses count one each.
    h.mainWindow.scorePanel().setFocus();
    Harness::pressKey(Qt::Key_Left, true);
    Harness::pressKey(Qt::Key_Left, true);
    QCOMPARE(firstCell(), expected - 2);

    // The scroll bar passes the key on and then handles it itself: the piece
    // moves one row down and the level goes up one.
    h.mainWindow.levelBar().setFocus();
    const int before = firstCell();
    Harness::pressKey(Qt::Key_Down);
    QCOMPARE(firstCell(), before + 13);
    QCOMPARE(h.mainWindow.levelBar().value(), 2);
    QCOMPARE(QApplication::focusWidget(), &h.mainWindow.focusKeeper());

    // Up turns the T piece and plays the turn sound.
    h.sounds.clear();
    Harness::pressKey(Qt::Key_Up);
    QCOMPARE(h.sounds, std::vector<int>{2});
}

void InputTest::levelChangeLeavesTheFocusOnTheFocusKeeper() {
    Harness h;
    QScrollBar& bar = h.mainWindow.levelBar();
    QCOMPARE(h.mainWindow.gravityTimer().interval(), 500);

    bar.setFocus();
    Harness::pressKey(Qt::Key_Down);
    QCOMPARE(bar.value(), 2);
    QCOMPARE(stackfall::toQString(h.mainWindow.surface().levelText()), QStringLiteral("Mid"));
    QCOMPARE(h.mainWindow.gravityTimer().interval(), 150);
    QCOMPARE(QApplication::focusWidget(), &h.mainWindow.focusKeeper());
    QVERIFY(!h.mainWindow.gravityTimer().isTicking()); // no game: the new period waits

    // A click on the lower arrow takes the focus, changes the level, and the
    // focus moves on to the focus keeper.
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.value();
    option.sliderValue = bar.value();
    option.singleStep = 1;
    option.pageStep = 1;
    const QRect down = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                   QStyle::SC_ScrollBarAddLine, &bar);
    QVERIFY(!down.isEmpty());
    QTest::mouseClick(&bar, Qt::LeftButton, {}, down.center());
    QCOMPARE(bar.value(), 3);
    QCOMPARE(stackfall::toQString(h.mainWindow.surface().levelText()), QStringLiteral("Hard"));
    QCOMPARE(h.mainWindow.gravityTimer().interval(), 50);
    QCOMPARE(QApplication::focusWidget(), &h.mainWindow.focusKeeper());
}

// The window system turns the second press of a double-click into a double-click
// event; it must not count as a second click, which would ask to restart the
// game that the first click has just started.
void InputTest::doubleClickOnStartIsOneClick() {
    Harness h;
    {
        QuestionAnswerer unexpected(QMessageBox::No);
        QTest::mouseDClick(h.mainWindow.windowHandle(), Qt::LeftButton, {},
                           toQRect(stackfall::layout::StartButton).center());
        QTest::qWait(50);
        QVERIFY(!unexpected.answered);
    }
    QVERIFY(!h.game.state().gameOver);
    QCOMPARE(h.game.state().pieceCells(1), 7);
    // A double-click on Exit asks once.
    {
        QuestionAnswerer cancel(QMessageBox::Cancel);
        QTest::mouseDClick(h.mainWindow.windowHandle(), Qt::LeftButton, {},
                           toQRect(stackfall::layout::ExitButton).center());
        QTRY_VERIFY(cancel.answered);
    }
    QuestionAnswerer unexpected(QMessageBox::Cancel);
    QTest::qWait(50);
    QVERIFY(!unexpected.answered);
    QVERIFY(!h.game.ended());
}

void InputTest::restartQuestionAnsweredNoThenYes() {
    Harness h({6, 3, 8, 1});
    h.clickStart();
    QCOMPARE(h.game.state().currentType, 6);

    {
        // The game goes on behind the question: the clock ticks while it is open.
        QuestionAnswerer no(QMessageBox::No, 1400);
        h.clickStart();
        QVERIFY(no.answered);
        QCOMPARE(no.title, QStringLiteral("God Warning !!!"));
        QCOMPARE(no.text, QStringLiteral("Hey baby ngepret, are you sure to restart the game ??"));
        QCOMPARE(no.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(no.defaultButton, QMessageBox::Yes);
        QCOMPARE(no.icon, QMessageBox::NoIcon);
        QVERIFY(!no.buttonIcons);
    }
    QCOMPARE(h.mainWindow.clockPanel().text(), QStringLiteral("00:00:01"));
    QCOMPARE(h.game.state().currentType, 6);   // the same game goes on
    QVERIFY(h.game.state().pieceCells(1) > 7); // and the piece fell meanwhile
    QVERIFY(h.mainWindow.gravityTimer().isTicking());

    {
        // A Yes/No box ignores Escape and its close button: only No answers.
        QuestionAnswerer no(QMessageBox::No, 0, true);
        h.clickStart();
        QVERIFY(no.answered);
        QVERIFY(!no.dismissed);
        QCOMPARE(h.game.state().currentType, 6);
    }

    QuestionAnswerer yes(QMessageBox::Yes);
    h.clickStart();
    QVERIFY(yes.answered);
    QCOMPARE(h.game.state().currentType, 8); // a new game, with the next piece dealt
    QCOMPARE(h.mainWindow.scorePanel().text(), QStringLiteral(" 0"));
}

void InputTest::exitQuestionAnsweredCancelThenOk() {
    Harness h;
    h.clickStart();
    {
        QuestionAnswerer escape(QMessageBox::Cancel, 0, true); // Escape answers Cancel
        h.clickExit();
        QVERIFY(escape.answered);
        QVERIFY(escape.dismissed);
        QVERIFY(h.exits.empty());
    }
    {
        QuestionAnswerer cancel(QMessageBox::Cancel);
        h.clickExit();
        QVERIFY(cancel.answered);
        QCOMPARE(cancel.title, QStringLiteral("What's up, Zolbert !!"));
        QCOMPARE(cancel.text, QStringLiteral("Do you want go to the god side ??"));
        QCOMPARE(cancel.buttons, QMessageBox::Ok | QMessageBox::Cancel);
        QCOMPARE(cancel.defaultButton, QMessageBox::Ok);
        QCOMPARE(cancel.icon, QMessageBox::NoIcon);
        QVERIFY(!cancel.buttonIcons);
    }
    QVERIFY(h.exits.empty());
    QVERIFY(h.mainWindow.isVisible());
    QVERIFY(h.mainWindow.gravityTimer().isTicking());

    h.clickAbout();
    QVERIFY(h.windows.window(stackfall::Window::About) != nullptr);
    QuestionAnswerer ok(QMessageBox::Ok);
    h.clickExit();
    QVERIFY(ok.answered);
    QCOMPARE(h.exits, std::vector<int>{0});
    QVERIFY(!h.mainWindow.isVisible());
    QVERIFY(h.windows.window(stackfall::Window::About) == nullptr);
    QVERIFY(!h.mainWindow.gravityTimer().isTicking());
    QVERIFY(!h.mainWindow.clockTimer().isTicking());
    QVERIFY(h.game.ended());
}

QTEST_MAIN(InputTest)
#include "InputTest.moc"

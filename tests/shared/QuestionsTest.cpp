// SPDX-License-Identifier: GPL-3.0-or-later
// The questions' boxes as both front ends show them: buttons, the default,
// what Escape answers, and what a box that gave no button counts as.
#include "QuestionButtons.h"

#include <gtest/gtest.h>

namespace stackfall {
namespace {

TEST(QuestionButtonsTest, YesNoIgnoresEscapeAndOkCancelTakesItAsCancel) {
    const Question restart{"restart?", "title", Buttons::YesNo, Answer::Yes};
    EXPECT_EQ(questions::buttonsOf(Buttons::YesNo), (std::array{Answer::Yes, Answer::No}));
    EXPECT_EQ(questions::defaultOf(restart), Answer::Yes);
    EXPECT_EQ(questions::escapeOf(Buttons::YesNo), std::nullopt);

    const Question exit{"exit?", "title", Buttons::OkCancel, Answer::Ok};
    EXPECT_EQ(questions::buttonsOf(Buttons::OkCancel), (std::array{Answer::Ok, Answer::Cancel}));
    EXPECT_EQ(questions::defaultOf(exit), Answer::Ok);
    EXPECT_EQ(questions::escapeOf(Buttons::OkCancel), Answer::Cancel);

    // A second-button default is kept; one the box does not offer falls back
    // to the first button.
    EXPECT_EQ(questions::defaultOf({"", "", Buttons::YesNo, Answer::No}), Answer::No);
    EXPECT_EQ(questions::defaultOf({"", "", Buttons::YesNo, Answer::Cancel}), Answer::Yes);
    EXPECT_EQ(questions::defaultOf({"", "", Buttons::OkCancel, Answer::Yes}), Answer::Ok);
}

TEST(QuestionButtonsTest, OnlyTheFirstButtonsCodeGoesAhead) {
    EXPECT_EQ(questions::answerOf(Buttons::YesNo, 6), Answer::Yes);
    EXPECT_EQ(questions::answerOf(Buttons::YesNo, 7), Answer::No);
    EXPECT_EQ(questions::answerOf(Buttons::OkCancel, 1), Answer::Ok);
    EXPECT_EQ(questions::answerOf(Buttons::OkCancel, 2), Answer::Cancel);
    // A box that could not open (0), or a code of the other kind of box,
    // changes nothing.
    for (const int code : {0, 1, 2, 3, -1}) {
        EXPECT_EQ(questions::answerOf(Buttons::YesNo, code), Answer::No) << code;
    }
    for (const int code : {0, 6, 7, 3}) {
        EXPECT_EQ(questions::answerOf(Buttons::OkCancel, code), Answer::Cancel) << code;
    }
}

} // namespace
} // namespace stackfall

// SPDX-License-Identifier: GPL-3.0-or-later
// When the program ends, in both front ends.
#include "ProgramLifetime.h"

#include <gtest/gtest.h>

namespace stackfall {
namespace {

TEST(ProgramLifetimeTest, TheProgramEndsOnceWithItsLastWindow) {
    ProgramLifetime alone;
    EXPECT_TRUE(alone.mainClosed());
    EXPECT_TRUE(alone.ended());

    ProgramLifetime withPictures;
    withPictures.opened(Window::GameOver);
    withPictures.opened(Window::About);
    EXPECT_FALSE(withPictures.closed(Window::About)); // the main window is still open
    withPictures.opened(Window::About);
    EXPECT_FALSE(withPictures.mainClosed());
    EXPECT_FALSE(withPictures.closed(Window::GameOver));
    EXPECT_FALSE(withPictures.ended());
    EXPECT_TRUE(withPictures.closed(Window::About));
    EXPECT_TRUE(withPictures.ended());
    // It ends once: nothing that follows ends it again.
    EXPECT_FALSE(withPictures.closed(Window::About));
    EXPECT_FALSE(withPictures.exitConfirmed());
}

TEST(ProgramLifetimeTest, ExitEndsTheProgramAtOnceWithWindowsOpen) {
    ProgramLifetime lifetime;
    lifetime.opened(Window::GameOver);
    EXPECT_TRUE(lifetime.exitConfirmed());
    EXPECT_TRUE(lifetime.ended());
    EXPECT_FALSE(lifetime.exitConfirmed());
    EXPECT_FALSE(lifetime.closed(Window::GameOver));
    EXPECT_FALSE(lifetime.mainClosed());
}

} // namespace
} // namespace stackfall

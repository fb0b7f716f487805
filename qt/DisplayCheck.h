// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stackfall {

// Qt aborts with a core dump, after several lines of advice, when it cannot
// open a display. Held across the construction of the application object,
// this turns that into one line on stderr and exit status 1. Messages that Qt
// prints while starting are held back, and let through once it has started.
class DisplayCheck {
public:
    DisplayCheck();
    ~DisplayCheck();
    DisplayCheck(const DisplayCheck&) = delete;
    DisplayCheck& operator=(const DisplayCheck&) = delete;

    // The application object exists: messages flow as usual from now on.
    void started();
};

} // namespace stackfall

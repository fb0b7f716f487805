// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace stackfall {

// The pseudo-random generator of the rules: uniform values in [0, 1),
// reseeded from the system clock at the points the rules name.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    [[nodiscard]] virtual double next() = 0;
};

} // namespace stackfall

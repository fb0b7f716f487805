// SPDX-License-Identifier: GPL-3.0-or-later
#include "Randoms.h"

namespace stackfall::testing {

ScriptedRandom ScriptedRandom::ofTypes(std::initializer_list<int> types) {
    ScriptedRandom random;
    for (const int type : types) {
        random.pushType(type);
    }
    return random;
}

void ScriptedRandom::pushType(int type) {
    // The middle of the type's ninth of [0, 1).
    values_.push_back((type - 1 + 0.5) / 9.0);
}

double ScriptedRandom::next() {
    ++draws;
    if (values_.empty()) {
        return 0.0;
    }
    const double value = values_[at_];
    if (at_ + 1 < values_.size()) {
        ++at_;
    }
    return value;
}

} // namespace stackfall::testing

// SPDX-License-Identifier: GPL-3.0-or-later
#include "RepaintBatch.h"

namespace stackfall {

void RepaintBatch::add(const RECT& changed) {
    if (IsRectEmpty(&changed) != FALSE) {
        return;
    }
    if (!changed_) {
        changed_.reset(CreateRectRgnIndirect(&changed));
        PostMessageW(window_, FlushMessage, 0, 0);
        return;
    }
    const GdiObject<HRGN> more(CreateRectRgnIndirect(&changed));
    CombineRgn(changed_.get(), changed_.get(), more.get(), RGN_OR);
}

void RepaintBatch::flush() {
    if (changed_) {
        InvalidateRgn(window_, changed_.get(), FALSE);
        changed_.reset();
    }
}

} // namespace stackfall

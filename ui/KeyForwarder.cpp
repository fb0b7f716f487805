#include "KeyForwarder.h"

#include "VirtualKey.h"

#include <QKeyEvent>

#include <utility>

namespace stackfall {

KeyForwarder::KeyForwarder(QObject* control, Handler handler)
    : QObject(control), handler_(std::move(handler)) {
    control->installEventFilter(this);
}

bool KeyForwarder::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched == parent()) {
        const auto* key = static_cast<QKeyEvent*>(event);
        handler_(virtualKeyCode(key->key()), shiftState(key->modifiers()));
    }
    return false;
}

} // namespace stackfall

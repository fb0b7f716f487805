#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

namespace stackfall {

// Passes every key-down event of one control, auto-repeats included, to that
// control's key handler as a virtual-key code and shift state, then lets the
// control handle the key as it would anyway.
class KeyForwarder final : public QObject {
public:
    using Handler = std::function<void(std::int16_t keyCode, std::int16_t shift)>;

    KeyForwarder(QObject* control, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Handler handler_;
};

} // namespace stackfall

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameKey.h"
#include "WindowOps.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace stackfall::fuzz {

// Reads the fuzzer's bytes front to back; past the end every read gives 0.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    [[nodiscard]] bool empty() const { return at_ >= bytes_.size(); }
    [[nodiscard]] std::uint8_t byte() { return empty() ? 0 : bytes_[at_++]; }
    [[nodiscard]] std::uint16_t u16();
    [[nodiscard]] std::uint32_t u32();
    [[nodiscard]] std::uint64_t u64();

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

enum class EventKind {
    Key,         // keyDown
    GravityTick, // gravityTick, `repeat` times
    ClockTick,   // clockTick, `repeat` times
    DropPiece,   // gravity ticks until the piece lands or the game ends
    Start,       // startClicked
    About,       // aboutClicked
    Exit,        // exitClicked
    Level,       // the scroll bar moves to `scroll`, then levelChosen
    Value,       // `value` is queued for the generator
    SlipIn,      // the next event waits for the next sound and is sent inside it
};

struct Event {
    EventKind kind = EventKind::GravityTick;
    GameKey key = GameKey::Left;
    int repeat = 1;
    // The player's answer to the question of Start or Exit; the box's own
    // default button when `defaultAnswer` is set.
    bool defaultAnswer = true;
    Answer answer = Answer::Ok;
    // Events read and sent while that question is open.
    int nested = 0;
    int scroll = 1;
    double value = 0.0;
};

// How the bytes become events. One byte chooses the event; a few events read
// more bytes:
//   00-5F  a game key: (Left Turn Right Down Pause)[b % 5]
//   60-67  any key value, the five or none of them: the next 16-bit value,
//          then 16 bits that are skipped
//   68-87  one gravity tick          88-8F  2 + 2 x (b & 7) gravity ticks
//   90-9F  gravity ticks until the piece lands
//   A0-A7  one clock tick            A8-AF  16 x (1 + next % 16) clock ticks
//   B0-B7  Start, B8-BF  Exit: answer = b & 7 (default button, Yes, No, OK,
//          Cancel, 0, 3, a 32-bit value), then next % 9 events are sent
//          while the question is open
//   C0-C7  About                     C8-CF  level change, as the load's value
//   D0-DF  a generator value: (b & 15) 0-8 the middle of that ninth, then NaN,
//          +inf, -inf, 1, the largest value below 1, one of a list of odd
//          values chosen by the next byte, the next 8 bytes as a double
//   E0-E7  the next event is held back and sent inside the next sound
//   E8-FF  a game key repeated 2 + next % 15 times: the key as 00-5F
// The first byte is a level change right after the load: {1, 2, 3, 0, 4, -1,
// INT_MIN, a 32-bit value}[b & 7].
[[nodiscard]] Event readEvent(ByteReader& in);

// The level bar's value for a level change.
[[nodiscard]] int readScroll(std::uint8_t b, ByteReader& in);

[[nodiscard]] std::string describe(const Event& event);

} // namespace stackfall::fuzz

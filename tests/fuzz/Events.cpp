// SPDX-License-Identifier: GPL-3.0-or-later
#include "Events.h"

#include <array>
#include <bit>
#include <cmath>
#include <limits>
#include <sstream>

namespace stackfall::fuzz {

namespace {

constexpr std::array<GameKey, 5> GameKeys{GameKey::Left, GameKey::Turn, GameKey::Right,
                                          GameKey::Down, GameKey::Pause};

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Values a faulty generator could hand out, near and beyond the edges of [0, 1).
constexpr std::array<double, 16> OddValues{
    -0.0,
    0.0,
    -1e-300,
    std::numeric_limits<double>::denorm_min(),
    -1.0,
    2.0,
    std::numeric_limits<double>::max(),
    std::numeric_limits<double>::lowest(),
    1.0 / 9.0,
    8.0 / 9.0,
    0.5,
    -NaN,
    9.0,
    1e-17,
    1.0 - 1e-16,
    std::numeric_limits<double>::min(),
};

Answer readAnswer(int kind, ByteReader& in) {
    switch (kind) {
    case 1:
        return Answer::Yes;
    case 2:
        return Answer::No;
    case 3:
        return Answer::Ok;
    case 4:
        return Answer::Cancel;
    case 5:
        return static_cast<Answer>(0);
    case 6:
        return static_cast<Answer>(3);
    default:
        return static_cast<Answer>(static_cast<std::int32_t>(in.u32()));
    }
}

Event readQuestionClick(EventKind kind, std::uint8_t b, ByteReader& in) {
    Event e{.kind = kind};
    const int answer = b & 7;
    e.defaultAnswer = answer == 0;
    if (!e.defaultAnswer) {
        e.answer = readAnswer(answer, in);
    }
    e.nested = in.byte() % 9;
    return e;
}

Event gameKey(std::uint8_t b) {
    return {.kind = EventKind::Key, .key = GameKeys[b % 5u]};
}

double readValue(int kind, ByteReader& in) {
    if (kind <= 8) {
        return (kind + 0.5) / 9.0;
    }
    switch (kind) {
    case 9:
        return NaN;
    case 10:
        return Inf;
    case 11:
        return -Inf;
    case 12:
        return 1.0;
    case 13:
        return std::nextafter(1.0, 0.0);
    case 14:
        return OddValues[in.byte() % OddValues.size()];
    default:
        return std::bit_cast<double>(in.u64());
    }
}

} // namespace

std::uint16_t ByteReader::u16() {
    const auto low = byte();
    return static_cast<std::uint16_t>(low | byte() << 8);
}

std::uint32_t ByteReader::u32() {
    const std::uint32_t low = u16();
    return low | std::uint32_t{u16()} << 16;
}

std::uint64_t ByteReader::u64() {
    const std::uint64_t low = u32();
    return low | std::uint64_t{u32()} << 32;
}

int readScroll(std::uint8_t b, ByteReader& in) {
    constexpr std::array<int, 7> Values{1, 2, 3, 0, 4, -1, std::numeric_limits<int>::min()};
    const std::size_t kind = b & 7u;
    return kind < Values.size() ? Values[kind] : static_cast<std::int32_t>(in.u32());
}

Event readEvent(ByteReader& in) {
    const std::uint8_t b = in.byte();
    if (b < 0x60) {
        return gameKey(b);
    }
    if (b < 0x68) {
        Event e{.kind = EventKind::Key};
        e.key = static_cast<GameKey>(static_cast<std::int16_t>(in.u16()));
        static_cast<void>(in.u16());
        return e;
    }
    if (b < 0x88) {
        return {.kind = EventKind::GravityTick};
    }
    if (b < 0x90) {
        return {.kind = EventKind::GravityTick, .repeat = 2 + 2 * (b & 7)};
    }
    if (b < 0xA0) {
        return {.kind = EventKind::DropPiece};
    }
    if (b < 0xA8) {
        return {.kind = EventKind::ClockTick};
    }
    if (b < 0xB0) {
        return {.kind = EventKind::ClockTick, .repeat = 16 * (1 + in.byte() % 16)};
    }
    if (b < 0xB8) {
        return readQuestionClick(EventKind::Start, b, in);
    }
    if (b < 0xC0) {
        return readQuestionClick(EventKind::Exit, b, in);
    }
    if (b < 0xC8) {
        return {.kind = EventKind::About};
    }
    if (b < 0xD0) {
        return {.kind = EventKind::Level, .scroll = readScroll(b, in)};
    }
    if (b < 0xE0) {
        return {.kind = EventKind::Value, .value = readValue(b & 15, in)};
    }
    if (b < 0xE8) {
        return {.kind = EventKind::SlipIn};
    }
    Event e = gameKey(b);
    e.repeat = 2 + in.byte() % 15;
    return e;
}

std::string describe(const Event& e) {
    std::ostringstream out;
    auto question = [&](const char* click) {
        out << click << " answered ";
        if (e.defaultAnswer) {
            out << "with the default button";
        } else {
            out << static_cast<int>(e.answer);
        }
        if (e.nested > 0) {
            out << " after " << e.nested << " events";
        }
    };
    switch (e.kind) {
    case EventKind::Key:
        out << "keyDown(" << static_cast<int>(e.key) << ")";
        break;
    case EventKind::GravityTick:
        out << "gravityTick";
        break;
    case EventKind::ClockTick:
        out << "clockTick";
        break;
    case EventKind::DropPiece:
        out << "gravityTick until a landing";
        break;
    case EventKind::Start:
        question("startClicked");
        break;
    case EventKind::About:
        out << "aboutClicked";
        break;
    case EventKind::Exit:
        question("exitClicked");
        break;
    case EventKind::Level:
        out << "levelChosen to " << e.scroll;
        break;
    case EventKind::Value:
        out << "generator value " << e.value;
        break;
    case EventKind::SlipIn:
        out << "hold the next event for a sound";
        break;
    }
    if (e.repeat > 1) {
        out << " x" << e.repeat;
    }
    return out.str();
}

} // namespace stackfall::fuzz

#pragma once

#include <cstdint>

namespace paysmith {

// Keys as the key tables name them, independent of any window system. Letters
// and digits are the keys, not the characters they type.
enum class Key : std::uint8_t {
    None,
    Backspace,
    Tab,
    Enter,
    Escape,
    Space,
    PageUp,
    PageDown,
    End,
    Home,
    Left,
    Up,
    Right,
    Down,
    Insert,
    Delete,
    Digit0,
    Digit1,
    Digit2,
    Digit3,
    Digit4,
    Digit5,
    Digit6,
    Digit7,
    Digit8,
    Digit9,
    A,
    B,
    C,
    D,
    E,
    F,
    G,
    H,
    I,
    J,
    K,
    L,
    M,
    N,
    O,
    P,
    Q,
    R,
    S,
    T,
    U,
    V,
    W,
    X,
    Y,
    Z,
    // Pressed alone these keys give neither a command nor a character.
    ShiftKey,
    ControlKey,
    AltKey,
    CapsLock,
    NumLock,
    ScrollLock,
    // Any key the tables cannot name; it still types its character.
    Other,
};

enum class Modifiers : std::uint8_t { None = 0, Shift = 1, Ctrl = 2, Alt = 4 };

constexpr Modifiers operator|(Modifiers a, Modifiers b) {
    return static_cast<Modifiers>(static_cast<std::uint8_t>(a) | static_cast<std::uint8_t>(b));
}

constexpr bool has(Modifiers set, Modifiers m) {
    return (static_cast<std::uint8_t>(set) & static_cast<std::uint8_t>(m)) != 0;
}

struct KeyStroke {
    Key key = Key::None;
    Modifiers modifiers = Modifiers::None;

    friend constexpr bool operator==(KeyStroke, KeyStroke) = default;
};

constexpr Key digitKey(int digit) {
    return static_cast<Key>(static_cast<int>(Key::Digit0) + digit);
}

constexpr bool isModifierKey(Key key) {
    return key >= Key::ShiftKey && key <= Key::ScrollLock;
}

} // namespace paysmith

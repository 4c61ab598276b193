#pragma once
#include <optional>

namespace kelra {

// The keyboard's lock states, for the status bar's "CAP", "NUM" and "SCRL".
struct LockKeys {
    bool caps = false;
    bool num = false;
    bool scroll = false;
    friend bool operator==(const LockKeys&, const LockKeys&) = default;
};

// Read where the platform tells them (X11 through XKB, Windows); nothing
// where it cannot (offscreen, Wayland).
std::optional<LockKeys> ReadLockKeys();

}  // namespace kelra

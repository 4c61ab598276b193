#include "LockKeys.h"

#include <QGuiApplication>

#if defined(_WIN32)
#include <windows.h>
#elif defined(KELRA_HAVE_XCB_XKB)
#include <cstdlib>
#include <memory>
#include <string_view>

#include <xcb/xcb.h>
// The header names a field "explicit", which C++ reserves.
#define explicit xkb_explicit
#include <xcb/xkb.h>
#undef explicit
#endif

namespace kelra {

#if defined(_WIN32)

std::optional<LockKeys> ReadLockKeys() {
    return LockKeys{(GetKeyState(VK_CAPITAL) & 1) != 0, (GetKeyState(VK_NUMLOCK) & 1) != 0,
                    (GetKeyState(VK_SCROLL) & 1) != 0};
}

#elif defined(KELRA_HAVE_XCB_XKB)

namespace {

struct FreeReply {
    void operator()(void* p) const { std::free(p); }
};
template <class T>
using Reply = std::unique_ptr<T, FreeReply>;

// Which of the keyboard's indicators are the three locks; found once.
struct IndicatorBits {
    bool usable = false;
    std::uint32_t caps = 0, num = 0, scroll = 0;
};

IndicatorBits FindIndicators(xcb_connection_t* c) {
    IndicatorBits bits;
    Reply<xcb_xkb_use_extension_reply_t> ext(
        xcb_xkb_use_extension_reply(c, xcb_xkb_use_extension(c, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION), nullptr));
    if (!ext || !ext->supported) return bits;
    Reply<xcb_xkb_get_names_reply_t> names(xcb_xkb_get_names_reply(
        c, xcb_xkb_get_names(c, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_NAME_DETAIL_INDICATOR_NAMES), nullptr));
    if (!names) return bits;
    xcb_xkb_get_names_value_list_t list{};
    xcb_xkb_get_names_value_list_unpack(xcb_xkb_get_names_value_list(names.get()), names->nTypes, names->indicators,
                                        names->virtualMods, names->groupNames, names->nKeys, names->nKeyAliases,
                                        names->nRadioGroups, names->which, &list);
    // One name for every indicator the keyboard has, in bit order.
    int k = 0;
    for (int bit = 0; bit < 32; ++bit) {
        if (!(names->indicators & (1u << bit))) continue;
        Reply<xcb_get_atom_name_reply_t> atom(
            xcb_get_atom_name_reply(c, xcb_get_atom_name(c, list.indicatorNames[k++]), nullptr));
        if (!atom) continue;
        const std::string_view name(xcb_get_atom_name_name(atom.get()),
                                    static_cast<std::size_t>(xcb_get_atom_name_name_length(atom.get())));
        if (name == "Caps Lock") bits.caps = 1u << bit;
        else if (name == "Num Lock") bits.num = 1u << bit;
        else if (name == "Scroll Lock") bits.scroll = 1u << bit;
    }
    bits.usable = true;
    return bits;
}

}  // namespace

std::optional<LockKeys> ReadLockKeys() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* c = x11 ? x11->connection() : nullptr;
    if (!c) return std::nullopt;
    static const IndicatorBits bits = FindIndicators(c);
    if (!bits.usable) return std::nullopt;
    Reply<xcb_xkb_get_indicator_state_reply_t> state(
        xcb_xkb_get_indicator_state_reply(c, xcb_xkb_get_indicator_state(c, XCB_XKB_ID_USE_CORE_KBD), nullptr));
    if (!state) return std::nullopt;
    return LockKeys{(state->state & bits.caps) != 0, (state->state & bits.num) != 0,
                    (state->state & bits.scroll) != 0};
}

#else

std::optional<LockKeys> ReadLockKeys() { return std::nullopt; }

#endif

}  // namespace kelra

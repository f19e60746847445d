// SPDX-License-Identifier: GPL-3.0-or-later
// Keys typed through KWin, as KWin's own input tools type them: its
// fake-input protocol, which KWin offers to a client it trusts.
//   kwin_keys KEY...    (keys by their X names: space, Return, F10 ...; alt+Tab
//                        holds Alt down while Tab is typed; 150 ms after each)
#include "fake-input-client-protocol.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <linux/input-event-codes.h>
#include <ranges>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>
#include <wayland-client.h>

namespace {

using Key = std::pair<std::string_view, unsigned>;
constexpr Key kKeys[] = {
    {"space", KEY_SPACE}, {"Return", KEY_ENTER}, {"Escape", KEY_ESC},        {"Left", KEY_LEFT},
    {"Up", KEY_UP},       {"Right", KEY_RIGHT},  {"Down", KEY_DOWN},         {"F1", KEY_F1},
    {"F2", KEY_F2},       {"F10", KEY_F10},      {"Shift_L", KEY_LEFTSHIFT}, {"Tab", KEY_TAB},
    {"alt", KEY_LEFTALT},
};

org_kde_kwin_fake_input* fake = nullptr;

void announced(void*, wl_registry* registry, uint32_t name, const char* interface,
               uint32_t version) {
    if (std::string_view(interface) == org_kde_kwin_fake_input_interface.name)
        fake = static_cast<org_kde_kwin_fake_input*>(wl_registry_bind(
            registry, name, &org_kde_kwin_fake_input_interface, std::min(version, 4u)));
}
const wl_registry_listener kListener = {announced, [](void*, wl_registry*, uint32_t) {}};

} // namespace

int main(int argc, char** argv) {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) return std::puts("kwin_keys: no Wayland display"), 1;
    wl_registry_add_listener(wl_display_get_registry(display), &kListener, nullptr);
    wl_display_roundtrip(display);
    if (!fake)
        return std::puts("kwin_keys: the compositor offers this client no fake input "
                         "(org_kde_kwin_fake_input): not KWin, or no permission"),
               1;
    org_kde_kwin_fake_input_authenticate(fake, "Lautari -98 tests", "the test's keys");
    for (int i = 1; i < argc; ++i) {
        std::vector<unsigned> held;
        for (auto part : std::string_view(argv[i]) | std::views::split('+')) {
            const std::string_view name(part.begin(), part.end());
            const auto* key = std::ranges::find(kKeys, name, &Key::first);
            if (key == std::end(kKeys))
                return std::printf("kwin_keys: no key %.*s\n", int(name.size()), name.data()), 2;
            held.push_back(key->second);
        }
        for (unsigned key : held)
            org_kde_kwin_fake_input_keyboard_key(fake, key, 1);
        for (unsigned key : held | std::views::reverse)
            org_kde_kwin_fake_input_keyboard_key(fake, key, 0);
        if (wl_display_roundtrip(display) < 0) return std::puts("kwin_keys: KWin is gone"), 1;
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
    }
}

// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// Moves a pointer on a Wayland desktop that has none (a headless compositor), as a user's
// mouse would: a pointer device made through the compositor's virtual-pointer protocol.
//
//   virtual_pointer WAIT_SECONDS [DX DY | click]
//
// Makes the pointer, waits WAIT_SECONDS so that the clients get their wl_pointer and the
// pointer enters their surfaces, then moves it by DX, DY pixels (10, 10 unless given), or
// clicks its left button where it is. Status 0 once the compositor has had it, 1 when it
// cannot be reached or lacks the protocol, 2 on bad input.

#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <linux/input-event-codes.h>
#include <wayland-client.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <thread>

namespace {

struct Globals {
    wl_seat* seat = nullptr;
    zwlr_virtual_pointer_manager_v1* manager = nullptr;
};

void OnGlobal(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
              std::uint32_t)
{
    auto* globals = static_cast<Globals*>(data);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !globals->seat) {
        globals->seat =
            static_cast<wl_seat*>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    } else if (std::strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        globals->manager = static_cast<zwlr_virtual_pointer_manager_v1*>(
            wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1));
    }
}

void OnGlobalRemove(void*, wl_registry*, std::uint32_t) {}

std::uint32_t Milliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::uint32_t>(now.tv_sec * 1000 + now.tv_nsec / 1000000);
}

// A whole number of pixels, all of `text`.
bool Pixels(const char* text, int& value)
{
    char* end = nullptr;
    const long read = std::strtol(text, &end, 10);
    value = static_cast<int>(read);
    return end != text && *end == '\0' && read >= -1000 && read <= 1000;
}

int Fail(const char* why)
{
    std::fprintf(stderr, "virtual_pointer: %s\n", why);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    char* end = nullptr;
    const double wait = argc >= 2 ? std::strtod(argv[1], &end) : -1;
    const bool click = argc == 3 && std::strcmp(argv[2], "click") == 0;
    int dx = 10;
    int dy = 10;
    const bool move = argc == 2 || (argc == 4 && Pixels(argv[2], dx) && Pixels(argv[3], dy));
    if (!(click || move) || *end != '\0' || !(wait >= 0 && wait <= 60)) {
        std::fprintf(stderr, "usage: virtual_pointer WAIT_SECONDS (0 to 60) [DX DY | click]\n");
        return 2;
    }
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        return Fail("cannot reach the Wayland display");
    }
    Globals globals;
    static const wl_registry_listener listener = {.global = OnGlobal,
                                                  .global_remove = OnGlobalRemove};
    wl_registry_add_listener(wl_display_get_registry(display), &listener, &globals);
    if (wl_display_roundtrip(display) < 0) {
        return Fail("the Wayland display does not answer");
    }
    if (!globals.manager) {
        return Fail("the compositor offers no zwlr_virtual_pointer_manager_v1");
    }
    zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(globals.manager, globals.seat);
    if (wl_display_roundtrip(display) < 0) {
        return Fail("the compositor refused the pointer");
    }
    std::this_thread::sleep_for(std::chrono::duration<double>(wait));
    if (click) {
        for (const auto state :
             {WL_POINTER_BUTTON_STATE_PRESSED, WL_POINTER_BUTTON_STATE_RELEASED}) {
            zwlr_virtual_pointer_v1_button(pointer, Milliseconds(), BTN_LEFT, state);
            zwlr_virtual_pointer_v1_frame(pointer);
        }
    } else {
        zwlr_virtual_pointer_v1_motion(pointer, Milliseconds(), wl_fixed_from_int(dx),
                                       wl_fixed_from_int(dy));
        zwlr_virtual_pointer_v1_frame(pointer);
    }
    if (wl_display_roundtrip(display) < 0) {
        return Fail("the compositor went away before the movement");
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_disconnect(display);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>

struct wl_keyboard;
struct wl_pointer;
struct wl_registry;
struct wl_seat;
struct wl_surface;
struct wl_touch;

namespace drelk::window {

// One seat's keyboard, pointer and touch screen, watched for the first sign of a user: a key
// or button pressed, the pointer moved, the screen touched, the wheel turned. The pointer is
// hidden over the program's surfaces.
class SeatInput {
public:
    SeatInput(wl_registry* registry, std::uint32_t name, std::uint32_t version);
    ~SeatInput();
    SeatInput(const SeatInput&) = delete;
    SeatInput& operator=(const SeatInput&) = delete;

    // At each sign of a user.
    std::function<void()> touched;

    // The devices' event handlers.
    static void OnPointerEnter(void* data, wl_pointer* pointer, std::uint32_t serial,
                               wl_surface* surface, std::int32_t x, std::int32_t y);
    static void OnPointerMotion(void* data, wl_pointer* pointer, std::uint32_t time, std::int32_t x,
                                std::int32_t y);
    void Touched();

private:
    static void OnCapabilities(void* data, wl_seat* seat, std::uint32_t capabilities);
    void Release();

    wl_seat* seat_;
    wl_pointer* pointer_ = nullptr;
    wl_keyboard* keyboard_ = nullptr;
    wl_touch* touch_ = nullptr;
    // Where the pointer entered: moving from there is a sign, being there is not.
    std::int32_t pointer_x_ = 0;
    std::int32_t pointer_y_ = 0;
};

} // namespace drelk::window

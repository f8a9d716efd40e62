// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/wayland/seat_input.h"

#include "window/wayland/connection.h"

#include <unistd.h>
#include <wayland-client.h>

namespace drelk::window {
namespace {

// Version 5: the events every current compositor sends, and release requests.
constexpr std::uint32_t kSeatVersion = 5;

SeatInput* Self(void* data) { return static_cast<SeatInput*>(data); }

// The listeners start all empty and get a handler for each event of the versions bound, so
// that events that newer headers add stay empty and need naming nowhere.
const wl_pointer_listener& PointerListener();
const wl_keyboard_listener& KeyboardListener();
const wl_touch_listener& TouchListener();

} // namespace

SeatInput::SeatInput(wl_registry* registry, std::uint32_t name, std::uint32_t version)
    : seat_(static_cast<wl_seat*>(
          BindGlobal(registry, name, wl_seat_interface, version, kSeatVersion)))
{
    static const wl_seat_listener listener = [] {
        wl_seat_listener events{};
        events.capabilities = OnCapabilities;
        events.name = [](void*, wl_seat*, const char*) {};
        return events;
    }();
    wl_seat_add_listener(seat_, &listener, this);
}

SeatInput::~SeatInput()
{
    Release();
    if (wl_seat_get_version(seat_) >= WL_SEAT_RELEASE_SINCE_VERSION) {
        wl_seat_release(seat_);
    } else {
        wl_seat_destroy(seat_);
    }
}

void SeatInput::Touched()
{
    if (touched) {
        touched();
    }
}

// Devices are released where the seat's version has the request (3), else just forgotten.
template <typename Device>
void Drop(Device*& device, std::uint32_t release_since, void (*release)(Device*),
          void (*destroy)(Device*))
{
    if (!device) {
        return;
    }
    if (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(device)) >= release_since) {
        release(device);
    } else {
        destroy(device);
    }
    device = nullptr;
}

void SeatInput::Release()
{
    Drop(pointer_, WL_POINTER_RELEASE_SINCE_VERSION, wl_pointer_release, wl_pointer_destroy);
    Drop(keyboard_, WL_KEYBOARD_RELEASE_SINCE_VERSION, wl_keyboard_release, wl_keyboard_destroy);
    Drop(touch_, WL_TOUCH_RELEASE_SINCE_VERSION, wl_touch_release, wl_touch_destroy);
}

void SeatInput::OnPointerEnter(void* data, wl_pointer* pointer, std::uint32_t serial, wl_surface*,
                               std::int32_t x, std::int32_t y)
{
    // No cursor over the picture.
    wl_pointer_set_cursor(pointer, serial, nullptr, 0, 0);
    Self(data)->pointer_x_ = x;
    Self(data)->pointer_y_ = y;
}

void SeatInput::OnPointerMotion(void* data, wl_pointer*, std::uint32_t, std::int32_t x,
                                std::int32_t y)
{
    SeatInput* self = Self(data);
    if (x != self->pointer_x_ || y != self->pointer_y_) {
        self->Touched();
    }
}

namespace {

const wl_pointer_listener& PointerListener()
{
    static const wl_pointer_listener listener = [] {
        wl_pointer_listener events{};
        events.enter = SeatInput::OnPointerEnter;
        events.leave = [](void*, wl_pointer*, std::uint32_t, wl_surface*) {};
        events.motion = SeatInput::OnPointerMotion;
        events.button = [](void* input, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t,
                           std::uint32_t state) {
            if (state == WL_POINTER_BUTTON_STATE_PRESSED) {
                Self(input)->Touched();
            }
        };
        events.axis = [](void* input, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t) {
            Self(input)->Touched();
        };
        events.frame = [](void*, wl_pointer*) {};
        events.axis_source = [](void*, wl_pointer*, std::uint32_t) {};
        events.axis_stop = [](void*, wl_pointer*, std::uint32_t, std::uint32_t) {};
        events.axis_discrete = [](void*, wl_pointer*, std::uint32_t, std::int32_t) {};
        return events;
    }();
    return listener;
}

const wl_keyboard_listener& KeyboardListener()
{
    static const wl_keyboard_listener listener = [] {
        wl_keyboard_listener events{};
        // The keymap is not needed: any key will do.
        events.keymap = [](void*, wl_keyboard*, std::uint32_t, std::int32_t fd, std::uint32_t) {
            close(fd);
        };
        // Keys already down when the keyboard comes (the one that started the program) are
        // no sign; only a key pressed from then on is.
        events.enter = [](void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {};
        events.leave = [](void*, wl_keyboard*, std::uint32_t, wl_surface*) {};
        events.key = [](void* input, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t,
                        std::uint32_t state) {
            if (state == WL_KEYBOARD_KEY_STATE_PRESSED) {
                Self(input)->Touched();
            }
        };
        events.modifiers = [](void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t,
                              std::uint32_t, std::uint32_t) {};
        events.repeat_info = [](void*, wl_keyboard*, std::int32_t, std::int32_t) {};
        return events;
    }();
    return listener;
}

const wl_touch_listener& TouchListener()
{
    static const wl_touch_listener listener = [] {
        wl_touch_listener events{};
        events.down = [](void* input, wl_touch*, std::uint32_t, std::uint32_t, wl_surface*,
                         std::int32_t, wl_fixed_t, wl_fixed_t) { Self(input)->Touched(); };
        events.up = [](void*, wl_touch*, std::uint32_t, std::uint32_t, std::int32_t) {};
        events.motion = [](void*, wl_touch*, std::uint32_t, std::int32_t, wl_fixed_t, wl_fixed_t) {
        };
        events.frame = [](void*, wl_touch*) {};
        events.cancel = [](void*, wl_touch*) {};
        events.shape = [](void*, wl_touch*, std::int32_t, wl_fixed_t, wl_fixed_t) {};
        events.orientation = [](void*, wl_touch*, std::int32_t, wl_fixed_t) {};
        return events;
    }();
    return listener;
}

} // namespace

void SeatInput::OnCapabilities(void* data, wl_seat* seat, std::uint32_t capabilities)
{
    SeatInput* self = Self(data);
    // The devices are taken afresh whenever the seat's set of them changes.
    self->Release();
    if (capabilities & WL_SEAT_CAPABILITY_POINTER) {
        self->pointer_ = wl_seat_get_pointer(seat);
        wl_pointer_add_listener(self->pointer_, &PointerListener(), self);
    }
    if (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) {
        self->keyboard_ = wl_seat_get_keyboard(seat);
        wl_keyboard_add_listener(self->keyboard_, &KeyboardListener(), self);
    }
    if (capabilities & WL_SEAT_CAPABILITY_TOUCH) {
        self->touch_ = wl_seat_get_touch(seat);
        wl_touch_add_listener(self->touch_, &TouchListener(), self);
    }
}

} // namespace drelk::window

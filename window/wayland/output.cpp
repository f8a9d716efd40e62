// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/wayland/output.h"

#include "window/wayland/connection.h"

#include <wayland-client.h>

#include <algorithm>

namespace drelk::window {
namespace {

// Version 4 says the output's name; version 2 its scale and when it has said everything.
constexpr std::uint32_t kOutputVersion = 4;

void Ignore(void*, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
            const char*, const char*, std::int32_t)
{
}
void IgnoreMode(void*, wl_output*, std::uint32_t, std::int32_t, std::int32_t, std::int32_t) {}
void IgnoreText(void*, wl_output*, const char*) {}

} // namespace

WaylandOutput::WaylandOutput(wl_registry* registry, std::uint32_t name, std::uint32_t version)
    : output_(static_cast<wl_output*>(
          BindGlobal(registry, name, wl_output_interface, version, kOutputVersion))),
      global_name_(name)
{
    static const wl_output_listener listener = [] {
        wl_output_listener events{};
        events.geometry = Ignore;
        events.mode = IgnoreMode;
        events.done = OnDone;
        events.scale = OnScale;
        events.name = OnName;
        events.description = IgnoreText;
        return events;
    }();
    wl_output_add_listener(output_, &listener, this);
    // Without "done" (version 1) there is nothing more to wait for.
    known_ = wl_output_get_version(output_) < WL_OUTPUT_DONE_SINCE_VERSION;
}

WaylandOutput::~WaylandOutput()
{
    if (wl_output_get_version(output_) >= WL_OUTPUT_RELEASE_SINCE_VERSION) {
        wl_output_release(output_);
    } else {
        wl_output_destroy(output_);
    }
}

void WaylandOutput::OnScale(void* data, wl_output*, std::int32_t factor)
{
    static_cast<WaylandOutput*>(data)->pending_scale_ = std::max(1, factor);
}

void WaylandOutput::OnName(void* data, wl_output*, const char* name)
{
    static_cast<WaylandOutput*>(data)->name_ = QString::fromUtf8(name);
}

void WaylandOutput::OnDone(void* data, wl_output*)
{
    auto* self = static_cast<WaylandOutput*>(data);
    self->scale_ = self->pending_scale_;
    self->known_ = true;
    if (self->changed) {
        self->changed();
    }
}

} // namespace drelk::window

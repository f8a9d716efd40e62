// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <functional>

struct wl_output;
struct wl_registry;

namespace drelk::window {

// One output (monitor) of the compositor: its name, for the user to pick it, and its scale.
// What it says arrives in pieces; it is known once the first "done" has come.
class WaylandOutput {
public:
    WaylandOutput(wl_registry* registry, std::uint32_t name, std::uint32_t version);
    ~WaylandOutput();
    WaylandOutput(const WaylandOutput&) = delete;
    WaylandOutput& operator=(const WaylandOutput&) = delete;

    wl_output* Proxy() const { return output_; }
    std::uint32_t GlobalName() const { return global_name_; }
    // Its name ("eDP-1", "HEADLESS-1"), where the compositor says it; empty otherwise.
    const QString& Name() const { return name_; }
    // How many buffer pixels make a pixel of its surfaces, 1 unless the compositor says.
    int Scale() const { return scale_; }
    bool Known() const { return known_; }
    // After each "done": the output is known, or what it said has changed.
    std::function<void()> changed;

private:
    static void OnScale(void* data, wl_output* output, std::int32_t factor);
    static void OnName(void* data, wl_output* output, const char* name);
    static void OnDone(void* data, wl_output* output);

    wl_output* output_;
    std::uint32_t global_name_;
    QString name_;
    int scale_ = 1;
    int pending_scale_ = 1;
    bool known_ = false;
};

} // namespace drelk::window

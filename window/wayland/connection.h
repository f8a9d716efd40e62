// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

struct wl_compositor;
struct wl_display;
struct wl_interface;
struct wl_registry;
struct wl_shm;
struct wp_fractional_scale_manager_v1;
struct wp_viewporter;
struct zwlr_layer_shell_v1;

namespace drelk::window {

// Binds global `name` at the highest version that the compositor (`offered`) and drelk
// (`wanted`) both speak, and never above `interface` as built here: the messages of a newer
// version would have no description to be read or sent by.
void* BindGlobal(wl_registry* registry, std::uint32_t name, const wl_interface& interface,
                 std::uint32_t offered, std::uint32_t wanted);

// drelk's own connection to a Wayland compositor, apart from Qt's: the display, and the
// globals that every layer surface needs, bound once. Outputs and seats come and go, so
// they are handed on as they are announced. Nothing here waits for the compositor but
// Roundtrip(); its events are read when the program asks, with ReadEvents().
class WaylandConnection {
public:
    // A global that comes and goes: its registry name, interface and version.
    struct Global {
        std::uint32_t name;
        QString interface;
        std::uint32_t version;
    };

    // Connects to the compositor that WAYLAND_DISPLAY names (or wayland-0) and binds its
    // globals. Null, with the reason in `why`, if it cannot be reached.
    static std::unique_ptr<WaylandConnection> Connect(QString& why);
    ~WaylandConnection();
    WaylandConnection(const WaylandConnection&) = delete;
    WaylandConnection& operator=(const WaylandConnection&) = delete;

    wl_display* Display() const { return display_; }
    wl_registry* Registry() const { return registry_; }
    // Null where the compositor does not offer them (or too old a version of them).
    wl_compositor* Compositor() const { return compositor_; }
    wl_shm* Shm() const { return shm_; }
    zwlr_layer_shell_v1* LayerShell() const { return layer_shell_; }
    wp_viewporter* Viewporter() const { return viewporter_; }
    wp_fractional_scale_manager_v1* FractionalScale() const { return fractional_scale_; }

    // Called for each output or seat announced, at once for those there already and later
    // for those that come; and with each global that goes.
    std::function<void(const Global&)> announced;
    std::function<void(std::uint32_t name)> withdrawn;
    // Announces the outputs and seats found when connecting; those that come later are
    // announced as they come.
    void AnnounceExisting();

    // Handles whatever the compositor has sent, without waiting for more, and sends what is
    // queued. False once the connection is lost: LostReason() says why.
    bool ReadEvents();
    // Sends what is queued and handles everything the compositor sends until it has answered.
    bool Roundtrip();
    // Sends what is queued, without waiting.
    void Flush();
    QString LostReason() const;

private:
    explicit WaylandConnection(wl_display* display);
    static void OnGlobal(void* data, wl_registry* registry, std::uint32_t name,
                         const char* interface, std::uint32_t version);
    static void OnGlobalRemove(void* data, wl_registry* registry, std::uint32_t name);

    wl_display* display_;
    wl_registry* registry_ = nullptr;
    wl_compositor* compositor_ = nullptr;
    wl_shm* shm_ = nullptr;
    zwlr_layer_shell_v1* layer_shell_ = nullptr;
    wp_viewporter* viewporter_ = nullptr;
    wp_fractional_scale_manager_v1* fractional_scale_ = nullptr;
    bool announcing_ = false;   // once someone listens
    std::vector<Global> early_; // outputs and seats seen before anyone listened
};

} // namespace drelk::window

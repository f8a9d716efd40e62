// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/wayland/connection.h"

#include "fractional-scale-v1-client-protocol.h"
#include "viewporter-client-protocol.h"
#include "window/user_message.h"
#include "window/wayland/layer_shell_protocol.h"

#include <QCoreApplication>

#include <poll.h>
#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace drelk::window {
namespace {

// The versions drelk speaks: buffers damaged in their own pixels (compositor 4), and the
// layer shell as its definition here has it.
constexpr std::uint32_t kCompositorVersion = 4;
constexpr std::uint32_t kLayerShellVersion = 4;

template <typename Proxy>
Proxy* Bind(wl_registry* registry, std::uint32_t name, const wl_interface& interface,
            std::uint32_t offered, std::uint32_t wanted)
{
    return static_cast<Proxy*>(BindGlobal(registry, name, interface, offered, wanted));
}

} // namespace

void* BindGlobal(wl_registry* registry, std::uint32_t name, const wl_interface& interface,
                 std::uint32_t offered, std::uint32_t wanted)
{
    const auto built = static_cast<std::uint32_t>(interface.version);
    return wl_registry_bind(registry, name, &interface, std::min({offered, wanted, built}));
}

std::unique_ptr<WaylandConnection> WaylandConnection::Connect(QString& why)
{
    const QString name = qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                             ? QStringLiteral("wayland-0")
                             : qEnvironmentVariable("WAYLAND_DISPLAY");
    wl_display* display = wl_display_connect(nullptr);
    if (!display) {
        why = QCoreApplication::translate("WaylandConnection",
                                          "cannot reach the Wayland display %1 (%2)")
                  .arg(Shown(name), QString::fromLocal8Bit(std::strerror(errno)));
        return nullptr;
    }
    std::unique_ptr<WaylandConnection> connection(new WaylandConnection(display));
    if (!connection->Roundtrip()) {
        why = QCoreApplication::translate("WaylandConnection",
                                          "the Wayland display %1 does not answer (%2)")
                  .arg(Shown(name), connection->LostReason());
        return nullptr;
    }
    return connection;
}

WaylandConnection::WaylandConnection(wl_display* display) : display_(display)
{
    static const wl_registry_listener listener = {.global = OnGlobal,
                                                  .global_remove = OnGlobalRemove};
    registry_ = wl_display_get_registry(display_);
    wl_registry_add_listener(registry_, &listener, this);
}

WaylandConnection::~WaylandConnection()
{
    if (fractional_scale_) {
        wp_fractional_scale_manager_v1_destroy(fractional_scale_);
    }
    if (viewporter_) {
        wp_viewporter_destroy(viewporter_);
    }
    if (layer_shell_) {
        if (zwlr_layer_shell_v1_get_version(layer_shell_) >=
            ZWLR_LAYER_SHELL_V1_DESTROY_SINCE_VERSION) {
            zwlr_layer_shell_v1_destroy(layer_shell_);
        } else {
            wl_proxy_destroy(reinterpret_cast<wl_proxy*>(layer_shell_));
        }
    }
    if (shm_) {
        wl_shm_destroy(shm_);
    }
    if (compositor_) {
        wl_compositor_destroy(compositor_);
    }
    wl_registry_destroy(registry_);
    wl_display_flush(display_);
    wl_display_disconnect(display_);
}

void WaylandConnection::OnGlobal(void* data, wl_registry* registry, std::uint32_t name,
                                 const char* interface, std::uint32_t version)
{
    auto* self = static_cast<WaylandConnection*>(data);
    const QString kind = QString::fromLatin1(interface);
    if (kind == QLatin1String(wl_compositor_interface.name)) {
        if (version >= kCompositorVersion && !self->compositor_) {
            self->compositor_ = Bind<wl_compositor>(registry, name, wl_compositor_interface,
                                                    version, kCompositorVersion);
        }
    } else if (kind == QLatin1String(wl_shm_interface.name)) {
        if (!self->shm_) {
            self->shm_ = Bind<wl_shm>(registry, name, wl_shm_interface, version, 1);
        }
    } else if (kind == QLatin1String(zwlr_layer_shell_v1_interface.name)) {
        if (!self->layer_shell_) {
            self->layer_shell_ = Bind<zwlr_layer_shell_v1>(
                registry, name, zwlr_layer_shell_v1_interface, version, kLayerShellVersion);
        }
    } else if (kind == QLatin1String(wp_viewporter_interface.name)) {
        if (!self->viewporter_) {
            self->viewporter_ =
                Bind<wp_viewporter>(registry, name, wp_viewporter_interface, version, 1);
        }
    } else if (kind == QLatin1String(wp_fractional_scale_manager_v1_interface.name)) {
        if (!self->fractional_scale_) {
            self->fractional_scale_ = Bind<wp_fractional_scale_manager_v1>(
                registry, name, wp_fractional_scale_manager_v1_interface, version, 1);
        }
    } else if (kind == QLatin1String(wl_output_interface.name) ||
               kind == QLatin1String(wl_seat_interface.name)) {
        const Global global{name, kind, version};
        if (self->announcing_ && self->announced) {
            self->announced(global);
        } else {
            self->early_.push_back(global);
        }
    }
}

void WaylandConnection::OnGlobalRemove(void* data, wl_registry*, std::uint32_t name)
{
    auto* self = static_cast<WaylandConnection*>(data);
    std::erase_if(self->early_, [name](const Global& global) { return global.name == name; });
    if (self->withdrawn) {
        self->withdrawn(name);
    }
}

void WaylandConnection::AnnounceExisting()
{
    announcing_ = true;
    const std::vector<Global> early = std::move(early_);
    early_.clear();
    for (const Global& global : early) {
        if (announced) {
            announced(global);
        }
    }
}

bool WaylandConnection::ReadEvents()
{
    // Events already read from the socket go first; then whatever waits on it, read only if
    // it is there: this never waits.
    while (wl_display_prepare_read(display_) != 0) {
        if (wl_display_dispatch_pending(display_) < 0) {
            return false;
        }
    }
    if (wl_display_flush(display_) < 0 && errno != EAGAIN) {
        // The compositor is gone, but a failed flush does not tell libwayland (checked on
        // 1.21): the requests made on the way out (every surface and tile destroyed) would
        // still be written, and the first that finds the buffer full is reported on standard
        // error. Reading the socket to its end marks the display failed, after which nothing
        // more is sent. Each read takes what the socket holds without waiting.
        wl_display_read_events(display_);
        for (int read = 0; read < 16 && wl_display_get_error(display_) == 0; ++read) {
            if (wl_display_prepare_read(display_) != 0) {
                wl_display_dispatch_pending(display_);
            } else {
                wl_display_read_events(display_);
            }
        }
        return false;
    }
    pollfd socket = {.fd = wl_display_get_fd(display_), .events = POLLIN, .revents = 0};
    if (poll(&socket, 1, 0) > 0) {
        if (wl_display_read_events(display_) < 0) {
            return false;
        }
    } else {
        wl_display_cancel_read(display_);
    }
    return wl_display_dispatch_pending(display_) >= 0;
}

bool WaylandConnection::Roundtrip() { return wl_display_roundtrip(display_) >= 0; }

void WaylandConnection::Flush() { wl_display_flush(display_); }

QString WaylandConnection::LostReason() const
{
    const int error = wl_display_get_error(display_);
    if (error == EPROTO) {
        const wl_interface* interface = nullptr;
        std::uint32_t id = 0;
        const std::uint32_t code = wl_display_get_protocol_error(display_, &interface, &id);
        return QCoreApplication::translate("WaylandConnection",
                                           "the compositor reported protocol error %1 on %2")
            .arg(QString::number(code), QString::fromLatin1(interface ? interface->name : "?"));
    }
    return QString::fromLocal8Bit(std::strerror(error != 0 ? error : EPIPE));
}

} // namespace drelk::window

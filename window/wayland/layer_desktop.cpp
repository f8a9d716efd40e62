// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "window/wayland/layer_desktop.h"

#include "window/hive/hive.h"
#include "window/user_message.h"
#include "window/wayland/connection.h"
#include "window/wayland/output.h"
#include "window/wayland/seat_input.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTimerEvent>

#include <wayland-client.h>

#include <algorithm>

namespace drelk::window {

// An output, its surface once it is known (and wanted), and what the surface shows once it
// has been configured. Destroyed in that order's reverse, as members are: the content before
// its canvas, the surface before its output.
struct LayerDesktop::Place {
    std::unique_ptr<WaylandOutput> output;
    std::unique_ptr<LayerSurface> surface;
    std::unique_ptr<SurfaceContent> content;
    // The tick whose events made the content: it ticks from the next one on, a tick after
    // its first picture, as a timer of its own started then would have it.
    std::uint64_t made_at = 0;
};

std::unique_ptr<LayerDesktop> LayerDesktop::Open(LayerSurface::Layer layer,
                                                 const QString& output_name, MakeContent make,
                                                 Failure& failure)
{
    std::unique_ptr<WaylandConnection> connection = WaylandConnection::Connect(failure.why);
    if (!connection) {
        failure.unreachable = true;
        // A WAYLAND_DISPLAY left over in an X11 session: the way to that session.
        if (!qEnvironmentVariableIsEmpty("DISPLAY")) {
            failure.why = QCoreApplication::translate("LayerDesktop",
                                                      "%1; for the X display %2, add -platform xcb")
                              .arg(failure.why, Shown(qEnvironmentVariable("DISPLAY")));
        }
        return nullptr;
    }
    if (!connection->LayerShell()) {
        failure.why =
            layer == LayerSurface::Layer::Saver
                ? QCoreApplication::translate(
                      "LayerDesktop",
                      "this Wayland compositor offers no layer shell (zwlr_layer_shell_v1) to "
                      "cover its screen; the window (drelk without --root or --saver) works here")
                : QCoreApplication::translate(
                      "LayerDesktop",
                      "this Wayland compositor offers no layer shell (zwlr_layer_shell_v1) to "
                      "put the hive on its desktop; the window (drelk without --root or --saver) "
                      "works here");
        return nullptr;
    }
    if (!connection->Compositor() || !connection->Shm()) {
        failure.why = QCoreApplication::translate(
            "LayerDesktop", "this Wayland compositor lacks wl_compositor 4 or wl_shm");
        return nullptr;
    }
    std::unique_ptr<LayerDesktop> desktop(
        new LayerDesktop(std::move(connection), layer, output_name, std::move(make)));
    const bool settled = desktop->Settle();
    if (!settled || desktop->lost_) {
        failure.why = settled ? desktop->lost_why_ : desktop->connection_->LostReason();
        return nullptr;
    }
    if (!output_name.isEmpty() &&
        desktop->places_.end() ==
            std::find_if(desktop->places_.begin(), desktop->places_.end(), [&](const auto& place) {
                return place.second->output->Name() == output_name;
            })) {
        QStringList names;
        for (const auto& [name, place] : desktop->places_) {
            names << place->output->Name();
        }
        failure.why =
            QCoreApplication::translate("LayerDesktop", "there is no output named %1 (%2)")
                .arg(Shown(output_name),
                     names.isEmpty() ? QCoreApplication::translate("LayerDesktop", "there are none")
                                     : QCoreApplication::translate("LayerDesktop", "there are: %1")
                                           .arg(names.join(QStringLiteral(", "))));
        return nullptr;
    }
    // The first pictures, painted as the surfaces were configured, go now.
    desktop->connection_->Flush();
    // At the hives' pace, on a coarse timer as each hive's own is.
    desktop->tick_.start(Hive::kTickMilliseconds, Qt::CoarseTimer, desktop.get());
    return desktop;
}

LayerDesktop::LayerDesktop(std::unique_ptr<WaylandConnection> connection, LayerSurface::Layer layer,
                           QString output_name, MakeContent make)
    : connection_(std::move(connection)), layer_(layer), output_name_(std::move(output_name)),
      make_(std::move(make))
{
    connection_->announced = [this](const WaylandConnection::Global& global) {
        Announced(global.name, global.interface, global.version);
    };
    connection_->withdrawn = [this](std::uint32_t name) { Withdrawn(name); };
    connection_->AnnounceExisting();
}

// Members go in reverse order: the seats, the places, then the connection.
LayerDesktop::~LayerDesktop() = default;

LayerDesktop::Place* LayerDesktop::Find(std::uint32_t name) const
{
    const auto found = places_.find(name);
    return found == places_.end() ? nullptr : found->second.get();
}

void LayerDesktop::Announced(std::uint32_t name, const QString& interface, std::uint32_t version)
{
    if (interface == QLatin1String(wl_output_interface.name)) {
        auto place = std::make_unique<Place>();
        place->output = std::make_unique<WaylandOutput>(connection_->Registry(), name, version);
        place->output->changed = [this, name] { OutputChanged(name); };
        places_[name] = std::move(place);
    } else if (interface == QLatin1String(wl_seat_interface.name) &&
               layer_ == LayerSurface::Layer::Saver) {
        auto seat = std::make_unique<SeatInput>(connection_->Registry(), name, version);
        seat->touched = [this] { emit Touched(); };
        seats_[name] = std::move(seat);
    }
}

void LayerDesktop::Withdrawn(std::uint32_t name)
{
    Retire(name);
    seats_.erase(name);
}

// The events' handlers are called from libwayland's C code: an event for a place that has
// gone is dropped there, and the look-ups here tolerate one all the same.
void LayerDesktop::OutputChanged(std::uint32_t name)
{
    Place* found = Find(name);
    if (!found) {
        return;
    }
    Place& place = *found;
    if (place.surface) {
        place.surface->OutputChanged();
        return;
    }
    if (!output_name_.isEmpty() && place.output->Name() != output_name_) {
        return;
    }
    place.surface = std::make_unique<LayerSurface>(*connection_, *place.output, layer_);
    place.surface->resized = [this, name](QSize size) { Resized(name, size); };
    place.surface->closed = [this, name] { Retire(name); };
    place.surface->broke = [this](const QString& why) { Lose(why); };
}

void LayerDesktop::Resized(std::uint32_t name, QSize size)
{
    Place* place = Find(name);
    if (!place || !place->surface) {
        return;
    }
    if (place->content) {
        place->content->Resize(size);
    } else {
        place->content = make_(*place->surface, size);
        place->made_at = ticks_;
    }
}

// What goes is destroyed at once: events are read only between the contents' ticks, so it
// is never a content that is ticking. libwayland drops the events still queued for its
// proxies, its own handler's included.
void LayerDesktop::Retire(std::uint32_t name) { places_.erase(name); }

void LayerDesktop::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != tick_.timerId()) {
        QObject::timerEvent(event);
        return;
    }
    Tick();
}

// Events first, so that outputs that came have their contents, painted whole, and the covered
// surfaces' frame callbacks are known, before any content ticks; then one flush for all.
void LayerDesktop::Tick()
{
    if (lost_) {
        return;
    }
    ++ticks_;
    if (!connection_->ReadEvents() || !Settle()) {
        Lose(connection_->LostReason());
        return;
    }
    for (auto& [name, place] : places_) {
        if (lost_) {
            return;
        }
        if (place->content && place->made_at != ticks_) {
            place->content->Tick();
        }
    }
    connection_->Flush();
}

bool LayerDesktop::Settle()
{
    // An output says what it is in its first events after it is bound, and its surface gets
    // its size in the first configure after it is made: a round trip each, so that both
    // happen within the tick that found the output.
    const auto unsettled = [this] {
        return std::any_of(places_.begin(), places_.end(), [](const auto& place) {
            const Place& p = *place.second;
            return !p.output->Known() || (p.surface && p.surface->Size().isEmpty());
        });
    };
    for (int round = 0; round < 3 && unsettled(); ++round) {
        if (!connection_->Roundtrip()) {
            return false;
        }
    }
    return true;
}

void LayerDesktop::Lose(const QString& why)
{
    if (lost_) {
        return;
    }
    lost_ = true;
    lost_why_ = why;
    tick_.stop();
    for (auto& [name, place] : places_) {
        if (place->surface) {
            place->surface->Withdraw();
        }
    }
    emit Lost(why);
}

} // namespace drelk::window

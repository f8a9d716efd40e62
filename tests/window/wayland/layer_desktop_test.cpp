// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// The layer desktop's places as outputs go, against a compositor of the test's own (sway 1.7,
// which the end-to-end tests run, cannot take an output away): the compositor's last words
// to an output or surface that has gone reach the program after it took the place away, and
// the hives left go on ticking.

#include "window/wayland/layer_desktop.h"

#include <QTest>

#include <gtest/gtest.h>
#include <wayland-server-core.h>

#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <thread>

extern "C" {
extern const wl_interface wl_callback_interface;
extern const wl_interface wl_compositor_interface;
extern const wl_interface wl_output_interface;
extern const wl_interface wl_shm_interface;
extern const wl_interface zwlr_layer_shell_v1_interface;
}

using drelk::window::LayerDesktop;
using drelk::window::LayerSurface;
using drelk::window::SurfaceContent;

namespace {

// Event opcodes, as the protocols' definitions number them.
constexpr std::uint32_t kCallbackDone = 0;
constexpr std::uint32_t kOutputDone = 2, kOutputScale = 3, kOutputName = 4;
constexpr std::uint32_t kLayerConfigure = 0, kLayerClosed = 1;

// A compositor on one end of a socket pair, in a thread of its own, with the globals a layer
// desktop needs and an output of each width in kWidths. Every request is taken and ignored
// but for the objects it makes: layer surfaces are configured at their output's size, frames
// are done at once. RemoveOutputs() takes the second output away global first and the third
// surface first, each followed by events for the output that went.
class LayerCompositor {
public:
    static constexpr std::array<std::uint32_t, 3> kWidths = {64, 80, 96};

    LayerCompositor() : display_(wl_display_create())
    {
        Offer(wl_compositor_interface, 4);
        Offer(wl_shm_interface, 1);
        Offer(zwlr_layer_shell_v1_interface, 4);
        for (std::size_t i = 0; i < kWidths.size(); ++i) {
            outputs_[i].global =
                wl_global_create(display_, &wl_output_interface, 4, &outputs_[i], BindOutput);
            outputs_[i].width = kWidths[i];
            outputs_[i].name = "OUT-" + std::to_string(i + 1);
        }
        int fds[2];
        socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds);
        wl_client_create(display_, fds[0]);
        // libwayland's client takes this socket instead of connecting.
        setenv("WAYLAND_SOCKET", std::to_string(fds[1]).c_str(), 1);
        thread_ = std::thread([this] { Serve(); });
    }

    ~LayerCompositor()
    {
        stop_ = true;
        thread_.join();
        wl_display_destroy_clients(display_);
        wl_display_destroy(display_);
    }

    void RemoveOutputs() { remove_ = true; }

private:
    struct Output {
        wl_global* global = nullptr;
        wl_resource* resource = nullptr;
        wl_resource* layer = nullptr;
        std::uint32_t width = 0;
        std::string name;
    };

    void Serve()
    {
        wl_event_loop* loop = wl_display_get_event_loop(display_);
        while (!stop_) {
            wl_event_loop_dispatch(loop, 10);
            if (remove_.exchange(false)) {
                Output& by_global = outputs_[1];
                wl_global_destroy(by_global.global);
                Said(by_global);
                wl_resource_post_event(by_global.layer, kLayerClosed);
                Output& by_surface = outputs_[2];
                wl_resource_post_event(by_surface.layer, kLayerClosed);
                Said(by_surface);
                wl_global_destroy(by_surface.global);
            }
            wl_display_flush_clients(display_);
        }
    }

    static void Said(const Output& output)
    {
        wl_resource_post_event(output.resource, kOutputScale, 1);
        wl_resource_post_event(output.resource, kOutputName, output.name.c_str());
        wl_resource_post_event(output.resource, kOutputDone);
    }

    static wl_resource* Make(wl_client* client, const wl_interface* interface, int version,
                             std::uint32_t id, void* data)
    {
        wl_resource* resource = wl_resource_create(client, interface, version, id);
        wl_resource_set_dispatcher(resource, Dispatch, nullptr, data, nullptr);
        return resource;
    }

    // A global that holds its interface as its data.
    void Offer(const wl_interface& interface, int offered)
    {
        wl_global_create(
            display_, &interface, offered, const_cast<wl_interface*>(&interface),
            [](wl_client* client, void* data, std::uint32_t version, std::uint32_t id) {
                Make(client, static_cast<const wl_interface*>(data), static_cast<int>(version), id,
                     nullptr);
            });
    }

    static void BindOutput(wl_client* client, void* data, std::uint32_t version, std::uint32_t id)
    {
        auto* output = static_cast<Output*>(data);
        output->resource =
            Make(client, &wl_output_interface, static_cast<int>(version), id, output);
        Said(*output);
    }

    static int Dispatch(const void*, void* target, std::uint32_t, const wl_message* message,
                        wl_argument* args)
    {
        auto* resource = static_cast<wl_resource*>(target);
        wl_resource* made = nullptr;
        int index = 0;
        for (const char* kind = message->signature; *kind != '\0'; ++kind) {
            if (std::isdigit(static_cast<unsigned char>(*kind)) || *kind == '?') {
                continue;
            }
            if (*kind == 'n') {
                made = Make(wl_resource_get_client(resource), message->types[index],
                            wl_resource_get_version(resource), args[index].n, nullptr);
            } else if (*kind == 'h') {
                close(args[index].h);
            }
            ++index;
        }
        if (made && wl_resource_instance_of(made, &wl_callback_interface, nullptr)) {
            wl_resource_post_event(made, kCallbackDone, 0u);
            wl_resource_destroy(made);
        } else if (std::strcmp(message->name, "get_layer_surface") == 0) {
            auto* output = static_cast<Output*>(
                wl_resource_get_user_data(reinterpret_cast<wl_resource*>(args[2].o)));
            output->layer = made;
            wl_resource_post_event(made, kLayerConfigure, 1u, output->width, output->width / 2);
        } else if (std::strcmp(message->name, "destroy") == 0 ||
                   std::strcmp(message->name, "release") == 0) {
            wl_resource_destroy(resource);
        }
        return 0;
    }

    wl_display* display_;
    std::array<Output, kWidths.size()> outputs_;
    std::thread thread_;
    std::atomic<bool> stop_ = false;
    std::atomic<bool> remove_ = false;
};

// A surface's content that counts its ticks, by the width of its output.
struct Seen {
    bool alive = false;
    int ticks = 0;
};

class CountingContent final : public SurfaceContent {
public:
    explicit CountingContent(Seen& seen) : seen_(seen) { seen_.alive = true; }
    ~CountingContent() override { seen_.alive = false; }
    void Resize(QSize) override {}
    void Tick() override { ++seen_.ticks; }

private:
    Seen& seen_;
};

} // namespace

TEST(LayerDesktop, OutputsThatGoTakeTheirContentAwayAndTheirLastEventsAreHarmless)
{
    LayerCompositor compositor;
    std::map<int, Seen> seen; // by the width of the output
    LayerDesktop::Failure failure;
    const std::unique_ptr<LayerDesktop> desktop = LayerDesktop::Open(
        LayerSurface::Layer::Background, QString(),
        [&seen](drelk::window::HiveCanvas&, QSize size) {
            return std::make_unique<CountingContent>(seen[size.width()]);
        },
        failure);
    ASSERT_TRUE(desktop) << failure.why.toStdString();
    bool lost = false;
    QObject::connect(desktop.get(), &LayerDesktop::Lost, [&lost] { lost = true; });
    for (const std::uint32_t width : LayerCompositor::kWidths) {
        ASSERT_TRUE(seen[static_cast<int>(width)].alive) << width;
    }

    compositor.RemoveOutputs();
    const Seen& kept = seen[64];
    ASSERT_TRUE(QTest::qWaitFor([&] { return !seen[80].alive && !seen[96].alive; }, 2000));
    const int ticks = kept.ticks;
    ASSERT_TRUE(QTest::qWaitFor([&] { return kept.ticks >= ticks + 3; }, 2000));
    EXPECT_TRUE(kept.alive);
    EXPECT_FALSE(lost);
}

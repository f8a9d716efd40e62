// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

/* layer_shell_reference: the least a program can spend on drelk's background on a Wayland
 * desktop, for process_benchmark to hold drelk --root against. Plain C and libwayland, no
 * toolkit: on the background layer of every output (zwlr_layer_shell_v1), a black surface
 * where, every 100 ms, a filled and outlined circle 25 pixels across and ten 5-pixel
 * round-capped lines 7 to 20 pixels long each move about 3 pixels (all at the output's scale,
 * as bench/xlib_reference moves them: the lines chase the circle).
 *
 * Each output has two full-size wl_shm buffers. A tick draws into the one the compositor has
 * released: it clears where that buffer's own shapes were and draws them where they are now,
 * and damages where the shapes were on the screen and where they are. It draws nothing while
 * the last picture's frame callback is outstanding, as on a covered output. It wakes once a
 * tick and reads the display's events then, without waiting for them.
 *
 *     layer_shell_reference
 */

#include "reference_picture.h"
#include "wlr-layer-shell-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <errno.h>
#include <math.h>
#include <poll.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>

enum { kShapes = kLines + 1, kTickNs = 100 * 1000 * 1000 };
static const uint32_t kBlack = 0xff000000u, kWhite = 0xffffffffu, kQueenFill = 0xff8080ffu;

struct Box {
    int left, top, right, bottom; /* device pixels, right and bottom excluded */
};

struct Buffer {
    struct wl_buffer* buffer;
    uint32_t* pixels;
    int busy;                  /* attached and not yet released */
    int drawn_once;            /* holds a whole picture */
    struct Box drawn[kShapes]; /* where its shapes are */
};

struct Output {
    struct wl_output* output;
    uint32_t name;
    int scale, ready;
    struct wl_surface* surface;
    struct zwlr_layer_surface_v1* layer;
    int width, height; /* device pixels; 0 until configured */
    struct Buffer buffers[2];
    struct Box shown[kShapes]; /* where the shapes are in the picture last committed */
    int shown_valid;
    struct wl_callback* frame; /* outstanding */
    struct Picture picture;
    struct Output* next;
};

static struct wl_compositor* compositor;
static struct wl_shm* shm;
static struct zwlr_layer_shell_v1* layer_shell;
static struct Output* outputs;

/* --- drawing into a buffer, in device pixels ------------------------------------------------ */

static struct Box Clip(struct Box box, int width, int height)
{
    box.left = box.left < 0 ? 0 : box.left;
    box.top = box.top < 0 ? 0 : box.top;
    box.right = box.right > width ? width : box.right;
    box.bottom = box.bottom > height ? height : box.bottom;
    if (box.right < box.left) {
        box.right = box.left;
    }
    if (box.bottom < box.top) {
        box.bottom = box.top;
    }
    return box;
}

static void Fill(struct Output* out, uint32_t* pixels, struct Box box, uint32_t colour)
{
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            pixels[(size_t)y * (size_t)out->width + (size_t)x] = colour;
        }
    }
}

/* A round-capped line from (x1, y1) to (x2, y2), `pen` across; returns the box it covers. */
static struct Box Line(struct Output* out, uint32_t* pixels, double x1, double y1, double x2,
                       double y2, double pen)
{
    const double reach = pen / 2.0;
    struct Box box = {(int)floor(fmin(x1, x2) - reach), (int)floor(fmin(y1, y2) - reach),
                      (int)ceil(fmax(x1, x2) + reach), (int)ceil(fmax(y1, y2) + reach)};
    box = Clip(box, out->width, out->height);
    const double dx = x2 - x1, dy = y2 - y1, length2 = dx * dx + dy * dy;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            const double px = x + 0.5 - x1, py = y + 0.5 - y1;
            double along = length2 > 0.0 ? (px * dx + py * dy) / length2 : 0.0;
            along = along < 0.0 ? 0.0 : along > 1.0 ? 1.0 : along;
            const double ox = px - along * dx, oy = py - along * dy;
            if (ox * ox + oy * oy <= reach * reach) {
                pixels[(size_t)y * (size_t)out->width + (size_t)x] = kWhite;
            }
        }
    }
    return box;
}

/* A disc `diameter` across with its top left at (x, y), outlined one scaled pixel wide. */
static struct Box Disc(struct Output* out, uint32_t* pixels, double x, double y, double diameter,
                       double outline)
{
    const double radius = diameter / 2.0, cx = x + radius, cy = y + radius;
    struct Box box = {(int)floor(x), (int)floor(y), (int)ceil(x + diameter) + 1,
                      (int)ceil(y + diameter) + 1};
    box = Clip(box, out->width, out->height);
    for (int py = box.top; py < box.bottom; ++py) {
        for (int px = box.left; px < box.right; ++px) {
            const double ox = px + 0.5 - cx, oy = py + 0.5 - cy, d = sqrt(ox * ox + oy * oy);
            if (d <= radius) {
                pixels[(size_t)py * (size_t)out->width + (size_t)px] =
                    d > radius - outline ? kWhite : kQueenFill;
            }
        }
    }
    return box;
}

/* Repairs the buffer from the picture it holds to the one now, and damages on the surface
 * where the shapes were in the last commit and where they are. */
static void Draw(struct Output* out, struct Buffer* buffer)
{
    const struct Picture* picture = &out->picture;
    const double scale = out->scale;
    struct Box whole = {0, 0, out->width, out->height};
    if (buffer->drawn_once) {
        for (int n = 0; n < kShapes; ++n) {
            Fill(out, buffer->pixels, buffer->drawn[n], kBlack);
        }
    } else {
        Fill(out, buffer->pixels, whole, kBlack);
    }
    for (int n = 0; n < kLines; ++n) {
        const double x1 = picture->head[n].x, y1 = picture->head[n].y;
        const double x2 = x1 - picture->length[n] * sin(picture->heading[n]);
        const double y2 = y1 - picture->length[n] * cos(picture->heading[n]);
        buffer->drawn[n] = Line(out, buffer->pixels, round(x1) * scale, round(y1) * scale,
                                round(x2) * scale, round(y2) * scale, kPen * scale);
    }
    buffer->drawn[kLines] = Disc(out, buffer->pixels, round(picture->queen.x) * scale,
                                 round(picture->queen.y) * scale, kQueen * scale, scale);
    if (!buffer->drawn_once || !out->shown_valid) {
        wl_surface_damage_buffer(out->surface, 0, 0, out->width, out->height);
    } else {
        /* One rectangle a shape, around where it was and where it is: few rectangles, as a
         * compositor may repaint the whole extent of a region of many. */
        for (int n = 0; n < kShapes; ++n) {
            const struct Box was = out->shown[n], is = buffer->drawn[n];
            const int left = was.left < is.left ? was.left : is.left;
            const int top = was.top < is.top ? was.top : is.top;
            const int right = was.right > is.right ? was.right : is.right;
            const int bottom = was.bottom > is.bottom ? was.bottom : is.bottom;
            wl_surface_damage_buffer(out->surface, left, top, right - left, bottom - top);
        }
    }
    buffer->drawn_once = 1;
    memcpy(out->shown, buffer->drawn, sizeof out->shown);
    out->shown_valid = 1;
}

/* --- the surfaces --------------------------------------------------------------------------- */

static void OnRelease(void* data, struct wl_buffer* wl_buffer)
{
    (void)wl_buffer;
    ((struct Buffer*)data)->busy = 0;
}

static const struct wl_buffer_listener buffer_events = {.release = OnRelease};

static void OnFrameDone(void* data, struct wl_callback* callback, uint32_t time)
{
    (void)time;
    struct Output* out = data;
    wl_callback_destroy(callback);
    out->frame = NULL;
}

static const struct wl_callback_listener frame_events = {.done = OnFrameDone};

static void DropBuffers(struct Output* out)
{
    for (int k = 0; k < 2; ++k) {
        struct Buffer* buffer = &out->buffers[k];
        if (buffer->buffer) {
            wl_buffer_destroy(buffer->buffer);
            munmap(buffer->pixels, (size_t)out->width * (size_t)out->height * 4u);
        }
        memset(buffer, 0, sizeof *buffer);
    }
    out->shown_valid = 0;
}

static int MakeBuffers(struct Output* out)
{
    const size_t size = (size_t)out->width * (size_t)out->height * 4u;
    for (int k = 0; k < 2; ++k) {
        int fd = memfd_create("layer_shell_reference", MFD_CLOEXEC);
        if (fd < 0 || ftruncate(fd, (off_t)size) < 0) {
            perror("layer_shell_reference: shared memory");
            return -1;
        }
        void* pixels = mmap(NULL, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (pixels == MAP_FAILED) {
            perror("layer_shell_reference: mmap");
            return -1;
        }
        struct wl_shm_pool* pool = wl_shm_create_pool(shm, fd, (int32_t)size);
        struct Buffer* buffer = &out->buffers[k];
        buffer->buffer = wl_shm_pool_create_buffer(pool, 0, out->width, out->height, out->width * 4,
                                                   WL_SHM_FORMAT_XRGB8888);
        wl_buffer_add_listener(buffer->buffer, &buffer_events, buffer);
        wl_shm_pool_destroy(pool);
        close(fd);
        buffer->pixels = pixels;
    }
    return 0;
}

/* Draws the picture of now into a free buffer and commits it, unless the last is not yet
 * shown (a covered surface gets no frame callback) or both buffers are still the
 * compositor's. */
static void Present(struct Output* out)
{
    if (!out->width || out->frame) {
        return;
    }
    struct Buffer* buffer = !out->buffers[0].busy   ? &out->buffers[0]
                            : !out->buffers[1].busy ? &out->buffers[1]
                                                    : NULL;
    if (!buffer) {
        return;
    }
    Draw(out, buffer);
    wl_surface_attach(out->surface, buffer->buffer, 0, 0);
    buffer->busy = 1;
    out->frame = wl_surface_frame(out->surface);
    wl_callback_add_listener(out->frame, &frame_events, out);
    wl_surface_commit(out->surface);
}

static void OnConfigure(void* data, struct zwlr_layer_surface_v1* layer, uint32_t serial,
                        uint32_t width, uint32_t height)
{
    struct Output* out = data;
    zwlr_layer_surface_v1_ack_configure(layer, serial);
    const int device_width = (int)width * out->scale, device_height = (int)height * out->scale;
    if (device_width == out->width && device_height == out->height) {
        return;
    }
    DropBuffers(out);
    out->width = device_width;
    out->height = device_height;
    if (MakeBuffers(out) < 0) {
        exit(1);
    }
    PictureStart(&out->picture, (int)width, (int)height);
    if (out->frame) {
        wl_callback_destroy(out->frame);
        out->frame = NULL;
    }
    wl_surface_set_buffer_scale(out->surface, out->scale);
    /* All of it is opaque: the compositor need draw nothing beneath it. */
    struct wl_region* opaque = wl_compositor_create_region(compositor);
    wl_region_add(opaque, 0, 0, (int32_t)width, (int32_t)height);
    wl_surface_set_opaque_region(out->surface, opaque);
    wl_region_destroy(opaque);
    Present(out);
}

static void OnClosed(void* data, struct zwlr_layer_surface_v1* layer)
{
    (void)layer;
    struct Output* out = data;
    out->ready = 0; /* the compositor took the layer away: its output is going */
}

static const struct zwlr_layer_surface_v1_listener layer_events = {.configure = OnConfigure,
                                                                   .closed = OnClosed};

static void MakeSurface(struct Output* out)
{
    out->surface = wl_compositor_create_surface(compositor);
    out->layer = zwlr_layer_shell_v1_get_layer_surface(
        layer_shell, out->surface, out->output, ZWLR_LAYER_SHELL_V1_LAYER_BACKGROUND, "background");
    zwlr_layer_surface_v1_set_anchor(
        out->layer, ZWLR_LAYER_SURFACE_V1_ANCHOR_TOP | ZWLR_LAYER_SURFACE_V1_ANCHOR_BOTTOM |
                        ZWLR_LAYER_SURFACE_V1_ANCHOR_LEFT | ZWLR_LAYER_SURFACE_V1_ANCHOR_RIGHT);
    zwlr_layer_surface_v1_set_exclusive_zone(out->layer, -1);
    zwlr_layer_surface_v1_add_listener(out->layer, &layer_events, out);
    wl_surface_commit(out->surface);
}

static void DropOutput(struct Output* out)
{
    DropBuffers(out);
    if (out->frame) {
        wl_callback_destroy(out->frame);
    }
    if (out->layer) {
        zwlr_layer_surface_v1_destroy(out->layer);
        wl_surface_destroy(out->surface);
    }
    wl_output_release(out->output);
    free(out);
}

/* --- outputs and globals -------------------------------------------------------------------- */

static void OnGeometry(void* data, struct wl_output* output, int32_t x, int32_t y,
                       int32_t physical_width, int32_t physical_height, int32_t subpixel,
                       const char* make, const char* model, int32_t transform)
{
    (void)data, (void)output, (void)x, (void)y, (void)physical_width, (void)physical_height,
        (void)subpixel, (void)make, (void)model, (void)transform;
}

static void OnMode(void* data, struct wl_output* output, uint32_t flags, int32_t width,
                   int32_t height, int32_t refresh)
{
    (void)data, (void)output, (void)flags, (void)width, (void)height, (void)refresh;
}

static void OnDone(void* data, struct wl_output* output)
{
    (void)output;
    struct Output* out = data;
    out->ready = 1;
    if (!out->layer && layer_shell && compositor) {
        MakeSurface(out);
    }
}

static void OnScale(void* data, struct wl_output* output, int32_t factor)
{
    (void)output;
    ((struct Output*)data)->scale = factor;
}

static const struct wl_output_listener output_events = {
    .geometry = OnGeometry, .mode = OnMode, .done = OnDone, .scale = OnScale};

static void OnGlobal(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                     uint32_t version)
{
    (void)data;
    if (strcmp(interface, wl_compositor_interface.name) == 0) {
        compositor = wl_registry_bind(registry, name, &wl_compositor_interface, 4);
    } else if (strcmp(interface, wl_shm_interface.name) == 0) {
        shm = wl_registry_bind(registry, name, &wl_shm_interface, 1);
    } else if (strcmp(interface, zwlr_layer_shell_v1_interface.name) == 0) {
        layer_shell = wl_registry_bind(registry, name, &zwlr_layer_shell_v1_interface, 1);
    } else if (strcmp(interface, wl_output_interface.name) == 0 && version >= 3) {
        struct Output* out = calloc(1, sizeof *out);
        out->name = name;
        out->scale = 1;
        out->output = wl_registry_bind(registry, name, &wl_output_interface, 3);
        wl_output_add_listener(out->output, &output_events, out);
        out->next = outputs;
        outputs = out;
    }
}

static void OnGlobalRemove(void* data, struct wl_registry* registry, uint32_t name)
{
    (void)data, (void)registry;
    for (struct Output** link = &outputs; *link; link = &(*link)->next) {
        if ((*link)->name == name) {
            struct Output* gone = *link;
            *link = gone->next;
            DropOutput(gone);
            return;
        }
    }
}

static const struct wl_registry_listener registry_events = {.global = OnGlobal,
                                                            .global_remove = OnGlobalRemove};

static long long Now(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (long long)now.tv_sec * 1000000000LL + now.tv_nsec;
}

/* Reads whatever events have come, without waiting for more. */
static int ReadEvents(struct wl_display* display)
{
    while (wl_display_prepare_read(display) != 0) {
        if (wl_display_dispatch_pending(display) < 0) {
            return -1;
        }
    }
    struct pollfd readable = {.fd = wl_display_get_fd(display), .events = POLLIN};
    if (poll(&readable, 1, 0) > 0) {
        if (wl_display_read_events(display) < 0) {
            return -1;
        }
    } else {
        wl_display_cancel_read(display);
    }
    return wl_display_dispatch_pending(display);
}

int main(void)
{
    struct wl_display* display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "layer_shell_reference: cannot connect to the Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_events, NULL);
    wl_display_roundtrip(display); /* the globals */
    if (!compositor || !shm || !layer_shell) {
        fprintf(stderr, "layer_shell_reference: the compositor offers no layer shell\n");
        return 1;
    }
    wl_display_roundtrip(display); /* the outputs' scales and done: surfaces made */
    wl_display_roundtrip(display); /* their first configure: pictures committed */

    long long next_tick = Now() + kTickNs;
    for (;;) {
        wl_display_flush(display);
        struct timespec until = {(time_t)(next_tick / 1000000000LL),
                                 (long)(next_tick % 1000000000LL)};
        while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, NULL) == EINTR) {
        }
        next_tick += kTickNs;
        if (next_tick <= Now()) {
            next_tick = Now() + kTickNs;
        }
        if (ReadEvents(display) < 0) {
            fprintf(stderr, "layer_shell_reference: the Wayland compositor has gone\n");
            return 1;
        }
        for (struct Output* out = outputs; out; out = out->next) {
            if (out->width) {
                PictureTick(&out->picture);
                Present(out);
            }
        }
    }
}

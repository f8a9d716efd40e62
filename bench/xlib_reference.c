// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

/* xlib_reference: the least a program can spend on drelk's picture, for process_benchmark
 * to hold drelk against. Plain Xlib, no toolkit: a window of drelk's designed client size
 * (607 x 462 at 96 dpi) where, every 100 ms, a filled and outlined circle 25 pixels across
 * and ten 5-pixel round-capped lines 7 to 20 pixels long each move about 3 pixels. Each tick
 * clears the places they were by rectangle and draws them all again, straight onto the
 * window. The motion is its own simple, fixed pattern (the lines chase the circle): what
 * it costs is the point, not where things go.
 *
 * It wakes once a tick and for X events only, closes when the window manager asks it to
 * (WM_DELETE_WINDOW), and redraws everything on Expose.
 *
 *     xlib_reference
 */

#include "reference_picture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <errno.h>
#include <math.h>
#include <stdio.h>
#include <sys/select.h>
#include <time.h>

enum { kTickNs = 100 * 1000 * 1000 };

static XRectangle Around(double x1, double y1, double x2, double y2, double reach)
{
    const double left = floor(fmin(x1, x2) - reach), top = floor(fmin(y1, y2) - reach);
    const double right = ceil(fmax(x1, x2) + reach), bottom = ceil(fmax(y1, y2) + reach);
    XRectangle box = {(short)left, (short)top, (unsigned short)(right - left),
                      (unsigned short)(bottom - top)};
    return box;
}

/* Clears where every shape was (all of the window when `clear_all`) and draws them all. */
static void Draw(Display* display, Window window, GC gc, const struct Picture* picture,
                 XRectangle* drawn, int clear_all, unsigned long background,
                 unsigned long queen_fill, unsigned long black)
{
    XSetForeground(display, gc, background);
    if (clear_all) {
        XFillRectangle(display, window, gc, 0, 0, (unsigned)picture->width,
                       (unsigned)picture->height);
    } else {
        XFillRectangles(display, window, gc, drawn, kLines + 1);
    }
    XSetForeground(display, gc, black);
    XSetLineAttributes(display, gc, kPen, LineSolid, CapRound, JoinRound);
    for (int n = 0; n < kLines; ++n) {
        const double x1 = picture->head[n].x, y1 = picture->head[n].y;
        const double x2 = x1 - picture->length[n] * sin(picture->heading[n]);
        const double y2 = y1 - picture->length[n] * cos(picture->heading[n]);
        XDrawLine(display, window, gc, (int)lround(x1), (int)lround(y1), (int)lround(x2),
                  (int)lround(y2));
        drawn[n] = Around(x1, y1, x2, y2, kPen / 2.0 + 1.0);
    }
    const int qx = (int)lround(picture->queen.x), qy = (int)lround(picture->queen.y);
    XSetForeground(display, gc, queen_fill);
    XFillArc(display, window, gc, qx, qy, kQueen, kQueen, 0, 360 * 64);
    XSetForeground(display, gc, black);
    XSetLineAttributes(display, gc, 1, LineSolid, CapButt, JoinMiter);
    XDrawArc(display, window, gc, qx, qy, kQueen, kQueen, 0, 360 * 64);
    drawn[kLines] = Around(qx, qy, qx + kQueen, qy + kQueen, 1.0);
}

static unsigned long Colour(Display* display, int red, int green, int blue)
{
    XColor colour = {.red = (unsigned short)(red * 257),
                     .green = (unsigned short)(green * 257),
                     .blue = (unsigned short)(blue * 257)};
    XAllocColor(display, DefaultColormap(display, DefaultScreen(display)), &colour);
    return colour.pixel;
}

static long long Now(void)
{
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return (long long)now.tv_sec * 1000000000LL + now.tv_nsec;
}

int main(void)
{
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "xlib_reference: cannot open the X display\n");
        return 1;
    }
    const int screen = DefaultScreen(display);
    const unsigned long background = Colour(display, 239, 239, 239); /* Qt's window grey */
    const unsigned long queen_fill = Colour(display, 128, 128, 255);
    const unsigned long black = BlackPixel(display, screen);

    struct Picture picture;
    XRectangle drawn[kLines + 1]; /* where each shape was last drawn, the circle last */
    PictureStart(&picture, 607, 462);
    Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, (unsigned)picture.width,
                            (unsigned)picture.height, 0, black, background);
    XStoreName(display, window, "Xlib reference");
    Atom delete_window = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &delete_window, 1);
    XSelectInput(display, window, ExposureMask | StructureNotifyMask);
    GC gc = XCreateGC(display, window, 0, NULL);
    XMapWindow(display, window);

    int exposed = 0;
    long long next_tick = Now() + kTickNs;
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == Expose && event.xexpose.count == 0) {
                exposed = 1;
                Draw(display, window, gc, &picture, drawn, 1, background, queen_fill, black);
            } else if (event.type == ConfigureNotify) {
                picture.width = event.xconfigure.width;
                picture.height = event.xconfigure.height;
            } else if (event.type == ClientMessage &&
                       (Atom)event.xclient.data.l[0] == delete_window) {
                XCloseDisplay(display);
                return 0;
            }
        }
        const long long now = Now();
        if (now >= next_tick) {
            next_tick += kTickNs;
            if (next_tick <= now) {
                next_tick = now + kTickNs;
            }
            PictureTick(&picture);
            if (exposed) {
                Draw(display, window, gc, &picture, drawn, 0, background, queen_fill, black);
            }
        }
        XFlush(display);
        const long long wait = next_tick - Now();
        if (wait > 0) {
            fd_set readable;
            FD_ZERO(&readable);
            FD_SET(ConnectionNumber(display), &readable);
            struct timeval timeout = {(time_t)(wait / 1000000000LL),
                                      (suseconds_t)(wait % 1000000000LL / 1000)};
            if (select(ConnectionNumber(display) + 1, &readable, NULL, NULL, &timeout) < 0 &&
                errno != EINTR) {
                perror("xlib_reference: select");
                return 1;
            }
        }
    }
}

// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
/* The picture the hand-written references draw: a circle that wanders and ten lines that
 * chase it, moving as drelk's queen and drones do each tick (not the exact flight, the same
 * number and size of shapes moving as far), in logical pixels. */
#pragma once

enum { kLines = 10, kPen = 5, kQueen = 25 };
static const double kStep = 50.0 / 15.0; /* drelk's 50 twips a tick, at 96 dpi */

struct Point {
    double x, y;
};

struct Picture {
    int width, height;
    struct Point queen; /* top left of the circle's box */
    double queen_heading;
    struct Point head[kLines];
    double heading[kLines];
    double length[kLines];
    unsigned seed;
};

/* The same start on every run, spread over width x height. */
void PictureStart(struct Picture* picture, int width, int height);
/* One tick's movement. */
void PictureTick(struct Picture* picture);

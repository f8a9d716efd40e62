// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "reference_picture.h"

#include <math.h>

static double NextUnit(struct Picture* picture)
{
    picture->seed = picture->seed * 1103515245u + 12345u;
    return (double)((picture->seed >> 8) & 0xffffu) / 65536.0;
}

void PictureStart(struct Picture* picture, int width, int height)
{
    picture->width = width;
    picture->height = height;
    picture->seed = 1;
    picture->queen.x = width / 2.0;
    picture->queen.y = height / 2.0;
    picture->queen_heading = 0.0;
    for (int n = 0; n < kLines; ++n) {
        picture->head[n].x = width * NextUnit(picture);
        picture->head[n].y = height * NextUnit(picture);
        picture->heading[n] = 2.0 * M_PI * NextUnit(picture);
        picture->length[n] = 7.0 + 13.0 * NextUnit(picture);
    }
}

void PictureTick(struct Picture* picture)
{
    /* The circle wanders, turning a little each tick, and turns back at the margins. */
    picture->queen_heading += (NextUnit(picture) - 0.5) * 0.5;
    struct Point* queen = &picture->queen;
    queen->x += kStep * sin(picture->queen_heading);
    queen->y += kStep * cos(picture->queen_heading);
    const double margin = 2.0 * kQueen;
    if (queen->x < margin || queen->x > picture->width - margin || queen->y < margin ||
        queen->y > picture->height - margin) {
        picture->queen_heading += M_PI;
    }
    /* Each line turns a quarter of the way towards the circle and steps on. */
    for (int n = 0; n < kLines; ++n) {
        const double target = atan2(queen->x + kQueen / 2.0 - picture->head[n].x,
                                    queen->y + kQueen / 2.0 - picture->head[n].y);
        double turn = target - picture->heading[n];
        turn = atan2(sin(turn), cos(turn));
        picture->heading[n] += turn / 4.0;
        picture->head[n].x += kStep * sin(picture->heading[n]);
        picture->head[n].y += kStep * cos(picture->heading[n]);
    }
}

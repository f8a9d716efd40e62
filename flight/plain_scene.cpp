// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "flight/plain_scene.h"

namespace drelk {

void PlainScene::SetDroneLineX(int n, float x1, float x2)
{
    LineEnds& line = lines_[DroneLineIndex(n)];
    line.x1 = x1;
    line.x2 = x2;
}

void PlainScene::SetDroneLineY(int n, float y1, float y2)
{
    LineEnds& line = lines_[DroneLineIndex(n)];
    line.y1 = y1;
    line.y2 = y2;
}

} // namespace drelk

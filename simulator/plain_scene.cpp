#include "plain_scene.h"

#include "flight/flight_fault.h"

#include <string>

namespace drelk::sim {
namespace {

std::size_t LineIndex(int n)
{
    if (n < 1 || n > kDroneCount) {
        throw FlightFault("drone line " + std::to_string(n) + " does not exist (1..10)");
    }
    return static_cast<std::size_t>(n);
}

} // namespace

void PlainScene::SetDroneLineX(int n, float x1, float x2)
{
    LineEnds& line = lines_[LineIndex(n)];
    line.x1 = x1;
    line.x2 = x2;
}

void PlainScene::SetDroneLineY(int n, float y1, float y2)
{
    LineEnds& line = lines_[LineIndex(n)];
    line.y1 = y1;
    line.y2 = y2;
}

const LineEnds& PlainScene::Line(int n) const { return lines_[LineIndex(n)]; }

} // namespace drelk::sim

// One whole movement tick (queen and ten drones) against a scene that draws nothing.

#include "flight/designed_layout.h"
#include "flight/movement_tick.h"
#include "flight/scatter.h"

#include <benchmark/benchmark.h>

namespace {

using namespace drelk;

class NullScene final : public FlightScene {
public:
    float QueenLeft() const override { return left_; }
    float QueenTop() const override { return top_; }
    float QueenWidth() const override { return kQueenWidth; }
    float QueenHeight() const override { return kQueenHeight; }
    void SetQueenLeft(float left) override { left_ = left; }
    void SetQueenTop(float top) override { top_ = top; }
    float WindowWidth() const override { return kDesignedOuterWidth; }
    float WindowHeight() const override { return kDesignedOuterHeight; }
    void SetDroneLineX(int, float x1, float x2) override { benchmark::DoNotOptimize(x1 + x2); }
    void SetDroneLineY(int, float y1, float y2) override { benchmark::DoNotOptimize(y1 + y2); }

private:
    float left_ = kQueenStartLeft;
    float top_ = kQueenStartTop;
};

void MovementTick(benchmark::State& bench)
{
    NullScene scene;
    FlightState state;
    ClockRandom random(42);
    ScatterDrones(state, scene, random);
    for (auto _ : bench) {
        MovementTimer_Timer(state, scene, random);
        benchmark::DoNotOptimize(state);
    }
}
BENCHMARK(MovementTick);

} // namespace

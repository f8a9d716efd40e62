#include "tests/window/hive_harness.h"

#include "window/program_identity.h"

#include <QTest>

namespace drelk::tests {

void SendTick(window::Hive& hive)
{
    QTimerEvent tick(hive.MovementTimerId());
    QCoreApplication::sendEvent(&hive, &tick);
}

void ShowAndWait(window::Hive& hive)
{
    hive.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&hive));
    QCoreApplication::processEvents();
}

void ExpectSameElements(const window::Hive& hive, const PlainScene& scene)
{
    EXPECT_EQ(hive.QueenLeft(), scene.QueenLeft());
    EXPECT_EQ(hive.QueenTop(), scene.QueenTop());
    for (int n = 1; n <= kDroneCount; ++n) {
        const window::DroneLine& line = hive.Drone(n);
        const LineEnds& expected = scene.Line(n);
        EXPECT_EQ(line.X1(), expected.x1) << "drone " << n;
        EXPECT_EQ(line.Y1(), expected.y1) << "drone " << n;
        EXPECT_EQ(line.X2(), expected.x2) << "drone " << n;
        EXPECT_EQ(line.Y2(), expected.y2) << "drone " << n;
    }
}

} // namespace drelk::tests

#include "hive_harness.h"

#include "program_identity.h"

#include <QApplication>
#include <QTest>

namespace drelk::testing {
namespace {

// The application lives from the first test to the last; it is made in SetUp so that
// listing the tests needs no display.
class QtApplication final : public ::testing::Environment {
public:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "window_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QApplication(argc, argv);
        window::DescribeProgram();
    }
    void TearDown() override { delete app_; }

private:
    QApplication* app_ = nullptr;
};

[[maybe_unused]] const auto* const kApplication =
    ::testing::AddGlobalTestEnvironment(new QtApplication);

} // namespace

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

void ExpectSameElements(const window::Hive& hive, const sim::PlainScene& scene)
{
    EXPECT_EQ(hive.QueenLeft(), scene.QueenLeft());
    EXPECT_EQ(hive.QueenTop(), scene.QueenTop());
    for (int n = 1; n <= kDroneCount; ++n) {
        const window::DroneLine& line = hive.DroneAt(n);
        const sim::LineEnds& expected = scene.Line(n);
        EXPECT_EQ(line.X1(), expected.x1) << "drone " << n;
        EXPECT_EQ(line.Y1(), expected.y1) << "drone " << n;
        EXPECT_EQ(line.X2(), expected.x2) << "drone " << n;
        EXPECT_EQ(line.Y2(), expected.y2) << "drone " << n;
    }
}

} // namespace drelk::testing

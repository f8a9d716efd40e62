// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#include "flight/flight_fault.h"
#include "flight/heading.h"
#include "flight/numeric_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace drelk;

TEST(ToInt16, RoundsTiesToTheEvenNeighbour)
{
    EXPECT_EQ(ToInt16(0.5), 0);
    EXPECT_EQ(ToInt16(1.5), 2);
    EXPECT_EQ(ToInt16(2.5), 2);
    EXPECT_EQ(ToInt16(3.5), 4);
    EXPECT_EQ(ToInt16(-2.5), -2);
    EXPECT_EQ(ToInt16(-1.5), -2);
    EXPECT_EQ(ToInt16(-0.5), 0);
    // Just either side of a tie goes to the nearer integer.
    EXPECT_EQ(ToInt16(std::nextafter(2.5, 3.0)), 3);
    EXPECT_EQ(ToInt16(std::nextafter(2.5, 2.0)), 2);
    EXPECT_EQ(ToInt16(11.25000000000001), 11);
    EXPECT_EQ(ToInt16(13.7086), 14);
}

TEST(ToInt16, FaultsOutsideSixteenBits)
{
    EXPECT_EQ(ToInt16(32767.4), 32767);
    EXPECT_EQ(ToInt16(-32768.5), -32768); // the tie goes to the even -32768
    EXPECT_THROW(ToInt16(32767.5), FlightFault);
    EXPECT_THROW(ToInt16(-32768.6), FlightFault);
    EXPECT_THROW(ToInt16(std::numeric_limits<double>::quiet_NaN()), FlightFault);
    EXPECT_THROW(ToInt16(std::numeric_limits<double>::infinity()), FlightFault);
}

TEST(ToInt16, FaultMessageNamesTheRuleAndTheValue)
{
    try {
        ToInt16(40000.25);
        FAIL() << "no fault";
    } catch (const FlightFault& fault) {
        const std::string message = fault.what();
        EXPECT_NE(message.find("ToInt16"), std::string::npos) << message;
        EXPECT_NE(message.find("40000.25"), std::string::npos) << message;
        EXPECT_NE(message.find("-32768..32767"), std::string::npos) << message;
    }
}

TEST(FloorInt16, TakesTheGreatestIntegerNotAbove)
{
    EXPECT_EQ(FloorInt16(-0.25), -1);
    EXPECT_EQ(FloorInt16(359.999), 359);
    EXPECT_EQ(FloorInt16(0.0), 0);
    EXPECT_EQ(FloorInt16(32767.99), 32767);
    EXPECT_EQ(FloorInt16(-32768.0), -32768);
    EXPECT_THROW(FloorInt16(32768.0), FlightFault);
    EXPECT_THROW(FloorInt16(-32768.01), FlightFault);
}

TEST(ThirtyTwoBitConversions, KeepTheSameRulesOverAWiderRange)
{
    EXPECT_EQ(ToInt32(2.5), 2);
    EXPECT_EQ(ToInt32(32767.5), 32768);
    EXPECT_EQ(ToInt32(-40000.5), -40000);
    EXPECT_EQ(ToInt32(1000001.5), 1000002);
    EXPECT_EQ(FloorInt32(59999.99), 59999);
    EXPECT_EQ(FloorInt32(-0.25), -1);
    EXPECT_THROW(ToInt32(2147483647.5), FlightFault);
    EXPECT_THROW(FloorInt32(-2147483649.0), FlightFault);
    EXPECT_THROW(ToInt32(std::numeric_limits<double>::quiet_NaN()), FlightFault);
}

TEST(AddInt16, FaultsOnOverflow)
{
    EXPECT_EQ(AddInt16(359, -360), -1);
    EXPECT_EQ(AddInt16(32407, 360), 32767);
    EXPECT_THROW(AddInt16(32408, 360), FlightFault);
    EXPECT_THROW(AddInt16(-32767, -360), FlightFault);
}

TEST(OppositeHeading, PointsTheOtherWay)
{
    EXPECT_EQ(OppositeHeading(0), 180);
    EXPECT_EQ(OppositeHeading(179), 359);
    EXPECT_EQ(OppositeHeading(180), 0);
    EXPECT_EQ(OppositeHeading(359), 179);
    EXPECT_EQ(OppositeHeading(32587), 32407);
    EXPECT_THROW(OppositeHeading(32588), FlightFault);
}

TEST(DegreesToRadians, UsesThePiLiteral)
{
    const double quotient = 3.14159265358979 / 180.0;
    EXPECT_EQ(DegreesToRadians(90), quotient * 90.0);
    EXPECT_NE(DegreesToRadians(90), 3.141592653589793 / 2.0);
    EXPECT_EQ(DegreesToRadians(0), 0.0);
    // With the short π the sine of 180 degrees is 3.2e-15, not 0.
    EXPECT_NEAR(std::sin(DegreesToRadians(180)), 3.2e-15, 1e-16);
}

TEST(HeadingTable, MatchesSineAndCosineOfTheConvertedHeadingToTheBit)
{
    for (std::int16_t h = -400; h <= 800; ++h) {
        ASSERT_EQ(HeadingSin(h), std::sin(DegreesToRadians(h))) << h;
        ASSERT_EQ(HeadingCos(h), std::cos(DegreesToRadians(h))) << h;
    }
    // The short π leaves the sine of 90 degrees at exactly 1 and the cosine not quite 0.
    EXPECT_EQ(HeadingSin(270), -1.0);
    EXPECT_NE(HeadingCos(270), 0.0);
}

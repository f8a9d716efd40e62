// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

#pragma once

// The flight simulation's state and the display operations it works through.

#include <array>
#include <cstddef>
#include <cstdint>

namespace drelk {

inline constexpr int kDroneCount = 10;

// One drone: the head it flies with and the body trailing behind it. Positions are
// twips from the top-left of the client area. The head is held in 32 bits so that a
// window of any size can be flown; headings and lengths keep their 16 bits.
struct DroneState {
    std::int16_t Heading = 0; // degrees, 0 = down, 90 = right, 0..359 between ticks
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::int16_t Length = 0; // twips, 100..299, fixed after the scatter
};

// Everything that lives from one tick to the next. The queen's position is not here:
// it belongs to the queen on the display and is read and set through FlightScene.
struct FlightState {
    std::int16_t QueenHeading = 0;
    // Indexed by drone number 1..10, like the drone lines; record 0 is never used.
    std::array<DroneState, kDroneCount + 1> Drones{};
};

// The drone record for drone n, with a fault for any n outside the table.
DroneState& DroneRecord(FlightState& state, int n);

// Where drone line n (1..10) is kept in a table indexed by drone number; any other n is a
// fault. Every realisation of the scene's drone lines goes through it.
std::size_t DroneLineIndex(int n);

// Every way the flight code reaches the display. All values are single-precision twips;
// reads return what is current (the window's size follows every resize).
class FlightScene {
public:
    virtual float QueenLeft() const = 0;
    virtual float QueenTop() const = 0;
    virtual float QueenWidth() const = 0;
    virtual float QueenHeight() const = 0;
    virtual void SetQueenLeft(float left) = 0;
    virtual void SetQueenTop(float top) = 0;

    // The window's outer size, frame and caption included.
    virtual float WindowWidth() const = 0;
    virtual float WindowHeight() const = 0;

    // Drone line n (1..10) runs from its head (x1, y1) to its tail (x2, y2). The flight
    // code sets the across pair and the down pair in separate steps.
    virtual void SetDroneLineX(int n, float x1, float x2) = 0;
    virtual void SetDroneLineY(int n, float y1, float y2) = 0;

protected:
    ~FlightScene() = default;
};

} // namespace drelk

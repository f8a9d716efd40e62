#include "flight_state.h"

#include "flight_fault.h"

#include <string>

namespace drelk {

DroneState& DroneRecord(FlightState& state, int n)
{
    if (n < 0 || n >= static_cast<int>(state.Drones.size())) {
        throw FlightFault("drone record " + std::to_string(n) + " is outside the table 0..10");
    }
    return state.Drones[static_cast<std::size_t>(n)];
}

} // namespace drelk

// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT

// A tick must not touch the heap: the animation runs for hours at ten ticks a second.
// This binary replaces the global allocator to count every allocation.

#include "flight/designed_layout.h"
#include "flight/movement_tick.h"
#include "flight/plain_scene.h"
#include "flight/scatter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_allocations{0};
}

void* operator new(std::size_t size)
{
    ++g_allocations;
    if (void* p = std::malloc(size ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}
// GoogleTest allocates with the nothrow form and frees with the plain delete below: both must
// come from malloc, or AddressSanitizer reports a mismatch.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    ++g_allocations;
    return std::malloc(size ? size : 1);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

TEST(TickAllocations, NoHeapAllocationDuringTicks)
{
    using namespace drelk;
    PlainScene scene(kDesignedOuterWidth, kDesignedOuterHeight);
    FlightState state;
    MersenneRandom random(1);
    ScatterDrones(state, scene, random);

    const long before = g_allocations.load();
    for (int tick = 0; tick < 10000; ++tick) {
        MovementTimer_Timer(state, scene, random);
    }
    const long during = g_allocations.load() - before;
    EXPECT_EQ(during, 0);

    // The counter does see allocations, so a zero above means something.
    const long probe_before = g_allocations.load();
    int* probe = new int(1);
    asm volatile("" : : "g"(probe) : "memory"); // keep the compiler from eliding the pair
    delete probe;
    EXPECT_EQ(g_allocations.load() - probe_before, 1);
}

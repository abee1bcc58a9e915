// The check that a pointer handed in is a live stand-in object: each thread
// remembers the last object it found, which must not outlive a removal.
#include <live_registry.h>

#include <gtest/gtest.h>

#include <thread>

namespace {

using d3d12_standin::LiveRegistry;

TEST(LiveRegistry, AnObjectFoundAndThenRemovedIsNoLongerFound) {
    LiveRegistry<int> registry;
    int first = 0, second = 0;
    registry.Add(&first);
    registry.Add(&second);
    EXPECT_TRUE(registry.Contains(&first));
    EXPECT_TRUE(registry.Contains(&first)); // the remembered answer
    registry.Remove(&first);
    EXPECT_FALSE(registry.Contains(&first));
    EXPECT_TRUE(registry.Contains(&second));
    std::thread([&registry, &second] { registry.Remove(&second); }).join();
    EXPECT_FALSE(registry.Contains(&second)) << "removed by another thread";
    EXPECT_FALSE(registry.Contains(nullptr));
}

TEST(LiveRegistry, WhatOneRegistryFoundIsNotInAnother) {
    LiveRegistry<int> holding, other;
    int object = 0;
    holding.Add(&object);
    EXPECT_TRUE(holding.Contains(&object));
    EXPECT_FALSE(other.Contains(&object));
    EXPECT_TRUE(holding.Contains(&object));
}

TEST(LiveRegistry, EachThreadFindsTheObjectsStillLive) {
    LiveRegistry<int> registry;
    int object = 0;
    registry.Add(&object);
    bool foundElsewhere = false;
    std::thread([&] { foundElsewhere = registry.Contains(&object); }).join();
    EXPECT_TRUE(foundElsewhere);
    registry.Remove(&object);
    std::thread([&] { foundElsewhere = registry.Contains(&object); }).join();
    EXPECT_FALSE(foundElsewhere);
}

} // namespace

#pragma once

#include "PrivateBus.h"
#include "TestEnvironment.h"

#include <gtest/gtest.h>

#include <memory>

// A test with a session bus of its own; skipped where dbus-daemon cannot run. A fixture that
// does more in its SetUp checks IsSkipped() after calling this one.
class PrivateBusTest : public TestEnvironment
{
protected:
    void SetUp() override
    {
        TestEnvironment::SetUp();
        bus = std::make_unique<PrivateBus>();
        if (!bus->isRunning())
            GTEST_SKIP() << "dbus-daemon is not available";
    }
    std::unique_ptr<PrivateBus> bus;
};

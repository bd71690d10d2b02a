#pragma once

// The adapter layer opened on a scripted adapter: its state reset, the fake installed, the library
// loaded and channel 2 opened at 250 kbit/s. Returns the fake, which the layer owns.

#include "can/SlCan.h"
#include "can/ToolsCan.h"
#include "tests/can/FakeSlCanDriver.h"

#include <memory>

inline FakeSlCanDriver* OpenFakeBus() {
    CanResetState();
    auto fake = std::make_unique<FakeSlCanDriver>();
    FakeSlCanDriver* driver = fake.get();
    SlCanInstallDriver(std::move(fake));
    CanLoad();
    CanOpen(2, 8);
    return driver;
}

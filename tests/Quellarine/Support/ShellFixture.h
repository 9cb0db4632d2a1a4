#pragma once

#include "TestAppModel.h"

#include <gtest/gtest.h>

namespace quellarine::shelltest {

// The model of the menu-bar window and the application object, with what their tests do to it: an update
// found, the emergency gesture, and the settings as stored on disk.
class ShellFixture : public ::testing::Test, public quellarine::testing::TestAppModel {
protected:
    // What the settings file holds, read afresh from the disk once every write so far has been tried.
    QVariant stored(const QString& key) const { return storedSettings().value(key); }

    // Five presses of Control in 1 s: the emergency-off gesture.
    void pressControlFiveTimes()
    {
        for (int press = 0; press < 5; ++press) {
            model().handleModifiersChanged({.control = true}, 100 + press * 0.2);
            model().handleModifiersChanged({}, 100 + press * 0.2 + 0.05);
        }
    }
};

} // namespace quellarine::shelltest

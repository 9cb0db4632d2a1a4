#pragma once

#include <QTest>

#include <functional>

namespace quellarine::testing {

// Runs the event loop until the condition holds; false when it still does not after the time given.
inline bool eventually(const std::function<bool()>& condition, int milliseconds = 5000)
{
    return QTest::qWaitFor(condition, milliseconds);
}

} // namespace quellarine::testing

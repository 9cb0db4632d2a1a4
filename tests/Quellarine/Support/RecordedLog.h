#pragma once

#include "Quellarine/Desktop/SystemLog.h"

#include <QString>

#include <utility>
#include <vector>

namespace quellarine::testing {

// A log that keeps every message written to it, for a test to read.
class RecordedLog {
public:
    RecordedLog() = default;
    RecordedLog(const RecordedLog&) = delete;
    RecordedLog& operator=(const RecordedLog&) = delete;

    // The messages logged at this level, oldest first.
    std::vector<QString> messages(SystemLog::Level level) const
    {
        std::vector<QString> result;
        for (const auto& [entryLevel, message] : logged) {
            if (entryLevel == level) {
                result.push_back(message);
            }
        }
        return result;
    }

    std::vector<std::pair<SystemLog::Level, QString>> logged;
    SystemLog log{[this](SystemLog::Level level, const QString& message) { logged.emplace_back(level, message); }};
};

} // namespace quellarine::testing

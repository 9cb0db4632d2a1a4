#pragma once

#include "Quellarine/Desktop/Updater.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

namespace quellarine::testing {

// An updater that does nothing but record what it is asked and answer what the test sets.
class RecordingUpdater : public Updater {
public:
    bool canCheckForUpdates() const override { return canCheck; }
    bool automaticallyChecksForUpdates() const override { return automatic; }
    void setAutomaticallyChecksForUpdates(bool value) override
    {
        automatic = value;
        automaticWrites.push_back(value);
    }
    bool sessionInProgress() const override { return session; }
    std::optional<QDateTime> lastUpdateCheckDate() const override { return lastCheck; }
    void setUserAgentString(const QString& value) override { userAgent = value; }
    void checkForUpdatesInBackground() override { ++backgroundChecks; }
    void checkForUpdates() override { ++userChecks; }

    void setCanCheck(bool value)
    {
        canCheck = value;
        emit canCheckForUpdatesChanged();
    }

    bool canCheck = true;
    bool automatic = true;
    bool session = false;
    std::optional<QDateTime> lastCheck;
    QString userAgent;
    std::vector<bool> automaticWrites;
    int backgroundChecks = 0;
    int userChecks = 0;
};

} // namespace quellarine::testing

#pragma once

#include "QuellarineKit/Pointer/PersonalSetting.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <nlohmann/json_fwd.hpp>

#include <optional>

namespace quellarine {

class Defaults;

// The AI explanation of the last calibration result: the exchange's state and the one saved explanation.
class ExplainStore final : public QObject {
    Q_OBJECT

public:
    enum class Failure { offline, usedToday, busyToday, unavailable };

    struct State {
        enum class Kind { idle, asking, failed };
        Kind kind = Kind::idle;
        Failure failure = Failure::offline; // meaningful only when failed

        bool operator==(const State& other) const
        {
            return kind == other.kind && (kind != Kind::failed || failure == other.failure);
        }
    };

    struct Explanation {
        QString summary;
        QStringList points;
        std::optional<PersonalSetting> setting;
        double resultDate = 0; // seconds since 2001-01-01 UTC: the explained result's date

        bool operator==(const Explanation&) const = default;
    };

    static constexpr const char* savedKey = "profile.calibration.explanation";

    // Idle, with the saved explanation read back (none when it is absent or unreadable) and written again.
    explicit ExplainStore(Defaults& defaults, QObject* parent = nullptr);

    State state() const { return state_; }
    void setState(State value);
    const std::optional<Explanation>& saved() const { return saved_; }
    // Every assignment rewrites the setting; none, or a record that cannot be encoded, removes it.
    void setSaved(const std::optional<Explanation>& value);

signals:
    void stateChanged();
    void savedChanged();

private:
    Defaults& defaults_;
    State state_;
    std::optional<Explanation> saved_;
};

void to_json(nlohmann::json& json, const ExplainStore::Explanation& explanation);
void from_json(const nlohmann::json& json, ExplainStore::Explanation& explanation);

} // namespace quellarine

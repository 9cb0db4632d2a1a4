#pragma once

#include "Quellarine/Model/ProfileStore.h"

#include "QuellarineKit/Calibration/CalibrationResult.h"
#include "QuellarineKit/Pointer/PersonalSetting.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <nlohmann/json_fwd.hpp>

#include <chrono>
#include <optional>
#include <variant>

namespace quellarine {

class Defaults;
class ServiceClient;
class SystemLog;

// The AI explanation of the last calibration result: the exchange's state and the one saved explanation. It
// sends the result's numbers (never the recording, the name or the address) and keeps the answer across
// launches.
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
    // How long an explanation may take before it counts as offline.
    static constexpr std::chrono::seconds timeout{60};
    // The most of an answer that is read, and the most a stored explanation may take: a real answer is a few
    // kilobytes, so anything past this is not one.
    static constexpr qint64 sizeLimit = 64 * 1024;
    // The longest texts an explanation may hold, in UTF-16 code units: a paragraph and a short list. Within them the
    // stored record always fits in `sizeLimit`.
    static constexpr qsizetype summaryLimit = 2000;
    static constexpr qsizetype pointCountLimit = 12;
    static constexpr qsizetype pointLimit = 500;

    // Idle, with the saved explanation read back (none when it is absent, unreadable or larger than any answer,
    // which is logged) and written again.
    ExplainStore(Defaults& defaults, ServiceClient& client, const SystemLog& log, QObject* parent = nullptr);

    // Asks for an explanation of `result`; nothing happens while one is being asked for. The state follows the
    // reply; a good one replaces the saved explanation.
    void ask(const CalibrationResult& result, std::optional<ProfileStore::Device> device);
    // The saved explanation when it explains exactly this result.
    std::optional<Explanation> explanation(const CalibrationResult& result) const;
    // Why the last request failed, when it was made for exactly this result: a newer result starts without it.
    std::optional<Failure> failure(const CalibrationResult& result) const;
    // The text of exactly what `ask` would send.
    QString numbersPreview(const CalibrationResult& result, std::optional<ProfileStore::Device> device) const;
    // The language sent: the application's own, else "en".
    static QString lang();
    // What an answer of the service (its status and body) means for `result`: a failure, or the explanation to
    // keep. Texts past their limits make an answer unreadable.
    static std::variant<Failure, Explanation> interpret(int status, const QByteArray& body,
                                                        const CalibrationResult& result);

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
    ServiceClient& client_;
    State state_;
    std::optional<Explanation> saved_;
    std::optional<double> askedFor_; // the date of the result last asked about
};

void to_json(nlohmann::json& json, const ExplainStore::Explanation& explanation);
// Throws DecodingError for a record that is not an explanation or whose texts pass their limits.
void from_json(const nlohmann::json& json, ExplainStore::Explanation& explanation);

} // namespace quellarine

#pragma once

#include <QObject>
#include <QString>

#include <optional>

namespace quellarine {

class Defaults;

// What the user tells the application about their setup. For now: the pointing device they use, which the
// calibration test, the explanation and the feedback details read.
class ProfileStore final : public QObject {
    Q_OBJECT

public:
    enum class Device { mouse, trackpad, both };

    static constexpr const char* deviceKey = "profile.device";

    static QString rawValue(Device device);
    static std::optional<Device> deviceFromRaw(const QString& raw);

    explicit ProfileStore(Defaults& defaults, QObject* parent = nullptr);

    std::optional<Device> device() const { return device_; }
    // Written on every assignment; none removes the setting.
    void setDevice(std::optional<Device> value);

signals:
    void deviceChanged();

private:
    Defaults& defaults_;
    std::optional<Device> device_;
};

} // namespace quellarine

#include "Quellarine/Model/ProfileStore.h"

#include "Quellarine/Desktop/Defaults.h"

#include <array>

namespace quellarine {

namespace {

constexpr std::array<const char*, 3> deviceNames{"mouse", "trackpad", "both"};

} // namespace

QString ProfileStore::rawValue(Device device)
{
    return QString::fromLatin1(deviceNames.at(static_cast<std::size_t>(device)));
}

std::optional<ProfileStore::Device> ProfileStore::deviceFromRaw(const QString& raw)
{
    for (std::size_t index = 0; index < deviceNames.size(); ++index) {
        if (raw == QLatin1String(deviceNames[index])) {
            return static_cast<Device>(index);
        }
    }
    return std::nullopt;
}

ProfileStore::ProfileStore(Defaults& defaults, QObject* parent) : QObject(parent), defaults_(defaults)
{
    if (auto stored = defaults_.string(QString::fromLatin1(deviceKey))) {
        device_ = deviceFromRaw(*stored);
    }
}

void ProfileStore::setDevice(std::optional<Device> value)
{
    bool changed = device_ != value;
    device_ = value;
    const QString key = QString::fromLatin1(deviceKey);
    if (device_) {
        defaults_.setString(key, rawValue(*device_));
    } else {
        defaults_.remove(key);
    }
    if (changed) {
        emit deviceChanged();
    }
}

} // namespace quellarine

#pragma once

#include "Quellarine/Model/ProfilePhoto.h"

#include "QuellarineKit/Calibration/CalibrationResult.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QUrl>

#include <cstdint>
#include <functional>
#include <optional>

namespace quellarine {

class Defaults;
class SystemLog;

// What the user tells the application about themselves and their setup: name and e-mail, pointing device,
// appearance, the last calibration result, the interface language and the photo. Every change is written to the
// settings the moment it is made; the photo is a file of its own.
//
// Each setter stores the value, tells observers only when it really changed, and then runs its save step (on
// every assignment for all but the details, which are written only when they change). Construction reads and
// never writes.
class ProfileStore final : public QObject {
    Q_OBJECT

public:
    enum class Device { mouse, trackpad, both };
    enum class Appearance { system, light, dark };

    struct Details {
        QString firstName;
        QString lastName;
        QString email;

        bool operator==(const Details&) const = default;
    };

    using PhotoError = ProfilePhoto::Error;
    // Called on the main thread when an import has ended: no error, or the reason it failed.
    using PhotoDone = std::function<void(std::optional<PhotoError>)>;

    // What the store needs of the desktop.
    struct Environment {
        // The folder that holds the photo file.
        QString photoFolder;
        // Shows the whole application in the chosen appearance.
        std::function<void(Appearance)> applyAppearance;
        // Starts the helper that starts the application again once this process has ended; true when it runs.
        std::function<bool()> startRelaunch;
        // Ends the application.
        std::function<void()> quit;
    };

    static constexpr const char* detailsKey = "profile.details";
    static constexpr const char* deviceKey = "profile.device";
    static constexpr const char* appearanceKey = "profile.appearance";
    static constexpr const char* calibrationKey = "profile.calibration";
    static constexpr const char* languageKey = "AppleLanguages";

    static constexpr int nameLimit = 60;
    static constexpr int emailLimit = 254;

    static QString rawValue(Device device);
    static std::optional<Device> deviceFromRaw(const QString& raw);
    static QString rawValue(Appearance appearance);
    static std::optional<Appearance> appearanceFromRaw(const QString& raw);

    // Drops control and format characters (tabs, line breaks, zero-width joiners) and keeps the first `limit`
    // Unicode scalars of the rest; a surrogate pair is one scalar and never split.
    static QString sanitize(const QString& text, int limit);

    ProfileStore(Defaults& defaults, const SystemLog& log, Environment environment, QObject* parent = nullptr);
    ~ProfileStore() override;

    const Details& details() const { return details_; }
    // Cleans each field first; written only when the cleaned value differs from the stored one.
    void setDetails(const Details& value);
    // First and last name joined by a space and trimmed; none when that leaves nothing.
    std::optional<QString> displayName() const;

    std::optional<Device> device() const { return device_; }
    // None removes the setting.
    void setDevice(std::optional<Device> value);

    Appearance appearance() const { return appearance_; }
    void setAppearance(Appearance value);
    // Shows the application in the stored appearance.
    void applyAppearance();

    const std::optional<CalibrationResult>& calibration() const { return calibration_; }
    // None, or a result that cannot be encoded, removes the setting.
    void setCalibration(const std::optional<CalibrationResult>& value);

    // The language chosen in the application; none follows the desktop's languages. Takes effect at the next start.
    const std::optional<QString>& language() const { return language_; }
    void setLanguage(const std::optional<QString>& value);
    // The language stored when the application started; never changes.
    const std::optional<QString>& launchLanguage() const { return launchLanguage_; }
    // Starts the application again, so that it runs in the chosen language. Ends this process only once the
    // language is on disk and the helper that starts the new copy runs; otherwise this one keeps running, says
    // why in the log and returns false.
    bool relaunch();

    // The decoded photo; null when there is none.
    const QImage& photo() const { return photo_; }
    const QString& photoPath() const { return photoPath_; }
    // Imports the image file off the main thread, stores it as the photo file and shows it. Imports run one after
    // another in the order chosen, so the last one chosen ends up as the photo.
    void setPhoto(const QUrl& url, PhotoDone done);
    // Deletes the photo file (after any import still running) and shows no photo.
    void removePhoto();

signals:
    void detailsChanged();
    void deviceChanged();
    void appearanceChanged();
    void calibrationChanged();
    void languageChanged();
    void photoChanged();

private:
    void readDetails();
    void readCalibration();
    void readLanguage();
    void writeLanguage();
    void assignPhoto(const QImage& image);

    Defaults& defaults_;
    const SystemLog& log_;
    Environment environment_;
    Details details_;
    std::optional<Device> device_;
    Appearance appearance_ = Appearance::system;
    std::optional<CalibrationResult> calibration_;
    std::optional<QString> language_;
    std::optional<QString> launchLanguage_;
    QImage photo_;
    QString photoPath_;
    // Photo work in the order it was asked for, one job at a time.
    QThreadPool photoWork_;
    // Numbers each photo request; a result older than the last removal is not shown.
    std::uint64_t photoRequests_ = 0;
    std::uint64_t lastRemoval_ = 0;
};

} // namespace quellarine

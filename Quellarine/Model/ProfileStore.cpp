#include "Quellarine/Model/ProfileStore.h"

#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Desktop/SystemLog.h"
#include "Quellarine/Model/RawNames.h"

#include "QuellarineKit/Support/DecodingError.h"

#include <QDir>
#include <QFile>

#include <nlohmann/json.hpp>

#include <array>

namespace quellarine {

namespace {

constexpr RawNames<ProfileStore::Device, 3> deviceNames{{"mouse", "trackpad", "both"}};
constexpr RawNames<ProfileStore::Appearance, 3> appearanceNames{{"system", "light", "dark"}};

QString key(const char* name)
{
    return QString::fromLatin1(name);
}

std::optional<QString> stringMember(const nlohmann::json& object, const char* name)
{
    const auto member = object.find(name);
    if (member == object.end() || !member->is_string()) {
        return std::nullopt;
    }
    return QString::fromStdString(member->get<std::string>());
}

} // namespace

QString ProfileStore::rawValue(Device device)
{
    return deviceNames.of(device);
}

std::optional<ProfileStore::Device> ProfileStore::deviceFromRaw(const QString& raw)
{
    return deviceNames.find(raw);
}

QString ProfileStore::rawValue(Appearance appearance)
{
    return appearanceNames.of(appearance);
}

std::optional<ProfileStore::Appearance> ProfileStore::appearanceFromRaw(const QString& raw)
{
    return appearanceNames.find(raw);
}

QString ProfileStore::sanitize(const QString& text, int limit)
{
    QString cleaned;
    int kept = 0;
    for (qsizetype at = 0; at < text.size() && kept < limit; ++at) {
        char32_t scalar = text[at].unicode();
        if (QChar::isHighSurrogate(scalar) && at + 1 < text.size() && text[at + 1].isLowSurrogate()) {
            scalar = QChar::surrogateToUcs4(text[at], text[at + 1]);
            ++at;
        } else if (QChar::isSurrogate(scalar)) {
            // A lone surrogate is not a character at all and could not be written as UTF-8: it goes too.
            continue;
        }
        const QChar::Category category = QChar::category(scalar);
        if (category == QChar::Other_Control || category == QChar::Other_Format) {
            continue;
        }
        cleaned.append(QString::fromUcs4(&scalar, 1));
        ++kept;
    }
    return cleaned;
}

ProfileStore::ProfileStore(Defaults& defaults, const SystemLog& log, Environment environment, QObject* parent)
    : QObject(parent)
    , defaults_(defaults)
    , log_(log)
    , environment_(std::move(environment))
{
    // One job at a time keeps imports and removals in the order the user asked for them.
    photoWork_.setMaxThreadCount(1);

    ProfilePhoto::createFolder(environment_.photoFolder);
    photoPath_ = QDir(environment_.photoFolder).filePath(QString::fromLatin1(ProfilePhoto::fileName));

    readDetails();
    if (auto stored = defaults_.string(key(deviceKey))) {
        device_ = deviceFromRaw(*stored);
    }
    if (auto stored = defaults_.string(key(appearanceKey))) {
        appearance_ = appearanceFromRaw(*stored).value_or(Appearance::system);
    }
    readCalibration();
    readLanguage();

    // The stored file is read and decoded off the main thread like an import, and shown when it arrives.
    const std::uint64_t request = ++photoRequests_;
    photoWork_.start([this, request, path = photoPath_] {
        QImage loaded = ProfilePhoto::load(path);
        QMetaObject::invokeMethod(
            this,
            [this, request, loaded = std::move(loaded)] {
                if (request > lastRemoval_) {
                    assignPhoto(loaded);
                }
            },
            Qt::QueuedConnection);
    });

    applyAppearance();
}

ProfileStore::~ProfileStore()
{
    // A job still running delivers to this object; it must end first. What it delivers afterwards is dropped.
    photoWork_.waitForDone();
}

void ProfileStore::readDetails()
{
    const auto stored = defaults_.json(key(detailsKey));
    if (!stored || !stored->is_object()) {
        return;
    }
    const auto firstName = stringMember(*stored, "firstName");
    const auto lastName = stringMember(*stored, "lastName");
    const auto email = stringMember(*stored, "email");
    if (!firstName || !lastName || !email) {
        return;
    }
    details_ = Details{sanitize(*firstName, nameLimit), sanitize(*lastName, nameLimit), sanitize(*email, emailLimit)};
}

void ProfileStore::readCalibration()
{
    // An undecodable value stays on disk until the next result replaces it.
    const auto stored = defaults_.json(key(calibrationKey));
    if (!stored) {
        return;
    }
    try {
        calibration_ = stored->get<CalibrationResult>();
    } catch (const DecodingError&) {
    } catch (const nlohmann::json::exception&) {
    }
}

void ProfileStore::readLanguage()
{
    const auto stored = defaults_.stringList(key(languageKey));
    if (stored && !stored->isEmpty()) {
        language_ = stored->first();
        launchLanguage_ = language_;
    }
}

void ProfileStore::setDetails(const Details& value)
{
    // Cleaned before it is stored, so observers only ever see the clean value.
    const Details cleaned{sanitize(value.firstName, nameLimit), sanitize(value.lastName, nameLimit),
                          sanitize(value.email, emailLimit)};
    if (cleaned == details_) {
        return;
    }
    details_ = cleaned;
    emit detailsChanged();
    const nlohmann::json encoded{{"firstName", details_.firstName.toStdString()},
                                 {"lastName", details_.lastName.toStdString()},
                                 {"email", details_.email.toStdString()}};
    try {
        defaults_.setJson(key(detailsKey), encoded);
    } catch (const EncodingError&) {
        // Clean text always encodes; were it not to, nothing is written, as nothing changed on disk.
    }
}

std::optional<QString> ProfileStore::displayName() const
{
    const QString joined = (details_.firstName + u' ' + details_.lastName).trimmed();
    return joined.isEmpty() ? std::nullopt : std::optional(joined);
}

void ProfileStore::setDevice(std::optional<Device> value)
{
    const bool changed = device_ != value;
    device_ = value;
    if (device_) {
        defaults_.setString(key(deviceKey), rawValue(*device_));
    } else {
        defaults_.remove(key(deviceKey));
    }
    if (changed) {
        emit deviceChanged();
    }
}

void ProfileStore::setAppearance(Appearance value)
{
    const bool changed = appearance_ != value;
    appearance_ = value;
    if (changed) {
        emit appearanceChanged();
    }
    defaults_.setString(key(appearanceKey), rawValue(appearance_));
    applyAppearance();
}

void ProfileStore::applyAppearance()
{
    if (environment_.applyAppearance) {
        environment_.applyAppearance(appearance_);
    }
}

void ProfileStore::setCalibration(const std::optional<CalibrationResult>& value)
{
    const bool changed = calibration_ != value;
    calibration_ = value;
    if (changed) {
        emit calibrationChanged();
    }
    if (calibration_) {
        try {
            defaults_.setJson(key(calibrationKey), nlohmann::json(*calibration_));
            return;
        } catch (const EncodingError&) {
            // A number that is not finite has no JSON spelling: the key goes, as for no result.
        }
    }
    defaults_.remove(key(calibrationKey));
}

void ProfileStore::setLanguage(const std::optional<QString>& value)
{
    const bool changed = language_ != value;
    language_ = value;
    if (changed) {
        emit languageChanged();
    }
    writeLanguage();
}

void ProfileStore::writeLanguage()
{
    if (language_) {
        defaults_.setStringList(key(languageKey), QStringList{*language_});
    } else {
        defaults_.remove(key(languageKey));
    }
}

bool ProfileStore::relaunch()
{
    // A new copy that read the old language would be a restart for nothing; a write that failed earlier is retried.
    writeLanguage();
    if (!defaults_.flush()) {
        log_.error(QStringLiteral("Not restarting in the chosen language: it could not be saved, so Quellarine "
                                  "keeps running"));
        return false;
    }
    if (!environment_.startRelaunch || !environment_.startRelaunch()) {
        log_.error(QStringLiteral("Not restarting in the chosen language: the relaunch helper could not be "
                                  "started, so Quellarine keeps running"));
        return false;
    }
    if (environment_.quit) {
        environment_.quit();
    }
    return true;
}

void ProfileStore::assignPhoto(const QImage& image)
{
    // Two images are the same photo only when they are the same decoded picture; two null images are equal.
    const bool changed
        = image.isNull() != photo_.isNull() || (!image.isNull() && image.cacheKey() != photo_.cacheKey());
    photo_ = image;
    if (changed) {
        emit photoChanged();
    }
}

void ProfileStore::setPhoto(const QUrl& url, PhotoDone done)
{
    if (!url.isLocalFile()) {
        // Answered like any other import: later, never from inside this call.
        QMetaObject::invokeMethod(
            this,
            [done = std::move(done)] {
                if (done) {
                    done(PhotoError::unreadable);
                }
            },
            Qt::QueuedConnection);
        return;
    }
    const std::uint64_t request = ++photoRequests_;
    photoWork_.start([this, request, source = url.toLocalFile(), path = photoPath_, done = std::move(done)] {
        std::optional<PhotoError> error;
        QImage stored;
        auto result = ProfilePhoto::importFile(source, path);
        if (const auto* png = std::get_if<QByteArray>(&result)) {
            // Decoded here too: the main thread only swaps the picture in.
            stored = QImage::fromData(*png, "PNG");
        } else {
            error = std::get<PhotoError>(result);
        }
        QMetaObject::invokeMethod(
            this,
            [this, request, error, stored = std::move(stored), done] {
                if (!error && request > lastRemoval_) {
                    assignPhoto(stored);
                }
                if (done) {
                    done(error);
                }
            },
            Qt::QueuedConnection);
    });
}

void ProfileStore::removePhoto()
{
    lastRemoval_ = ++photoRequests_;
    photoWork_.start([path = photoPath_] { QFile::remove(path); });
    assignPhoto(QImage());
}

} // namespace quellarine

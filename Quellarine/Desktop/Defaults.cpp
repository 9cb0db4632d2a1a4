#include "Quellarine/Desktop/Defaults.h"

#include "Quellarine/Desktop/OwnFile.h"
#include "QuellarineKit/Support/DecodingError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <nlohmann/json.hpp>

#include <cmath>

namespace quellarine {

namespace {

bool isIntegerType(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

bool isString(const QVariant& value)
{
    return value.typeId() == QMetaType::QString;
}

// JSON has no spelling for NaN or infinity; the encoder would quietly write null instead.
bool allNumbersFinite(const nlohmann::json& value)
{
    if (value.is_number_float()) {
        return std::isfinite(value.get<double>());
    }
    if (value.is_structured()) {
        for (const auto& element : value) {
            if (!allNumbersFinite(element)) {
                return false;
            }
        }
    }
    return true;
}

// Settings are a few kilobytes; a file far larger is not ours.
constexpr std::int64_t fileSizeLimit = 16 << 20;

} // namespace

Defaults::Defaults()
    : Defaults(userFilePath())
{
}

Defaults::Defaults(const QString& filePath)
    : filePath_(QFileInfo(filePath).absoluteFilePath())
    , copyFolder_(std::make_unique<QTemporaryDir>())
{
    QByteArray stored;
    auto read = OwnFile::read(filePath_, fileSizeLimit);
    if (auto* bytes = std::get_if<QByteArray>(&read)) {
        stored = std::move(*bytes);
    } else if (const auto reason = std::get<OwnFile::Unread>(read); reason != OwnFile::Unread::missing) {
        readProblem_ = QStringLiteral("Settings at %1 were not read, as %2; starting from the defaults")
                           .arg(filePath_, OwnFile::describe(reason));
    }
    QFile copy(copyFolder_->filePath(QStringLiteral("settings.ini")));
    if (copy.open(QIODevice::WriteOnly)) {
        copy.write(stored);
    }
    copy.close();
    settings_ = openCopy();
}

QString Defaults::userFilePath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("temrid/Quellarine.ini"));
}

std::unique_ptr<QSettings> Defaults::openCopy() const
{
    auto settings
        = std::make_unique<QSettings>(copyFolder_->filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    settings->setFallbacksEnabled(false);
    return settings;
}

void Defaults::setProblemLog(ProblemLog log)
{
    problemLog_ = std::move(log);
    if (problemLog_ && !readProblem_.isEmpty()) {
        problemLog_(std::exchange(readProblem_, QString()));
    }
}

Defaults::~Defaults() = default;

Defaults& Defaults::standard()
{
    static Defaults defaults;
    return defaults;
}

void Defaults::registerDefaults(const QVariantMap& values)
{
    for (auto it = values.begin(); it != values.end(); ++it) {
        registered_.insert(it.key(), it.value());
    }
}

bool Defaults::contains(const QString& key) const
{
    return value(key).has_value();
}

std::optional<QVariant> Defaults::value(const QString& key) const
{
    if (settings_->contains(key)) {
        return settings_->value(key);
    }
    if (auto it = registered_.find(key); it != registered_.end()) {
        return it.value();
    }
    return std::nullopt;
}

std::optional<bool> Defaults::boolean(const QString& key) const
{
    auto stored = value(key);
    if (!stored) {
        return std::nullopt;
    }
    if (stored->typeId() == QMetaType::Bool) {
        return stored->toBool();
    }
    if (isIntegerType(*stored)) {
        return stored->toLongLong() != 0;
    }
    if (isString(*stored)) {
        // The file keeps every scalar as text.
        QString text = stored->toString().trimmed().toLower();
        if (text == u"true" || text == u"1") {
            return true;
        }
        if (text == u"false" || text == u"0") {
            return false;
        }
    }
    return std::nullopt;
}

std::optional<QString> Defaults::string(const QString& key) const
{
    auto stored = value(key);
    if (!stored) {
        return std::nullopt;
    }
    if (isString(*stored) || stored->typeId() == QMetaType::Bool || isIntegerType(*stored)
        || stored->typeId() == QMetaType::Double) {
        return stored->toString();
    }
    return std::nullopt;
}

std::optional<QStringList> Defaults::stringList(const QString& key) const
{
    auto stored = value(key);
    if (!stored) {
        return std::nullopt;
    }
    if (stored->typeId() == QMetaType::QStringList) {
        return stored->toStringList();
    }
    if (isString(*stored)) {
        return QStringList{stored->toString()};
    }
    if (stored->typeId() == QMetaType::QVariantList) {
        QStringList strings;
        for (const QVariant& element : stored->toList()) {
            if (!isString(element)) {
                return std::nullopt;
            }
            strings.append(element.toString());
        }
        return strings;
    }
    return std::nullopt;
}

std::optional<QByteArray> Defaults::data(const QString& key) const
{
    auto stored = value(key);
    if (!stored || stored->typeId() != QMetaType::QByteArray) {
        return std::nullopt;
    }
    return stored->toByteArray();
}

std::optional<nlohmann::json> Defaults::json(const QString& key) const
{
    auto bytes = data(key);
    if (!bytes) {
        return std::nullopt;
    }
    auto parsed = nlohmann::json::parse(bytes->cbegin(), bytes->cend(), nullptr, false);
    if (parsed.is_discarded()) {
        return std::nullopt;
    }
    return parsed;
}

bool Defaults::setBool(const QString& key, bool value)
{
    settings_->setValue(key, value);
    return commit();
}

bool Defaults::setString(const QString& key, const QString& value)
{
    settings_->setValue(key, value);
    return commit();
}

bool Defaults::setData(const QString& key, const QByteArray& value)
{
    settings_->setValue(key, value);
    return commit();
}

bool Defaults::setStringList(const QString& key, const QStringList& value)
{
    settings_->setValue(key, value);
    return commit();
}

bool Defaults::setJson(const QString& key, const nlohmann::json& value)
{
    if (!allNumbersFinite(value)) {
        throw EncodingError("\"" + key.toStdString() + "\" holds a number that is not finite");
    }
    std::string text;
    try {
        text = value.dump();
    } catch (const nlohmann::json::type_error& error) {
        throw EncodingError("\"" + key.toStdString() + "\" cannot be written as JSON: " + error.what());
    }
    return setData(key, QByteArray::fromStdString(text));
}

bool Defaults::setStrings(const QList<std::pair<QString, QString>>& values)
{
    for (const auto& [key, value] : values) {
        settings_->setValue(key, value);
    }
    return commit();
}

bool Defaults::remove(const QString& key)
{
    return remove(QStringList{key});
}

bool Defaults::remove(const QStringList& keys)
{
    for (const auto& key : keys) {
        // QSettings reads an empty key as "every key".
        if (!key.isEmpty()) {
            settings_->remove(key);
        }
    }
    return commit();
}

bool Defaults::commit()
{
    // QSettings goes on reporting its first error after every later sync. A fresh one over the same file, made
    // while the old one lives, shares its unsaved changes and reports this write as it really goes.
    const auto refresh = [this] { settings_ = openCopy(); };
    if (settings_->status() != QSettings::NoError) {
        refresh();
    }
    settings_->sync();
    if (settings_->status() == QSettings::FormatError) {
        // A line of the file that QSettings could not read counts as an error of the sync that first reads the
        // file, though that sync writes the file anew, without the line. Whether the write went through is
        // known from a fresh one.
        refresh();
        settings_->sync();
    }
    bool written = settings_->status() == QSettings::NoError;
    if (written) {
        // The copy now holds every setting; it replaces the user's file whole.
        QFile copy(settings_->fileName());
        const QByteArray bytes = copy.open(QIODevice::ReadOnly) ? copy.readAll() : QByteArray();
        // No settings and no file: there is nothing to write, and no file is made for it.
        const QFileInfo file(filePath_);
        const bool nothing = bytes.isEmpty() && !file.exists() && !file.isSymLink();
        written = (copy.isOpen() || !copy.exists())
            && (nothing || (QDir().mkpath(file.absolutePath()) && OwnFile::replace(filePath_, bytes)));
    }
    if (!written && !failing_ && problemLog_) {
        problemLog_(QStringLiteral("Settings could not be written to %1; changes last only until Quellarine quits")
                        .arg(filePath_));
    }
    failing_ = !written;
    return written;
}

} // namespace quellarine

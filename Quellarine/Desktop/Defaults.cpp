#include "Quellarine/Desktop/Defaults.h"

#include "Quellarine/Desktop/IniCodec.h"
#include "Quellarine/Desktop/OwnFile.h"
#include "Quellarine/Desktop/SettingsWriter.h"
#include "QuellarineKit/Support/DecodingError.h"

#include <QDir>
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

// QSettings takes "/a//b/" and "a/b" for one key.
QString normalized(const QString& key)
{
    return key.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

} // namespace

Defaults::Defaults()
    : Defaults(userFilePath())
{
}

Defaults::Defaults(const QString& filePath)
    : filePath_(QFileInfo(filePath).absoluteFilePath())
{
    // The file at the path is left as it is when the settings it holds could not be read into memory.
    bool keepFile = false;
    auto read = OwnFile::read(filePath_, fileSizeLimit);
    if (auto* bytes = std::get_if<QByteArray>(&read)) {
        if (auto values = IniCodec::decode(*bytes)) {
            stored_ = std::move(*values);
        } else {
            keepFile = true;
            readProblem_ = QStringLiteral("Settings at %1 could not be read, as no memory was left for them; the file "
                                          "is left as it is, and changes last only until Quellarine quits")
                               .arg(filePath_);
        }
    } else if (const auto reason = std::get<OwnFile::Unread>(read);
               reason == OwnFile::Unread::tooLarge || reason == OwnFile::Unread::failed) {
        // Not ours to overwrite: whatever it holds is kept under another name.
        const auto aside = OwnFile::setAside(filePath_,
                                             reason == OwnFile::Unread::tooLarge ? QStringLiteral("too-large")
                                                                                 : QStringLiteral("unreadable"));
        keepFile = !aside;
        readProblem_ = aside ? QStringLiteral("Settings at %1 were not read, as %2; the file was moved to %3, and "
                                              "Quellarine starts from the defaults")
                                   .arg(filePath_, OwnFile::describe(reason), *aside)
                             : QStringLiteral("Settings at %1 were not read, as %2, nor could the file be moved aside; "
                                              "it is left as it is, and changes last only until Quellarine quits")
                                   .arg(filePath_, OwnFile::describe(reason));
    } else if (reason != OwnFile::Unread::missing) {
        readProblem_ = QStringLiteral("Settings at %1 were not read, as %2; starting from the defaults")
                           .arg(filePath_, OwnFile::describe(reason));
    }
    if (!keepFile) {
        writer_ = std::make_unique<SettingsWriter>(filePath_, stored_);
    }
}

QString Defaults::userFilePath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("temrid/Quellarine.ini"));
}

void Defaults::setProblemLog(ProblemLog log)
{
    if (log && !readProblem_.isEmpty()) {
        log(std::exchange(readProblem_, QString()));
    }
    if (writer_) {
        writer_->setProblemLog(std::move(log));
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
    if (auto it = stored_.find(normalized(key)); it != stored_.end()) {
        return it.value();
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

void Defaults::setBool(const QString& key, bool value)
{
    change({{key, value}});
}

void Defaults::setString(const QString& key, const QString& value)
{
    change({{key, value}});
}

void Defaults::setData(const QString& key, const QByteArray& value)
{
    change({{key, value}});
}

void Defaults::setStringList(const QString& key, const QStringList& value)
{
    change({{key, value}});
}

void Defaults::setJson(const QString& key, const nlohmann::json& value)
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
    setData(key, QByteArray::fromStdString(text));
}

void Defaults::setStrings(const QList<std::pair<QString, QString>>& values)
{
    QList<SettingsChange> changes;
    for (const auto& [key, value] : values) {
        changes.append({key, value});
    }
    change(changes);
}

void Defaults::remove(const QString& key)
{
    remove(QStringList{key});
}

void Defaults::remove(const QStringList& keys)
{
    QList<SettingsChange> changes;
    for (const auto& key : keys) {
        changes.append({key, std::nullopt});
    }
    change(changes);
}

void Defaults::change(const QList<SettingsChange>& changes)
{
    QList<SettingsChange> made;
    for (const SettingsChange& change : changes) {
        // QSettings reads an empty key as "every key", and stores nothing under one.
        SettingsChange spelled{normalized(change.key), change.value};
        if (!spelled.key.isEmpty()) {
            spelled.applyTo(stored_);
            made.append(std::move(spelled));
        }
    }
    if (writer_ && !made.isEmpty()) {
        writer_->write(made);
    }
}

bool Defaults::flush() const
{
    return writer_ && writer_->flush();
}

} // namespace quellarine

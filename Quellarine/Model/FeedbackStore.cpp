#include "Quellarine/Model/FeedbackStore.h"

#include <array>

namespace quellarine {

namespace {

constexpr std::array<const char*, 5> topicNames{"bug", "idea", "confusing", "missing", "praise"};
constexpr std::array<const char*, 4> sourceNames{"sidebar", "menubar", "help", "profile"};

template <typename Enum, std::size_t N>
std::optional<Enum> fromNames(const std::array<const char*, N>& names, const QString& raw)
{
    for (std::size_t index = 0; index < N; ++index) {
        if (raw == QLatin1String(names[index])) {
            return static_cast<Enum>(index);
        }
    }
    return std::nullopt;
}

} // namespace

QString FeedbackStore::rawValue(Topic topic)
{
    return QString::fromLatin1(topicNames.at(static_cast<std::size_t>(topic)));
}

std::optional<FeedbackStore::Topic> FeedbackStore::topicFromRaw(const QString& raw)
{
    return fromNames<Topic>(topicNames, raw);
}

QString FeedbackStore::rawValue(Source source)
{
    return QString::fromLatin1(sourceNames.at(static_cast<std::size_t>(source)));
}

std::optional<FeedbackStore::Source> FeedbackStore::sourceFromRaw(const QString& raw)
{
    return fromNames<Source>(sourceNames, raw);
}

FeedbackStore::FeedbackStore(QObject* parent) : QObject(parent) {}

void FeedbackStore::setTopic(std::optional<Topic> value)
{
    if (topic_ != value) {
        topic_ = value;
        emit topicChanged();
    }
}

void FeedbackStore::setMessage(const QString& value)
{
    if (message_ != value) {
        message_ = value;
        emit messageChanged();
    }
}

void FeedbackStore::setEmail(const QString& value)
{
    if (email_ != value) {
        email_ = value;
        emit emailChanged();
    }
}

void FeedbackStore::setIncludeDetails(bool value)
{
    if (includeDetails_ != value) {
        includeDetails_ = value;
        emit includeDetailsChanged();
    }
}

void FeedbackStore::setSource(Source value)
{
    if (source_ != value) {
        source_ = value;
        emit sourceChanged();
    }
}

void FeedbackStore::setState(State value)
{
    if (!(state_ == value)) {
        state_ = value;
        emit stateChanged();
    }
}

} // namespace quellarine

#include "Quellarine/Model/FeedbackStore.h"

#include "Quellarine/Desktop/ServiceClient.h"
#include "Quellarine/Model/RawNames.h"
#include "Quellarine/Model/SpaceTrimming.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <array>

namespace quellarine {

namespace {

constexpr RawNames<FeedbackStore::Topic, 5> topicNames{{"bug", "idea", "confusing", "missing", "praise"}};
constexpr RawNames<FeedbackStore::Source, 4> sourceNames{{"sidebar", "menubar", "help", "profile"}};

} // namespace

QString FeedbackStore::rawValue(Topic topic)
{
    return topicNames.of(topic);
}

std::optional<FeedbackStore::Topic> FeedbackStore::topicFromRaw(const QString& raw)
{
    return topicNames.find(raw);
}

QString FeedbackStore::rawValue(Source source)
{
    return sourceNames.of(source);
}

std::optional<FeedbackStore::Source> FeedbackStore::sourceFromRaw(const QString& raw)
{
    return sourceNames.find(raw);
}

FeedbackStore::FeedbackStore(ServiceClient& client, QObject* parent)
    : QObject(parent)
    , client_(client)
{
}

QString FeedbackStore::trimmedMessage(const QString& message)
{
    return message.trimmed();
}

QString FeedbackStore::trimmedEmail(const QString& email)
{
    return trimmedOfSpaces(email);
}

int FeedbackStore::characterCount(const QString& text)
{
    return GraphemeCounter::count(text);
}

bool FeedbackStore::emailLooksValid() const
{
    const QString address = trimmedEmail(email_);
    if (address.isEmpty()) {
        return true;
    }
    // Something, an at sign, something with a full stop followed by at least two characters; none of the
    // characters that cannot stand in a plain address.
    static const QRegularExpression plausible(QStringLiteral(R"(\A[^@\s<>",;]+@[^@\s<>",;]+\.[^@\s<>",;]{2,}\z)"),
                                              QRegularExpression::UseUnicodePropertiesOption);
    return plausible.match(address).hasMatch();
}

bool FeedbackStore::canSend() const
{
    if (!topic_ || state_.kind == State::Kind::sending) {
        return false;
    }
    return messageLength() > 0 && messageLength() <= maxMessageLength && emailLooksValid();
}

QByteArray FeedbackStore::body(const Details& details) const
{
    QJsonObject context;
    if (includeDetails_) {
        for (auto entry = details.cbegin(); entry != details.cend(); ++entry) {
            context.insert(entry.key(), entry.value());
        }
    }
    QJsonObject object{
        {QStringLiteral("topic"), topic_ ? rawValue(*topic_) : QString()},
        {QStringLiteral("source"), rawValue(source_)},
        {QStringLiteral("message"), trimmedMessage(message_)},
        {QStringLiteral("rid"), rid_.toString(QUuid::WithoutBraces).toLower()},
        {QStringLiteral("context"), context},
    };
    if (const QString address = trimmedEmail(email_); !address.isEmpty()) {
        object.insert(QStringLiteral("email"), address);
    }
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

void FeedbackStore::send(const Details& details)
{
    if (!canSend()) {
        return;
    }
    setState({State::Kind::sending});
    // The body holds the form as it is now: what is typed while the message travels is not part of it.
    // Only the reply's status counts: its body is never read.
    client_.post(QStringLiteral("api/feedback"), body(details), timeout, ServiceClient::statusOnly, this,
                 [this](const ServiceReply& reply) {
                     if (reply.outcome == ServiceReply::Outcome::offline) {
                         setState({State::Kind::failed, Failure::offline});
                     } else if (reply.outcome != ServiceReply::Outcome::answered) {
                         setState({State::Kind::failed, Failure::unavailable});
                     } else if (reply.status == 200) {
                         setState({State::Kind::sent});
                     } else if (reply.status == 429) {
                         setState({State::Kind::failed, Failure::tooMany});
                     } else if (reply.status == 400) {
                         setState({State::Kind::failed, Failure::refused});
                     } else {
                         setState({State::Kind::failed, Failure::unavailable});
                     }
                 });
}

void FeedbackStore::reset()
{
    setTopic(std::nullopt);
    setMessage(QString());
    rid_ = QUuid::createUuid();
    setState({State::Kind::editing});
}

void FeedbackStore::copyMessage() const
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(trimmedMessage(message_));
}

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
        messageLength_.setText(trimmedMessage(message_));
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

#pragma once

#include "Quellarine/Model/GraphemeCounter.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <QUuid>

#include <chrono>
#include <optional>

namespace quellarine {

class ServiceClient;

// The feedback form: what the user is writing to the maker, where the page was opened from, and the sending of
// it. A failure never clears the form, so the user can send again or copy the message.
class FeedbackStore final : public QObject {
    Q_OBJECT

public:
    enum class Topic { bug, idea, confusing, missing, praise };
    enum class Source { sidebar, menubar, help, profile };
    enum class Failure { offline, tooMany, refused, unavailable };

    struct State {
        enum class Kind { failed, editing, sending, sent };
        Kind kind = Kind::editing;
        Failure failure = Failure::offline; // meaningful only when failed

        bool operator==(const State& other) const
        {
            return kind == other.kind && (kind != Kind::failed || failure == other.failure);
        }
    };

    static QString rawValue(Topic topic);
    static std::optional<Topic> topicFromRaw(const QString& raw);
    static QString rawValue(Source source);
    static std::optional<Source> sourceFromRaw(const QString& raw);

    // The application details sent with a message: text keys to text values.
    using Details = QMap<QString, QString>;

    // How long a send may take before it counts as offline.
    static constexpr std::chrono::seconds timeout{20};
    // The longest message that can be sent, in user-perceived characters after trimming.
    static constexpr int maxMessageLength = 4000;

    // An empty form with a new message identifier, sent through `client`.
    explicit FeedbackStore(ServiceClient& client, QObject* parent = nullptr);

    std::optional<Topic> topic() const { return topic_; }
    void setTopic(std::optional<Topic> value);
    const QString& message() const { return message_; }
    void setMessage(const QString& value);
    const QString& email() const { return email_; }
    void setEmail(const QString& value);
    bool includeDetails() const { return includeDetails_; }
    void setIncludeDetails(bool value);
    Source source() const { return source_; }
    void setSource(Source value);
    State state() const { return state_; }
    void setState(State value);
    const QUuid& rid() const { return rid_; }

    // The trimmed message's length in user-perceived characters, kept up to date as the message changes.
    int messageLength() const { return messageLength_.count(); }
    // Whether the address is empty or plausible, once trimmed of spaces and tabs.
    bool emailLooksValid() const;
    // Whether the form may be sent now: a topic, a message of 1 to 4,000 characters once trimmed, a plausible
    // address, and no send under way.
    bool canSend() const;
    // Sends what the form holds now, with `details` unless the user left them out; the state follows the reply.
    // Does nothing when the form cannot be sent.
    void send(const Details& details);
    // "Write Another": no topic, no message, a new identifier, editing again; the address and the details
    // choice stay.
    void reset();
    // "Copy the Message": the trimmed message on the clipboard as plain text.
    void copyMessage() const;

    // The message as it is sent: trimmed of white space and line breaks at both ends.
    static QString trimmedMessage(const QString& message);
    // The address as it is sent: trimmed of spaces and tabs at both ends, line breaks kept.
    static QString trimmedEmail(const QString& email);
    // User-perceived characters: an emoji, a flag or a letter with combining marks counts as one. Counts the
    // whole text; `messageLength` keeps the message's count at the cost of the change alone.
    static int characterCount(const QString& text);
    // The request's JSON body for this form and these details.
    QByteArray body(const Details& details) const;

signals:
    void topicChanged();
    void messageChanged();
    void emailChanged();
    void includeDetailsChanged();
    void sourceChanged();
    void stateChanged();

private:
    ServiceClient& client_;
    std::optional<Topic> topic_;
    QString message_;
    GraphemeCounter messageLength_; // of the trimmed message
    QString email_;
    bool includeDetails_ = true;
    Source source_ = Source::sidebar;
    State state_;
    QUuid rid_ = QUuid::createUuid();
};

} // namespace quellarine

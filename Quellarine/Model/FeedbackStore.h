#pragma once

#include <QObject>
#include <QString>
#include <QUuid>

#include <optional>

namespace quellarine {

// The feedback form: what the user is writing to the maker, and where the page was opened from.
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

    // An empty form with a new message identifier.
    explicit FeedbackStore(QObject* parent = nullptr);

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

signals:
    void topicChanged();
    void messageChanged();
    void emailChanged();
    void includeDetailsChanged();
    void sourceChanged();
    void stateChanged();

private:
    std::optional<Topic> topic_;
    QString message_;
    QString email_;
    bool includeDetails_ = true;
    Source source_ = Source::sidebar;
    State state_;
    QUuid rid_ = QUuid::createUuid();
};

} // namespace quellarine

#pragma once

#include "Quellarine/Model/FeedbackStore.h"

#include <QWidget>

#include <vector>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace quellarine {

class AppModel;
class Notice;
class ProminentButton;
class RadioGroup;
class ToggleSwitch;
class TopicTile;

// The feedback page: a form in five steps (topic, message, reply address, details, send) that becomes a
// thank-you card once the message is sent. Everything it shows follows the feedback store; everything it changes
// goes through it, so leaving the page and coming back shows the same form, failure or card.
class FeedbackPage final : public QWidget {
    Q_OBJECT

public:
    static constexpr int spacing = 26;
    // Past this many characters the message shows its count against the limit.
    static constexpr int counterFrom = 3600;

    explicit FeedbackPage(AppModel& model, QWidget* parent = nullptr);

    static QString failureSentence(FeedbackStore::Failure failure);

    // The form's parts; none while the thank-you card is shown.
    const std::vector<TopicTile*>& tiles() const { return tiles_; }
    QPlainTextEdit* editor() const { return editor_; }
    QLineEdit* emailField() const { return email_; }
    ToggleSwitch* detailsSwitch() const { return details_; }
    QPushButton* sendButton() const;
    QLabel* counter() const { return counter_; }
    QLabel* emailHint() const { return emailHint_; }
    QLabel* sendHint() const { return sendHint_; }
    // Shown only after a failed send.
    Notice* failureNotice() const { return failure_; }
    QPushButton* copyButton() const { return copy_; }
    // The thank-you card's parts; none while the form is shown.
    QLabel* thanksLine() const { return thanksLine_; }
    QPushButton* writeAnotherButton() const { return writeAnother_; }

private:
    void rebuild();
    QWidget* buildForm();
    QWidget* buildThanks();
    void refreshForm();
    void chooseTopic(FeedbackStore::Topic topic);
    void backToEditing();
    void send();

    AppModel& model_;
    FeedbackStore& store_;
    QWidget* body_ = nullptr;
    bool showingThanks_ = false;

    std::vector<TopicTile*> tiles_;
    RadioGroup* topicGroup_ = nullptr;
    QPlainTextEdit* editor_ = nullptr;
    QLabel* counter_ = nullptr;
    QLineEdit* email_ = nullptr;
    QLabel* emailHint_ = nullptr;
    ToggleSwitch* details_ = nullptr;
    QWidget* failureBox_ = nullptr;
    Notice* failure_ = nullptr;
    QPushButton* copy_ = nullptr;
    QProgressBar* spinner_ = nullptr;
    ProminentButton* send_ = nullptr;
    QLabel* sendHint_ = nullptr;
    QLabel* thanksLine_ = nullptr;
    QPushButton* writeAnother_ = nullptr;
};

} // namespace quellarine

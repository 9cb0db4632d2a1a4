#pragma once

#include "Quellarine/Desktop/UpdaterPrompt.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace quellarine {

// The updater's own window for the user's check: it shows the check running, then its outcome (no update, an
// update with the choice to install, skip or wait, or an error). Texts from the feed are shown as plain text.
class UpdaterWindow : public QDialog, public UpdaterPrompt {
    Q_OBJECT
public:
    enum class State { checking, noUpdate, updateFound, error };

    // Answers through `answers` as well as through its signals.
    explicit UpdaterWindow(Answers answers = {}, QWidget* parent = nullptr);
    ~UpdaterWindow() override;

    State state() const { return state_; }

    void showChecking() override;
    void showNoUpdate(const QString& appVersion) override;
    void showUpdateFound(const AppcastItem& item, const QString& appVersion) override;
    void showError(const QString& message) override;
    void present() override;

    void reject() override;

signals:
    // The window closes after each of these.
    void checkCancelled();
    void choiceMade(quellarine::UserUpdateChoice choice);
    // The window stays open.
    void versionHistoryRequested();
    void releaseNotesRequested();

private:
    QPushButton* addButton(const QString& text, const QString& objectName);
    void present(State state, const QString& heading, const QString& message);
    void choose(UserUpdateChoice choice);

    void reportClosed();

    Answers answers_;
    State state_ = State::checking;
    bool choiceReported_ = false;
    QLabel* heading_;
    QLabel* message_;
    QProgressBar* progress_;
    QPushButton* releaseNotes_;
    QDialogButtonBox* buttons_;
};

} // namespace quellarine

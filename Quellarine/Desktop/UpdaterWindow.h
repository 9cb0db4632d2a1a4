#pragma once

#include "Quellarine/Desktop/Updater.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace quellarine {

// The updater's own window for the user's check: it shows the check running, then its outcome (no update, an
// update with the choice to install, skip or wait, or an error). Texts from the feed are shown as plain text.
class UpdaterWindow : public QDialog {
    Q_OBJECT
public:
    enum class State { checking, noUpdate, updateFound, error };

    explicit UpdaterWindow(QWidget* parent = nullptr);

    State state() const { return state_; }

    void showChecking();
    void showNoUpdate(const QString& appVersion);
    void showUpdateFound(const AppcastItem& item, const QString& appVersion);
    void showError(const QString& message);

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

    State state_ = State::checking;
    bool choiceReported_ = false;
    QLabel* heading_;
    QLabel* message_;
    QProgressBar* progress_;
    QPushButton* releaseNotes_;
    QDialogButtonBox* buttons_;
};

} // namespace quellarine

#pragma once

#include <QWidget>

class QLabel;
class QPushButton;

namespace quellarine {

class AppModel;
class Card;
class SymbolLabel;

// The card that explains what Quellarine needs of this computer before it can steady the pointer, and offers
// the way to it. Without the permission it is a neutral card with a numbered first step, the command that gives
// it, the way there and a hint for when it still does not work; with it, a tinted card with a check mark; with it
// while the system still refuses the pointer, a warning that says what to do. It follows the model's permission
// watch live. The welcome window and the help page both show it.
class AccessibilityCard : public QWidget {
    Q_OBJECT

public:
    // What the card says: the access is needed, given, or given while the pointer still waits on the system.
    enum class State { needed, given, waiting };

    explicit AccessibilityCard(AppModel& model, QWidget* parent = nullptr);

    State state() const;
    Card* card() const { return card_; }
    SymbolLabel* headline() const { return headline_; }
    QLabel* explanation() const { return explanation_; }
    // Shown only while the permission is missing: the command that gives it, and the way to the full explanation.
    QLabel* command() const { return command_; }
    QPushButton* button() const { return button_; }
    QLabel* hint() const { return hint_; }

private:
    void refresh();

    AppModel& model_;
    Card* card_;
    SymbolLabel* headline_;
    QLabel* explanation_;
    QLabel* command_;
    QPushButton* button_;
    QLabel* hint_;
};

} // namespace quellarine

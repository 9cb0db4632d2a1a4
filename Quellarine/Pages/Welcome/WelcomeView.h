#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;

namespace quellarine {

class AccessibilityCard;
class AppModel;

// The content of the "welcome" window: the product in one sentence, what this computer needs before the
// pointer can be steadied, the global shortcuts, one research finding, the medical disclaimer, and one button
// that marks the welcome as seen and closes the window. The button reads "Start" once the pointer can be
// steadied and "Later" before; it is the window's default action, so Return presses it from anywhere but a
// control that takes Return itself, and it has the keyboard when the window opens. Escape leaves as "Later" does.
class WelcomeView : public QWidget {
    Q_OBJECT

public:
    static constexpr int width = 480;
    // Share of clicks during which the pointer moved, in the study the finding cites.
    static constexpr double findingShare = 0.281;
    static constexpr int findingSourceID = 1;
    // The setting that records the welcome as seen; only ever written true, and only here.
    static inline const QString welcomedKey = QStringLiteral("welcomed");

    // `dismissWindow` closes the window that shows the view.
    WelcomeView(AppModel& model, std::function<void()> dismissWindow, QWidget* parent = nullptr);

    AccessibilityCard* accessibilityCard() const { return accessibilityCard_; }
    QPushButton* button() const { return button_; }
    // What the shortcuts card says about the keys in this session, and about the five presses of Ctrl.
    QLabel* keysNote() const { return keysNote_; }
    QLabel* emergencyText() const { return emergencyText_; }

    // Its fixed width and the height its wrapped texts take at that width, so the window fits it exactly.
    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeShortcutsCard();
    QWidget* makeFinding();
    void refresh();
    void refreshKeys();
    void finish();

    AppModel& model_;
    std::function<void()> dismissWindow_;
    AccessibilityCard* accessibilityCard_;
    QPushButton* button_;
    QLabel* keysNote_ = nullptr;
    QLabel* emergencyText_ = nullptr;
    QPointer<QWidget> watchedWindow_;
};

} // namespace quellarine

#pragma once

#include "Quellarine/Components/TapArea.h"

#include <QString>

namespace quellarine {

class AppModel;
class Notice;

// The notice that smoothing was turned off by the emergency presses. It shows while the model says so, names
// the on/off shortcut as the keyboard labels it now, and one tap anywhere on it dismisses it. It is a stop of
// the keyboard's focus too, dismissed there with Space, Return or Enter, and reads as a button.
class EmergencyNotice : public TapArea {
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 10;

    explicit EmergencyNotice(AppModel& model, QWidget* parent = nullptr);

    // Names the on/off keys only where they work, in the desktop's words where it assigned them.
    static QString text(const AppModel& model);
    // Shows or hides the notice as the model says, rebuilding its text when the shortcut's name changed.
    void refresh();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void dismiss();

    AppModel& model_;
    Notice* content_ = nullptr;
    // Draws the focus ring over the notice's own fill.
    QWidget* ring_;
};

} // namespace quellarine

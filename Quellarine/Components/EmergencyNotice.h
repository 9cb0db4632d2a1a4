#pragma once

#include "Quellarine/Components/TapArea.h"

#include <QString>

namespace quellarine {

class AppModel;
class Notice;

// The notice that smoothing was turned off by the emergency presses. It shows while the model says so, names
// the on/off shortcut as the keyboard labels it now, and one tap anywhere on it dismisses it.
class EmergencyNotice : public TapArea {
    Q_OBJECT

public:
    explicit EmergencyNotice(AppModel& model, QWidget* parent = nullptr);

    static QString text();
    // Shows or hides the notice as the model says, rebuilding its text when the shortcut's name changed.
    void refresh();

private:
    AppModel& model_;
    Notice* content_ = nullptr;
};

} // namespace quellarine

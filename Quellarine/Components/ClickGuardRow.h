#pragma once

#include <QWidget>

namespace quellarine {

class AppModel;
class ToggleSwitch;

// The click-guard switch with its name and explanation. The whole text area flips the guard like the switch
// does; to assistive technology only the switch is there, named "Click guard".
class ClickGuardRow : public QWidget {
    Q_OBJECT

public:
    ClickGuardRow(AppModel& model, bool large, QWidget* parent = nullptr);

    bool large() const { return large_; }
    ToggleSwitch& toggle() const { return *switch_; }
    // The symbol, title and explanation, which respond to a click as one area.
    QWidget& tapArea() const { return *tapArea_; }

private:
    AppModel& model_;
    bool large_;
    QWidget* tapArea_;
    ToggleSwitch* switch_;
};

} // namespace quellarine

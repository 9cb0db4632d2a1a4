#pragma once

#include <QWidget>

class QLabel;

namespace quellarine {

// One setting of the profile page: its name at the leading edge and its control at the trailing edge, at least
// 12 pixels apart. The name labels the control for assistive technology.
class ProfileRow : public QWidget {
    Q_OBJECT

public:
    static constexpr int spacing = 12;

    // Takes ownership of `control`; `label` is already localised.
    ProfileRow(const QString& label, QWidget* control, QWidget* parent = nullptr);

    QLabel& label() const { return *label_; }
    QWidget& control() const { return *control_; }

private:
    QLabel* label_;
    QWidget* control_;
};

} // namespace quellarine

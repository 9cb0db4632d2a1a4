#pragma once

#include "Quellarine/Model/ProfileStore.h"

#include "Quellarine/Components/DrawnButton.h"

namespace quellarine {

class SpringAnimation;

// One pointing device as a card of the profile page: its symbol over its name. The device in use is filled with
// the brand gradient and grows a little; the others are faintly filled and outlined. Assistive technology hears
// a button that is checked while its device is the one chosen.
class DeviceOption : public DrawnButton {
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 12;
    static constexpr int verticalPadding = 12;
    static constexpr int symbolSize = 22;
    static constexpr int spacing = 6;
    static constexpr qreal selectedScale = 1.03;

    explicit DeviceOption(ProfileStore::Device device, QWidget* parent = nullptr);

    ProfileStore::Device device() const { return device_; }
    static QString title(ProfileStore::Device device);
    static QString symbol(ProfileStore::Device device);

    bool selected() const { return isChecked(); }
    // Shown without telling anyone: only a click chooses.
    void setSelected(bool selected);
    // The scale the card is drawn at now.
    qreal scale() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    // A click chooses the device; it never unchecks the chosen one.
    void nextCheckState() override {}

private:
    qreal titleHeight() const;

    ProfileStore::Device device_;
    SpringAnimation* grow_;
};

} // namespace quellarine

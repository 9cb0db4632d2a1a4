#pragma once

#include "Quellarine/Components/DrawnButton.h"

class QVariantAnimation;

namespace quellarine {

class AppModel;

// The card at the foot of the main window's sidebar that leads to the profile page, the only way there: the
// user's avatar and name. Its background is strongest while the profile page is shown and lighter while the
// pointer is over it.
class ProfileCard : public DrawnButton {
    Q_OBJECT

public:
    static constexpr int padding = 12;
    static constexpr qreal cornerRadius = 12;
    static constexpr int spacing = 11;
    static constexpr qreal avatarSize = 46;
    static constexpr qreal nameSize = 16;
    // The name shrinks this far before it is cut short.
    static constexpr qreal nameMinimumScale = 0.8;

    explicit ProfileCard(AppModel& model, QWidget* parent = nullptr);

    bool hovered() const { return hovered_; }
    // The opacity of the secondary colour filling the background, as now drawn.
    qreal backgroundOpacity() const;
    // The name as drawn: its font, shrunk to fit where needed, and its text, cut short when even that is too long.
    QFont nameFont() const;
    QString shownName() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    qreal targetOpacity() const;
    QRectF avatarRect() const;
    QRectF chevronRect() const;
    QRectF nameRect() const;
    void refresh();
    void setHovered(bool hovered);

    AppModel& model_;
    bool hovered_ = false;
    QVariantAnimation* fade_;
};

} // namespace quellarine

#pragma once

#include "QuellarineKit/Pointer/GlobalHotKey.h"

#include <QString>
#include <QWidget>

#include <optional>

class QLabel;
class QSpacerItem;

namespace quellarine {

// What the mode banner shows, top to bottom and centred: the application's logo and name, the mode's name in
// large type, one sentence about it and, when given, the key caps of the next-mode shortcut with "next mode".
class ModeBanner final : public QWidget {
    Q_OBJECT

public:
    // The bounds of the stack of rows; the padding comes on top.
    static constexpr int minimumWidth = 260;
    static constexpr int maximumWidth = 460;
    static constexpr int horizontalPadding = 32;
    static constexpr int verticalPadding = 20;
    static constexpr int spacing = 6;

    ModeBanner(QString title, QString detail, std::optional<GlobalHotKey::Shortcut> shortcut,
               QWidget* parent = nullptr);

    const QString& title() const { return title_; }
    const QString& detail() const { return detail_; }
    const std::optional<GlobalHotKey::Shortcut>& shortcut() const { return shortcut_; }

    // The size the banner asks for: its rows as wide as the widest needs (within the minimum and maximum width,
    // long texts wrapping at the maximum) and as tall as they are at that width, with the padding around them.
    QSize fittingSize() const;

    QSize sizeHint() const override { return fittingSize(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int headerWidth() const;

    QString title_;
    QString detail_;
    std::optional<GlobalHotKey::Shortcut> shortcut_;

    // The header is painted rather than made of widgets, so that assistive technology skips it.
    QSpacerItem* header_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* detailLabel_ = nullptr;
    QWidget* shortcutRow_ = nullptr;
};

} // namespace quellarine

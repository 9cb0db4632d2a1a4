#pragma once

#include "Quellarine/Model/MainSection.h"

#include "Quellarine/Components/DrawnButton.h"

namespace quellarine {

class SpringAnimation;

// One row of the main window's sidebar: the section's symbol, white on a tile of the section's tint, then its
// title, and on the What's New row a red dot while there is something new. The row of the current section is
// highlighted and its tile grows a little with a springy bounce. Assistive technology reads the row as one
// page tab, selected while current. A click, Space, Return or Enter chooses the row; whether it becomes current is the
// window's decision, so a click never unchecks the row by itself.
class SidebarRow : public DrawnButton {
    Q_OBJECT

public:
    static constexpr int tileSide = 30;
    static constexpr qreal tileRadius = 8;
    static constexpr qreal currentScale = 1.08;
    static constexpr int spacing = 10;
    static constexpr int verticalPadding = 6;
    // Inside the highlight, around the row's content.
    static constexpr int horizontalPadding = 8;
    static constexpr qreal titlePixelSize = 15;
    static constexpr int titleLines = 2;
    static constexpr qreal smallestTitleScale = 0.9;
    static constexpr int dotSide = 8;
    static constexpr int dotMinimumGap = 4;

    explicit SidebarRow(MainSection section, QWidget* parent = nullptr);

    MainSection section() const { return section_; }

    // Whether the row is highlighted as the current section; its tile grows (animated) or shrinks back.
    bool isCurrent() const { return isChecked(); }
    void setCurrent(bool current);

    bool showsNewDot() const { return newDot_; }
    void setShowsNewDot(bool shown);

    // The tile's scale as now drawn.
    qreal tileScale() const;
    // The title's size relative to 15 pixels (shrunk to fit two lines, never below 0.9) and whether it is cut.
    qreal titleScale() const;
    bool titleTruncated() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // Up or down was pressed on the row: the sidebar moves its choice by `step` rows.
    void stepRequested(int step);
    // Return or Enter was pressed on the current row: it means the shown page's own Return.
    void pageActionRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct TitleFit {
        qreal scale = 1.0;
        QStringList lines;
        bool truncated = false;
        qreal height = 0;
    };

    int titleWidth(int rowWidth) const;
    TitleFit fitTitle(int width) const;
    void refreshAccessibleText();

    MainSection section_;
    bool newDot_ = false;
    SpringAnimation* scale_;
};

} // namespace quellarine

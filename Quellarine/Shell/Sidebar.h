#pragma once

#include "Quellarine/Model/MainSection.h"

#include <QWidget>

#include <optional>
#include <vector>

class QVBoxLayout;

namespace quellarine {

class AppModel;
class OnOffCard;
class ProfileCard;
class SidebarRow;
class UpdateRow;

// The main window's sidebar: the application's name at the top, a row for each section of the sidebar list,
// and at the foot the on/off card, the update row and the profile card, pinned there while the window is tall
// enough for all of it; a shorter window scrolls the whole sidebar, its rows first in view. It highlights the row of
// the model's current section (none while the profile is shown) and marks What's New while it is unseen; choosing a row
// is reported, and the window decides what it does.
class Sidebar : public QWidget {
    Q_OBJECT

public:
    static constexpr int minimumWidth = 220;
    static constexpr int idealWidth = 250;
    static constexpr int maximumWidth = 300;
    // Between the sidebar's edges and its rows' highlight.
    static constexpr int listInset = 10;
    static constexpr int footerSpacing = 8;
    static constexpr int footerSideInset = 10;
    static constexpr int footerBottomInset = 12;

    explicit Sidebar(AppModel& model, QWidget* parent = nullptr);

    const std::vector<SidebarRow*>& rows() const { return rows_; }
    SidebarRow* row(MainSection section) const;
    // The row shown as current, if any.
    SidebarRow* currentRow() const;
    QWidget& header() const { return *header_; }
    QWidget& footer() const { return *footer_; }
    OnOffCard& onOffCard() const { return *onOffCard_; }
    UpdateRow& updateRow() const { return *updateRow_; }
    ProfileCard& profileCard() const { return *profileCard_; }

    QSize sizeHint() const override;

signals:
    // The user chose this row (a click, Space, or the arrow keys).
    void rowChosen(MainSection section);
    // Return on the current row: what Return does on the page shown.
    void pageActionRequested();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void refreshSelection();
    void refreshNewDot();
    void step(SidebarRow& from, int step);

    AppModel& model_;
    QWidget* header_;
    std::vector<SidebarRow*> rows_;
    QWidget* footer_;
    OnOffCard* onOffCard_;
    UpdateRow* updateRow_;
    ProfileCard* profileCard_;
};

} // namespace quellarine

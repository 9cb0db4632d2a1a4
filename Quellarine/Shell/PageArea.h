#pragma once

#include "Quellarine/Model/MainSection.h"
#include "Quellarine/Shell/PageContent.h"
#include "Quellarine/Components/FocusScrollArea.h"
#include "Quellarine/Components/Spring.h"

#include <QPixmap>
#include <QPointer>

namespace quellarine {

class AppModel;
class PageHost;
class PageTransition;
class SpringAnimation;

// The main window's detail column: the page of the current section in a vertical scroll view, at most 660
// pixels wide with 32 pixels around it, that block centred in the column. A change of section replaces the
// page with a new one: the old page fades out sinking 10 pixels while the new one fades in rising 10 pixels
// into place (only fading while motion is reduced).
class PageArea : public FocusScrollArea {
    Q_OBJECT

public:
    static constexpr int maximumPageWidth = 660;
    static constexpr int inset = 32;
    static constexpr qreal travel = 10;
    static constexpr Spring spring{.response = 0.3, .dampingFraction = 1.0};

    PageArea(AppModel& model, PageContent::OpenWindow openWindow, QWidget* parent = nullptr);
    ~PageArea() override;

    // The page shown now.
    QWidget* page() const;
    MainSection section() const { return section_; }

    // How far the change to the current page has come: 0 just begun, 1 done.
    qreal transitionProgress() const;
    // The transition's timeline.
    SpringAnimation& transition() const { return *transition_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showSection(MainSection section, bool animated);

    AppModel& model_;
    PageContent::OpenWindow openWindow_;
    MainSection section_;
    PageHost* host_;
    SpringAnimation* transition_;
    // What the leaving page looked like in the viewport, drawn over the new page while it fades out.
    QPixmap leaving_;
    QPointer<PageTransition> entering_;
    QWidget* overlay_ = nullptr;
};

} // namespace quellarine

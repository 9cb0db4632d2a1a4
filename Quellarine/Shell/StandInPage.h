#pragma once

#include "Quellarine/Model/MainSection.h"

#include <QWidget>

namespace quellarine {

class AppModel;

// The page of a section whose own page this build does not have yet: it names the section and nothing more.
// Shown for What's New it counts as having seen the release notes, as that page does.
class StandInPage : public QWidget {
    Q_OBJECT

public:
    StandInPage(AppModel& model, MainSection section, QWidget* parent = nullptr);

    MainSection section() const { return section_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppModel& model_;
    MainSection section_;
};

} // namespace quellarine

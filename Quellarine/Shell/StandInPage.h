#pragma once

#include "Quellarine/Model/MainSection.h"

#include <QWidget>

namespace quellarine {

// The page of a section whose own page this build does not have yet: it names the section and nothing more.
class StandInPage : public QWidget {
    Q_OBJECT

public:
    explicit StandInPage(MainSection section, QWidget* parent = nullptr);

    MainSection section() const { return section_; }

private:
    MainSection section_;
};

} // namespace quellarine

#include "Quellarine/Pages/Calibration/CalibrationView.h"

#include "Quellarine/Model/MainSection.h"
#include "Quellarine/Components/PageTitle.h"
#include "Quellarine/Pages/Calibration/ShortcutsSection.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quellarine {

CalibrationView::CalibrationView(AppModel& model, QWidget* parent)
    : QWidget(parent)
    , title_(new PageTitle(MainSection(MainSection::calibration).title(), QString(), this))
    , shortcuts_(new ShortcutsSection(model, this))
{
    title_->subtitleLabel()->hide();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    layout->addWidget(title_);
    layout->addWidget(shortcuts_);
    layout->addStretch(1);
}

} // namespace quellarine

#include "Quellarine/Shell/StandInPage.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Desktop/Typography.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quellarine {

StandInPage::StandInPage(AppModel& model, MainSection section, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , section_(section)
{
    auto* title = new QLabel(section.title(), this);
    title->setTextFormat(Qt::PlainText);
    title->setWordWrap(true);
    // The heading pages carry at their top.
    title->setFont(Typography::system(28, QFont::Bold, Typography::Design::rounded));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(title);
}

void StandInPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (section_ == MainSection::whatsNew) {
        model_.markWhatsNewSeen();
    }
}

} // namespace quellarine

#include "Quellarine/Shell/StandInPage.h"

#include "Quellarine/Desktop/Typography.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quellarine {

StandInPage::StandInPage(MainSection section, QWidget* parent)
    : QWidget(parent)
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

} // namespace quellarine

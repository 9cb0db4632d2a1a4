#include "Quellarine/Components/PageTitle.h"

#include "Quellarine/Components/Style/Typography.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quellarine {

PageTitle::PageTitle(const QString& title, const QString& subtitle, QWidget* parent)
    : QWidget(parent)
    , title_(new QLabel(title, this))
    , subtitle_(new QLabel(subtitle, this))
{
    title_->setTextFormat(Qt::PlainText);
    title_->setFont(Typography::system(28, QFont::Bold, Typography::Design::rounded));

    subtitle_->setTextFormat(Qt::PlainText);
    subtitle_->setFont(Typography::font(Typography::TextStyle::title3));
    subtitle_->setWordWrap(true);
    // The secondary text colour of the palette in effect, so it follows the appearance.
    subtitle_->setForegroundRole(QPalette::PlaceholderText);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(title_);
    layout->addWidget(subtitle_);
}

} // namespace quellarine

#include "Quellarine/Pages/Profile/ProfileSection.h"

#include "Quellarine/Components/Card.h"
#include "Quellarine/Components/PlainText.h"
#include "Quellarine/Components/Stacks.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quellarine {

ProfileSection::ProfileSection(const QString& title, const QString& footer, QWidget* parent)
    : QWidget(parent)
{
    auto* layout = verticalStack(this, spacing);
    if (!title.isEmpty()) {
        title_ = plainText(title, Typography::font(Typography::TextStyle::headline));
        title_->setContentsMargins(inset, 0, 0, 0);
        title_->setAccessibleName(title);
        layout->addWidget(title_);
    }
    auto* body = new QWidget;
    content_ = verticalStack(body, contentSpacing);
    card_ = new Card(body);
    layout->addWidget(card_);
    if (!footer.isEmpty()) {
        footer_ = plainText(footer, Typography::font(Typography::TextStyle::callout), true);
        footer_->setContentsMargins(inset, 0, inset, 0);
        layout->addWidget(footer_);
    }
}

} // namespace quellarine

#include "Quellarine/Pages/Welcome/AppTitle.h"

#include "Quellarine/Components/Style/Images.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace quellarine {

AppTitle::AppTitle(const QString& title, QWidget* subtitle, QWidget* parent)
    : QWidget(parent)
    , title_(new QLabel(title, this))
    , subtitle_(subtitle)
{
    title_->setTextFormat(Qt::PlainText);
    title_->setFont(Typography::system(24, QFont::Bold, Typography::Design::rounded));
    // Translated titles can be longer than a line.
    title_->setWordWrap(true);

    auto* text = new QVBoxLayout;
    text->setSpacing(4);
    text->addStretch(1);
    text->addWidget(title_);
    text->addWidget(subtitle_);
    text->addStretch(1);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    // The icon is painted into this space rather than being a child, so it stays out of the accessibility tree.
    row->addSpacing(iconSide + spacing);
    row->addLayout(text, 1);
    setMinimumHeight(iconSide);
}

QRect AppTitle::iconRect() const
{
    const int left = layoutDirection() == Qt::RightToLeft ? width() - iconSide : 0;
    return QRect(left, (height() - iconSide) / 2, iconSide, iconSide);
}

void AppTitle::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    Images::paint(painter, QRectF(iconRect()), QStringLiteral("AppIconImage"));
}

} // namespace quellarine

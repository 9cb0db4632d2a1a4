#include "Quellarine/Shell/ModeBanner.h"

#include "Quellarine/Components/Style/Images.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Components/KeyCaps.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QSpacerItem>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace quellarine {

namespace {

constexpr int logoSize = 18;
constexpr int headerSpacing = 6;
constexpr int headerBottomPadding = 4;
constexpr int shortcutTopPadding = 10;
// The application's palettes keep the secondary text colour in this role.
constexpr QPalette::ColorRole secondaryRole = QPalette::PlaceholderText;

QFont bannerFont(int pixelSize, QFont::Weight weight = QFont::Normal)
{
    return Typography::system(pixelSize, weight);
}

QFont headerFont()
{
    return bannerFont(13, QFont::DemiBold);
}

QString applicationName()
{
    return ModeBanner::tr("Quellarine");
}

// The width a text needs on one line.
int oneLineWidth(const QFont& font, const QString& text)
{
    const QFontMetrics metrics(font);
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    return widest + 2; // a little room so that rounding never wraps a text that fits
}

QLabel* makeLabel(const QString& text, const QFont& font, bool wraps, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setWordWrap(wraps);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

ModeBanner::ModeBanner(QString title, QString detail, std::optional<GlobalHotKey::Shortcut> shortcut, QWidget* parent)
    : QWidget(parent)
    , title_(std::move(title))
    , detail_(std::move(detail))
    , shortcut_(shortcut)
{
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(horizontalPadding, verticalPadding, horizontalPadding, verticalPadding);
    stack->setSpacing(spacing);

    const int headerHeight = std::max(logoSize, QFontMetrics(headerFont()).height());
    header_
        = new QSpacerItem(headerWidth(), headerHeight + headerBottomPadding, QSizePolicy::Fixed, QSizePolicy::Fixed);
    stack->addItem(header_);

    titleLabel_ = makeLabel(title_, bannerFont(28, QFont::DemiBold), true, this);
    stack->addWidget(titleLabel_);

    detailLabel_ = makeLabel(detail_, bannerFont(16), true, this);
    detailLabel_->setForegroundRole(secondaryRole);
    stack->addWidget(detailLabel_);

    if (shortcut_) {
        shortcutRow_ = new QWidget(this);
        auto* row = new QHBoxLayout(shortcutRow_);
        row->setContentsMargins(0, shortcutTopPadding, 0, 0);
        row->setSpacing(6);
        row->addWidget(new KeyCaps(*shortcut_, 1.0, shortcutRow_), 0, Qt::AlignVCenter);
        auto* shortcutLabel = makeLabel(tr("next mode"), bannerFont(14), false, shortcutRow_);
        shortcutLabel->setForegroundRole(secondaryRole);
        row->addWidget(shortcutLabel, 0, Qt::AlignVCenter);
        stack->addWidget(shortcutRow_, 0, Qt::AlignHCenter);
    }

    resize(fittingSize());
}

int ModeBanner::headerWidth() const
{
    return logoSize + headerSpacing + oneLineWidth(headerFont(), applicationName());
}

QSize ModeBanner::fittingSize() const
{
    int content = headerWidth();
    content = std::max(content, oneLineWidth(titleLabel_->font(), title_));
    content = std::max(content, oneLineWidth(detailLabel_->font(), detail_));
    if (shortcutRow_ != nullptr) {
        content = std::max(content, shortcutRow_->sizeHint().width());
    }
    const int width = std::clamp(content, minimumWidth, maximumWidth) + 2 * horizontalPadding;
    return {width, layout()->totalHeightForWidth(width)};
}

void ModeBanner::paintEvent(QPaintEvent* /*event*/)
{
    // The header: the logo and the application's name, centred in the space the layout keeps for it.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = header_->geometry();
    const int rowHeight = area.height() - headerBottomPadding;
    const int left = area.x() + (area.width() - headerWidth()) / 2;
    const QRect logo(left, area.y() + (rowHeight - logoSize) / 2, logoSize, logoSize);
    const QRect name(logo.right() + 1 + headerSpacing, area.y(), oneLineWidth(headerFont(), applicationName()),
                     rowHeight);
    Images::paint(painter, QStyle::visualRect(layoutDirection(), area, logo), QStringLiteral("LogoMark"));
    painter.setFont(headerFont());
    painter.setPen(palette().color(secondaryRole));
    painter.drawText(QStyle::visualRect(layoutDirection(), area, name), Qt::AlignVCenter, applicationName());
}

} // namespace quellarine

#include "Quellarine/Shell/Sidebar.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/FocusScrollArea.h"
#include "Quellarine/Shell/OnOffCard.h"
#include "Quellarine/Shell/ProfileCard.h"
#include "Quellarine/Shell/SidebarRow.h"
#include "Quellarine/Shell/UpdateRow.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/Style/Images.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QPainter>
#include <QVBoxLayout>

namespace quellarine {

namespace {

// The application's icon and name, with its maker under it; read by assistive technology as one element.
class SidebarHeader : public QWidget {
public:
    static constexpr int iconSide = 56;
    static constexpr int gap = 10;
    static constexpr int verticalPadding = 8;

    explicit SidebarHeader(QWidget* parent)
        : QWidget(parent)
    {
        // The product's name and maker stand as written in every language.
        setAccessibleName(QStringLiteral("%1, %2").arg(name(), maker()));
        AccessibleRole::set(*this, QAccessible::StaticText);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override
    {
        const int text = QFontMetrics(nameFont()).horizontalAdvance(name());
        return QSize(SidebarRow::horizontalPadding + iconSide + gap + text, iconSide + 2 * verticalPadding);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
        const qreal iconLeft
            = rightToLeft ? width() - SidebarRow::horizontalPadding - iconSide : SidebarRow::horizontalPadding;
        const QRectF icon(iconLeft, verticalPadding, iconSide, iconSide);
        Images::paint(painter, icon, QStringLiteral("AppIconImage"));

        const QFontMetricsF nameMetrics(nameFont());
        const QFontMetricsF makerMetrics(makerFont());
        const qreal lineGap = 2;
        const qreal textHeight = nameMetrics.height() + lineGap + makerMetrics.height();
        const qreal top = icon.center().y() - textHeight / 2;
        const qreal textLeft = rightToLeft ? 0 : icon.right() + gap;
        const qreal textWidth = rightToLeft ? icon.left() - gap : width() - textLeft;
        const Qt::Alignment align = Qt::AlignVCenter | Typography::leading(layoutDirection());
        painter.setFont(nameFont());
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(textLeft, top, textWidth, nameMetrics.height()), align,
                         nameMetrics.elidedText(name(), Qt::ElideRight, textWidth));
        painter.setFont(makerFont());
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(QRectF(textLeft, top + nameMetrics.height() + lineGap, textWidth, makerMetrics.height()),
                         align, makerMetrics.elidedText(maker(), Qt::ElideRight, textWidth));
    }

private:
    static QString name() { return QStringLiteral("Quellarine"); }
    static QString maker() { return QStringLiteral("by Temrid"); }
    static QFont nameFont() { return Typography::system(20, QFont::Bold, Typography::Design::rounded); }
    static QFont makerFont() { return Typography::system(13, QFont::Medium); }
};

// The foot of the sidebar; it draws the on/off card's shadow, which reaches beyond the card.
class SidebarFooter : public QWidget {
public:
    using QWidget::QWidget;

    void setCard(OnOffCard& card)
    {
        card_ = &card;
        connect(&card, &OnOffCard::shadowChanged, this, qOverload<>(&QWidget::update));
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        if (card_ == nullptr || !card_->isVisible()) {
            return;
        }
        QPainter painter(this);
        card_->paintShadow(painter, QRectF(card_->geometry()));
    }

private:
    OnOffCard* card_ = nullptr;
};

// What the sidebar scrolls: as tall as its rows and footer need at the width it has, so that a short window
// scrolls no further than its last control (a height found at a narrower width would leave a gap above the footer).
class SidebarContent : public QWidget {
public:
    using QWidget::QWidget;

    QSize minimumSizeHint() const override { return QSize(QWidget::minimumSizeHint().width(), 0); }
};

} // namespace

Sidebar::Sidebar(AppModel& model, QWidget* parent)
    : QWidget(parent)
    , model_(model)
{
    setMinimumWidth(minimumWidth);
    setMaximumWidth(maximumWidth);

    // The list, a stretch and the footer scroll as one: while the window is tall enough the stretch pins the
    // footer to the bottom; when it is too short (a small screen, large text) every row stays in view at the top
    // and the footer is scrolled to.
    auto* list = new QWidget;
    auto* listLayout = new QVBoxLayout(list);
    listLayout->setContentsMargins(listInset, 4, listInset, 8);
    listLayout->setSpacing(0);
    header_ = new SidebarHeader(list);
    listLayout->addWidget(header_);
    listLayout->addSpacing(6);
    for (MainSection section : MainSection::sidebar()) {
        auto* row = new SidebarRow(section, list);
        rows_.push_back(row);
        listLayout->addWidget(row);
        connect(row, &QAbstractButton::clicked, this, [this, section] { emit rowChosen(section); });
        connect(row, &SidebarRow::stepRequested, this, [this, row](int by) { step(*row, by); });
        connect(row, &SidebarRow::pageActionRequested, this, &Sidebar::pageActionRequested);
    }
    AccessibleRole::set(*list, QAccessible::PageTabList);

    auto* content = new SidebarContent;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(0);
    contentLayout->addWidget(list);
    contentLayout->addStretch(1);

    auto* footer = new SidebarFooter(content);
    footer_ = footer;
    auto* footerLayout = new QVBoxLayout(footer_);
    // Room above the on/off card for its shadow.
    footerLayout->setContentsMargins(footerSideInset, footerSpacing, footerSideInset, footerBottomInset);
    footerLayout->setSpacing(footerSpacing);
    onOffCard_ = new OnOffCard(model_, footer_);
    footer->setCard(*onOffCard_);
    footerLayout->addWidget(onOffCard_);
    updateRow_ = new UpdateRow(model_, footer_);
    footerLayout->addWidget(updateRow_);
    profileCard_ = new ProfileCard(model_, footer_);
    footerLayout->addWidget(profileCard_);

    contentLayout->addWidget(footer_);

    auto* scroll = new FocusScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidgetResizable(true);
    scroll->setWidget(content);
    // The sidebar's own shade shows through.
    content->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(scroll, 1);

    connect(&model_, &AppModel::sectionChanged, this, &Sidebar::refreshSelection);
    connect(&model_, &AppModel::whatsNewUnseenChanged, this, &Sidebar::refreshNewDot);
    refreshSelection();
    refreshNewDot();
}

SidebarRow* Sidebar::row(MainSection section) const
{
    for (SidebarRow* candidate : rows_) {
        if (candidate->section() == section) {
            return candidate;
        }
    }
    return nullptr;
}

SidebarRow* Sidebar::currentRow() const
{
    for (SidebarRow* candidate : rows_) {
        if (candidate->isCurrent()) {
            return candidate;
        }
    }
    return nullptr;
}

void Sidebar::refreshSelection()
{
    // The profile has no row, so while it is shown no row is current.
    const MainSection current = model_.section();
    for (SidebarRow* candidate : rows_) {
        candidate->setCurrent(candidate->section() == current);
    }
}

void Sidebar::refreshNewDot()
{
    if (SidebarRow* whatsNew = row(MainSection::whatsNew)) {
        whatsNew->setShowsNewDot(model_.whatsNewUnseen());
    }
}

void Sidebar::step(SidebarRow& from, int by)
{
    const auto count = static_cast<int>(rows_.size());
    int index = 0;
    while (index < count && rows_[static_cast<std::size_t>(index)] != &from) {
        ++index;
    }
    const int next = index + by;
    if (next < 0 || next >= count) {
        return;
    }
    SidebarRow* target = rows_[static_cast<std::size_t>(next)];
    target->setFocus(Qt::OtherFocusReason);
    emit rowChosen(target->section());
}

QSize Sidebar::sizeHint() const
{
    return QSize(idealWidth, QWidget::sizeHint().height());
}

void Sidebar::paintEvent(QPaintEvent* /*event*/)
{
    // A sidebar sits a shade apart from the page beside it.
    QPainter painter(this);
    const QColor primary = palette().color(QPalette::WindowText);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.fillRect(rect(), withOpacity(primary, Appearance::isDark(palette()) ? 0.035 : 0.03));
}

} // namespace quellarine

#include "Quellarine/Pages/Home/PresetCard.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Model/PresetTexts.h"
#include "Quellarine/Components/PresetSymbol.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QAccessibleWidget>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace quellarine {

namespace {

constexpr qreal hoverOpacity = 0.04;
constexpr qreal restingBorderOpacity = 0.06;
constexpr qreal shadowOpacity = 0.07;
constexpr qreal shadowRadius = 2;
constexpr qreal tileTintOpacity = 0.10;

int checkSide()
{
    return static_cast<int>(Symbols::sideFor(Typography::pixelSize(Typography::TextStyle::title3)));
}

// To assistive technology a card is a button named by the preset's title, with its summary as the hint and
// the selected state while it is the preset in force.
class PresetCardAccessible : public QAccessibleWidget {
public:
    explicit PresetCardAccessible(PresetCard* card)
        : QAccessibleWidget(card, QAccessible::Button)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = static_cast<PresetCard*>(widget())->selected();
        return state;
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && widget()->isEnabled()) {
            static_cast<PresetCard*>(widget())->click();
        }
    }
    QStringList keyBindingsForAction(const QString& /*name*/) const override { return {}; }
};

QAccessibleInterface* makeCardAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("quellarine::PresetCard")) {
        if (auto* card = qobject_cast<PresetCard*>(object)) {
            return new PresetCardAccessible(card);
        }
    }
    return nullptr;
}

// The preset's symbol on its rounded tile.
class IconTile : public QWidget {
public:
    IconTile(FilterPreset::ID id, PresetCard& card)
        : QWidget(&card)
        , id_(id)
        , card_(card)
    {
        setFixedSize(PresetCard::tileSide, PresetCard::tileSide);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF tile(rect());
        const QPainterPath shape = ContinuousShape::roundedRect(tile, PresetCard::tileRadius);
        const QColor accent = Brand::accent.resolve(*this);
        QColor symbol = accent;
        if (card_.tileFilled()) {
            painter.fillPath(shape, Brand::gradient(tile, *this));
            symbol = Qt::white;
        } else {
            painter.fillPath(shape, withOpacity(accent, tileTintOpacity));
        }
        presetSymbol(id_).paint(painter, tile, PresetCard::symbolScale, symbol);
    }

private:
    FilterPreset::ID id_;
    PresetCard& card_;
};

// The check mark of the preset in force; its room is kept when it is not shown, so choosing a card never
// re-wraps its text.
class CheckMark : public QWidget {
public:
    explicit CheckMark(PresetCard& card)
        : QWidget(&card)
        , card_(card)
    {
        setFixedSize(checkSide(), checkSide());
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        if (!card_.showsCheckMark()) {
            return;
        }
        QPainter painter(this);
        Symbols::paint(painter, QRectF(rect()), QStringLiteral("checkmark.circle.fill"), Brand::accent.resolve(*this));
    }

private:
    PresetCard& card_;
};

} // namespace

PresetCard::PresetCard(FilterPreset::ID id, QWidget* parent)
    : DrawnButton(parent)
    , id_(id)
    , tile_(new IconTile(id, *this))
    , title_(new QLabel(presetTitle(id), this))
    , summary_(new QLabel(presetSummary(id), this))
    , check_(new CheckMark(*this))
{
    static const bool installed = [] {
        QAccessible::installFactory(makeCardAccessible);
        return true;
    }();
    (void)installed;

    setText(presetTitle(id));
    setAccessibleName(presetTitle(id));
    setAccessibleDescription(presetSummary(id));
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);

    title_->setTextFormat(Qt::PlainText);
    title_->setWordWrap(true);
    title_->setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::title3), QFont::DemiBold));
    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    summary_->setFont(Typography::font(Typography::TextStyle::body));
    summary_->setForegroundRole(QPalette::PlaceholderText);
    for (QWidget* part : {tile_, static_cast<QWidget*>(title_), static_cast<QWidget*>(summary_), check_}) {
        part->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(padding, padding, padding, padding);
    row->setSpacing(spacing);
    row->addWidget(tile_, 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(3);
    texts->addWidget(title_);
    texts->addWidget(summary_);
    texts->addStretch(1);
    row->addLayout(texts, 1);
    row->addWidget(check_, 0, Qt::AlignTop);

    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setColor(QColor::fromRgbF(0, 0, 0, shadowOpacity));
    // The blur of a drop shadow spreads about twice its radius.
    shadow->setBlurRadius(shadowRadius * 2);
    shadow->setOffset(0, 1);
    setGraphicsEffect(shadow);
}

void PresetCard::setSelected(bool selected)
{
    if (selected_ != selected) {
        selected_ = selected;
        update();
        tile_->update();
        check_->update();
        QAccessible::State changed;
        changed.selected = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void PresetCard::setActive(bool active)
{
    if (active_ != active) {
        active_ = active;
        tile_->update();
    }
}

QColor PresetCard::border() const
{
    if (selected_) {
        return Brand::accent.resolve(*this);
    }
    return withOpacity(palette().color(QPalette::WindowText), restingBorderOpacity);
}

int PresetCard::heightForWidth(int width) const
{
    return std::max(minimumHeight, layout()->totalHeightForWidth(width));
}

QSize PresetCard::sizeHint() const
{
    const int width = layout()->totalSizeHint().width();
    return QSize(width, heightForWidth(width));
}

QSize PresetCard::minimumSizeHint() const
{
    const QSize minimum = layout()->totalMinimumSize();
    return QSize(minimum.width(), std::max(minimumHeight, minimum.height()));
}

void PresetCard::enterEvent(QEnterEvent* event)
{
    hovering_ = true;
    update();
    DrawnButton::enterEvent(event);
}

void PresetCard::leaveEvent(QEvent* event)
{
    hovering_ = false;
    update();
    DrawnButton::leaveEvent(event);
}

void PresetCard::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF card(rect());
    const QPainterPath shape = ContinuousShape::roundedRect(card, cornerRadius);
    painter.fillPath(shape, palette().color(QPalette::Base));
    if (hovering_) {
        painter.fillPath(shape, withOpacity(palette().color(QPalette::WindowText), hoverOpacity));
    }
    ContinuousShape::draw(painter, card, cornerRadius, Qt::transparent, border(), borderWidth());
    if (FocusRing::shows(*this)) {
        FocusRing::draw(painter, card, cornerRadius, *this);
    }
}

} // namespace quellarine

#include "Quellarine/Shell/OnOffCard.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Model/PresetTexts.h"
#include "Quellarine/Components/SpringAnimation.h"
#include "Quellarine/Shell/StatusDot.h"
#include "Quellarine/Components/TapArea.h"
#include "Quellarine/Components/ToggleSwitch.h"
#include "Quellarine/Components/Style/AccessibilityHidden.h"
#include "Quellarine/Components/Style/DynamicColor.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Components/MotionAware.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

constexpr Spring lookSpring{.response = 0.35, .dampingFraction = 1.0};

QFont stateFont()
{
    return Typography::system(17, QFont::DemiBold);
}

QFont presetFont()
{
    return Typography::system(14, QFont::Medium);
}

// The card's two lines: "On" or "Off", and under it the active preset's name, which wraps when the column is
// too narrow for it.
class CardTexts : public QWidget {
public:
    explicit CardTexts(OnOffCard& card)
        : QWidget(&card)
        , card_(card)
    {
        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    QSize sizeHint() const override
    {
        const QFontMetrics state(stateFont());
        const int width = std::max(state.horizontalAdvance(card_.stateText()),
                                   QFontMetrics(presetFont()).horizontalAdvance(card_.presetText()));
        return QSize(width, heightForWidth(width));
    }
    QSize minimumSizeHint() const override
    {
        const int width = QFontMetrics(stateFont()).horizontalAdvance(card_.stateText());
        return QSize(width, heightForWidth(std::max(this->width(), width)));
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override
    {
        return static_cast<int>(std::ceil(stateHeight() + lineGap + presetHeight(width)));
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        const qreal onness = card_.onness();
        const QColor ink = blend(palette().color(QPalette::WindowText), Qt::white, onness);
        const qreal top = (QWidget::height() - heightForWidth(width())) / 2.0;
        const Qt::Alignment align = Qt::AlignTop | Typography::leading(layoutDirection());
        painter.setPen(ink);
        painter.setFont(stateFont());
        painter.drawText(QRectF(0, top, width(), stateHeight()), align, card_.stateText());
        // The preset's name is quieter: 85 % while on, 55 % while off.
        painter.setOpacity(0.55 + (0.85 - 0.55) * onness);
        painter.setFont(presetFont());
        painter.drawText(QRectF(0, top + stateHeight() + lineGap, width(), presetHeight(width())),
                         align | Qt::TextWordWrap, card_.presetText());
    }

private:
    static constexpr int lineGap = 1;

    // Laid out as drawn, with whatever fallback font the script takes, which may be taller than the font's own.
    qreal stateHeight() const
    {
        return QFontMetricsF(stateFont())
            .boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::TextSingleLine, card_.stateText())
            .height();
    }

    qreal presetHeight(int width) const
    {
        return QFontMetricsF(presetFont())
            .boundingRect(QRectF(0, 0, std::max(1, width), 1e6), Qt::TextWordWrap, card_.presetText())
            .height();
    }

    OnOffCard& card_;
};

} // namespace

OnOffCard::OnOffCard(AppModel& model, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , look_(new SpringAnimation(lookSpring, this))
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    tapArea_ = new TapArea(this);
    // The switch is what assistive technology reaches; the texts beside it say the same.
    AccessibilityHidden::hide(*tapArea_);
    dot_ = new StatusDot(model_.isOn(), tapArea_);
    texts_ = new CardTexts(*this);
    texts_->setParent(tapArea_);
    auto* left = new QHBoxLayout(tapArea_);
    left->setContentsMargins(0, 0, 0, 0);
    // The dot's widget reaches beyond its frame by the halo's room; the gap is counted from the frame.
    left->setSpacing(spacing - StatusDot::overflow);
    left->addWidget(dot_, 0, Qt::AlignVCenter);
    left->addWidget(texts_, 1, Qt::AlignVCenter);
    tapArea_->passClicks(*dot_);
    tapArea_->passClicks(*texts_);
    connect(tapArea_, &TapArea::tapped, this, &OnOffCard::tapped);

    // Named apart from the home page's switch, which the same window shows.
    switch_ = new ToggleSwitch(tr("Quellarine on or off"), ToggleSwitch::ControlSize::regular, this);
    // The setter writes "filterOn" and brings the tap in line.
    connect(switch_, &ToggleSwitch::switched, this, [this](bool on) { model_.setWantsOn(on); });

    auto* row = new QHBoxLayout(this);
    row->setSpacing(spacing);
    row->addWidget(tapArea_, 1);
    row->addWidget(switch_, 0, Qt::AlignVCenter);
    applyMargins();

    look_->setStartValue(model_.isOn() ? 1.0 : 0.0);
    look_->setEndValue(model_.isOn() ? 1.0 : 0.0);
    connect(look_, &QVariantAnimation::valueChanged, this, [this] {
        texts_->update();
        update();
        emit shadowChanged();
    });

    connect(&model_, &AppModel::isOnChanged, this, [this](bool on) {
        const qreal target = on ? 1.0 : 0.0;
        // Still, the colours change all the same, at once.
        animateUnlessStill(*look_, onness(), target, this);
        refresh();
        emit shadowChanged();
    });
    for (auto signal : {&AppModel::wantsOnChanged, &AppModel::maySteerPointerChanged}) {
        connect(&model_, signal, this, &OnOffCard::refresh);
    }
    connect(&model_, &AppModel::presetIDChanged, this, &OnOffCard::refresh);
    connect(&model_, &AppModel::personalChanged, this, &OnOffCard::refresh);
    refresh();
}

QString OnOffCard::stateText() const
{
    return model_.isOn() ? tr("On") : tr("Off");
}

QString OnOffCard::presetText() const
{
    return presetTitle(model_.activePreset().id);
}

qreal OnOffCard::onness() const
{
    if (look_->state() == QAbstractAnimation::Running) {
        return look_->value();
    }
    return look_->endValue().toReal();
}

void OnOffCard::tapped()
{
    if (!model_.maySteerPointer()) {
        return;
    }
    // One step: the wish flips, "filterOn" is written and the tap brought in line.
    model_.setWantsOn(!model_.wantsOn());
}

void OnOffCard::refresh()
{
    dot_->setOn(model_.isOn());
    // Without the access nothing can be on, whatever the wish: the switch shows off and unavailable.
    switch_->setOn(model_.maySteerPointer() && model_.wantsOn());
    switch_->setEnabled(model_.maySteerPointer());
    if (model_.isOn()) {
        switch_->setTint(Brand::onGradient, 0.35);
    } else {
        switch_->setTint(Brand::accent);
    }
    texts_->updateGeometry();
    texts_->update();
    update();
}

void OnOffCard::applyMargins()
{
    // The dot's halo room counts towards the padding on its side.
    const int dotSide = padding - StatusDot::overflow;
    if (layoutDirection() == Qt::RightToLeft) {
        layout()->setContentsMargins(padding, padding, dotSide, padding);
    } else {
        layout()->setContentsMargins(dotSide, padding, padding, padding);
    }
}

void OnOffCard::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LayoutDirectionChange) {
        applyMargins();
    }
    QWidget::changeEvent(event);
}

void OnOffCard::paintShadow(QPainter& painter, const QRectF& card)
{
    const qreal amount = onness();
    if (amount <= 0) {
        return;
    }
    shadow_.paint(painter, card, cornerRadius, withOpacity(Brand::accent.resolve(*this), 0.35), shadowBlur,
                  shadowOffset, std::min<qreal>(amount, 1.0));
}

void OnOffCard::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds(rect());
    const QPainterPath shape = ContinuousShape::roundedRect(bounds, cornerRadius);
    const qreal amount = std::clamp(onness(), 0.0, 1.0);
    if (amount < 1) {
        painter.fillPath(shape, withOpacity(palette().color(QPalette::WindowText), 0.05 * (1 - amount)));
    }
    if (amount > 0) {
        painter.setOpacity(amount);
        painter.fillPath(shape, Brand::gradient(bounds, *this));
    }
}

} // namespace quellarine

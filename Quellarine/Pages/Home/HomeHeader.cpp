#include "Quellarine/Pages/Home/HomeHeader.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/InkRoom.h"
#include "Quellarine/Components/LogoMark.h"
#include "Quellarine/Model/PermissionText.h"
#include "Quellarine/Model/PresetTexts.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/ToggleSwitch.h"
#include "Quellarine/Components/Style/AccessibilityHidden.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Components/MotionAware.h"

#include <QEvent>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QVariantAnimation>

#include <algorithm>

namespace quellarine {

namespace {

constexpr qreal watermarkWidth = 190;
constexpr qreal watermarkAngle = -12;
constexpr QPointF watermarkOffset{50, 60};
constexpr qreal watermarkOnOpacity = 0.12;
constexpr qreal watermarkOffOpacity = 0.05;
constexpr qreal offFillOpacity = 0.045;
constexpr qreal shadowOpacity = 0.30;
constexpr qreal shadowRadius = 14;
constexpr QPointF shadowOffset{0, 6};

QLabel* variant(const QFont& font, bool wraps, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setWordWrap(wraps);
    label->setAlignment(Qt::AlignLeading | Qt::AlignTop);
    if (wraps) {
        InkRoom::keep(*label);
    }
    AccessibilityHidden::hide(*label);
    return label;
}

} // namespace

// MARK: Line

HomeHeader::Line::Line(const QFont& font, bool wraps, QWidget* parent)
    : QWidget(parent)
    , on_(variant(font, wraps, this))
    , off_(variant(font, wraps, this))
{
    AccessibleRole::set(*this, QAccessible::StaticText);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void HomeHeader::Line::setTexts(const QString& on, const QString& off)
{
    on_->setText(on);
    off_->setText(off);
    setAccessibleName(text());
    updateGeometry();
}

void HomeHeader::Line::setLook(const QColor& onColor, const QColor& offColor, qreal onness)
{
    for (auto [label, color, opacity] : {std::tuple{on_, onColor, onness}, std::tuple{off_, offColor, 1 - onness}}) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, withOpacity(color, color.alphaF() * std::clamp(opacity, 0.0, 1.0)));
        label->setPalette(palette);
    }
}

void HomeHeader::Line::setShowsOn(bool on)
{
    showsOn_ = on;
    setAccessibleName(text());
}

QString HomeHeader::Line::text() const
{
    return (showsOn_ ? on_ : off_)->text();
}

int HomeHeader::Line::heightForWidth(int width) const
{
    const auto height = [width](const QLabel* label) {
        return label->wordWrap() ? label->heightForWidth(width) : label->sizeHint().height();
    };
    return std::max(height(on_), height(off_));
}

QSize HomeHeader::Line::sizeHint() const
{
    const int width = std::max(on_->sizeHint().width(), off_->sizeHint().width());
    return QSize(width, heightForWidth(width));
}

QSize HomeHeader::Line::minimumSizeHint() const
{
    const int width = std::max(on_->minimumSizeHint().width(), off_->minimumSizeHint().width());
    return QSize(width, heightForWidth(width));
}

void HomeHeader::Line::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    for (QLabel* label : {on_, off_}) {
        label->setGeometry(rect());
    }
}

// MARK: Header

HomeHeader::HomeHeader(AppModel& model, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , logo_(new LogoMark(logoSide, this))
    , title_(new Line(Typography::system(26, QFont::Bold, Typography::Design::rounded), true, this))
    , subtitle_(new Line(Typography::font(Typography::TextStyle::title3), true, this))
    // Leads to the help page, which says what this computer needs.
    , allowButton_(new ProminentButton(tr("Show What's Needed"), Brand::accent, this))
    , switch_(new ToggleSwitch(QString(), ToggleSwitch::ControlSize::large, this))
    , shadow_(new QGraphicsDropShadowEffect(this))
    , animation_(new QVariantAnimation(this))
{
    AccessibilityHidden::hide(*logo_);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(padding, padding, padding, padding);
    row->setSpacing(spacing);
    row->addWidget(logo_, 0, Qt::AlignVCenter);

    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(6);
    texts->addWidget(title_);
    texts->addWidget(subtitle_);
    // The button sits a little apart from the text above it.
    auto* allow = new QHBoxLayout;
    allow->setContentsMargins(0, 4, 0, 0);
    allow->addWidget(allowButton_);
    allow->addStretch(1);
    texts->addLayout(allow);
    row->addLayout(texts, 1);
    row->addWidget(switch_, 0, Qt::AlignVCenter);

    // The help page holds the Accessibility card.
    connect(allowButton_, &QPushButton::clicked, this, [this] { model_.setSection(MainSection::help); });
    // The setter stores the wish, writes "filterOn" and brings the tap in line.
    connect(switch_, &ToggleSwitch::switched, this, [this](bool on) { model_.setWantsOn(on); });

    shadow_->setBlurRadius(shadowRadius * 2);
    shadow_->setOffset(shadowOffset);
    setGraphicsEffect(shadow_);

    animation_->setDuration(animationMilliseconds);
    QEasingCurve easeInOut(QEasingCurve::BezierSpline);
    easeInOut.addCubicBezierSegment(QPointF(0.42, 0), QPointF(0.58, 1), QPointF(1, 1));
    animation_->setEasingCurve(easeInOut);
    connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        onness_ = value.toReal();
        refreshLook();
    });

    for (auto signal : {&AppModel::wantsOnChanged, &AppModel::maySteerPointerChanged}) {
        connect(&model_, signal, this, &HomeHeader::refresh);
    }
    connect(&model_, &AppModel::presetIDChanged, this, &HomeHeader::refresh);
    connect(&model_, &AppModel::personalChanged, this, &HomeHeader::refresh);
    connect(&model_, &AppModel::isOnChanged, this, [this] {
        refresh();
        animate();
    });

    onness_ = model_.isOn() ? 1 : 0;
    refresh();
}

void HomeHeader::refresh()
{
    if (model_.maySteerPointer()) {
        title_->setTexts(tr("Quellarine is on"), tr("Quellarine is off"));
        subtitle_->setTexts(tr("Smoothing with %1.").arg(presetTitle(model_.activePreset().id)),
                            tr("The pointer follows your hand directly."));
    } else {
        const QString needs = permissionNeededText();
        const QString nothingRecorded = tr("Nothing you type or click is recorded or sent anywhere.");
        title_->setTexts(needs, needs);
        subtitle_->setTexts(nothingRecorded, nothingRecorded);
    }
    title_->setShowsOn(model_.isOn());
    subtitle_->setShowsOn(model_.isOn());
    allowButton_->setVisible(!model_.maySteerPointer());
    // Named apart from the sidebar's switch, which the same window shows.
    switch_->setAccessibleName(tr("Smooth the pointer with %1").arg(presetTitle(model_.activePreset().id)));
    // Without the access nothing can be on, whatever the wish: the switch shows off and unavailable.
    switch_->setOn(model_.maySteerPointer() && model_.wantsOn());
    switch_->setEnabled(model_.maySteerPointer());
    refreshLook();
}

void HomeHeader::animate()
{
    const qreal target = model_.isOn() ? 1 : 0;
    if (!animateUnlessStill(*animation_, onness_, target, this)) {
        onness_ = target;
        refreshLook();
    }
}

void HomeHeader::refreshLook()
{
    const QPalette base = palette();
    const QColor primary = base.color(QPalette::WindowText);
    title_->setLook(Qt::white, primary, onness_);
    subtitle_->setLook(withOpacity(Qt::white, 0.85), base.color(QPalette::PlaceholderText), onness_);
    logo_->setOnness(onness_);
    shadow_->setColor(withOpacity(Brand::accent.resolve(*this), shadowOpacity * onness_));
    shadow_->setEnabled(onness_ > 0);
    if (model_.isOn()) {
        switch_->setTint(Brand::onGradient, 0.4);
    } else {
        switch_->setTint(Brand::accent);
    }
    update();
}

void HomeHeader::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        refreshLook();
    }
    QWidget::changeEvent(event);
}

void HomeHeader::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF card(rect());
    painter.setClipPath(ContinuousShape::roundedRect(card, cornerRadius));

    if (onness_ < 1) {
        painter.fillRect(card, withOpacity(palette().color(QPalette::WindowText), offFillOpacity * (1 - onness_)));
    }
    if (onness_ > 0) {
        painter.setOpacity(onness_);
        painter.fillRect(card, Brand::gradient(card, *this));
        painter.setOpacity(1);
    }

    // The watermark stands at the bottom-trailing corner, pushed partly out of the card and tilted.
    const qreal trailingOffset = layoutDirection() == Qt::RightToLeft ? -watermarkOffset.x() : watermarkOffset.x();
    const qreal centreX = layoutDirection() == Qt::RightToLeft ? card.left() + watermarkWidth / 2 + trailingOffset
                                                               : card.right() - watermarkWidth / 2 + trailingOffset;
    const QPointF centre(centreX, card.bottom() - watermarkWidth / 2 + watermarkOffset.y());
    painter.translate(centre);
    painter.rotate(watermarkAngle);
    const QRectF mark(-watermarkWidth / 2, -watermarkWidth / 2, watermarkWidth, watermarkWidth);
    const qreal opacity = watermarkOffOpacity + (watermarkOnOpacity - watermarkOffOpacity) * onness_;
    LogoMark::paint(painter, mark, onness_, opacity, devicePixelRatioF());
}

} // namespace quellarine

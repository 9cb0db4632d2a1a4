#include "Quellarine/Shell/SidebarRow.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/SpringAnimation.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Components/SectionTint.h"
#include "Quellarine/Components/MotionAware.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace quellarine {

namespace {

constexpr Spring tileSpring{.response = 0.3, .dampingFraction = 0.6};
constexpr qreal titleScales[] = {1.0, 0.95, SidebarRow::smallestTitleScale};
// The red of the "new" dot.
constexpr DynamicColor newDotRed{0xFF3B30, 0xFF453A};

QFont titleFont()
{
    return Typography::system(SidebarRow::titlePixelSize, QFont::Medium);
}

// The lines of `text` wrapped at word boundaries (or anywhere inside a word too long for a line) in `width`.
QStringList wrapped(const QString& text, const QFont& font, qreal width, bool anywhere)
{
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(anywhere ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::WordWrap);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.append(text.mid(line.textStart(), line.textLength()));
    }
    layout.endLayout();
    return lines;
}

// Read as the page tab it is, selected while its section is shown, never as a check box; pressing it chooses
// the section.
class AccessibleSidebarRow : public QAccessibleWidget {
public:
    explicit AccessibleSidebarRow(SidebarRow* row)
        : QAccessibleWidget(row, QAccessible::PageTab)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.selectable = true;
        state.selected = row()->isCurrent();
        state.checkable = false;
        state.checked = false;
        return state;
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& name) override
    {
        if (name == pressAction()) {
            row()->click();
        } else {
            QAccessibleWidget::doAction(name);
        }
    }

private:
    SidebarRow* row() const { return static_cast<SidebarRow*>(widget()); }
};

QAccessibleInterface* makeRowAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(SidebarRow::staticMetaObject.className())) {
        if (auto* row = qobject_cast<SidebarRow*>(object)) {
            return new AccessibleSidebarRow(row);
        }
    }
    return nullptr;
}

} // namespace

SidebarRow::SidebarRow(MainSection section, QWidget* parent)
    : DrawnButton(parent)
    , section_(section)
    , scale_(new SpringAnimation(tileSpring, this))
{
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(makeRowAccessible);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    setText(section.title());
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    scale_->setStartValue(1.0);
    scale_->setEndValue(1.0);
    connect(scale_, &QVariantAnimation::valueChanged, this, [this] { update(); });
    refreshAccessibleText();
}

void SidebarRow::setCurrent(bool current)
{
    if (current == isChecked()) {
        return;
    }
    setChecked(current);
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent announce(this, changed);
    QAccessible::updateAccessibility(&announce);
    const qreal target = current ? currentScale : 1.0;
    if (!animateUnlessStill(*scale_, tileScale(), target, this)) {
        update();
    }
}

void SidebarRow::setShowsNewDot(bool shown)
{
    if (newDot_ == shown) {
        return;
    }
    newDot_ = shown;
    refreshAccessibleText();
    updateGeometry();
    update();
}

qreal SidebarRow::tileScale() const
{
    if (scale_->state() == QAbstractAnimation::Running) {
        return scale_->value();
    }
    return scale_->endValue().toReal();
}

void SidebarRow::refreshAccessibleText()
{
    setAccessibleName(section_.title());
    setAccessibleDescription(newDot_ ? tr("New") : QString());
}

int SidebarRow::titleWidth(int rowWidth) const
{
    int width = rowWidth - 2 * horizontalPadding - tileSide - spacing;
    if (newDot_) {
        width -= dotMinimumGap + dotSide;
    }
    return std::max(1, width);
}

SidebarRow::TitleFit SidebarRow::fitTitle(int width) const
{
    const QFont font = titleFont();
    const QFontMetricsF metrics(font);
    const QString title = section_.title();
    TitleFit fit;
    for (const qreal scale : titleScales) {
        const qreal available = width / scale;
        const QStringList lines = wrapped(title, font, available, false);
        bool fits = lines.size() <= titleLines;
        for (const QString& line : lines) {
            fits = fits && metrics.horizontalAdvance(line.trimmed()) <= available;
        }
        if (fits) {
            fit.scale = scale;
            fit.lines = lines;
            break;
        }
    }
    if (fit.lines.isEmpty()) {
        // Even at its smallest the title needs more room: two lines, the second cut with an ellipsis.
        fit.scale = smallestTitleScale;
        const qreal available = width / fit.scale;
        QStringList lines = wrapped(title, font, available, true);
        if (lines.size() > titleLines) {
            const QString rest = QStringList(lines.mid(titleLines - 1)).join(QString());
            lines = lines.mid(0, titleLines - 1);
            lines.append(metrics.elidedText(rest, Qt::ElideRight, available));
            fit.truncated = true;
        }
        fit.lines = lines;
    }
    fit.height = std::ceil(fit.lines.size() * metrics.lineSpacing() * fit.scale);
    return fit;
}

qreal SidebarRow::titleScale() const
{
    return fitTitle(titleWidth(width())).scale;
}

bool SidebarRow::titleTruncated() const
{
    return fitTitle(titleWidth(width())).truncated;
}

int SidebarRow::heightForWidth(int width) const
{
    const qreal content = std::max<qreal>(tileSide, fitTitle(titleWidth(width)).height);
    return static_cast<int>(std::ceil(content)) + 2 * verticalPadding;
}

QSize SidebarRow::sizeHint() const
{
    const int width = 230;
    return QSize(width, heightForWidth(width));
}

QSize SidebarRow::minimumSizeHint() const
{
    return QSize(2 * horizontalPadding + tileSide + spacing + 40, tileSide + 2 * verticalPadding);
}

void SidebarRow::nextCheckState()
{
    // Choosing a row asks the window to make it current; the row does not flip itself.
}

void SidebarRow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        emit stepRequested(event->key() == Qt::Key_Up ? -1 : 1);
        event->accept();
        return;
    }
    const bool pageAction = isCurrent() && isActivationKey(*event) && !event->isAutoRepeat();
    DrawnButton::keyPressEvent(event);
    if (pageAction) {
        emit pageActionRequested();
    }
}

void SidebarRow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        setText(section_.title());
        refreshAccessibleText();
        updateGeometry();
    }
    DrawnButton::changeEvent(event);
}

void SidebarRow::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool rightToLeft = layoutDirection() == Qt::RightToLeft;
    const QRectF bounds(rect());
    const QColor accent = Brand::accent.resolve(*this);
    const QColor primary = palette().color(QPalette::WindowText);

    // The highlight of the current row, and the keyboard's focus ring around it.
    if (isChecked()) {
        const bool dark = Appearance::isDark(palette());
        painter.fillPath(ContinuousShape::roundedRect(bounds, 8), withOpacity(accent, dark ? 0.24 : 0.14));
    }
    if (FocusRing::shows(*this)) {
        FocusRing::draw(painter, bounds, 8, *this);
    }

    // The tile: the tint's gradient with its soft coloured shadow, scaled about its centre.
    const qreal tileLeft = rightToLeft ? bounds.right() - horizontalPadding - tileSide : horizontalPadding;
    const QRectF tile(tileLeft, (bounds.height() - tileSide) / 2, tileSide, tileSide);
    const QColor tint = quellarine::tint(section_).resolve(*this);
    painter.save();
    painter.translate(tile.center());
    const qreal scale = tileScale();
    painter.scale(scale, scale);
    painter.translate(-tile.center());
    // A blur of radius 2 a point down, drawn as fading rings of the shape.
    for (int ring = 2; ring >= 0; --ring) {
        const QRectF shadow = tile.translated(0, 1).adjusted(-ring * 0.7, -ring * 0.7, ring * 0.7, ring * 0.7);
        painter.fillPath(ContinuousShape::roundedRect(shadow, tileRadius + ring * 0.7), withOpacity(tint, 0.35 / 3));
    }
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    // The tint's own gradient: a touch lighter at the top, a touch deeper at the bottom.
    fill.setColorAt(0.0, tint.lighter(112));
    fill.setColorAt(1.0, tint.darker(106));
    painter.fillPath(ContinuousShape::roundedRect(tile, tileRadius), fill);
    const qreal symbolSide = Symbols::sideFor(15);
    const QRectF symbol(tile.center() - QPointF(symbolSide / 2, symbolSide / 2), QSizeF(symbolSide, symbolSide));
    Symbols::paint(painter, symbol, section_.symbol(), Qt::white, Symbols::weightFor(QFont::DemiBold));
    painter.restore();

    // The title, shrunk to fit two lines if it must.
    const int available = titleWidth(width());
    const TitleFit fit = fitTitle(available);
    const QFont font = titleFont();
    const QFontMetricsF metrics(font);
    const qreal titleLeft = rightToLeft ? tile.left() - spacing - available : tile.right() + spacing;
    painter.save();
    painter.setFont(font);
    painter.setPen(isEnabled() ? primary : palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.translate(titleLeft, (bounds.height() - fit.height) / 2);
    painter.scale(fit.scale, fit.scale);
    const qreal lineWidth = available / fit.scale;
    qreal y = 0;
    for (const QString& line : fit.lines) {
        painter.drawText(QRectF(0, y, lineWidth, metrics.lineSpacing()),
                         Qt::AlignVCenter | Typography::leading(layoutDirection()), line.trimmed());
        y += metrics.lineSpacing();
    }
    painter.restore();

    if (newDot_) {
        const qreal dotLeft
            = rightToLeft ? bounds.left() + horizontalPadding : bounds.right() - horizontalPadding - dotSide;
        painter.setPen(Qt::NoPen);
        painter.setBrush(newDotRed.resolve(*this));
        painter.drawEllipse(QRectF(dotLeft, (bounds.height() - dotSide) / 2, dotSide, dotSide));
    }
}

} // namespace quellarine

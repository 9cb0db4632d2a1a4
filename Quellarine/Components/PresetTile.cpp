#include "Quellarine/Components/PresetTile.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/PresetSymbol.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Model/PresetTexts.h"

#include <QAccessibleWidget>
#include <QEnterEvent>
#include <QGraphicsDropShadowEffect>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

// To assistive technology a tile is a button named by the preset's title, with its summary as the hint and
// the selected state while it is the preset in force.
class PresetTileAccessible : public QAccessibleWidget {
public:
    explicit PresetTileAccessible(PresetTile* tile)
        : QAccessibleWidget(tile, QAccessible::Button)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        auto* tile = static_cast<PresetTile*>(widget());
        state.selectable = true;
        state.selected = tile->selected();
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && widget()->isEnabled()) {
            static_cast<PresetTile*>(widget())->click();
        }
    }
    QStringList keyBindingsForAction(const QString& /*name*/) const override { return {}; }
};

QAccessibleInterface* makeTileAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("quellarine::PresetTile")) {
        if (auto* tile = qobject_cast<PresetTile*>(object)) {
            return new PresetTileAccessible(tile);
        }
    }
    return nullptr;
}

// The title of a tile laid out in `width`: a title with a space may take two lines and shrink to 80 %; a
// single word stays on one line and may shrink to 50 %.
struct TitleLayout {
    QFont font;
    QStringList lines;
    qreal lineHeight = 0;

    qreal height() const { return lineHeight * static_cast<qreal>(lines.size()); }
};

QStringList wrapLines(const QString& text, const QFont& font, qreal width)
{
    QStringList lines;
    QTextLayout layout(text, font);
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

bool fits(const QStringList& lines, const QFontMetricsF& metrics, qreal width)
{
    return std::all_of(lines.begin(), lines.end(),
                       [&](const QString& line) { return metrics.horizontalAdvance(line) <= width + 0.5; });
}

TitleLayout layoutTitle(const QString& title, const QFont& base, qreal width)
{
    const bool mayWrap = title.contains(QLatin1Char(' '));
    const qreal smallest = mayWrap ? 0.8 : 0.5;
    TitleLayout result;
    for (qreal factor = 1.0; factor >= smallest - 1e-9; factor -= 0.05) {
        QFont font = base;
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(base.pixelSize() * factor))));
        const QFontMetricsF metrics(font);
        const QStringList lines = mayWrap ? wrapLines(title, font, width) : QStringList{title};
        result = {font, lines, metrics.lineSpacing()};
        if (lines.size() <= (mayWrap ? 2 : 1) && fits(lines, metrics, width)) {
            return result;
        }
    }
    // Still too wide at the smallest size: keep to the allowed lines and elide what does not fit.
    const QFontMetricsF metrics(result.font);
    QStringList lines = result.lines.mid(0, mayWrap ? 2 : 1);
    if (result.lines.size() > lines.size()) {
        lines.last() = lines.last() + QLatin1Char(' ') + result.lines.mid(lines.size()).join(QLatin1Char(' '));
    }
    for (QString& line : lines) {
        line = metrics.elidedText(line, Qt::ElideRight, width);
    }
    result.lines = lines;
    return result;
}

} // namespace

PresetTile::PresetTile(FilterPreset::ID id, bool large, QWidget* parent)
    : DrawnButton(parent)
    , id_(id)
    , large_(large)
    , shadow_(new QGraphicsDropShadowEffect(this))
{
    static const bool installed = [] {
        QAccessible::installFactory(makeTileAccessible);
        return true;
    }();
    (void)installed;

    setText(presetTitle(id));
    setToolTip(presetSummary(id));
    setAccessibleName(presetTitle(id));
    setAccessibleDescription(presetSummary(id));
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setGraphicsEffect(shadow_);
    refreshLook();
}

void PresetTile::setSelected(bool selected)
{
    if (selected_ != selected) {
        selected_ = selected;
        refreshLook();
    }
}

void PresetTile::setActive(bool active)
{
    if (active_ != active) {
        active_ = active;
        refreshLook();
    }
}

QColor PresetTile::foreground() const
{
    if (selected_ && active_) {
        return Qt::white;
    }
    if (selected_) {
        return Brand::accent.resolve(*this);
    }
    return palette().color(QPalette::WindowText);
}

PresetTile::Look PresetTile::look() const
{
    const QColor accent = Brand::accent.resolve(*this);
    const QColor primary = palette().color(QPalette::WindowText);
    if (selected_ && active_) {
        return Look{.fill = Look::Fill::gradient,
                    .fillColor = Qt::transparent,
                    .border = Qt::transparent,
                    .borderWidth = 1.5,
                    .shadow = withOpacity(accent, 0.35),
                    .shadowRadius = 6,
                    .shadowOffset = QPointF(0, 3)};
    }
    if (selected_) {
        return Look{.fill = Look::Fill::accentTint,
                    .fillColor = withOpacity(accent, 0.10),
                    .border = accent,
                    .borderWidth = 1.5,
                    .shadow = std::nullopt,
                    .shadowRadius = 0,
                    .shadowOffset = QPointF()};
    }
    return Look{.fill = Look::Fill::controlBackground,
                .fillColor = palette().color(QPalette::Base),
                .border = withOpacity(primary, 0.06),
                .borderWidth = 1,
                .shadow = QColor(0, 0, 0, static_cast<int>(std::lround(255 * 0.08))),
                .shadowRadius = 1.5,
                .shadowOffset = QPointF(0, 1)};
}

void PresetTile::refreshLook()
{
    const Look current = look();
    shadow_->setEnabled(current.shadow.has_value());
    if (current.shadow) {
        shadow_->setColor(*current.shadow);
        // The blur of a drop shadow spreads about twice its radius.
        shadow_->setBlurRadius(current.shadowRadius * 2);
        shadow_->setOffset(current.shadowOffset);
    }
    update();
}

QFont PresetTile::titleFont(qreal factor) const
{
    return Typography::system((large_ ? 14 : 13.5) * factor, QFont::Medium);
}

QSize PresetTile::sizeHint() const
{
    return QSize(large_ ? 96 : 80, large_ ? 86 : 72);
}

QSize PresetTile::minimumSizeHint() const
{
    return QSize(40, large_ ? 86 : 72);
}

void PresetTile::setHovering(bool hovering)
{
    if (hovering_ != hovering) {
        hovering_ = hovering;
        update();
    }
}

void PresetTile::enterEvent(QEnterEvent* event)
{
    setHovering(true);
    DrawnButton::enterEvent(event);
}

void PresetTile::leaveEvent(QEvent* event)
{
    setHovering(false);
    DrawnButton::leaveEvent(event);
}

void PresetTile::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        refreshLook();
    }
    DrawnButton::changeEvent(event);
}

void PresetTile::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF shape(rect());
    const Look current = look();
    const qreal radius = cornerRadius();
    const QPainterPath path = ContinuousShape::roundedRect(shape, radius);

    switch (current.fill) {
    case Look::Fill::gradient:
        painter.fillPath(path, Brand::gradient(shape, *this));
        break;
    case Look::Fill::accentTint:
        painter.fillPath(path, current.fillColor);
        break;
    case Look::Fill::controlBackground:
        painter.fillPath(path, current.fillColor);
        if (hovering_) {
            painter.fillPath(path, withOpacity(palette().color(QPalette::WindowText), 0.05));
        }
        break;
    }
    ContinuousShape::draw(painter, shape, radius, Qt::transparent, current.border, current.borderWidth);

    // The symbol over the title, centred as one block.
    const qreal padding = large_ ? 6 : 4;
    const qreal symbolHeight = large_ ? 28 : 24;
    const qreal spacing = large_ ? 9 : 7;
    const qreal width = shape.width() - 2 * padding;
    const TitleLayout title = layoutTitle(text(), titleFont(1.0), width);
    const qreal blockHeight = symbolHeight + spacing + title.height();
    qreal top = shape.top() + std::max(0.0, (shape.height() - blockHeight) / 2);

    const QColor color = foreground();
    presetSymbol(id_).paint(painter, QRectF(shape.left() + padding, top, width, symbolHeight), large_ ? 1.35 : 1.2,
                            color);
    top += symbolHeight + spacing;
    painter.setFont(title.font);
    painter.setPen(color);
    for (const QString& line : title.lines) {
        painter.drawText(QRectF(shape.left() + padding, top, width, title.lineHeight), Qt::AlignCenter, line);
        top += title.lineHeight;
    }

    if (FocusRing::shows(*this)) {
        FocusRing::draw(painter, shape, radius, *this);
    }
}

} // namespace quellarine

#include "Quellarine/Components/Presets.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Desktop/AccessibilityHidden.h"
#include "Quellarine/Desktop/Symbols.h"
#include "Quellarine/Desktop/Typography.h"
#include "Quellarine/Components/TapArea.h"
#include "Quellarine/Components/ToggleSwitch.h"

#include <QAccessibleWidget>
#include <QEnterEvent>
#include <QGraphicsDropShadowEffect>
#include <QHBoxLayout>
#include <QLocale>
#include <QPainter>
#include <QTextLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace quellarine {

void choosePreset(AppModel& model, FilterPreset::ID id)
{
    model.setPresetID(id);
    if (model.isTrusted() && !model.wantsOn()) {
        model.setWantsOn(true);
    }
}

// Strength bars

StrengthBars::StrengthBars(int level, qreal scale, QWidget* parent)
    : QWidget(parent)
    , level_(level)
    , scale_(scale)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSizeF StrengthBars::size(qreal scale)
{
    return QSizeF((barCount * 4.5 + (barCount - 1) * 2.5) * scale, (3.5 * barCount + 5) * scale);
}

QRectF StrengthBars::barRect(int index, qreal scale)
{
    const qreal height = (3.5 * index + 5) * scale;
    const qreal left = (index - 1) * (4.5 + 2.5) * scale;
    return QRectF(left, size(scale).height() - height, 4.5 * scale, height);
}

void StrengthBars::paint(QPainter& painter, const QRectF& rect, int level, qreal scale, const QColor& color)
{
    const QSizeF box = size(scale);
    const QPointF origin(rect.center().x() - box.width() / 2, rect.center().y() - box.height() / 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (int index = 1; index <= barCount; ++index) {
        const QColor fill = index <= level ? color : withOpacity(color, color.alphaF() * faintOpacity);
        painter.fillPath(ContinuousShape::roundedRect(barRect(index, scale).translated(origin), 1.5 * scale), fill);
    }
    painter.restore();
}

QSize StrengthBars::sizeHint() const
{
    return size(scale_).toSize() + QSize(1, 1);
}

void StrengthBars::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    paint(painter, QRectF(rect()), level_, scale_, palette().color(foregroundRole()));
}

// Preset symbols

QSizeF PresetSymbol::size(qreal scale) const
{
    if (bars) {
        return StrengthBars::size(scale);
    }
    const qreal side = Symbols::sideFor(fontSize * scale);
    return QSizeF(side, side);
}

void PresetSymbol::paint(QPainter& painter, const QRectF& rect, qreal scale, const QColor& color) const
{
    if (bars) {
        StrengthBars::paint(painter, rect, *bars, scale, color);
        return;
    }
    const QSizeF box = size(scale);
    const QRectF frame(rect.center().x() - box.width() / 2, rect.center().y() - box.height() / 2, box.width(),
                       box.height());
    Symbols::paint(painter, frame, symbol, color);
}

PresetSymbol presetSymbol(FilterPreset::ID id)
{
    using ID = FilterPreset::ID;
    const auto bars = [](int level) { return PresetSymbol{.bars = level, .symbol = QString(), .fontSize = 0}; };
    const auto named = [](const char* name, qreal fontSize) {
        return PresetSymbol{.bars = std::nullopt, .symbol = QString::fromLatin1(name), .fontSize = fontSize};
    };
    switch (id) {
    case ID::gentle:
        return bars(1);
    case ID::balanced:
        return bars(2);
    case ID::strong:
        return bars(3);
    case ID::veryStrong:
        return bars(4);
    case ID::precision:
        return named("scope", 17);
    case ID::trackpad:
        return named("rectangle.and.hand.point.up.left", 17);
    case ID::largeMovements:
        return named("arrow.up.left.and.arrow.down.right", 16);
    case ID::personal:
        return named("person.crop.circle", 17);
    }
    return bars(2);
}

PresetSymbolView::PresetSymbolView(FilterPreset::ID id, qreal scale, std::optional<DynamicColor> tint, QWidget* parent)
    : QWidget(parent)
    , id_(id)
    , scale_(scale)
    , tint_(tint)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize PresetSymbolView::sizeHint() const
{
    const QSizeF size = presetSymbol(id_).size(scale_);
    return QSize(static_cast<int>(std::ceil(size.width())), static_cast<int>(std::ceil(size.height())));
}

void PresetSymbolView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    presetSymbol(id_).paint(painter, QRectF(rect()), scale_,
                            tint_ ? tint_->resolve(*this) : palette().color(foregroundRole()));
}

// Section title

SectionTitle::SectionTitle(const QString& text, QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setText(QLocale().toUpper(text));
    setAccessibleName(text);
    setFont(Typography::system(12, QFont::DemiBold));
    setForegroundRole(QPalette::PlaceholderText);
}

// Preset tile

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

// Preset picker

namespace {

QHBoxLayout* tileRow(bool large)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(large ? 10 : 7);
    return row;
}

SectionTitle* groupTitle(const QString& text, int extraAbove)
{
    auto* title = new SectionTitle(text);
    title->setContentsMargins(0, extraAbove, 0, 0);
    return title;
}

} // namespace

PresetPicker::PresetPicker(AppModel& model, bool large, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , large_(large)
    , personalGroup_(new QWidget(this))
    , summary_(new QLabel(this))
{
    using ID = FilterPreset::ID;
    const int spacing = large ? 10 : 9;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);

    layout->addWidget(groupTitle(tr("Smoothing"), 0));
    auto* steady = tileRow(large);
    for (ID id : {ID::gentle, ID::balanced, ID::strong, ID::veryStrong}) {
        steady->addWidget(addTile(id), 1);
    }
    layout->addLayout(steady);

    layout->addWidget(groupTitle(tr("For special cases"), 4));
    auto* special = tileRow(large);
    for (ID id : {ID::precision, ID::trackpad, ID::largeMovements}) {
        special->addWidget(addTile(id), 1);
    }
    layout->addLayout(special);

    auto* personalLayout = new QVBoxLayout(personalGroup_);
    personalLayout->setContentsMargins(0, 0, 0, 0);
    personalLayout->setSpacing(spacing);
    personalLayout->addWidget(groupTitle(tr("Made for your hand"), 4));
    auto* personalRow = tileRow(large);
    personalRow->addWidget(addTile(ID::personal), 1);
    // Two invisible fillers make the tile exactly as wide as one tile of the row of three.
    for (int filler = 0; filler < 2; ++filler) {
        auto* space = new QWidget(personalGroup_);
        space->setFixedHeight(1);
        space->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        space->setMinimumWidth(tiles_.back()->minimumSizeHint().width());
        personalRow->addWidget(space, 1);
    }
    personalLayout->addLayout(personalRow);
    layout->addWidget(personalGroup_);

    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    summary_->setFont(large ? Typography::font(Typography::TextStyle::body) : Typography::system(13.5));
    summary_->setForegroundRole(QPalette::PlaceholderText);
    summary_->setContentsMargins(0, 2, 0, 0);
    layout->addWidget(summary_);

    connect(&model_, &AppModel::presetIDChanged, this, &PresetPicker::refresh);
    connect(&model_, &AppModel::personalChanged, this, &PresetPicker::refresh);
    connect(&model_, &AppModel::isOnChanged, this, &PresetPicker::refresh);
    refresh();
}

PresetTile* PresetPicker::addTile(FilterPreset::ID id)
{
    auto* tile = new PresetTile(id, large_, this);
    connect(tile, &QAbstractButton::clicked, this, [this, id] { choosePreset(model_, id); });
    tiles_.push_back(tile);
    return tile;
}

PresetTile* PresetPicker::tile(FilterPreset::ID id) const
{
    const auto found = std::find_if(tiles_.begin(), tiles_.end(), [id](PresetTile* tile) { return tile->id() == id; });
    return found == tiles_.end() ? nullptr : *found;
}

bool PresetPicker::showsPersonal() const
{
    return !personalGroup_->isHidden();
}

QString PresetPicker::summary() const
{
    return summary_->text();
}

void PresetPicker::refresh()
{
    const FilterPreset::ID active = model_.activePreset().id;
    for (PresetTile* tile : tiles_) {
        tile->setSelected(tile->id() == active);
        tile->setActive(model_.isOn());
    }
    personalGroup_->setVisible(model_.personal().has_value());
    summary_->setText(presetSummary(active));
}

// Click-guard row

namespace {

// The guard's symbol in the accent colour, centred in a frame of fixed width at the top of the row.
class ClickGuardSymbol : public QWidget {
public:
    ClickGuardSymbol(bool large, QWidget* parent)
        : QWidget(parent)
        , large_(large)
    {
        const int side = static_cast<int>(Symbols::sideFor(large ? 22 : 20));
        setFixedSize(large ? 30 : 26, side);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        const qreal side = Symbols::sideFor(large_ ? 22 : 20);
        Symbols::paint(painter, QRectF((width() - side) / 2, 0, side, side), QStringLiteral("cursorarrow.click.2"),
                       Brand::accent.resolve(*this));
    }

private:
    bool large_;
};

} // namespace

ClickGuardRow::ClickGuardRow(AppModel& model, bool large, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , large_(large)
{
    const int spacing = large ? 14 : 10;
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);

    // The area does what the switch does, in one observed change: the setter stores and persists the value and
    // hands the guard's settings to the tap.
    auto* tapArea = new TapArea(this);
    tapArea_ = tapArea;
    connect(tapArea, &TapArea::tapped, this, [this] { model_.setClickGuardOn(!model_.clickGuardOn()); });
    AccessibilityHidden::hide(*tapArea_);
    auto* area = new QHBoxLayout(tapArea_);
    area->setContentsMargins(0, 0, 0, 0);
    area->setSpacing(spacing);
    area->addWidget(new ClickGuardSymbol(large, tapArea_), 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(3);
    auto* title = new QLabel(tr("Click guard"), tapArea_);
    title->setTextFormat(Qt::PlainText);
    title->setWordWrap(true);
    title->setFont(large ? Typography::system(Typography::pixelSize(Typography::TextStyle::title3), QFont::DemiBold)
                         : Typography::system(15, QFont::DemiBold));
    auto* explanation = new QLabel(
        tr("Ignores very short taps and quick accidental repeats, and keeps the pointer still while you click."),
        tapArea_);
    explanation->setTextFormat(Qt::PlainText);
    explanation->setWordWrap(true);
    explanation->setFont(large ? Typography::font(Typography::TextStyle::body) : Typography::system(13.5));
    explanation->setForegroundRole(QPalette::PlaceholderText);
    for (QLabel* label : {title, explanation}) {
        tapArea->passClicks(*label);
    }
    texts->addWidget(title);
    texts->addWidget(explanation);
    area->addLayout(texts, 1);
    tapArea_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    layout->addWidget(tapArea_, 1);

    switch_ = new ToggleSwitch(tr("Click guard"), ToggleSwitch::ControlSize::large, this);
    switch_->setOn(model_.clickGuardOn());
    layout->addWidget(switch_, 0, Qt::AlignTop);
    connect(switch_, &ToggleSwitch::switched, this, [this](bool on) { model_.setClickGuardOn(on); });
    connect(&model_, &AppModel::clickGuardOnChanged, switch_, &ToggleSwitch::setOn);
}

} // namespace quellarine

#include "Quellarine/ModeBanner.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

constexpr int logoSize = 18;
constexpr int headerSpacing = 6;
constexpr int headerBottomPadding = 4;
constexpr int shortcutTopPadding = 10;
constexpr qreal secondaryOpacity = 0.62;

QFont bannerFont(int pixelSize, QFont::Weight weight = QFont::Normal)
{
    QFont font = QApplication::font();
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

QFont headerFont() { return bannerFont(13, QFont::DemiBold); }

QString applicationName() { return ModeBanner::tr("Quellarine"); }

QColor secondary(const QPalette& palette)
{
    QColor colour = palette.color(QPalette::WindowText);
    colour.setAlphaF(secondaryOpacity);
    return colour;
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

// The logo beside the application's name.
void paintLogo(QPainter& /*painter*/, const QRectF& /*rect*/) {}

// A shortcut drawn as keyboard keys joined by "+": each modifier's cap carries its symbol in the top row (and
// "alt" for option) with its name below, the key's cap its label. Read out as one element: the spoken
// description.
class KeyCapsDrawing final : public QWidget {
public:
    KeyCapsDrawing(const GlobalHotKey::Shortcut& shortcut, QWidget* parent)
        : QWidget(parent)
    {
        const GlobalHotKey::Shortcut::Naming naming(
            nullptr, {ModeBanner::tr("control").toStdString(), ModeBanner::tr("option").toStdString(),
                      ModeBanner::tr("shift").toStdString(), ModeBanner::tr("command").toStdString()});
        for (const auto modifier : shortcut.modifierKeys()) {
            Cap cap;
            cap.symbol = QString::fromStdString(std::string(GlobalHotKey::Shortcut::symbol(modifier)));
            cap.name = QString::fromStdString(naming.name(modifier));
            if (modifier == GlobalHotKey::Shortcut::Modifier::option) {
                cap.extra = ModeBanner::tr("alt");
            }
            caps_.push_back(cap);
        }
        Cap key;
        key.name = QString::fromStdString(shortcut.keyLabel(naming));
        key.isKey = true;
        caps_.push_back(key);
        setAccessibleName(QString::fromStdString(shortcut.spokenDescription(naming)));
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }

    QSize sizeHint() const override
    {
        int width = 0;
        int height = 0;
        for (std::size_t index = 0; index < caps_.size(); ++index) {
            if (index > 0) {
                width += 2 * itemSpacing + QFontMetrics(plusFont()).horizontalAdvance(plus());
            }
            const QSize size = capSize(caps_[index]);
            width += size.width();
            height = std::max(height, size.height());
        }
        return {width, height};
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor primary = palette().color(QPalette::WindowText);
        const int plusWidth = QFontMetrics(plusFont()).horizontalAdvance(plus());
        int x = 0;
        for (std::size_t index = 0; index < caps_.size(); ++index) {
            if (index > 0) {
                x += itemSpacing;
                painter.setFont(plusFont());
                painter.setPen(secondary(palette()));
                painter.drawText(QRect(x, 0, plusWidth, height()), Qt::AlignCenter, plus());
                x += plusWidth + itemSpacing;
            }
            const Cap& cap = caps_[index];
            const QSize size = capSize(cap);
            const QRectF frame(x, (height() - size.height()) / 2.0, size.width(), size.height());
            paintCap(painter, frame, cap, primary);
            x += size.width();
        }
    }

private:
    struct Cap {
        QString symbol; // modifiers only
        QString extra;  // "alt" on the option key
        QString name;   // the modifier's name, or the key's label
        bool isKey = false;
    };

    static constexpr int itemSpacing = 6;
    static constexpr int capPaddingX = 8;
    static constexpr int capPaddingY = 4;
    static constexpr int minimumModifierWidth = 64;
    static constexpr int minimumCapSide = 40;
    static constexpr int topRowSpace = 4;
    static constexpr int rowSpacing = 2;
    static constexpr qreal cornerRadius = 7;

    static QString plus() { return ModeBanner::tr("+"); }
    static QFont plusFont() { return bannerFont(18, QFont::Medium); }
    static QFont topRowFont() { return bannerFont(13); }
    static QFont nameFont() { return bannerFont(15, QFont::Medium); }
    static QFont keyFont() { return bannerFont(22, QFont::DemiBold); }

    static QSize contentSize(const Cap& cap)
    {
        if (cap.isKey) {
            const QFontMetrics metrics(keyFont());
            return {metrics.horizontalAdvance(cap.name), metrics.height()};
        }
        const QFontMetrics top(topRowFont());
        const QFontMetrics name(nameFont());
        int topWidth = top.horizontalAdvance(cap.symbol);
        if (!cap.extra.isEmpty()) {
            topWidth += top.horizontalAdvance(cap.extra) + topRowSpace;
        }
        return {std::max(topWidth, name.horizontalAdvance(cap.name)), top.height() + rowSpacing + name.height()};
    }

    static QSize capSize(const Cap& cap)
    {
        const QSize content = contentSize(cap);
        const int minimumWidth = cap.isKey ? minimumCapSide : minimumModifierWidth;
        return {std::max(minimumWidth, content.width()) + 2 * capPaddingX,
                std::max(minimumCapSide, content.height()) + 2 * capPaddingY};
    }

    static void paintCap(QPainter& painter, const QRectF& frame, const Cap& cap, QColor primary)
    {
        QColor fill = primary;
        fill.setAlphaF(0.07);
        QColor border = primary;
        border.setAlphaF(0.30);
        QPainterPath shape;
        shape.addRoundedRect(frame.adjusted(0.5, 0.5, -0.5, -0.5), cornerRadius, cornerRadius);
        painter.fillPath(shape, fill);
        painter.setPen(QPen(border, 1));
        painter.drawPath(shape);

        painter.setPen(primary);
        const QRectF inner = frame.adjusted(capPaddingX, capPaddingY, -capPaddingX, -capPaddingY);
        if (cap.isKey) {
            painter.setFont(keyFont());
            painter.drawText(inner, Qt::AlignCenter, cap.name);
            return;
        }
        // The stack of the two rows, centred in the cap and as wide as the cap allows.
        const QSize content = contentSize(cap);
        const QRectF stack(inner.x() + (inner.width() - std::max<qreal>(content.width(), minimumModifierWidth)) / 2,
                           inner.y() + (inner.height() - content.height()) / 2,
                           std::max<qreal>(content.width(), minimumModifierWidth), content.height());
        const QFontMetrics top(topRowFont());
        const QRectF topRow(stack.x(), stack.y(), stack.width(), top.height());
        painter.setFont(topRowFont());
        if (!cap.extra.isEmpty()) {
            painter.drawText(topRow, Qt::AlignLeft | Qt::AlignVCenter, cap.extra);
        }
        painter.drawText(topRow, Qt::AlignRight | Qt::AlignVCenter, cap.symbol);
        painter.setFont(nameFont());
        painter.drawText(QRectF(stack.x(), topRow.bottom() + rowSpacing, stack.width(),
                                stack.bottom() - topRow.bottom() - rowSpacing),
                         Qt::AlignLeft | Qt::AlignVCenter, cap.name);
    }

    std::vector<Cap> caps_;
};

QWidget* makeKeyCaps(const GlobalHotKey::Shortcut& shortcut, QWidget* parent)
{
    return new KeyCapsDrawing(shortcut, parent);
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
    header_ = new QSpacerItem(headerWidth(), headerHeight + headerBottomPadding, QSizePolicy::Fixed,
                              QSizePolicy::Fixed);
    stack->addItem(header_);

    titleLabel_ = makeLabel(title_, bannerFont(28, QFont::DemiBold), true, this);
    stack->addWidget(titleLabel_);

    detailLabel_ = makeLabel(detail_, bannerFont(16), true, this);
    stack->addWidget(detailLabel_);

    if (shortcut_) {
        shortcutRow_ = new QWidget(this);
        auto* row = new QHBoxLayout(shortcutRow_);
        row->setContentsMargins(0, shortcutTopPadding, 0, 0);
        row->setSpacing(6);
        row->addWidget(makeKeyCaps(*shortcut_, shortcutRow_), 0, Qt::AlignVCenter);
        shortcutLabel_ = makeLabel(tr("next mode"), bannerFont(14), false, shortcutRow_);
        row->addWidget(shortcutLabel_, 0, Qt::AlignVCenter);
        stack->addWidget(shortcutRow_, 0, Qt::AlignHCenter);
    }

    applyColours();
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

void ModeBanner::applyColours()
{
    QPalette secondaryPalette = palette();
    secondaryPalette.setColor(QPalette::WindowText, secondary(palette()));
    detailLabel_->setPalette(secondaryPalette);
    if (shortcutLabel_ != nullptr) {
        shortcutLabel_->setPalette(secondaryPalette);
    }
}

void ModeBanner::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        applyColours();
    }
    QWidget::changeEvent(event);
}

void ModeBanner::paintEvent(QPaintEvent* /*event*/)
{
    // The header: the logo and the application's name, centred in the space the layout keeps for it.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect area = header_->geometry();
    const int left = area.x() + (area.width() - headerWidth()) / 2;
    const int rowHeight = area.height() - headerBottomPadding;
    const QRectF logo(left, area.y() + (rowHeight - logoSize) / 2.0, logoSize, logoSize);
    paintLogo(painter, logo);
    painter.setFont(headerFont());
    painter.setPen(secondary(palette()));
    const QRect name(static_cast<int>(logo.right()) + headerSpacing, area.y(),
                     oneLineWidth(headerFont(), applicationName()), rowHeight);
    painter.drawText(name, Qt::AlignLeft | Qt::AlignVCenter, applicationName());
}

} // namespace quellarine

#include "Quellarine/Pages/Research/YourHand.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/InkRoom.h"
#include "Quellarine/Components/Style/AccessibilityHidden.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Components/PlainText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace quellarine {

namespace {

// A symbol in white on a small tile of the brand gradient.
class IconTile : public QWidget {
public:
    explicit IconTile(const QString& symbol)
        : symbol_(symbol)
    {
        setFixedSize(YourHand::tileSide, YourHand::tileSide);
        AccessibilityHidden::hide(*this);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF tile(rect());
        painter.setPen(Qt::NoPen);
        painter.setBrush(Brand::gradient(tile, *this));
        painter.drawPath(ContinuousShape::roundedRect(tile, YourHand::tileRadius));
        const qreal side = Symbols::sideFor(Typography::pixelSize(Typography::TextStyle::title3));
        Symbols::paint(painter, QRectF((width() - side) / 2, (height() - side) / 2, side, side), symbol_, Qt::white,
                       Symbols::Weight::bold);
    }

private:
    QString symbol_;
};

QLabel* text(const QString& content, Typography::TextStyle style, bool secondary)
{
    return plainText(content, Typography::font(style), secondary);
}

} // namespace

YourHand::YourHand(QWidget* parent)
    : QWidget(parent)
{
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(padding, padding, padding, padding);
    stack->setSpacing(14);
    stack->addWidget(item(QStringLiteral("hand.raised.fingers.spread"), tr("Measured on your computer"),
                          tr("A one-minute test records how your pointer moves. Quellarine replays it through every "
                             "preset and suggests the one that leaves the least shake for the least delay.")));
    stack->addWidget(item(QStringLiteral("sparkles"), tr("Explained and tuned by AI"),
                          tr("If you ask, AI (Claude) reads the result's numbers, never the recording, explains in "
                             "plain words what they show, and tunes the suggested preset into a personal setting, "
                             "kept within the range of Quellarine's presets.")));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QWidget* YourHand::item(const QString& symbol, const QString& title, const QString& body)
{
    auto* row = new QWidget;
    auto* line = new QHBoxLayout(row);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(12);
    line->addWidget(new IconTile(symbol), 0, Qt::AlignTop);
    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(3);
    texts->addWidget(text(title, Typography::TextStyle::headline, false));
    texts->addWidget(text(body, Typography::TextStyle::body, true));
    line->addLayout(texts, 1);
    return row;
}

void YourHand::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor accent = Brand::accent.resolve(*this);
    ContinuousShape::draw(painter, QRectF(rect()), cornerRadius, withOpacity(accent, 0.07), withOpacity(accent, 0.2),
                          1.0);
}

} // namespace quellarine

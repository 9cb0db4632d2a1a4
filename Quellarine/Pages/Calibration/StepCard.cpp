#include "Quellarine/Pages/Calibration/StepCard.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace quellarine {

namespace {

// The part's symbol, white on the brand gradient.
class SymbolTile final : public QWidget {
public:
    SymbolTile(QString symbol, QWidget* parent)
        : QWidget(parent)
        , symbol_(std::move(symbol))
    {
        setFixedSize(StepCard::tileSide, StepCard::tileSide);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF tile(rect());
        painter.fillPath(ContinuousShape::roundedRect(tile, StepCard::tileRadius), Brand::gradient(tile, *this));
        const qreal side = Symbols::sideFor(Typography::pixelSize(Typography::TextStyle::title2));
        Symbols::paint(painter, QRectF(tile.center().x() - side / 2, tile.center().y() - side / 2, side, side), symbol_,
                       Qt::white);
    }

private:
    QString symbol_;
};

} // namespace

StepCard::StepCard(const QString& title, const QString& detail, const QString& symbol, bool sideBySide, QWidget* parent)
    : FilledPanel(14, 0.045, std::nullopt, parent)
    , title_(new QLabel(title, this))
    , detail_(new QLabel(detail, this))
{
    QFont titleFont = Typography::font(Typography::TextStyle::title3);
    titleFont.setWeight(QFont::DemiBold);
    title_->setFont(titleFont);
    title_->setTextFormat(Qt::PlainText);
    title_->setWordWrap(true);
    detail_->setFont(Typography::font(Typography::TextStyle::body));
    detail_->setTextFormat(Qt::PlainText);
    detail_->setWordWrap(true);
    detail_->setForegroundRole(QPalette::PlaceholderText);
    setAccessibleName(title);
    setAccessibleDescription(detail);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(sideBySide ? 6 : 2);
    texts->addWidget(title_);
    texts->addWidget(detail_);
    auto* tile = new SymbolTile(symbol, this);
    QBoxLayout* layout = sideBySide ? static_cast<QBoxLayout*>(new QVBoxLayout(this)) : new QHBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(sideBySide ? 6 : 14);
    layout->addWidget(tile, 0, sideBySide ? Qt::AlignLeading : Qt::AlignVCenter);
    layout->addLayout(texts, 1);
    if (sideBySide) {
        layout->addStretch(1);
    }
}

} // namespace quellarine

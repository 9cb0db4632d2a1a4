#include "Quellarine/Pages/Research/Finding.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/Reveal.h"
#include "Quellarine/Components/SourceLink.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Pages/Research/FigureLine.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace quellarine {

Finding::Finding(const QString& figure, const QString& compared, const QString& finding, const QString& answer,
                 const Source& source, QWidget* parent)
    : QWidget(parent)
    , figureLine_(new FigureLine(figure, compared))
    , finding_(new QLabel(finding))
    , answer_(new SymbolLabel(answer, QStringLiteral("arrow.turn.down.right"),
                              Typography::system(Typography::pixelSize(Typography::TextStyle::callout), QFont::Medium)))
    , source_(new SourceLink(source, false))
{
    finding_->setTextFormat(Qt::PlainText);
    finding_->setWordWrap(true);
    finding_->setFont(Typography::font(Typography::TextStyle::body));
    answer_->setSymbolColor(Brand::accent);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(padding, padding, padding, padding);
    column->setSpacing(spacing);
    column->addWidget(figureLine_);
    column->addWidget(finding_);
    // Takes what the card is given beyond its content, above the answer.
    column->addStretch(1);
    column->addWidget(answer_);
    column->addWidget(source_, 0, Qt::AlignLeading);

    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    Reveal::apply(*this, revealDelay);
}

void Finding::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor primary = palette().color(QPalette::WindowText);
    ContinuousShape::draw(painter, QRectF(rect()), cornerRadius, withOpacity(primary, 0.045),
                          withOpacity(primary, 0.08), 1.0);
}

} // namespace quellarine

#include "Quellarine/Pages/Research/FigureLine.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QStyle>

#include <algorithm>

namespace quellarine {

FigureLine::FigureLine(const QString& figure, const QString& compared, QWidget* parent)
    : QWidget(parent)
    , figure_(new SymbolLabel(figure, QString(), Typography::system(38, QFont::Bold, Typography::Design::rounded),
                              Brand::warm, this))
{
    figure_->label()->setWordWrap(false);
    if (!compared.isEmpty()) {
        compared_ = new QLabel(compared, this);
        compared_->setTextFormat(Qt::PlainText);
        compared_->setWordWrap(true);
        compared_->setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::callout), QFont::Medium));
        compared_->setForegroundRole(QPalette::PlaceholderText);
    }
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int FigureLine::comparedNaturalWidth() const
{
    // A little room beyond the text's advance, which the label's own wrapping would otherwise treat as too tight.
    return compared_ == nullptr ? 0 : QFontMetrics(compared_->font()).horizontalAdvance(compared_->text()) + 2;
}

bool FigureLine::fitsBeside(int width) const
{
    if (compared_ == nullptr) {
        return true;
    }
    return figure_->sizeHint().width() + besideSpacing + comparedNaturalWidth() <= width;
}

int FigureLine::arrange(int width, bool apply) const
{
    const QSize figureSize = figure_->sizeHint();
    const QRect bounds(0, 0, width, 0);
    const auto place = [&](QWidget* widget, const QRect& where) {
        if (apply) {
            widget->setGeometry(QStyle::visualRect(layoutDirection(), bounds, where));
        }
    };
    if (compared_ == nullptr) {
        place(figure_, QRect(QPoint(0, 0), figureSize));
        return figureSize.height();
    }
    if (apply) {
        // Against the figure, whatever the script of the comparison's own text.
        compared_->setAlignment(Qt::AlignTop | Qt::AlignAbsolute
                                | (layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (fitsBeside(width)) {
        // One baseline: the comparison's first line sits on the figure's.
        const int figureAscent = QFontMetrics(figure_->font()).ascent();
        const int comparedAscent = QFontMetrics(compared_->font()).ascent();
        const int baseline = std::max(figureAscent, comparedAscent);
        const int comparedLeft = figureSize.width() + besideSpacing;
        const int comparedWidth = std::max(0, width - comparedLeft);
        const int comparedHeight = compared_->heightForWidth(comparedWidth);
        const QRect figureRect(QPoint(0, baseline - figureAscent), figureSize);
        const QRect comparedRect(comparedLeft, baseline - comparedAscent, comparedWidth, comparedHeight);
        place(figure_, figureRect);
        place(compared_, comparedRect);
        return std::max(figureRect.bottom(), comparedRect.bottom()) + 1;
    }
    const int comparedTop = figureSize.height() + underSpacing;
    const int comparedHeight = compared_->heightForWidth(width);
    place(figure_, QRect(QPoint(0, 0), figureSize));
    place(compared_, QRect(0, comparedTop, width, comparedHeight));
    return comparedTop + comparedHeight;
}

int FigureLine::heightForWidth(int width) const
{
    return arrange(width, false);
}

QSize FigureLine::sizeHint() const
{
    int width = figure_->sizeHint().width();
    if (compared_ != nullptr) {
        width += besideSpacing + comparedNaturalWidth();
    }
    return QSize(width, heightForWidth(width));
}

QSize FigureLine::minimumSizeHint() const
{
    // Never narrower than the figure; never shorter than both on one line. The height at a given width comes from
    // heightForWidth(): taking it at the narrowest width would make every card as tall as a wrapped comparison.
    return QSize(figure_->sizeHint().width(), sizeHint().height());
}

bool FigureLine::event(QEvent* event)
{
    if (event->type() == QEvent::LayoutRequest) {
        // A part's size changed (its text or font).
        arrange(width(), true);
        updateGeometry();
    }
    return QWidget::event(event);
}

void FigureLine::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    arrange(width(), true);
}

void FigureLine::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LayoutDirectionChange || event->type() == QEvent::FontChange) {
        arrange(width(), true);
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

} // namespace quellarine

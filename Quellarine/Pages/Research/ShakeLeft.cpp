#include "Quellarine/Pages/Research/ShakeLeft.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/LocalizedSources.h"
#include "Quellarine/Components/Percent.h"
#include "Quellarine/Components/SourceLink.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Pages/Research/Growth.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace quellarine {

namespace {

// One share as a bar on a faint track; the track is the whole shake.
class ShareBar : public QWidget {
public:
    ShareBar(double value, bool balanced, const Growth& growth)
        : value_(value)
        , balanced_(balanced)
        , growth_(growth)
    {
        setFixedHeight(ShakeLeft::barHeight);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        connect(&growth_, &Growth::progressed, this, qOverload<>(&QWidget::update));
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor text = palette().color(QPalette::WindowText);
        ContinuousShape::drawCapsule(painter, QRectF(rect()), withOpacity(text, 0.06));
        QRectF bar(0, 0, ShakeLeft::barLength(value_, width(), growth_.progress()), height());
        if (layoutDirection() == Qt::RightToLeft) {
            bar.moveLeft(width() - bar.width());
        }
        const QColor fill
            = balanced_ ? Brand::warm.resolve(*this) : withOpacity(palette().color(QPalette::PlaceholderText), 0.45);
        ContinuousShape::drawCapsule(painter, bar, fill);
    }

private:
    double value_;
    bool balanced_;
    const Growth& growth_;
};

QLabel* text(const QString& content, const QFont& font)
{
    auto* label = new QLabel(content);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    return label;
}

} // namespace

double ShakeLeft::barLength(double value, double width, double progress)
{
    return std::max(width * value * progress, stubLength);
}

ShakeLeft::ShakeLeft(QWidget* parent)
    : ChartCard(spacing, parent)
    , growth_(new Growth(*this, growthDelay, growthSpring))
{
    const QString title = tr("How much shake is left, at the same 25 ms delay");
    auto* heading = text(title, Typography::font(Typography::TextStyle::headline));
    heading->setWordWrap(true);
    addQuiet(heading);

    const QString plain = tr("Plain smoothing");
    const QString balanced = tr("Quellarine, Balanced");
    addQuiet(group(plain, plainSmoothingLeft, false));
    addQuiet(group(balanced, balancedLeft, true));

    const QString how = tr("Quellarine works out the shake and subtracts it, like the adaptive filters used to steady "
                           "surgical tools, which removed about two thirds of hand shake in lab tests. A shake that "
                           "changes from second to second is harder: then less of it goes.");
    auto* explanation = text(how, Typography::font(Typography::TextStyle::callout));
    explanation->setWordWrap(true);
    explanation->setForegroundRole(QPalette::PlaceholderText);
    addQuiet(explanation);

    auto* sources = new QHBoxLayout;
    sources->setContentsMargins(0, 0, 0, 0);
    sources->setSpacing(8);
    sources->addStretch(1);
    sources->addWidget(new SourceLink(LocalizedSources::withID(10)));
    sources->addWidget(new SourceLink(LocalizedSources::withID(9)));
    column()->addLayout(sources);

    describe(title,
             tr("Shake left with plain smoothing: %1. With Quellarine's Balanced preset: %2.")
                     .arg(percent(plainSmoothingLeft, 0), percent(balancedLeft, 0))
                 + QLatin1Char('\n') + how);
}

QWidget* ShakeLeft::group(const QString& label, double value, bool balanced)
{
    auto* block = new QWidget;
    auto* stack = new QVBoxLayout(block);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(4);
    auto* line = new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    auto* name = text(label, Typography::system(Typography::pixelSize(Typography::TextStyle::callout), QFont::Medium));
    name->setWordWrap(true);
    line->addWidget(name, 1);
    line->addWidget(text(percent(value, 0),
                         Typography::system(Typography::pixelSize(Typography::TextStyle::callout), QFont::DemiBold)));
    stack->addLayout(line);
    stack->addWidget(new ShareBar(value, balanced, *growth_));
    return block;
}

} // namespace quellarine

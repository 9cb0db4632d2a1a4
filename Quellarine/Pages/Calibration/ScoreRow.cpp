#include "Quellarine/Pages/Calibration/ScoreRow.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/Percent.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Model/PresetTexts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace quellarine {

namespace {

double taken(double left)
{
    return std::max(0.0, 1.0 - left);
}

// The track across the full width with the share filled over it.
class ShareBar final : public QWidget {
public:
    ShareBar(double left, bool suggested, QWidget* parent)
        : QWidget(parent)
        , left_(left)
        , suggested_(suggested)
    {
        setFixedHeight(ScoreRow::barHeight);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF track(rect());
        ContinuousShape::drawCapsule(painter, track, withOpacity(palette().color(QPalette::WindowText), 0.06));
        QRectF filled(0, 0, ScoreRow::barWidth(left_, track.width()), track.height());
        filled = QStyle::visualRect(layoutDirection(), rect(), filled.toRect());
        const QPainterPath shape = ContinuousShape::capsule(filled);
        if (suggested_) {
            painter.fillPath(shape, Brand::gradient(filled, *this));
        } else {
            painter.fillPath(shape, withOpacity(palette().color(QPalette::PlaceholderText), 0.4));
        }
    }

private:
    double left_;
    bool suggested_;
};

QLabel* text(const QString& content, QFont font, QWidget* parent)
{
    auto* label = new QLabel(content, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    return label;
}

} // namespace

ScoreRow::ScoreRow(const CalibrationResult::PresetScore& score, bool suggested, bool wide, QWidget* parent)
    : QWidget(parent)
{
    QFont nameFont = Typography::font(Typography::TextStyle::body);
    nameFont.setWeight(suggested ? QFont::Bold : QFont::Normal);
    const QFont figures = Typography::font(Typography::TextStyle::callout);
    name_ = text(presetTitle(score.preset), nameFont, this);
    share_ = text(shareText(score.left), figures, this);
    delay_ = text(delayText(score.lagMs), figures, this);
    delay_->setForegroundRole(QPalette::PlaceholderText);
    share_->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    delay_->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    bar_ = new ShareBar(score.left, suggested, this);
    setAccessibleName(QStringLiteral("%1, %2, %3").arg(name_->text(), share_->text(), delay_->text()));

    if (wide) {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(10);
        layout->addWidget(name_);
        layout->addWidget(bar_, 1);
        layout->addWidget(share_);
        layout->addWidget(delay_);
    } else {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 2, 0, 2);
        layout->setSpacing(5);
        auto* texts = new QHBoxLayout;
        texts->setSpacing(8);
        texts->addWidget(name_);
        texts->addStretch(1);
        texts->addSpacing(4);
        texts->addWidget(share_);
        texts->addWidget(delay_);
        layout->addLayout(texts);
        layout->addWidget(bar_);
    }
}

void ScoreRow::alignColumns(const std::vector<ScoreRow*>& rows)
{
    // Each column as wide as its widest text, and never narrower than the table's own measure, so that the
    // bars line up and no percentage is ever cut short.
    int name = nameColumn;
    int share = shareColumn;
    int delay = delayColumn;
    for (const ScoreRow* row : rows) {
        name = std::max(name, row->name_->sizeHint().width());
        share = std::max(share, row->share_->sizeHint().width());
        delay = std::max(delay, row->delay_->sizeHint().width());
    }
    for (ScoreRow* row : rows) {
        row->name_->setFixedWidth(name);
        row->share_->setFixedWidth(share);
        row->delay_->setFixedWidth(delay);
    }
}

QString ScoreRow::shareText(double left)
{
    return tr("%1 less shake").arg(percent(taken(left), 0));
}

QString ScoreRow::delayText(double lagMs)
{
    // In the locale's digits, like the share beside it.
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return tr("%1 ms").arg(locale.toString(static_cast<qlonglong>(std::lround(lagMs))));
}

qreal ScoreRow::barWidth(double left, qreal available)
{
    return std::max(available * taken(left), shortestBar);
}

} // namespace quellarine

#include "Quellarine/Pages/Research/LagChart.h"

#include "Quellarine/Components/LocalizedSources.h"
#include "Quellarine/Components/Percent.h"
#include "Quellarine/Components/SourceLink.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Pages/Research/Growth.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QStringList>
#include <QVBoxLayout>

#include <utility>

namespace quellarine {

std::vector<LagBars::Row> LagChart::studyRows()
{
    return {{8, 911}, {25, 934}, {75, 1059}, {225, 1493}};
}

LagChart::LagChart(std::vector<LagBars::Row> rows, QWidget* parent)
    : ChartCard(spacing, parent)
    , growth_(new Growth(*this, growthDelay, growthSpring))
    , bars_(new LagBars(std::move(rows), *growth_))
{
    const QString title = tr("Time to reach a target, by delay");
    auto* heading = new QLabel(title);
    heading->setTextFormat(Qt::PlainText);
    heading->setWordWrap(true);
    heading->setFont(Typography::font(Typography::TextStyle::headline));
    addQuiet(heading);
    addQuiet(bars_);

    auto* sources = new QHBoxLayout;
    sources->setContentsMargins(0, 0, 0, 0);
    sources->setSpacing(8);
    sources->addStretch(1);
    sources->addWidget(new SourceLink(LocalizedSources::withID(7)));
    sources->addWidget(new SourceLink(LocalizedSources::withID(8)));
    column()->addLayout(sources);

    const QString meaning = tr("A delay of 75 ms made reaching a target %1 slower and raised errors from %2 to %3. "
                               "Adding 40 ms cost about %4 of pointing speed. Balanced adds about 25 ms.")
                                .arg(percent(0.16, 0), percent(0.036, 1), percent(0.049, 1), percent(0.15, 0));
    addQuiet(conclusion(meaning));

    QStringList lines;
    for (const LagBars::Row& row : bars_->rows()) {
        const QString added = LagBars::milliseconds(row.lag);
        const QString time = LagBars::milliseconds(static_cast<long long>(row.time));
        lines.append(row.lag == LagBars::balancedLag ? tr("%1 added, as with Balanced: %2.").arg(added, time)
                                                     : tr("%1 added: %2.").arg(added, time));
    }
    lines.append(meaning);
    describe(title, lines.join(QLatin1Char('\n')));
}

} // namespace quellarine

#include "Quellarine/Pages/Research/FrequencyBands.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/LocalizedSources.h"
#include "Quellarine/Components/SourceLink.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/Style/AccessibilityHidden.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Pages/Research/BandStrip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace quellarine {

FrequencyBands::FrequencyBands(double top, QWidget* parent)
    : ChartCard(spacing, parent)
    , strip_(
          new BandStrip(top, {{0, 2, tr("Your movement"), Brand::accent}, {3, 12, tr("A shaking hand"), Brand::warm}}))
{
    addQuiet(strip_);

    auto* unit = new QLabel(tr("Times per second"));
    unit->setTextFormat(Qt::PlainText);
    unit->setFont(Typography::font(Typography::TextStyle::caption));
    unit->setForegroundRole(QPalette::PlaceholderText);
    AccessibilityHidden::hide(*unit);
    auto* sources = new QHBoxLayout;
    sources->setContentsMargins(0, 0, 0, 0);
    sources->setSpacing(8);
    sources->addWidget(unit);
    sources->addStretch(1);
    sources->addWidget(new SourceLink(LocalizedSources::withID(5)));
    sources->addWidget(new SourceLink(LocalizedSources::withID(6)));
    column()->addLayout(sources);

    const QString meaning = tr("Moving the mouse on purpose stays under about 2 times a second. A shake is faster, 3 "
                               "to 12. Quellarine learns the shake and subtracts it, instead of slowing everything "
                               "down.");
    addQuiet(conclusion(meaning));

    describe(tr("How fast your movement and a shake are"),
             tr("A line from 0 to %1 times per second. Your movement lies between 0 and 2 times per second, a "
                "shaking hand between 3 and 12.")
                     .arg(QLocale().toString(top))
                 + QLatin1Char('\n') + meaning);
}

} // namespace quellarine

#include "Quellarine/Pages/Research/ResearchPage.h"

#include "Quellarine/Components/AdaptiveGridLayout.h"
#include "Quellarine/Components/LocalizedSources.h"
#include "Quellarine/Components/Percent.h"
#include "Quellarine/Components/Reveal.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Pages/Research/Finding.h"
#include "Quellarine/Pages/Research/FrequencyBands.h"
#include "Quellarine/Pages/Research/LagChart.h"
#include "Quellarine/Pages/Research/ResearchHero.h"
#include "Quellarine/Pages/Research/ShakeLeft.h"
#include "Quellarine/Pages/Research/SourcesList.h"
#include "Quellarine/Pages/Research/YourHand.h"
#include "Quellarine/Components/PlainText.h"

#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

namespace quellarine {

namespace {

// The studies' shares.
constexpr double slippedClicks = 0.281;
constexpr double slippedClicksOthers = 0.063;
constexpr double failedMultipleClicks = 92.0 / 233.0;

// A section's heading: a bold title over a secondary subtitle that wraps.
QWidget* heading(const QString& title, const QString& subtitle)
{
    auto* block = new QWidget;
    auto* stack = new QVBoxLayout(block);
    stack->setContentsMargins(0, 6, 0, 0);
    stack->setSpacing(4);
    QFont titleFont = Typography::font(Typography::TextStyle::title2);
    titleFont.setWeight(QFont::Bold);
    stack->addWidget(plainText(title, titleFont, false));
    stack->addWidget(plainText(subtitle, Typography::font(Typography::TextStyle::body), true));
    return block;
}

template <typename View>
View* revealed(View* view, double delay)
{
    Reveal::apply(*view, delay);
    return view;
}

} // namespace

ResearchPage::ResearchPage(QWidget* parent)
    : QWidget(parent)
    , hero_(revealed(new ResearchHero, 0))
{
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(spacing);
    page->addWidget(hero_);

    page->addWidget(
        heading(tr("Clicking"), tr("Most trouble comes at the moment of the click, not on the way to it.")));
    page->addWidget(clickingFindings());
    page->addWidget(finding(tr("%1×").arg(QLocale().toString(2.4, 'f', 1)),
                            tr("%1 against %2").arg(percent(0.329, 0), percent(0.135, 0)),
                            tr("as many double-click errors for older adults as for young ones."),
                            tr("It isn't only shaking: Quellarine helps whenever clicks slip."), 3));

    page->addWidget(heading(
        tr("Moving"), tr("Your movement and a shake are different speeds. That gap is what Quellarine works in.")));
    frequencyBands_ = revealed(new FrequencyBands(14), 0.1);
    page->addWidget(frequencyBands_);
    page->addWidget(finding(tr("½"), tr("2.34 against 4.72 bits/s"),
                            tr("the pointing speed of people with motor difficulties, compared with others."),
                            tr("A steadier pointer gives back some of that speed: fewer misses, fewer second tries."),
                            4));

    page->addWidget(heading(tr("Delay"),
                            tr("Smoothing usually costs delay, and delay costs speed. So Quellarine keeps it small.")));
    lagChart_ = revealed(new LagChart(LagChart::studyRows()), 0.1);
    page->addWidget(lagChart_);
    shakeLeft_ = revealed(new ShakeLeft, 0.2);
    page->addWidget(shakeLeft_);

    page->addWidget(heading(tr("Your own hand"),
                            tr("The studies describe groups of people. \"Tuned to your hand\" looks at yours.")));
    yourHand_ = revealed(new YourHand, 0.1);
    page->addWidget(yourHand_);

    sources_ = new SourcesList(LocalizedSources::all());
    page->addWidget(sources_);
    disclaimer_
        = plainText(tr("The studies looked at groups of people using a mouse; they did not test Quellarine, except "
                       "the one marked as our own. Quellarine is not a medical device and does not diagnose or "
                       "treat any condition."),
                    Typography::font(Typography::TextStyle::callout), true);
    page->addWidget(disclaimer_);
}

QWidget* ResearchPage::clickingFindings()
{
    auto* holder = new QWidget;
    clickingGrid_ = new AdaptiveGridLayout(gridColumnWidth, gridSpacing, holder);
    clickingGrid_->setStretchesRows(true);
    clickingGrid_->addWidget(finding(percent(slippedClicks, 0),
                                     tr("%1 for others").arg(percent(slippedClicksOthers, 0)),
                                     tr("of clicks moved the pointer between pressing and releasing the button, for "
                                        "people with motor difficulties."),
                                     tr("The click guard holds the pointer still while the button is down."), 1));
    clickingGrid_->addWidget(finding(percent(failedMultipleClicks, 0), QStringLiteral("92 / 233"),
                                     tr("of double and triple clicks failed: they slipped, came too slowly or counted "
                                        "wrong."),
                                     tr("The pointer stays put while you click, so the clicks land in one place."), 1));
    clickingGrid_->addWidget(finding(QStringLiteral("116"), tr("up to 19 from one person"),
                                     tr("clicks nobody meant to make, in the same study."),
                                     tr("Taps too short to be a real press don't count as clicks."), 1));
    clickingGrid_->addWidget(finding(tr("9 of 11"), QString(),
                                     tr("people preferred a pointer that holds still during clicks, when they tried "
                                        "one."),
                                     tr("Quellarine's click guard works the same way."), 2));
    return holder;
}

Finding* ResearchPage::finding(const QString& figure, const QString& compared, const QString& text,
                               const QString& answer, int source)
{
    auto* card = new Finding(figure, compared, text, answer, LocalizedSources::withID(source));
    findings_.append(card);
    return card;
}

} // namespace quellarine

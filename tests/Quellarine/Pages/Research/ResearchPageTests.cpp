#include "OpenedAddresses.h"

#include "Quellarine/Components/AdaptiveGridLayout.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Pages/Research/CountUp.h"
#include "Quellarine/Components/LocalizedSources.h"
#include "Quellarine/Pages/Research/Pill.h"
#include "Quellarine/Components/Reveal.h"
#include "Quellarine/Components/SourceLink.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Pages/Research/AddressLink.h"
#include "Quellarine/Pages/Research/BandStrip.h"
#include "Quellarine/Pages/Research/FigureLine.h"
#include "Quellarine/Pages/Research/Finding.h"
#include "Quellarine/Pages/Research/FrequencyBands.h"
#include "Quellarine/Pages/Research/LagBars.h"
#include "Quellarine/Pages/Research/LagChart.h"
#include "Quellarine/Pages/Research/ResearchHero.h"
#include "Quellarine/Pages/Research/ResearchPage.h"
#include "Quellarine/Pages/Research/ShakeLeft.h"
#include "Quellarine/Pages/Research/SourcesList.h"
#include "Quellarine/Pages/Research/YourHand.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using testing::OpenedAddresses;

// The page as the main window holds it: at a given width and the height that width needs, laid out.
void layOut(ResearchPage& page, int width)
{
    page.resize(width, page.heightForWidth(width));
    page.layout()->activate();
    QApplication::processEvents();
}

double revealDelay(QWidget& widget)
{
    const auto* reveal = qobject_cast<Reveal*>(widget.graphicsEffect());
    return reveal == nullptr ? -1 : reveal->delay();
}

// Every text of the view at twice its size, as a desktop set to large text would ask for.
void doubleTheText(QWidget& root)
{
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        if (widget->testAttribute(Qt::WA_SetFont)) {
            QFont font = widget->font();
            font.setPixelSize(font.pixelSize() * 2);
            widget->setFont(font);
        }
    }
}

TEST(ResearchPageTest, PartsComeInOrderAndEnterAtTheirDelays)
{
    ResearchPage page;
    QLayout& column = *page.layout();
    ASSERT_EQ(column.count(), 14);
    const auto part = [&](int index) { return column.itemAt(index)->widget(); };
    EXPECT_EQ(part(0), &page.hero());
    EXPECT_EQ(part(2)->layout(), &page.clickingGrid());
    EXPECT_EQ(part(3), page.findings()[4]);
    EXPECT_EQ(part(5), &page.frequencyBands());
    EXPECT_EQ(part(6), page.findings()[5]);
    EXPECT_EQ(part(8), &page.lagChart());
    EXPECT_EQ(part(9), &page.shakeLeft());
    EXPECT_EQ(part(11), &page.yourHand());
    EXPECT_EQ(part(12), &page.sources());
    EXPECT_EQ(part(13), &page.disclaimer());
    EXPECT_EQ(page.clickingGrid().count(), 4);

    EXPECT_EQ(revealDelay(page.hero()), 0);
    EXPECT_EQ(revealDelay(page.frequencyBands()), 0.1);
    EXPECT_EQ(revealDelay(page.lagChart()), 0.1);
    EXPECT_EQ(revealDelay(page.shakeLeft()), 0.2);
    EXPECT_EQ(revealDelay(page.yourHand()), 0.1);
    for (Finding* finding : page.findings()) {
        EXPECT_EQ(revealDelay(*finding), 0.15);
    }
    // Headings, sources and the disclaimer show at once.
    for (const int index : {1, 4, 7, 10, 12, 13}) {
        EXPECT_EQ(part(index)->graphicsEffect(), nullptr) << index;
    }
    EXPECT_EQ(page.frequencyBands().strip().top(), 14);
    EXPECT_EQ(page.frequencyBands().strip().numbers(), (std::vector<int>{0, 2, 4, 6, 8, 10, 12, 14}));
}

TEST(ResearchPageTest, FiguresReadAsTheStudiesGiveThemAndCountUpToTheirValues)
{
    ResearchPage page;
    const QList<CountUp*> figures = page.hero().figures();
    ASSERT_EQ(figures.size(), 3);
    EXPECT_EQ(figures[0]->accessibleName(), QStringLiteral("28%"));
    EXPECT_EQ(figures[1]->accessibleName(), QStringLiteral("39%"));
    EXPECT_EQ(figures[2]->accessibleName(), QStringLiteral("25 ms"));
    EXPECT_DOUBLE_EQ(figures[1]->value(), 92.0 / 233.0);
    EXPECT_EQ((std::vector{figures[0]->delay(), figures[1]->delay(), figures[2]->delay()}),
              (std::vector{0.15, 0.3, 0.45}));
    page.show();
    for (CountUp* figure : figures) {
        figure->animation().setCurrentTime(figure->animation().totalDuration());
    }
    EXPECT_EQ(figures[2]->text(), QStringLiteral("25 ms"));

    // The pill stands a point further out on every side than the standard one, on a brighter wash.
    ResearchHero& hero = page.hero();
    Pill standard(hero.pill().text(), hero.pill().symbol(), Brand::onGradient);
    standard.setFont(hero.pill().font());
    EXPECT_EQ(hero.pill().sizeHint(), standard.sizeHint() + QSize(2, 2));
    EXPECT_EQ(hero.pill().look().washOpacity, 0.14);

    // The glow lies off the panel's centre, towards the leading edge and down.
    hero.resize(600, 400);
    EXPECT_EQ(hero.glowCentre(), QPointF(220, 310));
    hero.setLayoutDirection(Qt::RightToLeft);
    EXPECT_EQ(hero.glowCentre(), QPointF(380, 310));

    const std::vector<std::pair<QString, QString>> expected{
        {QStringLiteral("28%"), QStringLiteral("6% for others")},
        {QStringLiteral("39%"), QStringLiteral("92 / 233")},
        {QStringLiteral("116"), QStringLiteral("up to 19 from one person")},
        {QStringLiteral("9 of 11"), QString()},
        {QStringLiteral("2.4×"), QStringLiteral("33% against 14%")},
        {QStringLiteral("½"), QStringLiteral("2.34 against 4.72 bits/s")}};
    const std::vector<int> sources{1, 1, 1, 2, 3, 4};
    ASSERT_EQ(page.findings().size(), 6);
    for (std::size_t index = 0; index < expected.size(); ++index) {
        const Finding& finding = *page.findings()[static_cast<qsizetype>(index)];
        EXPECT_EQ(finding.figureLine().figure()->text(), expected[index].first);
        QLabel* compared = finding.figureLine().compared();
        EXPECT_EQ(compared == nullptr ? QString() : compared->text(), expected[index].second);
        EXPECT_EQ(finding.sourceLink().source().id, sources[index]);
    }
}

TEST(ResearchPageTest, NumbersFollowTheLocaleWhileVerbatimFiguresStay)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        ResearchPage page;
        const QList<Finding*>& findings = page.findings();
        EXPECT_EQ(findings[0]->figureLine().figure()->text(), QStringLiteral("28\u00A0%"));
        EXPECT_EQ(findings[4]->figureLine().figure()->text(), QStringLiteral("2,4×"));
        EXPECT_EQ(findings[1]->figureLine().compared()->text(), QStringLiteral("92 / 233"));
        EXPECT_EQ(findings[2]->figureLine().figure()->text(), QStringLiteral("116"));
        EXPECT_EQ(page.hero().figures()[0]->accessibleName(), QStringLiteral("28\u00A0%"));
    }
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    {
        ResearchPage page;
        EXPECT_EQ(page.hero().figures()[2]->accessibleName(), QStringLiteral("\u0662\u0665 ms"));
    }
    QLocale::setDefault(saved);
}

// In Arabic too, whose numbers take taller fallback glyphs than its words, the hero's captions stand on one line,
// each starting where its number starts.
TEST(ResearchPageTest, TheHerosCaptionsStandInLineInArabic)
{
    Localization::apply(QStringLiteral("ar"));
    {
        ResearchHero hero;
        hero.setLayoutDirection(Qt::RightToLeft);
        hero.resize(660, hero.heightForWidth(660) > 0 ? hero.heightForWidth(660) : hero.sizeHint().height());
        hero.show();
        QApplication::processEvents();
        const auto leadingEdge
            = [](const QLabel& label) { return label.geometry().right() - label.contentsMargins().right(); };
        std::vector<int> captionTops;
        const char* captions[] = {"of clicks slipped", "of double-clicks failed", "delay with Balanced"};
        for (int index = 0; index < 3; ++index) {
            const QString text = ResearchHero::tr(captions[index]);
            QLabel* caption = nullptr;
            for (QLabel* label : hero.findChildren<QLabel*>()) {
                if (label->text() == text) {
                    caption = label;
                }
            }
            ASSERT_NE(caption, nullptr) << captions[index];
            const CountUp& number = *hero.figures()[index];
            captionTops.push_back(caption->y());
            EXPECT_EQ(leadingEdge(*caption), leadingEdge(number)) << captions[index];
        }
        EXPECT_EQ(captionTops[0], captionTops[1]);
        EXPECT_EQ(captionTops[0], captionTops[2]);
    }
    Localization::apply(QStringLiteral("en"));
}

TEST(ResearchPageTest, ClickingFindingsShareRowsOfEqualHeightWithTheirAnswersAtTheBottom)
{
    ResearchPage page;
    page.show();

    // Two columns of 260 and the space between fit from 534 points.
    layOut(page, 534);
    EXPECT_EQ(page.clickingGrid().columnCount(), 2);
    const QList<Finding*>& findings = page.findings();
    for (const int first : {0, 2}) {
        Finding& left = *findings[first];
        Finding& right = *findings[first + 1];
        EXPECT_EQ(left.y(), right.y());
        EXPECT_EQ(left.height(), right.height());
        EXPECT_EQ(left.answer().geometry().bottom(), right.answer().geometry().bottom()) << first;
        EXPECT_EQ(left.sourceLink().geometry().bottom(), right.sourceLink().geometry().bottom());
        EXPECT_GE(left.width(), 260);
    }
    // Finding D, shorter than C, still ends at the row's bottom.
    EXPECT_EQ(findings[3]->sourceLink().geometry().bottom(), findings[3]->height() - Finding::padding - 1);

    layOut(page, 533);
    EXPECT_EQ(page.clickingGrid().columnCount(), 1);
    // Alone in its row, a card is as tall as its content and no taller.
    for (Finding* finding : findings) {
        EXPECT_EQ(finding->height(), finding->heightForWidth(finding->width()));
    }
    EXPECT_GT(findings[1]->y(), findings[0]->geometry().bottom());
    EXPECT_EQ(findings[0]->x(), findings[1]->x());
}

TEST(ResearchPageTest, AComparisonMovesUnderItsFigureWhenTheCardIsNarrow)
{
    FigureLine line(QStringLiteral("28%"), QStringLiteral("6% for others"));
    line.show();
    const int both = line.sizeHint().width();
    EXPECT_TRUE(line.fitsBeside(both));
    EXPECT_FALSE(line.fitsBeside(both - 1));

    line.resize(both, line.heightForWidth(both));
    EXPECT_EQ(line.compared()->x(), line.figure()->width() + FigureLine::besideSpacing);
    // Side by side on one baseline.
    EXPECT_EQ(line.figure()->y() + QFontMetrics(line.figure()->font()).ascent(),
              line.compared()->y() + QFontMetrics(line.compared()->font()).ascent());

    line.resize(both - 1, line.heightForWidth(both - 1));
    EXPECT_EQ(line.compared()->x(), 0);
    EXPECT_EQ(line.compared()->y(), line.figure()->height() + FigureLine::underSpacing);
    EXPECT_GT(line.height(), line.figure()->height());

    // Right to left, the comparison sits on the figure's left.
    line.setLayoutDirection(Qt::RightToLeft);
    line.resize(both, line.heightForWidth(both));
    EXPECT_EQ(line.figure()->geometry().right(), both - 1);
    EXPECT_LT(line.compared()->x(), line.figure()->x());

    FigureLine alone(QStringLiteral("9 of 11"), QString());
    EXPECT_EQ(alone.compared(), nullptr);
    EXPECT_EQ(alone.heightForWidth(40), alone.figure()->sizeHint().height());
}

TEST(ResearchPageTest, SourcesAreNumberedAndOnlyPublishedOnesLinkTheirAddress)
{
    OpenedAddresses opened;
    SourcesList list(LocalizedSources::all());
    QStringList numbers;
    for (SymbolLabel* label : list.findChildren<SymbolLabel*>()) {
        numbers.append(label->text());
    }
    EXPECT_EQ(numbers, (QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));

    ASSERT_EQ(list.links().size(), 9);
    for (int index = 0; index < 9; ++index) {
        const Source& source = LocalizedSources::withID(index + 1);
        EXPECT_EQ(list.links()[index]->accessibleName(), QString::fromStdString(source.url->text()));
        EXPECT_EQ(list.links()[index]->text(), QString::fromStdString(source.url->text()));
    }
    // The own measurement: its texts but no address.
    QStringList texts;
    for (QLabel* label : list.findChildren<QLabel*>()) {
        texts.append(label->text());
    }
    EXPECT_TRUE(texts.contains(QStringLiteral("Quellarine test, 2026")));
    EXPECT_TRUE(texts.contains(QString::fromStdString(LocalizedSources::withID(10).venue)));

    // Selectable with the mouse, the address opened by keyboard.
    list.show();
    AddressLink* first = list.links().front();
    QTest::keyClick(first, Qt::Key_Return);
    QTest::mouseClick(list.links().back(), Qt::LeftButton);
    EXPECT_EQ(opened.urls,
              (QList<QUrl>{QUrl(QString::fromStdString(LocalizedSources::withID(1).url->text())),
                           QUrl(QString::fromStdString(LocalizedSources::withID(9).url->text()))}));
}

TEST(ResearchPageTest, TabReachesEveryLinkOnThePageInReadingOrder)
{
    QWidget window;
    auto* page = new ResearchPage(&window);
    window.resize(660, page->heightForWidth(660));
    page->resize(window.size());
    window.show();
    QApplication::setActiveWindow(&window);

    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    // The window opens with the focus on the first link; Tab goes on from there.
    QList<QWidget*> stops;
    if (QApplication::focusWidget() != nullptr) {
        stops.append(QApplication::focusWidget());
    }
    for (int press = 0; press < 60; ++press) {
        QWidget* target = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window;
        QTest::keyClick(target, Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == nullptr || stops.contains(now)) {
            break;
        }
        stops.append(now);
    }
    int citations = 0;
    int addresses = 0;
    int previousTop = -1;
    for (QWidget* stop : stops) {
        citations += qobject_cast<SourceLink*>(stop) != nullptr ? 1 : 0;
        addresses += qobject_cast<AddressLink*>(stop) != nullptr ? 1 : 0;
        EXPECT_FALSE(stop->accessibleName().isEmpty() && qobject_cast<SourceLink*>(stop) == nullptr);
        const int top = stop->mapTo(page, QPoint()).y();
        EXPECT_GE(top, previousTop) << stop->metaObject()->className();
        previousTop = top;
    }
    // Six findings and the charts' citations but the own measurement's, which has no address; nine addresses.
    EXPECT_EQ(citations, 6 + 2 + 2 + 1);
    EXPECT_EQ(addresses, 9);
    EXPECT_EQ(stops.size(), citations + addresses);
}

TEST(ResearchPageTest, NoTextIsCutAtTheNarrowestWidthsOrWithTextTwiceAsLarge)
{
    for (const bool large : {false, true}) {
        for (const int width : {300, 534, 660}) {
            ResearchPage page;
            if (large) {
                doubleTheText(page);
            }
            page.show();
            layOut(page, width);
            for (QLabel* label : page.findChildren<QLabel*>()) {
                if (!label->isVisibleTo(&page) || label->text().isEmpty()) {
                    continue;
                }
                const int needed
                    = label->wordWrap() ? label->heightForWidth(label->width()) : label->sizeHint().height();
                EXPECT_GE(label->height(), needed) << label->text().toStdString() << " at " << width;
                if (!label->wordWrap()) {
                    EXPECT_GE(label->width(), label->minimumSizeHint().width()) << label->text().toStdString();
                }
            }
            // The drawn parts make room for their text.
            const BandStrip& strip = page.frequencyBands().strip();
            EXPECT_GE(strip.height(), strip.sizeHint().height());
            EXPECT_GE(strip.drawnTrackHeight(), QFontMetrics(strip.font()).height());
            for (const int number : strip.numbers()) {
                const QRectF drawn = strip.numberRect(number);
                EXPECT_GE(drawn.left(), -1) << number;
                EXPECT_LE(drawn.right(), strip.width() + 1) << number;
                if (!large) {
                    EXPECT_DOUBLE_EQ(drawn.center().x(), BandStrip::numberCentre(number, strip.width(), strip.top()));
                }
            }
            const LagBars& bars = page.lagChart().bars();
            EXPECT_GE(bars.height(), bars.sizeHint().height());
            for (const LagBars::Row& row : bars.rows()) {
                EXPECT_GE(bars.drawnLagColumn(),
                          QFontMetrics(bars.font()).horizontalAdvance(LagBars::milliseconds(row.lag)));
                EXPECT_GE(bars.drawnTimeColumn(),
                          QFontMetrics(bars.font())
                              .horizontalAdvance(LagBars::milliseconds(static_cast<long long>(row.time))));
            }
            EXPECT_GE(bars.rowHeight(), QFontMetrics(bars.font()).height());
        }
    }
}

} // namespace
} // namespace quellarine

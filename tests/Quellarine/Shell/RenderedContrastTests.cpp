#include "LongResult.h"
#include "PixelContrast.h"
#include "ShellFixture.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/ToggleSwitch.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/Style/DynamicColor.h"
#include "Quellarine/Components/Style/Motion.h"
#include "Quellarine/Shell/WindowRegistry.h"
#include "Quellarine/Pages/Calibration/CalibrationView.h"
#include "Quellarine/Shell/MainWindow.h"
#include "Quellarine/Shell/MenuBarItem.h"
#include "Quellarine/Shell/MenuPanel.h"
#include "Quellarine/Shell/PageArea.h"
#include "Quellarine/Shell/QuellarineApp.h"

#include <QAbstractAnimation>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>

#include <cmath>
#include <iostream>
#include <map>

using namespace quellarine;
using namespace quellarine::shelltest;
using quellarine::testing::PixelContrast;

namespace {

constexpr double textMinimum = 4.5;
constexpr double largeTextMinimum = 3.0;
constexpr double markMinimum = 3.0;

// Every view drawn offscreen in the light and the dark appearance, its contrast read off the pixels: each text
// against what it is drawn on (4.5:1, large text 3:1), the focus ring against both the button it marks and the
// page behind, the off switch's outline against the page and the scroll bar's thumb against its track (3:1).
// Failures name the appearance, the view and the text; the lowest figures of each kind are printed.
class RenderedContrastTest : public ShellFixture {
protected:
    RenderedContrastTest() { Motion::shared().setOverride(true); }
    ~RenderedContrastTest() override
    {
        Appearance::shared().setChoice(Appearance::Choice::light);
        Motion::shared().setOverride(std::nullopt);
    }

    static void settle(QWidget& window)
    {
        for (int round = 0; round < 3; ++round) {
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            for (auto* animation : window.findChildren<QAbstractAnimation*>()) {
                if (animation->group() == nullptr && animation->state() != QAbstractAnimation::Stopped
                    && animation->loopCount() >= 0) {
                    animation->setCurrentTime(animation->totalDuration());
                }
            }
        }
    }

    // The lowest figure of each kind, with where it was read.
    void note(const QString& kind, double ratio, const QString& where)
    {
        const std::pair key{appearance_, kind};
        auto found = lowest_.find(key);
        if (found == lowest_.end() || ratio < found->second.first) {
            lowest_[key] = {ratio, where};
        }
    }

    static QString kindOf(const QLabel& label)
    {
        const QColor ink = label.palette().color(label.foregroundRole());
        if (ink.rgb() == Brand::warmText(label).rgb() || ink.rgb() == Brand::warm.resolve(label).rgb()) {
            return QStringLiteral("warning text");
        }
        if (label.foregroundRole() == QPalette::PlaceholderText
            || ink.rgb() == label.palette().color(QPalette::PlaceholderText).rgb()) {
            return QStringLiteral("secondary text");
        }
        return QStringLiteral("body text");
    }

    static bool isLarge(const QLabel& label)
    {
        const QFontInfo font(label.font());
        return font.pixelSize() >= 24 || (font.pixelSize() >= 19 && font.bold());
    }

    void checkTexts(QWidget& window, const QString& view)
    {
        settle(window);
        const QImage image = PixelContrast::render(window);
        int read = 0;
        for (QLabel* label : window.findChildren<QLabel*>()) {
            if (!label->isVisible() || !label->isEnabled() || label->text().trimmed().isEmpty()
                || label->visibleRegion().isEmpty()) {
                continue;
            }
            const PixelContrast::Reading reading = PixelContrast::text(image, window, *label);
            if (!reading.background.isValid()) {
                continue;
            }
            ++read;
            const bool large = isLarge(*label);
            const QString kind = kindOf(*label) + (large ? QStringLiteral(", large") : QString());
            const QString where = QStringLiteral("%1, %2: \"%3\"").arg(appearance_, view, label->text().left(60));
            note(kind, reading.ratio, where);
            const double minimum = large ? largeTextMinimum : textMinimum;
            EXPECT_GE(reading.ratio, minimum)
                << kind.toStdString() << " at " << where.toStdString() << ": " << reading.ink.name().toStdString()
                << " on " << reading.background.name().toStdString();
        }
        EXPECT_GT(read, 0) << view.toStdString() << ": no text read";
    }

    // The ring of a focused button, sampled on its leading edge at mid-height: the outer band against the page
    // just outside, the inner band against the button's own fill further in.
    void checkFocusRing(QWidget& window, QAbstractButton& button, const QString& view)
    {
        window.setAttribute(Qt::WA_KeyboardFocusChange);
        button.setFocus(Qt::TabFocusReason);
        settle(window);
        ASSERT_TRUE(FocusRing::shows(button)) << view.toStdString() << ": the button shows no ring";
        const QImage image = PixelContrast::render(window);
        const QPointF edge(button.mapTo(&window, QPoint(0, button.height() / 2)));
        const QColor page = PixelContrast::at(image, edge - QPointF(2, 0));
        const QColor outer = PixelContrast::at(image, edge + QPointF(FocusRing::bandWidth / 2, 0));
        const QColor inner = PixelContrast::at(image, edge + QPointF(FocusRing::bandWidth * 1.5, 0));
        const QColor fill = PixelContrast::at(image, edge + QPointF(FocusRing::width + 4, 0));
        const QString where = QStringLiteral("%1, %2 (%3)").arg(appearance_, view, button.text());
        note(QStringLiteral("focus ring on the page"), contrastRatio(outer, page), where);
        note(QStringLiteral("focus ring on the button"), contrastRatio(inner, fill), where);
        EXPECT_GE(contrastRatio(outer, page), markMinimum)
            << where.toStdString() << ": ring " << outer.name().toStdString() << " on " << page.name().toStdString();
        EXPECT_GE(contrastRatio(inner, fill), markMinimum)
            << where.toStdString() << ": ring " << inner.name().toStdString() << " on " << fill.name().toStdString();
        button.clearFocus();
    }

    // The off switch's outline at the middle of its track's top edge, against the page just above.
    void checkOffSwitch(QWidget& window, ToggleSwitch& toggle, const QString& view)
    {
        toggle.setOn(false);
        settle(window);
        const QImage image = PixelContrast::render(window);
        const QRectF track = toggle.trackRect().translated(toggle.mapTo(&window, QPoint(0, 0)));
        const QColor page = PixelContrast::at(image, QPointF(track.center().x(), track.top() - 2));
        double best = 0;
        for (qreal y = track.top(); y < track.top() + 2; y += 0.5) {
            best = std::max(best, contrastRatio(PixelContrast::at(image, QPointF(track.center().x(), y)), page));
        }
        const QString where = QStringLiteral("%1, %2").arg(appearance_, view);
        note(QStringLiteral("off switch outline"), best, where);
        EXPECT_GE(best, markMinimum) << where.toStdString() << ": the off switch's outline";
    }

    // The thumb's middle against the track at the far end of the groove.
    void checkScrollBar(QWidget& window, QScrollBar& bar, const QString& view)
    {
        bar.setValue(bar.minimum());
        settle(window);
        const QImage image = PixelContrast::render(window);
        QStyleOptionSlider option;
        option.initFrom(&bar);
        option.orientation = bar.orientation();
        option.minimum = bar.minimum();
        option.maximum = bar.maximum();
        option.sliderPosition = bar.sliderPosition();
        option.sliderValue = bar.value();
        option.pageStep = bar.pageStep();
        option.singleStep = bar.singleStep();
        option.subControls = QStyle::SC_All;
        const QPoint origin = bar.mapTo(&window, QPoint(0, 0));
        const QRect thumb
            = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar);
        const QRect groove
            = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, &bar);
        const QColor ink = PixelContrast::at(image, QPointF(thumb.center() + origin));
        const QColor track
            = PixelContrast::at(image, QPointF(groove.center().x(), groove.bottom() - 4) + QPointF(origin));
        const QString where = QStringLiteral("%1, %2").arg(appearance_, view);
        note(QStringLiteral("scroll-bar thumb"), contrastRatio(ink, track), where);
        EXPECT_GE(contrastRatio(ink, track), markMinimum)
            << where.toStdString() << ": thumb " << ink.name().toStdString() << " on " << track.name().toStdString();
    }

    QString appearance_;
    // The lowest figure per appearance and kind, and where it was read.
    std::map<std::pair<QString, QString>, std::pair<double, QString>> lowest_;
};

TEST_F(RenderedContrastTest, EveryViewInBothAppearances)
{
    permission.trusted = false;
    for (const bool dark : {false, true}) {
        appearance_ = dark ? QStringLiteral("dark") : QStringLiteral("light");
        Appearance::shared().setChoice(dark ? Appearance::Choice::dark : Appearance::Choice::light);
        QuellarineApp app(platform(),
                          QuellarineApp::Shell{.trayAvailable = [] { return true; },
                                               .pointerLocation = [] { return QPoint(10, 10); },
                                               .terminate = [] {}});
        AppModel& model = app.model();
        findUpdate(QStringLiteral("12.10.3"));
        model.setEmergencyNotice(true);
        model.profile().setCalibration(quellarine::testing::longResult());
        // A hint turned warning: an address that cannot be one.
        model.feedback().setEmail(QStringLiteral("mary@"));

        auto* main = qobject_cast<MainWindow*>(app.windows().open(QStringLiteral("main")));
        ASSERT_NE(main, nullptr);
        main->activateWindow();
        // Tall enough that each page shows whole, so every text is read where it is drawn.
        main->resize(1100, 760);
        for (MainSection section : MainSection::allCases()) {
            model.setSection(section);
            checkTexts(*main, section.title());
            for (QScrollBar* bar : main->findChildren<QScrollBar*>()) {
                if (bar->isVisible() && bar->maximum() > bar->minimum() && !bar->visibleRegion().isEmpty()) {
                    checkScrollBar(*main, *bar, section.title());
                }
            }
        }
        main->resize(1100, 4000);
        for (MainSection section : MainSection::allCases()) {
            model.setSection(section);
            checkTexts(*main, section.title() + QStringLiteral(" (whole page)"));
            for (ToggleSwitch* toggle : main->findChildren<ToggleSwitch*>()) {
                if (toggle->isVisible() && toggle->isEnabled() && !toggle->visibleRegion().isEmpty()) {
                    checkOffSwitch(*main, *toggle, section.title());
                    break;
                }
            }
            for (QPushButton* button : main->findChildren<QPushButton*>()) {
                if (button->isVisible() && button->isEnabled() && !button->visibleRegion().isEmpty()) {
                    checkFocusRing(*main, *button, section.title());
                }
            }
        }
        model.setSection(MainSection::calibration);
        auto* calibration = qobject_cast<CalibrationView*>(main->pageArea().page());
        ASSERT_NE(calibration, nullptr);
        calibration->showResult(quellarine::testing::longResult(),
                                CalibrationResultPage::Replay{{{0, 0}, {40, 12}}, {{20, 6}}});
        checkTexts(*main, QStringLiteral("the test's result"));
        for (QPushButton* button : main->findChildren<QPushButton*>()) {
            if (button->isVisible() && button->isEnabled() && !button->visibleRegion().isEmpty()) {
                checkFocusRing(*main, *button, QStringLiteral("the test's result"));
            }
        }

        QWidget* welcome = app.windows().open(QStringLiteral("welcome"));
        ASSERT_NE(welcome, nullptr);
        checkTexts(*welcome, QStringLiteral("welcome window"));

        app.menuBarItem().togglePanel();
        QWidget& panel = app.menuBarItem().panel();
        checkTexts(panel, QStringLiteral("tray window"));
        for (ToggleSwitch* toggle : panel.findChildren<ToggleSwitch*>()) {
            if (!toggle->isEnabled()) {
                continue;
            }
            checkOffSwitch(panel, *toggle, QStringLiteral("tray window"));
        }
        panel.hide();
    }
    for (const auto& [key, figure] : lowest_) {
        std::cout << "lowest, " << key.first.toStdString() << ", " << key.second.toStdString() << ": "
                  << QString::number(figure.first, 'f', 2).toStdString() << ":1 (" << figure.second.toStdString()
                  << ")\n";
    }
    for (const char* appearance : {"light", "dark"}) {
        for (const char* kind : {"body text", "secondary text", "warning text", "focus ring on the page",
                                 "focus ring on the button", "off switch outline", "scroll-bar thumb"}) {
            EXPECT_TRUE(lowest_.contains({QString::fromUtf8(appearance), QString::fromUtf8(kind)}))
                << "nothing measured of " << kind << " in the " << appearance << " appearance";
        }
    }
}

} // namespace

#include "OpenedAddresses.h"
#include "Screenshots.h"
#include "ShellFixture.h"

#include "Quellarine/Components/DrawnButton.h"
#include "Quellarine/Components/EmergencyNotice.h"
#include "Quellarine/Components/Style/DynamicColor.h"
#include "Quellarine/Shell/WindowRegistry.h"
#include "Quellarine/Model/MainSection.h"
#include "Quellarine/Shell/MainWindow.h"
#include "Quellarine/Shell/PageArea.h"
#include "Quellarine/Shell/MenuBarItem.h"
#include "Quellarine/Shell/MenuPanel.h"
#include "Quellarine/Shell/QuellarineApp.h"
#include "Quellarine/Shell/Sidebar.h"
#include "Quellarine/Shell/SidebarRow.h"

#include <QAbstractAnimation>
#include <QAccessible>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using namespace quellarine;
using namespace quellarine::shelltest;

namespace {

// A window in one of its states, made afresh: the application is built anew each time.
struct Scenario {
    QString name;
    std::function<QWidget*(QuellarineApp&)> open;
    // Whether the permission holds; the model reads it when it is made.
    bool trusted = true;
};

// Every window of the application driven by the keyboard alone: Tab reaches each control, each stop is named for
// assistive technology and shows a ring that stands out, Return and Space press what is focused, and Escape
// closes the popup and the welcome window.
class KeyboardWalkTest : public ShellFixture {
protected:
    static constexpr int longestWalk = 80;

    QuellarineApp& app()
    {
        if (!app_) {
            app_ = std::make_unique<QuellarineApp>(platform(),
                                                   QuellarineApp::Shell{
                                                       .trayAvailable = [] { return true; },
                                                       .pointerLocation = [] { return QPoint(200, 150); },
                                                       .terminate = [this] { ++terminations; },
                                                   });
        }
        return *app_;
    }

    static void settle(QWidget& window)
    {
        for (int round = 0; round < 3; ++round) {
            QApplication::processEvents();
            for (auto* animation : window.findChildren<QAbstractAnimation*>()) {
                if (animation->group() == nullptr && animation->state() == QAbstractAnimation::Running
                    && animation->loopCount() >= 0) {
                    animation->setCurrentTime(animation->totalDuration());
                }
            }
        }
    }

    // Opens the scenario's window in a fresh application, active, with its animations at their end.
    QWidget* open(const Scenario& scenario)
    {
        app_.reset();
        permission.trusted = scenario.trusted;
        QWidget* window = scenario.open(app());
        EXPECT_NE(window, nullptr) << scenario.name.toStdString();
        if (window == nullptr) {
            return nullptr;
        }
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << scenario.name.toStdString();
        settle(*window);
        return window;
    }

    static QWidget* focused() { return QApplication::focusWidget(); }

    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = focused();
        if (target != nullptr) {
            QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
        }
        QApplication::processEvents();
    }

    // The stops Tab visits, in order, from the window's starting focus round to it again.
    static QList<QWidget*> walk(QWidget& window)
    {
        QList<QWidget*> stops;
        QWidget* start = focused();
        if (start == nullptr || !window.isAncestorOf(start)) {
            ADD_FAILURE() << "the window opens with no focus inside it";
            return stops;
        }
        stops.append(start);
        for (int step = 0; step < longestWalk; ++step) {
            press(Qt::Key_Tab);
            settle(window);
            if (focused() == start) {
                return stops;
            }
            if (focused() == nullptr || !window.isAncestorOf(focused())) {
                ADD_FAILURE() << "Tab left the window";
                return stops;
            }
            if (stops.contains(focused())) {
                ADD_FAILURE() << "Tab circles without coming back to the start";
                return stops;
            }
            stops.append(focused());
        }
        ADD_FAILURE() << "no way back to the start within " << longestWalk << " stops";
        return stops;
    }

    static QString describe(QWidget* widget)
    {
        if (widget == nullptr) {
            return QStringLiteral("(gone)");
        }
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        return QStringLiteral("%1 \"%2\"")
            .arg(QString::fromLatin1(widget->metaObject()->className()),
                 accessible != nullptr ? accessible->text(QAccessible::Name) : QString());
    }

    // The stop's picture in the window as drawn now, with a margin for a ring drawn just around it (a text
    // field's frame rings the field).
    static QImage picture(QWidget& window, QWidget& stop)
    {
        const QImage whole = quellarine::testing::Screenshots::render(window, 1.0);
        constexpr int margin = 6;
        const QRect around
            = QRect(stop.mapTo(&window, QPoint(0, 0)), stop.size()).adjusted(-margin, -margin, margin, margin);
        // Outside the window counts as neither ring nor background.
        QImage picture(around.size(), QImage::Format_ARGB32);
        picture.fill(Qt::black);
        QPainter painter(&picture);
        painter.drawImage(QPoint(0, 0), whole, around);
        return picture;
    }

    // The pixels that the focus changed by at least 3:1, and how far across and down they reach.
    struct RingPixels {
        int count = 0;
        QRect bounds;
    };
    static RingPixels ringPixels(const QImage& focusedPicture, const QImage& unfocusedPicture)
    {
        RingPixels ring;
        for (int y = 0; y < std::min(focusedPicture.height(), unfocusedPicture.height()); ++y) {
            for (int x = 0; x < std::min(focusedPicture.width(), unfocusedPicture.width()); ++x) {
                const QColor with = focusedPicture.pixelColor(x, y);
                const QColor without = unfocusedPicture.pixelColor(x, y);
                if (contrastRatio(with, without) >= 3.0) {
                    ++ring.count;
                    ring.bounds |= QRect(x, y, 1, 1);
                }
            }
        }
        return ring;
    }

    // Tab round the window twice: the first lap lets the window know the keyboard moves the focus (so rings
    // show), the second checks each stop's name and ring.
    void checkStopsAndRings(const Scenario& scenario)
    {
        SCOPED_TRACE(scenario.name.toStdString());
        QWidget* window = open(scenario);
        ASSERT_NE(window, nullptr);
        const QList<QWidget*> stops = walk(*window);
        ASSERT_GE(stops.size(), 2);
        for (int index = 0; index < stops.size(); ++index) {
            QWidget* stop = focused();
            ASSERT_EQ(stop, stops[index]) << "the second lap goes the same way";
            SCOPED_TRACE(describe(stop).toStdString());
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(stop);
            ASSERT_NE(accessible, nullptr);
            EXPECT_FALSE(accessible->text(QAccessible::Name).trimmed().isEmpty()) << "a nameless stop";
            EXPECT_NE(accessible->role(), QAccessible::Client) << "read as a filler";
            EXPECT_NE(accessible->role(), QAccessible::NoRole);
            EXPECT_GE(stop->height(), DrawnButton::minimumTargetSide) << "too small a target";

            const QImage with = picture(*window, *stop);
            press(Qt::Key_Tab);
            settle(*window);
            const QImage without = picture(*window, *stop);
            const RingPixels ring = ringPixels(with, without);
            // A ring encloses: it reaches across and down the control (or its track), in pixels that stand out.
            EXPECT_GE(ring.count, 60) << "no visible ring";
            EXPECT_GE(ring.bounds.width(), std::min(16, stop->width() - 2));
            EXPECT_GE(ring.bounds.height(), std::min(12, stop->height() - 2));
        }
    }

    // Presses `key` on each stop in turn, each time in a fresh window, and checks that the stop did its work.
    void checkKeyPresses(const Scenario& scenario, int key)
    {
        SCOPED_TRACE(scenario.name.toStdString());
        QWidget* window = open(scenario);
        ASSERT_NE(window, nullptr);
        const int count = static_cast<int>(walk(*window).size());
        for (int index = 0; index < count; ++index) {
            window = open(scenario);
            ASSERT_NE(window, nullptr);
            for (int step = 0; step < index; ++step) {
                press(Qt::Key_Tab);
            }
            QPointer<QWidget> stop = focused();
            ASSERT_NE(stop, nullptr);
            SCOPED_TRACE(describe(stop).toStdString());
            quellarine::testing::OpenedAddresses browser;
            // A button that leads to another page goes with the old page before its click reaches a spy
            // connected after the page's own handler; its release comes just before the click.
            std::unique_ptr<QSignalSpy> clicks;
            std::unique_ptr<QSignalSpy> releases;
            if (auto* button = qobject_cast<QAbstractButton*>(stop.data())) {
                clicks = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
                releases = std::make_unique<QSignalSpy>(button, &QAbstractButton::released);
            }
            const bool notice = qobject_cast<EmergencyNotice*>(stop.data()) != nullptr;
            auto* list = qobject_cast<QComboBox*>(stop.data());
            // Text takes its keys itself: Return starts a new line of the message.
            if (stop->inherits("QLineEdit") || stop->inherits("QPlainTextEdit") || stop->inherits("QTextEdit")) {
                continue;
            }
            press(key);
            if (clicks) {
                EXPECT_TRUE(clicks->count() == 1 || (stop.isNull() && releases->count() == 1))
                    << "the key did not press the button";
            } else if (list) {
                EXPECT_TRUE(list->view()->isVisible()) << "the key did not open the list";
                list->hidePopup();
            } else if (notice) {
                EXPECT_FALSE(app().model().emergencyNotice()) << "the key did not dismiss the notice";
                EXPECT_TRUE(stop.isNull() || !stop->isVisible());
            } else {
                // Anything else that takes the focus is a link.
                EXPECT_EQ(browser.urls.size(), 1) << "the key did nothing";
            }
        }
    }

    static QList<Scenario> mainWindowScenarios()
    {
        QList<Scenario> scenarios;
        for (MainSection section : MainSection::allCases()) {
            scenarios.append(
                Scenario{QStringLiteral("main window on %1").arg(section.rawValue()), [section](QuellarineApp& app) {
                             app.model().setSection(section);
                             return app.windows().open(QStringLiteral("main"));
                         }});
        }
        return scenarios;
    }

    Scenario popup(bool trusted)
    {
        return Scenario{trusted ? QStringLiteral("popup with every notice")
                                : QStringLiteral("popup without permission"),
                        [this, trusted](QuellarineApp& app) -> QWidget* {
                            if (trusted) {
                                // Five presses of Ctrl in a second: the emergency-off gesture.
                                for (int press = 0; press < 5; ++press) {
                                    app.model().handleModifiersChanged({.control = true}, 100 + press * 0.2);
                                    app.model().handleModifiersChanged({}, 100 + press * 0.2 + 0.05);
                                }
                                findUpdate(QStringLiteral("2.0"));
                            }
                            app.menuBarItem().togglePanel();
                            return &app.menuBarItem().panel();
                        },
                        trusted};
    }

    Scenario welcome()
    {
        return Scenario{QStringLiteral("welcome window"),
                        [](QuellarineApp& app) { return app.windows().open(QStringLiteral("welcome")); }, false};
    }

    int terminations = 0;
    std::unique_ptr<QuellarineApp> app_;
};

TEST_F(KeyboardWalkTest, EveryStopIsNamedAndShowsARingThatStandsOut)
{
    for (const Scenario& scenario : mainWindowScenarios()) {
        checkStopsAndRings(scenario);
    }
    checkStopsAndRings(popup(false));
    checkStopsAndRings(popup(true));
    checkStopsAndRings(welcome());
}

TEST_F(KeyboardWalkTest, ReturnEnterAndSpacePressEveryStop)
{
    for (const int key : {Qt::Key_Return, Qt::Key_Space}) {
        checkKeyPresses(mainWindowScenarios().front(), key);
        checkKeyPresses(popup(true), key);
        checkKeyPresses(welcome(), key);
    }
    checkKeyPresses(popup(false), Qt::Key_Enter);
}

TEST_F(KeyboardWalkTest, ReturnPressesEveryStopOnEveryPage)
{
    for (const Scenario& scenario : mainWindowScenarios()) {
        checkKeyPresses(scenario, Qt::Key_Return);
    }
}

TEST_F(KeyboardWalkTest, WindowsOpenWithTheKeyboardWhereItIsUseful)
{
    // The main window: on the row of the page shown.
    QWidget* main = open(mainWindowScenarios().front());
    ASSERT_NE(main, nullptr);
    auto* window = static_cast<MainWindow*>(main);
    EXPECT_EQ(focused(), window->sidebar().currentRow());

    // A control in a page that leads to another page takes the keyboard along into the new page.
    app().model().setSection(MainSection::help);
    ASSERT_NE(window->pageArea().page(), nullptr);
    QWidget* firstInHelp = nullptr;
    for (QWidget* widget : window->pageArea().page()->findChildren<QWidget*>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 && widget->isVisibleTo(window)) {
            firstInHelp = widget;
            break;
        }
    }
    ASSERT_NE(firstInHelp, nullptr);
    firstInHelp->setFocus(Qt::TabFocusReason);
    app().model().setSection(MainSection::home);
    settle(*window);
    ASSERT_NE(focused(), nullptr) << "the keyboard was left nowhere";
    EXPECT_TRUE(window->pageArea().page()->isAncestorOf(focused())) << describe(focused()).toStdString();

    // Choosing a row in the sidebar leaves the keyboard on the row.
    window->sidebar().row(MainSection::help)->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    EXPECT_EQ(app().model().section(), MainSection::help);
    EXPECT_EQ(focused(), window->sidebar().row(MainSection::help));

    // The popup: on its first control, not on the window as a whole.
    QWidget* panel = open(popup(true));
    ASSERT_NE(panel, nullptr);
    EXPECT_NE(focused(), nullptr);
    EXPECT_NE(focused(), &app().menuBarItem().panel().view());
}

TEST_F(KeyboardWalkTest, EscapeClosesThePopupAndTheWelcomeWindowFromAnyStop)
{
    for (const Scenario& scenario : {popup(true), welcome()}) {
        SCOPED_TRACE(scenario.name.toStdString());
        QWidget* window = open(scenario);
        ASSERT_NE(window, nullptr);
        const int count = static_cast<int>(walk(*window).size());
        for (int index = 0; index < count; ++index) {
            QPointer<QWidget> shown = open(scenario);
            for (int step = 0; step < index; ++step) {
                press(Qt::Key_Tab);
            }
            const QString where = describe(focused());
            press(Qt::Key_Escape);
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_TRUE(shown.isNull() || !shown->isVisible()) << "Escape on " << where.toStdString();
        }
    }
}

} // namespace

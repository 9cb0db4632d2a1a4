#include "ShellFixture.h"

#include "Quellarine/Shell/WindowRegistry.h"
#include "Quellarine/Pages/Help/HelpPage.h"
#include "Quellarine/Pages/Home/HomeHeader.h"
#include "Quellarine/Pages/Home/HomePage.h"
#include "Quellarine/Shell/OnOffCard.h"
#include "Quellarine/Shell/Sidebar.h"
#include "Quellarine/Components/ToggleSwitch.h"
#include "Quellarine/Shell/PageArea.h"
#include "Quellarine/Shell/MainWindow.h"
#include "Quellarine/Shell/WindowRoom.h"
#include "Quellarine/Shell/MenuBarItem.h"
#include "Quellarine/Shell/MenuButton.h"
#include "Quellarine/Shell/MenuPanel.h"
#include "Quellarine/Shell/MenuView.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Shell/QuellarineApp.h"
#include "Quellarine/Shell/UpdateCommand.h"
#include "Quellarine/Shell/UpToDateAlert.h"
#include "Quellarine/Pages/Welcome/WelcomeView.h"
#include "Quellarine/Shell/WelcomeWindow.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSystemTrayIcon>
#include <QTest>
#include <QWindow>

using namespace quellarine;
using namespace quellarine::shelltest;

namespace {

class QuellarineAppTest : public ShellFixture {
protected:
    QuellarineApp& app()
    {
        if (!app_) {
            app_ = std::make_unique<QuellarineApp>(platform(),
                                                   QuellarineApp::Shell{
                                                       .trayAvailable = [this] { return trayAvailable; },
                                                       .pointerLocation = [] { return QPoint(200, 150); },
                                                       .terminate = [this] { ++terminations; },
                                                   });
        }
        return *app_;
    }

    QList<MainWindow*> mainWindows() const
    {
        QList<MainWindow*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<MainWindow*>(widget)) {
                windows.append(window);
            }
        }
        return windows;
    }

    QAction* menuAction(const QString& text) const
    {
        for (QAction* action : app_->menuBarItem().menu().actions()) {
            if (action->text() == text) {
                return action;
            }
        }
        return nullptr;
    }

    bool trayAvailable = true;
    int terminations = 0;
    std::unique_ptr<QuellarineApp> app_;
};

} // namespace

TEST_F(QuellarineAppTest, TrayImageAndTextFollowWhetherSmoothingWorks)
{
    MenuBarItem& item = app().menuBarItem();
    ASSERT_TRUE(app().model().isOn());
    EXPECT_EQ(item.imageName(), QStringLiteral("MenuBarOn"));
    EXPECT_EQ(item.trayIcon().toolTip(), QStringLiteral("Quellarine on"));

    app().model().setWantsOn(false);
    EXPECT_EQ(item.imageName(), QStringLiteral("MenuBarOff"));
    EXPECT_EQ(item.trayIcon().toolTip(), QStringLiteral("Quellarine off"));
    EXPECT_FALSE(item.trayIcon().icon().isNull());
}

TEST_F(QuellarineAppTest, WantedButNotRunningIsOff)
{
    server.setMaySteerPointer(false);
    ASSERT_TRUE(app().model().wantsOn());
    EXPECT_EQ(app().menuBarItem().imageName(), QStringLiteral("MenuBarOff"));
    EXPECT_EQ(app().menuBarItem().accessibleLabel(), QStringLiteral("Quellarine off"));
}

// Every on/off control says what is true in every kind of session: on only while the access is there and the
// user wants it, otherwise off, and unavailable without the access; the two switches of the main window are told
// apart by their names.
TEST_F(QuellarineAppTest, EveryOnOffControlShowsTheTrueStateInEverySession)
{
    struct Session {
        const char* name;
        bool x11;
        bool portal;
        bool keyboardGranted;
    };
    for (const Session& session :
         {Session{"X11", true, false, false}, Session{"Wayland with the portal", false, true, false},
          Session{"Wayland, keyboards allowed", false, false, true},
          Session{"Wayland, no keys", false, false, false}}) {
        for (const bool trusted : {false, true}) {
            for (const bool wanted : {false, true}) {
                SCOPED_TRACE(::testing::Message() << session.name << (trusted ? ", access given" : ", no access")
                                                  << (wanted ? ", wanted on" : ", wanted off"));
                keys = KeySource::choose(session.x11, session.portal, session.keyboardGranted);
                permission.trusted = trusted;
                defaults.setBool(QStringLiteral("filterOn"), wanted);
                QuellarineApp app(platform(),
                                  QuellarineApp::Shell{.trayAvailable = [] { return true; },
                                                       .pointerLocation = [] { return QPoint(10, 10); },
                                                       .terminate = [] {}});
                app.model().setSection(MainSection::home);
                auto* main = qobject_cast<MainWindow*>(app.windows().open(QStringLiteral("main")));
                ASSERT_NE(main, nullptr);
                auto* home = qobject_cast<HomePage*>(main->pageArea().page());
                ASSERT_NE(home, nullptr);
                ToggleSwitch& header = home->header().toggle();
                ToggleSwitch& card = main->sidebar().onOffCard().toggle();
                ToggleSwitch& popup = app.menuBarItem().panel().view().toggle();
                for (ToggleSwitch* toggle : {&header, &card, &popup}) {
                    EXPECT_EQ(toggle->isOn(), trusted && wanted) << toggle->accessibleName().toStdString();
                    EXPECT_EQ(toggle->isEnabled(), trusted) << toggle->accessibleName().toStdString();
                }
                EXPECT_EQ(app.model().isOn(), trusted && wanted);
                QAction* filter = nullptr;
                for (QAction* action : app.menuBarItem().menu().actions()) {
                    if (action->text() == QStringLiteral("Filter")) {
                        filter = action;
                    }
                }
                ASSERT_NE(filter, nullptr);
                EXPECT_EQ(filter->isChecked(), trusted && wanted);
                EXPECT_EQ(filter->isEnabled(), trusted);

                EXPECT_EQ(header.accessibleName(), QStringLiteral("Smooth the pointer with Balanced"));
                EXPECT_EQ(card.accessibleName(), QStringLiteral("Quellarine on or off"));
            }
        }
    }
}

TEST_F(QuellarineAppTest, UpdateCommandLabelAndEnabling)
{
    UpdateCommand& command = app().updateCommand();
    EXPECT_EQ(command.text(), QStringLiteral("Check for Updates…"));
    EXPECT_TRUE(command.isEnabled());

    updater->setCanCheck(false);
    EXPECT_FALSE(command.isEnabled());

    // A known update keeps the command usable even while a check cannot start.
    findUpdate(QStringLiteral("2.1"));
    EXPECT_EQ(command.text(), QStringLiteral("Update to 2.1…"));
    EXPECT_TRUE(command.isEnabled());
    command.trigger();
    EXPECT_EQ(updater->userChecks, 1);
}

TEST_F(QuellarineAppTest, MainWindowIsOpenedOnceWithoutAMenuBarAndQuitsWithCtrlQ)
{
    QWidget* first = app().windows().open(QStringLiteral("main"));
    QWidget* second = app().windows().open(QStringLiteral("main"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(mainWindows().size(), 1);
    EXPECT_TRUE(first->objectName().startsWith(QStringLiteral("main")));
    // The window is titled by the page it shows.
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Overview"));
    EXPECT_EQ(first->size(), MainWindow::defaultSize.boundedTo(WindowRoom::forContent(*first)));
    EXPECT_TRUE(first->isVisible());

    // Its commands live in the tray menu and the pages; Ctrl+Q still quits from the keyboard.
    auto* window = static_cast<MainWindow*>(first);
    EXPECT_EQ(window->menuWidget(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(terminations, 1);

    // A closed window is gone; opening it again makes one afresh.
    first->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app().windows().window(QStringLiteral("main")), nullptr);
    EXPECT_TRUE(mainWindows().isEmpty());
    EXPECT_NE(app().windows().open(QStringLiteral("main")), nullptr);
    EXPECT_EQ(mainWindows().size(), 1);
}

TEST_F(QuellarineAppTest, OpenFromThePopupSetsTheSectionAndShowsOneMainWindow)
{
    app().launch();
    EXPECT_TRUE(mainWindows().isEmpty());
    app().menuBarItem().togglePanel();
    MenuPanel& panel = app().menuBarItem().panel();
    ASSERT_TRUE(panel.isVisible());
    app().model().setSection(MainSection::research);

    QTest::mouseClick(&panel.view().openButton(), Qt::LeftButton);
    EXPECT_EQ(app().model().section(), MainSection::home);
    EXPECT_FALSE(panel.isVisible());
    app().bringForward();
    EXPECT_EQ(mainWindows().size(), 1);
    EXPECT_TRUE(mainWindows().front()->isVisible());

    QTest::mouseClick(&panel.view().quitButton(), Qt::LeftButton);
    EXPECT_EQ(terminations, 1);
}

TEST_F(QuellarineAppTest, UpdateFromThePopupGetsThePopupOutOfTheUpdatersWay)
{
    app().launch();
    findUpdate(QStringLiteral("2.0"));
    app().menuBarItem().togglePanel();
    MenuPanel& panel = app().menuBarItem().panel();
    ASSERT_TRUE(panel.isVisible());

    // A popup left open would hold the pointer and the keyboard while the updater asks the user something.
    QTest::mouseClick(&panel.view().updateButton(), Qt::LeftButton);
    EXPECT_EQ(updater->userChecks, 1);
    EXPECT_FALSE(panel.isVisible());
}

TEST_F(QuellarineAppTest, WithoutATrayTheMainWindowOpensAtLaunch)
{
    trayAvailable = false;
    app().launch();
    ASSERT_EQ(mainWindows().size(), 1);
    EXPECT_TRUE(mainWindows().front()->isVisible());
}

TEST_F(QuellarineAppTest, LaunchOpensTheWelcomeWindowUntilThePermissionHoldsAndTheUserWasWelcomed)
{
    struct Row {
        bool trusted;
        std::optional<bool> welcomed;
        bool welcomeOpens;
    };
    for (const Row& row : {Row{false, true, true}, Row{false, std::nullopt, true}, Row{true, false, true},
                           Row{true, std::nullopt, true}, Row{true, true, false}}) {
        SCOPED_TRACE(::testing::Message() << "trusted " << row.trusted << ", welcomed "
                                          << (row.welcomed ? (*row.welcomed ? "true" : "false") : "absent"));
        app_.reset();
        permission.trusted = row.trusted;
        server.setMaySteerPointer(row.trusted);
        if (row.welcomed) {
            defaults.setBool(WelcomeView::welcomedKey, *row.welcomed);
        } else {
            defaults.remove(WelcomeView::welcomedKey);
        }
        app().launch();
        QWidget* welcome = app().windows().window(QStringLiteral("welcome"));
        QWidget* main = app().windows().window(QStringLiteral("main"));
        EXPECT_EQ(welcome != nullptr, row.welcomeOpens);
        EXPECT_EQ(main != nullptr, !row.welcomeOpens);
        if (welcome != nullptr) {
            EXPECT_TRUE(welcome->isVisible());
            EXPECT_EQ(welcome->windowTitle(), QStringLiteral("Welcome to Quellarine"));
        }
        if (main != nullptr) {
            EXPECT_TRUE(main->isVisible());
            EXPECT_EQ(main->size(), MainWindow::defaultSize.boundedTo(WindowRoom::forContent(*main)));
        }
    }
}

TEST_F(QuellarineAppTest, OpeningTheWelcomeWindowAgainBringsTheSameOneForward)
{
    QWidget* first = app().windows().open(QStringLiteral("welcome"));
    QWidget* second = app().windows().open(QStringLiteral("welcome"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    int welcomes = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        welcomes += qobject_cast<WelcomeWindow*>(widget) != nullptr && widget->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(welcomes, 1);
    // The window is as large as the guide it holds, and stays so.
    EXPECT_EQ(first->minimumSize(), first->maximumSize());
}

TEST_F(QuellarineAppTest, TheHelpPageOpensTheWelcomeWindowAgain)
{
    app().model().setSection(MainSection::help);
    auto* main = static_cast<MainWindow*>(app().windows().open(QStringLiteral("main")));
    auto* help = qobject_cast<HelpPage*>(main->pageArea().page());
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(app().windows().window(QStringLiteral("welcome")), nullptr);
    help->welcomeAction()->click();
    ASSERT_NE(app().windows().window(QStringLiteral("welcome")), nullptr);
    EXPECT_TRUE(app().windows().window(QStringLiteral("welcome"))->isVisible());
}

TEST_F(QuellarineAppTest, WithoutATrayANewUserGetsTheWelcomeInFrontOfTheMainWindow)
{
    trayAvailable = false;
    app().launch();
    QWidget* main = app().windows().window(QStringLiteral("main"));
    QWidget* welcome = app().windows().window(QStringLiteral("welcome"));
    ASSERT_NE(main, nullptr);
    ASSERT_NE(welcome, nullptr);
    EXPECT_TRUE(main->isVisible());
    // The welcome window belongs to the main window before it is first shown, so that the window system knows
    // it too; it is shown once the main window is on the screen, centred on it, with the keyboard.
    ASSERT_NE(welcome->windowHandle(), nullptr);
    EXPECT_EQ(welcome->windowHandle()->transientParent(), main->windowHandle());
    ASSERT_TRUE(QTest::qWaitFor([&] { return welcome->isVisible(); }));
    EXPECT_LE((welcome->frameGeometry().center() - main->frameGeometry().center()).manhattanLength(), 2);
    EXPECT_TRUE(QTest::qWaitForWindowActive(welcome));
    EXPECT_EQ(QApplication::activeWindow(), welcome);

    // With a tray the welcome window stands alone.
    app_.reset();
    trayAvailable = true;
    app().launch();
    EXPECT_EQ(app().windows().window(QStringLiteral("main")), nullptr);
    ASSERT_NE(app().windows().window(QStringLiteral("welcome")), nullptr);
    EXPECT_EQ(app().windows().window(QStringLiteral("welcome"))->windowHandle()->transientParent(), nullptr);
}

TEST_F(QuellarineAppTest, TrayMenuCarriesTheEssentials)
{
    permission.trusted = false;
    defaults.setBool(QStringLiteral("filterOn"), false);
    app();
    QAction* filter = menuAction(QStringLiteral("Filter"));
    ASSERT_NE(filter, nullptr);
    EXPECT_FALSE(filter->isEnabled());
    EXPECT_TRUE(menuAction(QStringLiteral("Show What's Needed"))->isVisible());
    EXPECT_FALSE(menuAction(QStringLiteral("Personal"))->isVisible());

    // A preset chosen from the menu is chosen as from a tile: without the permission smoothing stays off.
    menuAction(QStringLiteral("Strong"))->trigger();
    EXPECT_EQ(app().model().presetID(), FilterPreset::ID::strong);
    EXPECT_FALSE(app().model().wantsOn());
    EXPECT_TRUE(menuAction(QStringLiteral("Strong"))->isChecked());
    EXPECT_FALSE(menuAction(QStringLiteral("Balanced"))->isChecked());

    menuAction(QStringLiteral("Click guard"))->trigger();
    EXPECT_FALSE(app().model().clickGuardOn());
    EXPECT_FALSE(stored(QStringLiteral("clickGuard")).toBool());
}

TEST(MenuPanelTest, PlacementBesideTheIconStaysOnScreen)
{
    const QRect screen(0, 32, 1920, 1048); // a panel at the top takes 32 pixels
    const QSize size(382, 700);

    // An icon in the top-right corner: below it, pushed left to stay on the screen.
    const QPoint topRight = MenuPanel::placement(QRect(1880, 4, 24, 24), size, screen);
    EXPECT_EQ(topRight, QPoint(1920 - 382, 28 + MenuPanel::gap));

    // An icon in a bottom panel: above it, centred on it.
    const QPoint bottom = MenuPanel::placement(QRect(800, 1052, 24, 24), size, QRect(0, 0, 1920, 1048));
    EXPECT_EQ(bottom, QPoint(811 - 191, 1052 - MenuPanel::gap - 700));

    // Near the pointer in the middle of a small screen: kept inside it.
    const QPoint small = MenuPanel::placement(QRect(10, 300, 1, 1), size, QRect(0, 0, 800, 600));
    EXPECT_EQ(small, QPoint(0, 0));
}

// A second check within a minute of "no update" is answered by the application's own alert: on its own while
// no main window is open, on the main window once it is, and "Version History" leads to what's new.
TEST_F(QuellarineAppTest, TheUpToDateAlertSitsOnTheMainWindowAndLeadsToTheVersionHistory)
{
    const auto alert = [] {
        UpToDateAlert* found = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<UpToDateAlert*>(widget); box && box->isVisible()) {
                found = box;
            }
        }
        return found;
    };
    const auto click = [&](QStringView text) {
        for (QAbstractButton* button : alert()->buttons()) {
            if (button->text() == text) {
                button->click();
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    trayAvailable = true;
    app().launch();
    updaterDelegate->updaterDidNotFindUpdate();
    app().model().setSection(MainSection::home);

    app().model().updates().checkForUpdates();
    ASSERT_NE(alert(), nullptr);
    EXPECT_EQ(alert()->parentWidget(), nullptr);
    EXPECT_EQ(alert()->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(alert()->text(), QStringLiteral("You're up to date!"));
    EXPECT_EQ(alert()->textFormat(), Qt::PlainText);
    click(u"OK");
    EXPECT_EQ(alert(), nullptr);
    EXPECT_EQ(app().model().section(), MainSection::home);
    EXPECT_EQ(updater->userChecks, 0);

    app().bringForward();
    ASSERT_EQ(mainWindows().size(), 1);
    app().model().updates().checkForUpdates();
    ASSERT_NE(alert(), nullptr);
    EXPECT_EQ(alert()->parentWidget(), mainWindows().front());
    EXPECT_EQ(alert()->windowModality(), Qt::WindowModal);
    click(u"Version History");
    EXPECT_EQ(alert(), nullptr);
    EXPECT_EQ(app().model().section(), MainSection::whatsNew);
}

#include "ShellFixture.h"

#include "Quellarine/Components/Style/Motion.h"
#include "Quellarine/Shell/WindowRegistry.h"
#include "Quellarine/Model/MainSection.h"
#include "Quellarine/Shell/MainWindow.h"
#include "Quellarine/Shell/MenuBarItem.h"
#include "Quellarine/Shell/MenuPanel.h"
#include "Quellarine/Shell/QuellarineApp.h"
#include "Quellarine/Shell/Sidebar.h"
#include "Quellarine/Shell/SidebarRow.h"

#include <QAccessible>
#include <QApplication>

#include <functional>

using namespace quellarine;
using namespace quellarine::shelltest;

namespace {

// What assistive technology is given of each window, read through the same interfaces the desktop's
// accessibility bridge reads, with a screen reader listening from the start (so interfaces are made as soon as
// a name is set, as they are then).
class AccessibleTreeTest : public ShellFixture {
protected:
    AccessibleTreeTest()
    {
        QAccessible::setActive(true);
        Motion::shared().setOverride(true);
    }
    ~AccessibleTreeTest() override
    {
        app_.reset();
        Motion::shared().setOverride(std::nullopt);
        QAccessible::setActive(false);
    }

    QuellarineApp& app()
    {
        if (!app_) {
            app_ = std::make_unique<QuellarineApp>(platform(),
                                                   QuellarineApp::Shell{
                                                       .trayAvailable = [] { return true; },
                                                       .pointerLocation = [] { return QPoint(10, 10); },
                                                       .terminate = [] {},
                                                   });
        }
        return *app_;
    }

    static void visit(QAccessibleInterface* node, const std::function<void(QAccessibleInterface*)>& each, int depth = 0)
    {
        ASSERT_LT(depth, 40);
        each(node);
        for (int index = 0; index < node->childCount(); ++index) {
            if (QAccessibleInterface* child = node->child(index)) {
                visit(child, each, depth + 1);
            }
        }
    }

    // The window is read as a window with its title; nothing it holds is a named or focusable filler.
    static void checkWindow(QWidget& window, const QString& title)
    {
        SCOPED_TRACE(title.toStdString());
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
        ASSERT_NE(root, nullptr);
        EXPECT_EQ(root->role(), QAccessible::Window);
        EXPECT_EQ(root->text(QAccessible::Name), title);
        visit(root, [](QAccessibleInterface* node) {
            if (node->role() != QAccessible::Client) {
                return;
            }
            const QString name = node->text(QAccessible::Name);
            const QString kind = node->object() != nullptr
                ? QString::fromLatin1(node->object()->metaObject()->className())
                : QString();
            EXPECT_TRUE(name.isEmpty()) << "a filler named \"" << name.toStdString() << "\" (" << kind.toStdString()
                                        << ")";
            EXPECT_FALSE(node->state().focusable) << "a focusable filler (" << kind.toStdString() << ")";
        });
    }

    std::unique_ptr<QuellarineApp> app_;
};

TEST_F(AccessibleTreeTest, EveryWindowReadsAsAWindowWithoutNamedFillers)
{
    permission.trusted = false;
    checkWindow(*app().windows().open(QStringLiteral("welcome")), QStringLiteral("Welcome to Quellarine"));
    checkWindow(*app().windows().open(QStringLiteral("main")), QStringLiteral("Overview"));
    app().menuBarItem().togglePanel();
    checkWindow(app().menuBarItem().panel(), QStringLiteral("Quellarine"));
}

// The tray window is one of the application's windows for assistive technology, which lists no popups.
TEST_F(AccessibleTreeTest, TheTrayWindowIsAmongTheApplicationsWindows)
{
    app().menuBarItem().togglePanel();
    ASSERT_TRUE(app().menuBarItem().panel().isVisible());
    QAccessibleInterface* application = QAccessible::queryAccessibleInterface(qApp);
    ASSERT_NE(application, nullptr);
    bool listed = false;
    for (int index = 0; index < application->childCount(); ++index) {
        QAccessibleInterface* window = application->child(index);
        listed = listed || (window != nullptr && window->object() == &app().menuBarItem().panel());
    }
    EXPECT_TRUE(listed);
}

TEST_F(AccessibleTreeTest, SidebarRowsArePageTabsWithTheCurrentOneSelected)
{
    auto* window = static_cast<MainWindow*>(app().windows().open(QStringLiteral("main")));
    ASSERT_NE(window, nullptr);
    Sidebar& sidebar = window->sidebar();

    QAccessibleInterface* header = QAccessible::queryAccessibleInterface(&sidebar.header());
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->role(), QAccessible::StaticText);
    EXPECT_EQ(header->text(QAccessible::Name), QStringLiteral("Quellarine, by Temrid"));

    const auto check = [&](MainSection current) {
        for (SidebarRow* row : sidebar.rows()) {
            SCOPED_TRACE(row->text().toStdString());
            QAccessibleInterface* tab = QAccessible::queryAccessibleInterface(row);
            ASSERT_NE(tab, nullptr);
            EXPECT_EQ(tab->role(), QAccessible::PageTab);
            EXPECT_EQ(tab->parent()->role(), QAccessible::PageTabList);
            EXPECT_EQ(tab->text(QAccessible::Name), row->section().title());
            EXPECT_FALSE(tab->state().checkable) << "read as a check box";
            EXPECT_FALSE(tab->state().checked);
            EXPECT_TRUE(tab->state().selectable);
            EXPECT_EQ(tab->state().selected, row->section() == current);
        }
    };
    check(MainSection::home);

    // Pressing a tab through the accessibility interface chooses its section, as a click does.
    QAccessibleInterface* help = QAccessible::queryAccessibleInterface(sidebar.row(MainSection::help));
    ASSERT_NE(help->actionInterface(), nullptr);
    help->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(app().model().section(), MainSection::help);
    check(MainSection::help);
}

} // namespace

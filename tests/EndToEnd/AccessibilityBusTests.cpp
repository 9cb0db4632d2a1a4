// Test framework and Qt first: X's macros (None, Bool) would clash with names in their headers.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include "Backends/X11/Testing/XvfbServer.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <thread>
#include <vector>

using namespace quellarine::x11::testing;

namespace {

// A program this test starts, with the environment it is given, stopped by its process id.
class Child {
public:
    Child(const std::vector<std::string>& command, const std::map<std::string, std::string>& environment)
    {
        pid_ = fork();
        if (pid_ == 0) {
            for (const auto& [name, value] : environment) {
                setenv(name.c_str(), value.c_str(), 1);
            }
            std::vector<char*> arguments;
            for (const std::string& argument : command) {
                arguments.push_back(const_cast<char*>(argument.c_str()));
            }
            arguments.push_back(nullptr);
            // Quiet: the test reads what it needs over the bus.
            freopen("/dev/null", "w", stdout);
            freopen("/dev/null", "w", stderr);
            execv(arguments[0], arguments.data());
            _exit(127);
        }
    }
    ~Child()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

private:
    pid_t pid_ = -1;
};

bool waitFor(const std::function<bool()>& condition, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

// One element of the accessibility tree as a screen reader gets it.
struct Element {
    QString role;
    QString name;
    bool selected = false;
    bool checked = false;
};

// Reads an application's tree over the accessibility bus.
class TreeReader {
public:
    explicit TreeReader(QDBusConnection bus)
        : bus_(std::move(bus))
    {
    }

    QList<std::pair<QString, QString>> children(const QString& service, const QString& path) const
    {
        QList<std::pair<QString, QString>> result;
        const QDBusMessage reply = call(service, path, QStringLiteral("GetChildren"));
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
            return result;
        }
        const auto argument = reply.arguments().first().value<QDBusArgument>();
        argument.beginArray();
        while (!argument.atEnd()) {
            QString childService;
            QDBusObjectPath childPath;
            argument.beginStructure();
            argument >> childService >> childPath;
            argument.endStructure();
            result.append({childService, childPath.path()});
        }
        argument.endArray();
        return result;
    }

    Element element(const QString& service, const QString& path) const
    {
        Element element;
        const QDBusMessage role = call(service, path, QStringLiteral("GetRoleName"));
        if (!role.arguments().isEmpty()) {
            element.role = role.arguments().first().toString();
        }
        QDBusMessage name = QDBusMessage::createMethodCall(
            service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        name << QStringLiteral("org.a11y.atspi.Accessible") << QStringLiteral("Name");
        const QDBusMessage nameReply = bus_.call(name, QDBus::Block, 5000);
        if (!nameReply.arguments().isEmpty()) {
            element.name = nameReply.arguments().first().value<QDBusVariant>().variant().toString();
        }
        const QDBusMessage state = call(service, path, QStringLiteral("GetState"));
        if (!state.arguments().isEmpty()) {
            const auto argument = state.arguments().first().value<QDBusArgument>();
            std::vector<quint32> words;
            argument.beginArray();
            while (!argument.atEnd()) {
                quint32 word = 0;
                argument >> word;
                words.push_back(word);
            }
            argument.endArray();
            const auto has = [&](int bit) {
                return words.size() > std::size_t(bit / 32) && (words[std::size_t(bit / 32)] >> (bit % 32)) & 1u;
            };
            element.checked = has(checkedState);
            element.selected = has(selectedState);
        }
        return element;
    }

    // Every element under the application's root, depth first.
    QList<Element> tree(const QString& service, const QString& path, int depth = 0) const
    {
        QList<Element> all{element(service, path)};
        if (depth > 40) {
            return all;
        }
        for (const auto& [childService, childPath] : children(service, path)) {
            all += tree(childService, childPath, depth + 1);
        }
        return all;
    }

private:
    // The state bits of the accessibility bus's state set.
    static constexpr int checkedState = 4;
    static constexpr int selectedState = 23;

    QDBusMessage call(const QString& service, const QString& path, const QString& method) const
    {
        return bus_.call(
            QDBusMessage::createMethodCall(service, path, QStringLiteral("org.a11y.atspi.Accessible"), method),
            QDBus::Block, 5000);
    }

    QDBusConnection bus_;
};

// The real application on a private X server and a private session bus, read by the desktop's accessibility
// bus as a screen reader reads it.
class AccessibilityBusTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "QuellarineAccessibilityBusTests";
        static char* argv[] = {name, nullptr};
        if (QCoreApplication::instance() == nullptr) {
            new QCoreApplication(argc, argv);
        }
    }

    void SetUp() override
    {
        char pattern[] = "/tmp/quellarine-a11y-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        home = pattern;
        std::filesystem::create_directories(home / "run");
        chmod((home / "run").c_str(), 0700);
        server = std::make_unique<XvfbServer>();
        const std::string socket = (home / "bus").string();
        sessionAddress = "unix:path=" + socket;
        sessionBus = std::make_unique<Child>(std::vector<std::string>{"/usr/bin/dbus-daemon",
                                                                      "--config-file=/usr/share/dbus-1/session.conf",
                                                                      "--nofork", "--address=" + sessionAddress},
                                             std::map<std::string, std::string>{});
        ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(socket); }, 10)) << "no session bus";
        environment = {{"DBUS_SESSION_BUS_ADDRESS", sessionAddress},
                       {"DISPLAY", server->displayName()},
                       {"HOME", home.string()},
                       {"XDG_RUNTIME_DIR", (home / "run").string()},
                       {"XDG_CONFIG_HOME", (home / "config").string()},
                       {"XDG_DATA_HOME", (home / "data").string()}};
        launcher = std::make_unique<Child>(
            std::vector<std::string>{"/usr/libexec/at-spi-bus-launcher", "--launch-immediately"}, environment);
    }

    void TearDown() override
    {
        application.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("accessibility"));
        QDBusConnection::disconnectFromBus(QStringLiteral("session"));
        launcher.reset();
        sessionBus.reset();
        server.reset();
        std::filesystem::remove_all(home);
    }

    void startApplication()
    {
        auto withAccessibility = environment;
        withAccessibility["QT_QPA_PLATFORM"] = "xcb";
        // As when a screen reader runs: the toolkit serves its tree on the accessibility bus.
        withAccessibility["QT_LINUX_ACCESSIBILITY_ALWAYS_ON"] = "1";
        application = std::make_unique<Child>(std::vector<std::string>{QUELLARINE_APP}, withAccessibility);
    }

    // The accessibility bus, once the launcher has started it.
    std::optional<QDBusConnection> accessibilityBus()
    {
        QDBusConnection session
            = QDBusConnection::connectToBus(QString::fromStdString(sessionAddress), QStringLiteral("session"));
        QString address;
        waitFor(
            [&] {
                const QDBusMessage reply = session.call(
                    QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                                   QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")));
                if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
                    address = reply.arguments().first().toString();
                }
                return !address.isEmpty();
            },
            10);
        if (address.isEmpty()) {
            return std::nullopt;
        }
        QDBusConnection bus = QDBusConnection::connectToBus(address, QStringLiteral("accessibility"));
        if (!bus.isConnected()) {
            return std::nullopt;
        }
        return bus;
    }

    std::filesystem::path home;
    std::unique_ptr<XvfbServer> server;
    std::string sessionAddress;
    std::map<std::string, std::string> environment;
    std::unique_ptr<Child> sessionBus;
    std::unique_ptr<Child> launcher;
    std::unique_ptr<Child> application;
};

TEST_F(AccessibilityBusTest, ScreenReadersGetNamedWindowsPageTabsAndNoNamedFillers)
{
    // A new user on a desktop without a tray: the welcome window in front of the main window.
    startApplication();
    const auto bus = accessibilityBus();
    ASSERT_TRUE(bus.has_value()) << "no accessibility bus";
    const TreeReader reader(*bus);
    const QString registry = QStringLiteral("org.a11y.atspi.Registry");
    const QString root = QStringLiteral("/org/a11y/atspi/accessible/root");

    QList<Element> tree;
    const bool bothWindows = waitFor(
        [&] {
            tree.clear();
            for (const auto& [service, path] : reader.children(registry, root)) {
                tree += reader.tree(service, path);
            }
            int frames = 0;
            for (const Element& element : tree) {
                frames += element.name == QStringLiteral("Welcome to Quellarine")
                        || element.name == QStringLiteral("Overview")
                    ? 1
                    : 0;
            }
            return frames >= 2;
        },
        30);
    ASSERT_TRUE(bothWindows) << "the windows never showed on the accessibility bus";

    std::map<QString, Element> named;
    for (const Element& element : tree) {
        EXPECT_FALSE(element.role == QStringLiteral("filler") && !element.name.isEmpty())
            << "a filler named \"" << element.name.toStdString() << "\"";
        if (!element.name.isEmpty() && !named.contains(element.name)) {
            named[element.name] = element;
        }
    }
    ASSERT_TRUE(named.contains(QStringLiteral("Welcome to Quellarine")));
    EXPECT_EQ(named[QStringLiteral("Welcome to Quellarine")].role.toStdString(), "frame");
    ASSERT_TRUE(named.contains(QStringLiteral("Quellarine, by Temrid")));
    EXPECT_EQ(named[QStringLiteral("Quellarine, by Temrid")].role.toStdString(), "label");

    // Each section's row is one page tab (the same words may also stand in a page, as a label or a title), never a
    // check box; the row of the page shown is the selected one.
    for (const char* section : {"Overview", "Tuned to your hand", "Why it works", "Help", "Feedback", "What's New"}) {
        SCOPED_TRACE(section);
        int tabs = 0;
        for (const Element& element : tree) {
            if (element.name != QString::fromUtf8(section)) {
                continue;
            }
            EXPECT_NE(element.role.toStdString(), "check box");
            if (element.role == QStringLiteral("page tab")) {
                ++tabs;
                EXPECT_EQ(element.selected, std::string(section) == "Overview");
                EXPECT_FALSE(element.checked);
            }
        }
        EXPECT_EQ(tabs, 1);
    }
}

} // namespace

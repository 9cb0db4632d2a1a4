// Test framework and Qt first: X's macros (None, Bool) would clash with names in their headers.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QDBusVirtualObject>

#include "Backends/X11/Testing/XvfbServer.h"

#include <pwd.h>
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
        : program_(command.front())
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
    // Asks it to end; one that has not ended 20 s later fails the test and is killed, so that the test ends.
    ~Child()
    {
        if (pid_ <= 0) {
            return;
        }
        kill(pid_, SIGTERM);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (waitpid(pid_, nullptr, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ADD_FAILURE() << program_ << " did not end when asked to";
                kill(pid_, SIGKILL);
                waitpid(pid_, nullptr, 0);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

private:
    std::string program_;
    pid_t pid_ = -1;
};

// Waits, answering what arrives on the test's own bus connections meanwhile.
bool waitFor(const std::function<bool()>& condition, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

// A call and its answer (an error one when none came within the time). Meanwhile the test's own objects are served,
// and the wait looks at the call itself, so it ends by the deadline whatever the connection's thread reports.
QDBusMessage answer(const QDBusConnection& bus, const QDBusMessage& message, int milliseconds = 5000)
{
    QDBusPendingCall pending = bus.asyncCall(message, milliseconds);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds + 1000);
    while (!pending.isFinished()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return message.createErrorReply(
                QDBusError::Timeout, QStringLiteral("no answer to %1 on %2").arg(message.member(), message.path()));
        }
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return pending.reply();
}

// The desktop's tray as the session bus offers it: a watcher with which the application registers its tray item,
// which the test then clicks as a tray would.
class TrayWatcher : public QDBusVirtualObject {
public:
    static constexpr const char* service = "org.kde.StatusNotifierWatcher";
    static constexpr const char* path = "/StatusNotifierWatcher";

    QString introspect(const QString& /*path*/) const override
    {
        return QStringLiteral(
            "<interface name=\"org.kde.StatusNotifierWatcher\">"
            "<method name=\"RegisterStatusNotifierItem\"><arg name=\"service\" type=\"s\" direction=\"in\"/></method>"
            "<method name=\"RegisterStatusNotifierHost\"><arg name=\"service\" type=\"s\" direction=\"in\"/></method>"
            "<property name=\"RegisteredStatusNotifierItems\" type=\"as\" access=\"read\"/>"
            "<property name=\"IsStatusNotifierHostRegistered\" type=\"b\" access=\"read\"/>"
            "<property name=\"ProtocolVersion\" type=\"i\" access=\"read\"/>"
            "</interface>");
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        const QString member = message.member();
        if (member == QStringLiteral("RegisterStatusNotifierItem") && !message.arguments().isEmpty()) {
            // A bus name, or an object path on the caller's own connection.
            const QString named = message.arguments().first().toString();
            if (named.startsWith(QLatin1Char('/'))) {
                itemService = message.service();
                itemPath = named;
            } else {
                itemService = named;
                itemPath = QStringLiteral("/StatusNotifierItem");
            }
            connection.send(message.createReply());
            return true;
        }
        if (member == QStringLiteral("RegisterStatusNotifierHost")) {
            connection.send(message.createReply());
            return true;
        }
        const QVariantMap properties{
            {QStringLiteral("RegisteredStatusNotifierItems"),
             itemService.isEmpty() ? QStringList() : QStringList{itemService}},
            {QStringLiteral("IsStatusNotifierHostRegistered"), true},
            {QStringLiteral("ProtocolVersion"), 0},
        };
        if (member == QStringLiteral("Get") && message.arguments().size() == 2) {
            const QVariant value = properties.value(message.arguments().at(1).toString());
            connection.send(value.isValid() ? message.createReply(QVariant::fromValue(QDBusVariant(value)))
                                            : message.createErrorReply(QDBusError::UnknownProperty, {}));
            return true;
        }
        if (member == QStringLiteral("GetAll")) {
            connection.send(message.createReply(properties));
            return true;
        }
        return false;
    }

    QString itemService;
    QString itemPath;
};

// One element of the accessibility tree as a screen reader gets it.
struct Element {
    QString role;
    // The role's number on the bus (the name above is the toolkit's wording).
    uint roleNumber = 0;
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
        const QDBusMessage number = call(service, path, QStringLiteral("GetRole"));
        if (!number.arguments().isEmpty()) {
            element.roleNumber = number.arguments().first().toUInt();
        }
        QDBusMessage name = QDBusMessage::createMethodCall(
            service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        name << QStringLiteral("org.a11y.atspi.Accessible") << QStringLiteral("Name");
        const QDBusMessage nameReply = answer(bus_, name);
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

    // An element and where it sits: its own and its parent's object.
    struct Node {
        QString service;
        QString path;
        QString parent;
        Element element;
    };

    // Every element under an object, depth first, each with its parent.
    QList<Node> nodes(const QString& service, const QString& path, const QString& parent = {}, int depth = 0) const
    {
        QList<Node> all{Node{service, path, parent, element(service, path)}};
        if (depth > 40) {
            return all;
        }
        for (const auto& [childService, childPath] : children(service, path)) {
            all += nodes(childService, childPath, path, depth + 1);
        }
        return all;
    }

    // Presses the element as a screen reader's user would: its first action.
    bool press(const Node& node) const
    {
        QDBusMessage action = QDBusMessage::createMethodCall(
            node.service, node.path, QStringLiteral("org.a11y.atspi.Action"), QStringLiteral("DoAction"));
        action << 0;
        return answer(bus_, action).type() == QDBusMessage::ReplyMessage;
    }

    // Replaces an editable text's content.
    bool type(const Node& node, const QString& text) const
    {
        QDBusMessage edit = QDBusMessage::createMethodCall(
            node.service, node.path, QStringLiteral("org.a11y.atspi.EditableText"), QStringLiteral("SetTextContents"));
        edit << text;
        return answer(bus_, edit).type() == QDBusMessage::ReplyMessage;
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
        return answer(
            bus_, QDBusMessage::createMethodCall(service, path, QStringLiteral("org.a11y.atspi.Accessible"), method));
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

    // The private session bus, as the test's own connection to it.
    QDBusConnection session()
    {
        return QDBusConnection::connectToBus(QString::fromStdString(sessionAddress), QStringLiteral("session"));
    }

    // The accessibility bus, once the launcher has started it.
    std::optional<QDBusConnection> accessibilityBus()
    {
        QDBusConnection session = this->session();
        QString address;
        waitFor(
            [&] {
                const QDBusMessage reply = answer(
                    session,
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

// The bus's number for an alert, which screen readers speak as it appears.
constexpr uint alertRole = 2;

// What the desktop's tray shows for the account running the test: the full name of its password entry, else "You".
QString accountName()
{
    const passwd* entry = getpwuid(getuid());
    QString name = entry != nullptr && entry->pw_gecos != nullptr ? QString::fromUtf8(entry->pw_gecos) : QString();
    name = name.section(QLatin1Char(','), 0, 0);
    return name.isEmpty() ? QStringLiteral("You") : name;
}

TEST_F(AccessibilityBusTest, ChoicesAreRadioGroupsListsAreNamedByTheirLabelsFailuresAreAlertsAndTheTrayWindowIsThere)
{
    // A desktop with a tray: the application puts its item there.
    TrayWatcher watcher;
    QDBusConnection bus = session();
    ASSERT_TRUE(bus.registerVirtualObject(QString::fromUtf8(TrayWatcher::path), &watcher));
    ASSERT_TRUE(bus.registerService(QString::fromUtf8(TrayWatcher::service)));
    startApplication();
    ASSERT_TRUE(waitFor([&] { return !watcher.itemService.isEmpty(); }, 30)) << "no item in the tray";
    const auto accessibility = accessibilityBus();
    ASSERT_TRUE(accessibility.has_value()) << "no accessibility bus";
    const TreeReader reader(*accessibility);
    const QString registry = QStringLiteral("org.a11y.atspi.Registry");
    const QString root = QStringLiteral("/org/a11y/atspi/accessible/root");

    QList<TreeReader::Node> tree;
    const auto read = [&] {
        tree.clear();
        for (const auto& [service, path] : reader.children(registry, root)) {
            tree += reader.nodes(service, path);
        }
    };
    const auto find = [&](const QString& name, const QString& role = {}) -> std::optional<TreeReader::Node> {
        for (const TreeReader::Node& node : tree) {
            if (node.element.name == name && (role.isEmpty() || node.element.role == role)) {
                return node;
            }
        }
        return std::nullopt;
    };
    const auto appears = [&](const QString& name, const QString& role = {}) {
        return waitFor(
            [&] {
                read();
                return find(name, role).has_value();
            },
            20);
    };
    // The choices of one exclusive choice: each a radio button, all with the one parent.
    const auto expectRadioGroup = [&](const QStringList& names) {
        QStringList parents;
        for (const QString& name : names) {
            const auto node = find(name, QStringLiteral("radio button"));
            EXPECT_TRUE(node.has_value()) << name.toStdString() << " is no radio button";
            if (node) {
                parents.append(node->parent);
            }
        }
        parents.removeDuplicates();
        EXPECT_EQ(parents.size(), 1) << names.join(QStringLiteral(", ")).toStdString() << " lie in " << parents.size()
                                     << " groups";
    };

    // Clicked in the tray, the tray window opens: a window of the application's own, with its switch.
    QDBusMessage activate
        = QDBusMessage::createMethodCall(watcher.itemService, watcher.itemPath,
                                         QStringLiteral("org.kde.StatusNotifierItem"), QStringLiteral("Activate"));
    activate << 40 << 10;
    ASSERT_EQ(answer(bus, activate).type(), QDBusMessage::ReplyMessage);
    ASSERT_TRUE(appears(QStringLiteral("Open Quellarine"))) << "the tray window is not in the tree";
    bool trayIsWindow = false;
    for (const TreeReader::Node& node : tree) {
        // The tray window is one of the application's windows: its element hangs from the application's root.
        trayIsWindow = trayIsWindow || (node.parent == root && node.element.name == QStringLiteral("Quellarine"));
    }
    EXPECT_TRUE(trayIsWindow) << "the tray window is not among the application's windows";
    EXPECT_TRUE(find(QStringLiteral("Filter")).has_value()) << "the tray window's switch is not in the tree";

    // Its Feedback button opens the feedback page: the topics are one exclusive choice.
    const auto feedback = find(QStringLiteral("Feedback"), QStringLiteral("push button"));
    ASSERT_TRUE(feedback.has_value());
    ASSERT_TRUE(reader.press(*feedback));
    ASSERT_TRUE(appears(QStringLiteral("I have an idea"), QStringLiteral("radio button")))
        << "the feedback topics do not read as radio buttons";
    expectRadioGroup({QStringLiteral("Something doesn't work"), QStringLiteral("I have an idea"),
                      QStringLiteral("Something is confusing"), QStringLiteral("Something is missing"),
                      QStringLiteral("Something I like")});

    // A message that cannot be sent (this build names no service): the failure is an alert.
    ASSERT_TRUE(reader.press(*find(QStringLiteral("I have an idea"), QStringLiteral("radio button"))));
    const auto message = find(QStringLiteral("Your message"), QStringLiteral("text"));
    ASSERT_TRUE(message.has_value()) << "no message field";
    ASSERT_TRUE(reader.type(*message, QStringLiteral("Bigger buttons, please.")));
    const auto send = find(QStringLiteral("Send"), QStringLiteral("push button"));
    ASSERT_TRUE(send.has_value());
    ASSERT_TRUE(reader.press(*send));
    const bool alerted = waitFor(
        [&] {
            read();
            for (const TreeReader::Node& node : tree) {
                if (node.element.roleNumber == alertRole
                    && node.element.name.startsWith(QStringLiteral("Sending isn't working"))) {
                    return true;
                }
            }
            return false;
        },
        20);
    EXPECT_TRUE(alerted) << "the failure to send is no alert";

    // The profile: the pointing device and the appearance are exclusive choices, the language list is named by
    // its label.
    const auto profile = find(accountName(), QStringLiteral("push button"));
    ASSERT_TRUE(profile.has_value()) << "no profile button named " << accountName().toStdString();
    ASSERT_TRUE(reader.press(*profile));
    EXPECT_TRUE(appears(QStringLiteral("Language"), QStringLiteral("combo box")))
        << "the language list is not named by its label";
    EXPECT_FALSE(find(QStringLiteral("Same as the System"), QStringLiteral("combo box")).has_value());
    expectRadioGroup({QStringLiteral("Mouse"), QStringLiteral("Trackpad"), QStringLiteral("Both")});
    expectRadioGroup({QStringLiteral("Automatic"), QStringLiteral("Light"), QStringLiteral("Dark")});
}

} // namespace

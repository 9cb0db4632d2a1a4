#include "Quellarine/Desktop/AppcastUpdater.h"

#include "GzipOfZeros.h"
#include "LocalService.h"

#include "Quellarine/Model/UpdateController.h"

#include "Quellarine/Desktop/Defaults.h"
#include "Quellarine/Shell/UpdaterWindow.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace quellarine;
using namespace std::chrono_literals;

namespace {

// A one-answer-per-connection HTTP server on 127.0.0.1 that serves the feed and records the requests.
class FeedServer : public QObject {
public:
    FeedServer()
    {
        server.listen(QHostAddress::LocalHost);
        connect(&server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/appcast.xml").arg(server.serverPort())); }

    QByteArray header(int request, const QByteArray& name) const
    {
        for (const QByteArray& line : requests.at(request).split('\n')) {
            if (line.toLower().startsWith(name.toLower() + ':')) {
                return line.mid(name.size() + 1).trimmed();
            }
        }
        return {};
    }

    QTcpServer server;
    QByteArray status = "200 OK";
    QByteArray body;
    bool answers = true;
    QList<QByteArray> requests;
    // Instead of the body at once: one byte every 100 ms, or bytes without end as fast as they are taken; the
    // size is not announced.
    enum class Pace { whole, trickle, endless } pace = Pace::whole;
    qint64 written = 0; // by the trickling or endless answer, as far as the connection took it

private:
    void stream(QTcpSocket* socket)
    {
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: application/rss+xml\r\nConnection: close\r\n\r\n"
                      "<rss version=\"2.0\"><channel>");
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket](qint64 bytes) {
            written += bytes;
            if (pace == Pace::endless && socket->bytesToWrite() < 64 * 1024) {
                socket->write(QByteArray(256 * 1024, ' '));
            }
        });
        if (pace == Pace::trickle) {
            auto* timer = new QTimer(socket);
            connect(timer, &QTimer::timeout, socket, [socket] { socket->write(" "); });
            timer->start(100);
        }
    }

    void read(QTcpSocket* socket)
    {
        QByteArray received = socket->property("received").toByteArray() + socket->readAll();
        socket->setProperty("received", received);
        if (!received.contains("\r\n\r\n")) {
            return;
        }
        requests.append(received);
        if (!answers) {
            return;
        }
        if (pace != Pace::whole) {
            stream(socket);
            return;
        }
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: application/rss+xml\r\nContent-Length: "
                      + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }
};

QByteArray feedWith(const QByteArray& build, const QByteArray& version)
{
    return R"(<?xml version="1.0"?><rss version="2.0" xmlns:q="https://example.org/appcast"><channel>
        <item><q:version>5</q:version><enclosure url="https://example.org/q-0.5.tar.gz"/></item>
        <item><link>https://example.org/releases/)"
        + version + R"(</link><q:releaseNotesLink>https://example.org/notes.html</q:releaseNotesLink>
          <enclosure url="https://example.org/q.tar.gz" q:version=")"
        + build + R"(" q:shortVersionString=")" + version + R"("/></item></channel></rss>)";
}

class RecordingDelegate : public UpdaterDelegate {
public:
    void updaterDidFindValidUpdate(const AppcastItem& item) override { log << "found " + item.displayVersionString; }
    void updaterDidAbortWithError(int code, const QString&) override { log << QStringLiteral("abort %1").arg(code); }
    void updaterDidNotFindUpdate() override { log << QStringLiteral("not found"); }
    void updaterUserDidMakeChoice(UserUpdateChoice choice, const AppcastItem& item) override
    {
        log << QStringLiteral("choice %1 %2").arg(static_cast<int>(choice)).arg(item.versionString);
    }
    bool supportsGentleScheduledUpdateReminders() const override { return true; }
    bool standardUserDriverShouldHandleShowingScheduledUpdate(const AppcastItem&, bool) override
    {
        return updaterShowsScheduledUpdates;
    }
    void standardUserDriverWillHandleShowingUpdate(bool handle, const AppcastItem& item) override
    {
        log << QStringLiteral("will show %1 %2").arg(handle).arg(item.versionString);
    }
    void standardUserDriverShowVersionHistoryForAppcastItem(const AppcastItem& item) override
    {
        log << "version history " + item.versionString;
    }

    QStringList log;
    bool updaterShowsScheduledUpdates = false;
};

class AppcastUpdaterTest : public ::testing::Test {
protected:
    void SetUp() override { QApplication::setQuitOnLastWindowClosed(false); }

    std::unique_ptr<AppcastUpdater> makeUpdater(std::chrono::milliseconds interval = 24h, bool withWindow = true)
    {
        AppcastUpdater::Configuration configuration;
        if (withWindow) {
            configuration.makePrompt
                = [](UpdaterPrompt::Answers answers) { return new UpdaterWindow(std::move(answers)); };
        }
        configuration.feedURL = server.url();
        configuration.runningBuild = QStringLiteral("10");
        configuration.appVersion = QStringLiteral("1.0");
        configuration.checkInterval = interval;
        configuration.openURL = [this](const QUrl& url) {
            opened.append(url);
            return true;
        };
        auto updater = std::make_unique<AppcastUpdater>(delegate, defaults, configuration);
        updater->setUserAgentString(QStringLiteral("Quellarine/1.0 AppcastUpdater/1.0 Linux/6.1"));
        return updater;
    }

    // Waits for the session to end, or for the updater's window to show a result.
    static bool settled(const AppcastUpdater& updater)
    {
        return QTest::qWaitFor([&] {
            UpdaterWindow* shown = window();
            return shown ? shown->state() != UpdaterWindow::State::checking : !updater.sessionInProgress();
        });
    }

    static UpdaterWindow* window()
    {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* found = qobject_cast<UpdaterWindow*>(widget);
            if (found && found->isVisible()) {
                return found;
            }
        }
        return nullptr;
    }

    static void click(const char* button)
    {
        ASSERT_NE(window(), nullptr);
        auto* target = window()->findChild<QPushButton*>(QLatin1StringView(button));
        ASSERT_NE(target, nullptr) << button;
        target->click();
    }

    FeedServer server;
    RecordingDelegate delegate;
    QTemporaryDir directory;
    Defaults defaults{directory.filePath(QStringLiteral("settings.ini"))};
    QList<QUrl> opened;
};

} // namespace

TEST_F(AppcastUpdaterTest, BackgroundCheckFindsAnUpdateAndLeavesItToTheApplication)
{
    server.body = feedWith("12", "1.2");
    auto updater = makeUpdater();
    QSignalSpy canCheckChanges(updater.get(), &Updater::canCheckForUpdatesChanged);
    ASSERT_TRUE(updater->canCheckForUpdates());

    updater->checkForUpdatesInBackground();
    EXPECT_FALSE(updater->canCheckForUpdates());
    EXPECT_TRUE(updater->sessionInProgress());
    ASSERT_TRUE(settled(*updater));

    EXPECT_EQ(delegate.log, (QStringList{"found 1.2", "will show 0 12"}));
    EXPECT_EQ(window(), nullptr);
    EXPECT_TRUE(updater->canCheckForUpdates());
    EXPECT_EQ(canCheckChanges.count(), 2);
    ASSERT_EQ(server.requests.size(), 1);
    EXPECT_EQ(server.header(0, "User-Agent"), "Quellarine/1.0 AppcastUpdater/1.0 Linux/6.1");
    ASSERT_TRUE(updater->lastUpdateCheckDate().has_value());
    EXPECT_LE(updater->lastUpdateCheckDate()->secsTo(QDateTime::currentDateTimeUtc()), 5);
}

TEST_F(AppcastUpdaterTest, BackgroundResultsWithoutAnUpdate)
{
    struct Case {
        const char* name;
        QByteArray status;
        QByteArray body;
        QStringList log;
    };
    const std::vector<Case> cases{
        {"nothing newer", "200 OK", feedWith("10", "1.0"), {"not found", "abort 1001"}},
        {"malformed feed", "200 OK", "<rss><channel><item>", {"abort 1000"}},
        {"no releases", "200 OK", "<rss version=\"2.0\"><channel/></rss>", {"abort 1000"}},
        {"missing feed", "404 Not Found", "gone", {"abort 1002"}},
    };
    for (const auto& [name, status, body, log] : cases) {
        server.status = status;
        server.body = body;
        delegate.log.clear();
        auto updater = makeUpdater();
        updater->checkForUpdatesInBackground();
        ASSERT_TRUE(settled(*updater)) << name;
        EXPECT_EQ(delegate.log, log) << name;
        EXPECT_EQ(window(), nullptr) << name;
    }

    delegate.log.clear();
    server.server.close();
    auto updater = makeUpdater();
    updater->checkForUpdatesInBackground();
    ASSERT_TRUE(settled(*updater));
    EXPECT_EQ(delegate.log, QStringList{"abort 1002"});
    EXPECT_TRUE(updater->canCheckForUpdates());
}

TEST_F(AppcastUpdaterTest, AFeedTooSlowOrTooLargeFailsTheCheckWhileItArrives)
{
    // A server that keeps the check alive with a byte now and then: the check ends at its deadline.
    server.pace = FeedServer::Pace::trickle;
    AppcastUpdater::Configuration configuration;
    configuration.makePrompt = [](UpdaterPrompt::Answers answers) { return new UpdaterWindow(std::move(answers)); };
    configuration.feedURL = server.url();
    configuration.runningBuild = QStringLiteral("10");
    configuration.checkDeadline = 600ms;
    auto updater = std::make_unique<AppcastUpdater>(delegate, defaults, configuration);
    updater->checkForUpdatesInBackground();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !updater->sessionInProgress(); }, 3000));
    EXPECT_EQ(delegate.log, QStringList{"abort 1002"});
    EXPECT_TRUE(updater->canCheckForUpdates());

    // A feed without end: refused once more than a feed's worth has come, without taking in what follows.
    delegate.log.clear();
    server.pace = FeedServer::Pace::endless;
    updater = makeUpdater();
    updater->checkForUpdatesInBackground();
    ASSERT_TRUE(settled(*updater));
    EXPECT_EQ(delegate.log, QStringList{"abort 1000"});
    QTest::qWait(200);
    EXPECT_LT(server.written, 8 << 20) << server.written;

    // A whole feed larger than a feed can be, padded out to look like one, is not read.
    delegate.log.clear();
    server.pace = FeedServer::Pace::whole;
    server.body = feedWith("11", "1.1").replace("<channel>", "<channel><!--" + QByteArray(3 << 20, ' ') + "-->");
    updater = makeUpdater();
    updater->checkForUpdatesInBackground();
    ASSERT_TRUE(settled(*updater));
    EXPECT_EQ(delegate.log, QStringList{"abort 1000"});
}

TEST_F(AppcastUpdaterTest, ACompressedFeedIsRefusedAtOnceAsUnreadable)
{
    // An HTTPS service that answers with a gzip bomb: 64 MB of zeros in some 65 kB, sent compressed whether
    // asked for or not.
    quellarine::testing::LocalService service;
    const QByteArray bomb = quellarine::testing::gzipOfZeros(64 << 20);
    service.answer = [&](const quellarine::testing::LocalService::Request&) {
        quellarine::testing::LocalService::Answer answer;
        answer.body = bomb;
        answer.headers = {{"Content-Encoding", "gzip"}};
        return answer;
    };
    AppcastUpdater::Configuration configuration;
    configuration.makePrompt = [](UpdaterPrompt::Answers answers) { return new UpdaterWindow(std::move(answers)); };
    configuration.feedURL = QUrl(QString::fromStdString(service.root().text()) + QStringLiteral("/appcast.xml"));
    configuration.runningBuild = QStringLiteral("10");
    configuration.appVersion = QStringLiteral("1.0");
    configuration.tls = service.clientTls();
    // Short, so that a check ended by its deadline (which would say the server could not be reached) shows.
    configuration.transferTimeout = 3s;
    configuration.checkDeadline = 5s;
    auto updater = std::make_unique<AppcastUpdater>(delegate, defaults, configuration);

    updater->checkForUpdates();
    ASSERT_TRUE(settled(*updater));
    ASSERT_EQ(service.received.size(), 1u);
    EXPECT_EQ(service.received[0].headers.value("accept-encoding"), "identity");
    EXPECT_EQ(delegate.log, QStringList{"abort 1000"});
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window()->state(), UpdaterWindow::State::error);
    QStringList texts;
    for (const QLabel* label : window()->findChildren<QLabel*>()) {
        texts << label->text();
    }
    EXPECT_TRUE(texts.join('\n').contains(QStringLiteral("could not be read"))) << texts.join('\n').toStdString();
    click("okButton");
    EXPECT_FALSE(updater->sessionInProgress());
    EXPECT_TRUE(updater->canCheckForUpdates());

    // A plain feed from the same service is read.
    service.answer = [](const quellarine::testing::LocalService::Request&) {
        quellarine::testing::LocalService::Answer answer;
        answer.body = feedWith("12", "1.2");
        return answer;
    };
    delegate.log.clear();
    updater->checkForUpdatesInBackground();
    ASSERT_TRUE(settled(*updater));
    EXPECT_EQ(delegate.log, (QStringList{"found 1.2", "will show 0 12"}));
}

TEST_F(AppcastUpdaterTest, UserCheckShowsItsOutcomeInTheUpdaterWindow)
{
    server.body = feedWith("10", "1.0");
    auto updater = makeUpdater();
    updater->checkForUpdates();
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window()->state(), UpdaterWindow::State::checking);
    ASSERT_TRUE(settled(*updater));
    EXPECT_EQ(window()->state(), UpdaterWindow::State::noUpdate);
    click("versionHistoryButton");
    click("okButton");
    EXPECT_EQ(delegate.log, (QStringList{"not found", "abort 1001", "version history 10"}));
    EXPECT_FALSE(updater->sessionInProgress());

    server.body = "<rss><channel><item><enclosure url=\"http://example.org/q.tar.gz\"/></item></channel></rss>";
    delegate.log.clear();
    updater->checkForUpdates();
    ASSERT_TRUE(settled(*updater));
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window()->state(), UpdaterWindow::State::error);
    EXPECT_EQ(delegate.log, QStringList{"abort 1000"});
    click("okButton");
    EXPECT_FALSE(updater->sessionInProgress());
}

// The window may go without being closed (its owner deleted it) and the updater may go while the window is
// open: neither leaves a session running or a window calling back into nothing.
TEST_F(AppcastUpdaterTest, TheWindowAndTheUpdaterMayEachGoFirst)
{
    server.body = feedWith("10", "1.0");
    auto updater = makeUpdater();
    updater->checkForUpdates();
    ASSERT_TRUE(settled(*updater));
    ASSERT_NE(window(), nullptr);
    delete window();
    EXPECT_FALSE(updater->sessionInProgress());

    delegate.log.clear();
    updater->checkForUpdates();
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window()->state(), UpdaterWindow::State::checking);
    ASSERT_TRUE(settled(*updater));
    EXPECT_EQ(window()->state(), UpdaterWindow::State::noUpdate);
    updater.reset();
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(delegate.log, (QStringList{"not found", "abort 1001"}));
}

// Without a window a user's check still ends, with the same answers to the delegate.
TEST_F(AppcastUpdaterTest, WithoutAWindowAUserCheckEndsByItself)
{
    server.body = feedWith("12", "1.2");
    auto updater = makeUpdater(24h, false);
    updater->checkForUpdates();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !updater->sessionInProgress(); }));
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(delegate.log, (QStringList{"found 1.2", "will show 1 12"}));
}

TEST_F(AppcastUpdaterTest, ChoicesInTheUpdateWindow)
{
    server.body = feedWith("12", "1.2");
    auto updater = makeUpdater();
    updater->checkForUpdates();
    ASSERT_TRUE(settled(*updater));
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window()->state(), UpdaterWindow::State::updateFound);
    click("releaseNotesButton");
    click("installButton");
    EXPECT_EQ(opened,
              (QList<QUrl>{QUrl(QStringLiteral("https://example.org/notes.html")),
                           QUrl(QStringLiteral("https://example.org/releases/1.2"))}));
    EXPECT_EQ(delegate.log, (QStringList{"found 1.2", "will show 1 12", "choice 1 12"}));

    // Skipped: background checks no longer offer that build, the user's own check still does.
    delegate.log.clear();
    updater->checkForUpdates();
    ASSERT_TRUE(settled(*updater));
    click("skipButton");
    updater->checkForUpdatesInBackground();
    ASSERT_TRUE(settled(*updater));
    EXPECT_EQ(delegate.log, (QStringList{"found 1.2", "will show 1 12", "choice 0 12", "not found", "abort 1001"}));

    delegate.log.clear();
    updater->checkForUpdates();
    ASSERT_TRUE(settled(*updater));
    window()->close();
    EXPECT_EQ(delegate.log, (QStringList{"found 1.2", "will show 1 12", "choice 2 12"}));
    EXPECT_FALSE(updater->sessionInProgress());
}

TEST_F(AppcastUpdaterTest, CancellingTheCheckEndsTheSessionQuietly)
{
    server.answers = false;
    auto updater = makeUpdater();
    updater->checkForUpdates();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !server.requests.isEmpty(); }));
    click("cancelButton");
    EXPECT_FALSE(updater->sessionInProgress());
    EXPECT_TRUE(updater->canCheckForUpdates());
    QTest::qWait(50);
    EXPECT_TRUE(delegate.log.isEmpty());
}

TEST_F(AppcastUpdaterTest, ScheduledChecksFollowTheUsersChoice)
{
    server.body = feedWith("12", "1.2");
    delegate.updaterShowsScheduledUpdates = true;
    auto updater = makeUpdater(100ms);
    EXPECT_TRUE(updater->automaticallyChecksForUpdates());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window() != nullptr; }));
    EXPECT_EQ(window()->state(), UpdaterWindow::State::updateFound);
    EXPECT_EQ(delegate.log, (QStringList{"found 1.2", "will show 1 12"}));
    window()->close();

    updater->setAutomaticallyChecksForUpdates(false);
    EXPECT_EQ(defaults.boolean(QStringLiteral("updater.automaticallyChecks")), false);
    QTest::qWait(300);
    EXPECT_EQ(server.requests.size(), 1);
}

TEST_F(AppcastUpdaterTest, TheApplicationShowsWhatItsLaunchCheckFinds)
{
    server.body = feedWith("12", "1.2");
    std::function<void()> launchCheck;
    UpdateController::Environment environment = UpdateController::systemEnvironment();
    environment.after = [&](std::chrono::milliseconds, std::function<void()> action) { launchCheck = action; };
    environment.runningBuild = QStringLiteral("10");
    UpdateController controller(
        defaults,
        [this](UpdaterDelegate& owner) {
            AppcastUpdater::Configuration configuration;
            configuration.makePrompt
                = [](UpdaterPrompt::Answers answers) { return new UpdaterWindow(std::move(answers)); };
            configuration.feedURL = server.url();
            configuration.runningBuild = QStringLiteral("10");
            configuration.openURL = [](const QUrl&) { return true; };
            return std::make_unique<AppcastUpdater>(owner, defaults, configuration);
        },
        environment);
    ASSERT_TRUE(controller.canCheck());

    launchCheck();
    EXPECT_FALSE(controller.canCheck());
    ASSERT_TRUE(QTest::qWaitFor([&] { return controller.available().has_value(); }));
    EXPECT_EQ(controller.available(), QStringLiteral("1.2"));
    EXPECT_EQ(window(), nullptr);
    EXPECT_EQ(server.header(0, "User-Agent").toStdString(), UpdateController::userAgent().toStdString());

    // The user's check hands the known update to the updater's window.
    controller.checkForUpdates();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window() && window()->state() == UpdaterWindow::State::updateFound; }));
    click("skipButton");
    EXPECT_EQ(controller.available(), std::nullopt);
    EXPECT_FALSE(defaults.contains(QStringLiteral("updates.availableBuild")));
}

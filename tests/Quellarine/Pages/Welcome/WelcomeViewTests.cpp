#include "OpenedAddresses.h"
#include "TestAppModel.h"

#include "Quellarine/Components/AccessibilityCard.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Card.h"
#include "Quellarine/Components/SourceLink.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Pages/Welcome/WelcomeView.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

class WelcomeViewTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    // The view in a window of its own, shown and active, as the welcome window holds it.
    WelcomeView& show()
    {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        view = new WelcomeView(model(), [this] { ++dismissals; });
        layout->addWidget(view);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *view;
    }

    std::unique_ptr<QWidget> window;
    WelcomeView* view = nullptr;
    int dismissals = 0;
};

// The welcome promises the five presses of Ctrl only where they are heard, and follows a grant given while it is
// open.
TEST_F(WelcomeViewTest, TheShortcutsCardPromisesOnlyWhatThisSessionHears)
{
    keys = KeySource::choose(false, false, false);
    WelcomeView& welcome = show();
    EXPECT_TRUE(welcome.keysNote()->isVisibleTo(&welcome));
    EXPECT_TRUE(welcome.keysNote()->text().startsWith(QStringLiteral("They do not work in this session")));
    EXPECT_FALSE(welcome.emergencyText()->text().contains(QStringLiteral("press Ctrl 5 times")));
    model().modes().setKeys(KeySource::choose(false, false, true));
    EXPECT_FALSE(welcome.keysNote()->isVisibleTo(&welcome));
    EXPECT_TRUE(welcome.emergencyText()->text().contains(QStringLiteral("press Ctrl 5 times")));
}

TEST_F(WelcomeViewTest, ButtonAndCardFollowThePermissionWhileOpen)
{
    permission.trusted = false;
    WelcomeView& welcome = show();
    AccessibilityCard& card = *welcome.accessibilityCard();
    EXPECT_EQ(welcome.button()->text(), QStringLiteral("Later"));
    EXPECT_EQ(card.headline()->symbol(), QStringLiteral("1.circle.fill"));
    EXPECT_FALSE(card.headline()->color().has_value());
    EXPECT_FALSE(card.card()->tint().has_value());
    EXPECT_TRUE(card.button()->isVisible());
    EXPECT_TRUE(card.hint()->isVisible());
    // The one command that gives the access, naming this very program.
    EXPECT_TRUE(card.command()->isVisible());
    EXPECT_TRUE(card.command()->text().contains(QCoreApplication::applicationFilePath()));
    EXPECT_TRUE(card.command()->text().endsWith(QStringLiteral(" --allow-devices")));

    // The card asks for the permission and leaves the answer to the permission watch.
    QTest::mouseClick(card.button(), Qt::LeftButton);
    EXPECT_EQ(explanations, 1);
    EXPECT_FALSE(model().maySteerPointer());

    permission.trusted = true;
    server.advance(1.0);
    ASSERT_TRUE(model().maySteerPointer());
    EXPECT_EQ(welcome.button()->text(), QStringLiteral("Start"));
    EXPECT_EQ(card.headline()->symbol(), QStringLiteral("checkmark.circle.fill"));
    EXPECT_EQ(card.headline()->color(), Brand::accent);
    EXPECT_EQ(card.card()->tint(), Brand::accent);
    EXPECT_FALSE(card.button()->isVisible());
    EXPECT_FALSE(card.hint()->isVisible());
    EXPECT_FALSE(card.command()->isVisible());
    EXPECT_EQ(dismissals, 0);

    // Withdrawn again: the watch notices within 5 s and the window asks again.
    permission.trusted = false;
    server.advance(5.0);
    EXPECT_EQ(welcome.button()->text(), QStringLiteral("Later"));
    EXPECT_TRUE(card.button()->isVisible());
}

// The access card says what is so in each state, and shows the command exactly while its text asks for it.
TEST_F(WelcomeViewTest, TheAccessCardSaysWhatIsTrueInEveryStateOfTheAccess)
{
    permission.trusted = false;
    WelcomeView& welcome = show();
    AccessibilityCard& card = *welcome.accessibilityCard();
    const auto expectState = [&card](AccessibilityCard::State state, const QString& headline) {
        EXPECT_EQ(card.state(), state);
        EXPECT_EQ(card.headline()->text().toStdString(), headline.toStdString());
        const bool asksForTheCommand = card.explanation()->text().contains(QStringLiteral("command"));
        EXPECT_EQ(asksForTheCommand, state == AccessibilityCard::State::needed)
            << card.explanation()->text().toStdString();
        EXPECT_EQ(card.command()->isVisibleTo(&card), asksForTheCommand);
        EXPECT_EQ(card.button()->isVisibleTo(&card), asksForTheCommand);
        EXPECT_EQ(card.card()->tint().has_value(), state == AccessibilityCard::State::given);
    };
    expectState(AccessibilityCard::State::needed, QStringLiteral("Allow Access to the Pointer"));
    EXPECT_TRUE(card.explanation()->text().contains(QStringLiteral("Run this command once")));

    permission.trusted = true;
    server.advance(1.0);
    ASSERT_TRUE(model().isOn());
    expectState(AccessibilityCard::State::given, QStringLiteral("Quellarine can reach the pointer"));
    EXPECT_FALSE(card.explanation()->text().contains(QStringLiteral("Run")));

    // Taken away, then given again while the system refuses the pointer: the access is there, the pointer waits.
    permission.trusted = false;
    server.advance(5.0);
    expectState(AccessibilityCard::State::needed, QStringLiteral("Allow Access to the Pointer"));
    server.setMaySteerPointer(false);
    permission.trusted = true;
    server.advance(1.0);
    ASSERT_TRUE(model().tapFailed());
    expectState(AccessibilityCard::State::waiting, QStringLiteral("Access given, waiting for the system"));
    EXPECT_EQ(card.explanation()->text(),
              QStringLiteral("The system didn't let Quellarine watch the pointer. Quit and open it again."));
}

TEST_F(WelcomeViewTest, ReturnAndEscapeLeaveFromTheButtonWritingWelcomedAndClosing)
{
    permission.trusted = false;
    show();
    model().setWantsOn(false);
    const QStringList keysBefore = storedKeys();

    // The window opens with the keyboard on its button, so Return is "Later".
    EXPECT_EQ(QApplication::focusWidget(), view->button());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(dismissals, 1);
    EXPECT_EQ(explanations, 0);
    ASSERT_TRUE(defaults.flush());
    EXPECT_EQ(Defaults(directory.filePath(QStringLiteral("settings.ini"))).boolean(QStringLiteral("welcomed")), true);
    // "Later" records nothing else: neither the missing permission nor a change of the wish.
    QStringList keysAfter = storedKeys();
    keysAfter.removeOne(QStringLiteral("welcomed"));
    EXPECT_EQ(keysAfter, keysBefore);
    EXPECT_FALSE(model().wantsOn());

    // Opened again and pressed again: the setting is written true once more.
    defaults.setBool(QStringLiteral("welcomed"), false);
    QTest::keyClick(window.get(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(dismissals, 2);
    EXPECT_EQ(defaults.boolean(QStringLiteral("welcomed")), true);

    // Escape leaves as "Later" does.
    defaults.setBool(QStringLiteral("welcomed"), false);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(dismissals, 3);
    EXPECT_EQ(defaults.boolean(QStringLiteral("welcomed")), true);

    // A focused button of its own takes Return, as on every Linux desktop: the card asks for the permission.
    view->accessibilityCard()->button()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(explanations, 1);
    EXPECT_EQ(dismissals, 3);
}

TEST_F(WelcomeViewTest, ReturnOnTheFocusedSourceOpensItInsteadOfClosing)
{
    testing::OpenedAddresses recorder;
    show();
    auto* source = view->findChild<SourceLink*>();
    ASSERT_NE(source, nullptr);
    source->setFocus();
    QTest::keyClick(source, Qt::Key_Return);
    EXPECT_EQ(recorder.urls.size(), 1);
    EXPECT_EQ(dismissals, 0);
    EXPECT_FALSE(defaults.boolean(QStringLiteral("welcomed")).has_value());
}

TEST_F(WelcomeViewTest, TheFindingFollowsTheLocaleWithoutFractionDigits)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    show();
    QLocale::setDefault(previous);

    // The figure and the sentence both show the share with the German no-break space before the sign.
    const QString german = QStringLiteral("28\u00A0%");
    bool figure = false;
    bool sentence = false;
    for (auto* label : view->findChildren<QLabel*>()) {
        figure = figure || label->text() == german;
        sentence
            = sentence || (label->text().contains(german) && label->text().startsWith(QStringLiteral("In a study")));
    }
    EXPECT_TRUE(figure);
    EXPECT_TRUE(sentence);
}

} // namespace
} // namespace quellarine

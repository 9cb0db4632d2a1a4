#include "Eventually.h"
#include "TestAppModel.h"

#include "Quellarine/Components/AvatarView.h"
#include "Quellarine/Components/CalibrationRow.h"
#include "Quellarine/Components/Notice.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/ToggleSwitch.h"
#include "Quellarine/Components/Style/Motion.h"
#include "Quellarine/Pages/Profile/DropIn.h"
#include "Quellarine/Pages/Profile/DeviceOption.h"
#include "Quellarine/Pages/Profile/OneLineLabel.h"
#include "Quellarine/Pages/Profile/PreferencesSection.h"
#include "Quellarine/Pages/Profile/ProfileHeader.h"
#include "Quellarine/Pages/Profile/ProfilePage.h"
#include "Quellarine/Pages/Profile/SegmentedPicker.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace quellarine {
namespace {

using Device = ProfileStore::Device;
using ID = FilterPreset::ID;

using testing::eventually;

class ProfilePageTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    // Lines come and go at once, unless a test asks for motion.
    ProfilePageTest() { Motion::shared().setOverride(true); }
    ~ProfilePageTest() override
    {
        window.reset();
        Motion::shared().setOverride(std::nullopt);
    }

    ProfilePage& show()
    {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        page = new ProfilePage(model());
        layout->addWidget(page);
        window->resize(660, 1300);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        return *page;
    }

    ProfileHeader& header() { return page->header(); }
    PreferencesSection& preferences() { return page->preferences(); }

    QString picture(const QString& name, QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        const QString path = directory.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }

    QString textFile(const QString& name)
    {
        const QString path = directory.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a picture at all\n");
        return path;
    }

    // Drags data over the header's avatar and drops it there; true when the avatar took it.
    // Takes the data: drag and drop events do not own theirs.
    bool drop(QMimeData* data)
    {
        const std::unique_ptr<QMimeData> owned(data);
        AvatarView& avatar = header().avatar();
        const QPoint centre = avatar.rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&avatar, &enter);
        if (!enter.isAccepted()) {
            EXPECT_FALSE(avatar.dropTargeted());
            return false;
        }
        EXPECT_TRUE(avatar.dropTargeted());
        QDropEvent dropped(QPointF(centre), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&avatar, &dropped);
        EXPECT_FALSE(avatar.dropTargeted());
        return dropped.isAccepted();
    }

    QString stored(const QString& key) const { return storedSettings().value(key).toString(); }

    std::unique_ptr<QWidget> window;
    ProfilePage* page = nullptr;
};

TEST_F(ProfilePageTest, PhotoActionsFollowThePhotoAndFailuresStayUntilASuccess)
{
    show();
    EXPECT_EQ(header().chooseButton().text(), QStringLiteral("Choose Photo…"));
    EXPECT_FALSE(header().removeButton().isVisible());
    EXPECT_FALSE(header().errorLabel().isVisible());
    EXPECT_EQ(header().avatar().toolTip(), QStringLiteral("Drop a picture here to use it as your photo"));

    // A text file dressed as a picture: the sentence, in the warm colour, and still no photo.
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(textFile(QStringLiteral("notes.png")))});
    EXPECT_TRUE(drop(data));
    ASSERT_TRUE(eventually([&] { return header().photoError().has_value(); }));
    EXPECT_EQ(header().errorLabel().text(), QStringLiteral("That file isn't an image Quellarine can read."));
    EXPECT_TRUE(header().errorLabel().isVisible());
    EXPECT_TRUE(model().profile().photo().isNull());

    // Three files: only the first is used, and the success clears the message.
    data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(picture(QStringLiteral("wide.png"), {300, 200})),
                   QUrl::fromLocalFile(picture(QStringLiteral("tall.png"), {100, 400})),
                   QUrl::fromLocalFile(textFile(QStringLiteral("third.txt")))});
    EXPECT_TRUE(drop(data));
    ASSERT_TRUE(eventually([&] { return !model().profile().photo().isNull(); }));
    ASSERT_TRUE(eventually([&] { return !header().photoError().has_value(); }));
    EXPECT_EQ(model().profile().photo().size(), QSize(200, 200));
    EXPECT_FALSE(header().errorLabel().isVisible());
    EXPECT_EQ(header().chooseButton().text(), QStringLiteral("Change Photo…"));
    EXPECT_TRUE(header().removeButton().isVisible());
    EXPECT_TRUE(header().avatar().showsPhoto());

    // Something that carries no file is refused and changes nothing.
    data = new QMimeData;
    data->setText(QStringLiteral("/home/ada/picture.png"));
    EXPECT_FALSE(drop(data));

    // A web address is no file: the same sentence, the photo stays.
    data = new QMimeData;
    data->setUrls({QUrl(QStringLiteral("https://example.org/ada.png"))});
    EXPECT_TRUE(drop(data));
    ASSERT_TRUE(eventually([&] { return header().photoError().has_value(); }));
    EXPECT_FALSE(model().profile().photo().isNull());

    // Removing by keyboard: the photo goes at once, the message stays, the keyboard moves to the button left.
    header().removeButton().setFocus(Qt::TabFocusReason);
    QTest::keyClick(&header().removeButton(), Qt::Key_Space);
    EXPECT_TRUE(model().profile().photo().isNull());
    EXPECT_FALSE(header().removeButton().isVisible());
    EXPECT_EQ(header().chooseButton().text(), QStringLiteral("Choose Photo…"));
    EXPECT_TRUE(header().chooseButton().hasFocus());
    EXPECT_TRUE(header().photoError().has_value());
    ASSERT_TRUE(eventually([&] { return !QFile::exists(model().profile().photoPath()); }));
}

TEST_F(ProfilePageTest, TheChooserOpensWithoutBlockingAndImportsTheChosenFile)
{
    show();
    const QString path = picture(QStringLiteral("portrait.png"), {120, 300});
    header().chooseButton().setFocus(Qt::TabFocusReason);
    QTest::keyClick(&header().chooseButton(), Qt::Key_Space);
    // The keyboard press returned: the chooser runs inside the ordinary event loop.
    QFileDialog* chooser = header().chooser();
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(chooser->isVisible());
    EXPECT_EQ(chooser->fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(chooser->labelText(QFileDialog::Accept), QStringLiteral("Use Photo"));
    EXPECT_EQ(chooser->windowTitle(), QStringLiteral("Choose a picture for your profile. It stays on this computer."));
    EXPECT_TRUE(chooser->nameFilters().front().contains(QStringLiteral("*.png")));
    EXPECT_TRUE(chooser->nameFilters().front().contains(QStringLiteral("*.jpg")));

    // Choosing again while it is open brings the same chooser forward.
    header().choosePhoto();
    EXPECT_EQ(header().chooser(), chooser);

    // Cancelling changes nothing.
    chooser->reject();
    ASSERT_TRUE(eventually([&] { return header().chooser() == nullptr; }));
    EXPECT_TRUE(model().profile().photo().isNull());
    EXPECT_FALSE(header().photoError().has_value());

    // The file typed into the chooser's name field, as a keyboard user would.
    header().choosePhoto();
    auto* name = header().chooser()->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    name->setText(path);
    QTest::keyClick(name, Qt::Key_Return);
    ASSERT_TRUE(eventually([&] { return !model().profile().photo().isNull(); }));
    EXPECT_EQ(model().profile().photo().size(), QSize(120, 120));
}

TEST_F(ProfilePageTest, NamePromptsComeFromTheAccountsFullName)
{
    using Prompts = std::pair<QString, QString>;
    EXPECT_EQ(ProfilePage::namePlaceholders(QStringLiteral(" Augusta  Ada King ")),
              Prompts(QStringLiteral("Augusta"), QStringLiteral("Ada King")));
    EXPECT_EQ(ProfilePage::namePlaceholders(QStringLiteral("Ada")), Prompts(QStringLiteral("Ada"), QString()));
    EXPECT_EQ(ProfilePage::namePlaceholders(QString()), Prompts(QStringLiteral("First name"), QString()));
    // Only spaces separate.
    EXPECT_EQ(ProfilePage::namePlaceholders(QStringLiteral("Ada\tKing")),
              Prompts(QStringLiteral("Ada\tKing"), QString()));

    accountFullName = QStringLiteral("Augusta  Ada King");
    show();
    EXPECT_EQ(page->firstNameField().placeholderText(), QStringLiteral("Augusta"));
    EXPECT_EQ(page->lastNameField().placeholderText(), QStringLiteral("Ada King"));
    EXPECT_TRUE(page->emailField().placeholderText().endsWith(QStringLiteral("@example.com")));
    // Before any detail is given the header names the account.
    EXPECT_EQ(header().nameLabel().text(), QStringLiteral("Augusta  Ada King"));
}

TEST_F(ProfilePageTest, TypedDetailsAreCleanedKeptAndShownInTheHeader)
{
    show();
    QLineEdit& first = page->firstNameField();
    first.setFocus(Qt::TabFocusReason);
    QTest::keyClicks(&first, QStringLiteral("Ada"));
    // A pasted tab and zero-width joiner are dropped, here and in the file.
    QApplication::clipboard()->setText(QStringLiteral("\tMa\u200Dry"));
    QTest::keyClick(&first, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(model().profile().details().firstName, QStringLiteral("AdaMary"));
    EXPECT_EQ(first.text(), QStringLiteral("AdaMary"));
    EXPECT_TRUE(stored(QStringLiteral("profile.details")).contains(QStringLiteral("\"firstName\":\"AdaMary\"")))
        << stored(QStringLiteral("profile.details")).toStdString();

    QTest::keyClick(&first, Qt::Key_Tab);
    ASSERT_TRUE(page->lastNameField().hasFocus());
    QTest::keyClicks(&page->lastNameField(), QStringLiteral("King"));
    EXPECT_EQ(header().nameLabel().text(), QStringLiteral("AdaMary King"));
    EXPECT_EQ(header().avatar().initials(), QStringLiteral("AK"));
    EXPECT_EQ(header().avatar().accessibleName(), QStringLiteral("AdaMary King"));

    QTest::keyClick(&page->lastNameField(), Qt::Key_Tab);
    ASSERT_TRUE(page->emailField().hasFocus());
    QTest::keyClicks(&page->emailField(), QStringLiteral("   "));
    EXPECT_FALSE(header().emailLabel().isVisible());
    QTest::keyClicks(&page->emailField(), QStringLiteral("ada@example.org  "));
    EXPECT_TRUE(header().emailLabel().isVisible());
    EXPECT_EQ(header().emailLabel().text(), QStringLiteral("ada@example.org"));
    EXPECT_EQ(model().profile().details().email, QStringLiteral("   ada@example.org  "));

    // Past the limit the store keeps the first 60 characters, and the field shows what was kept.
    page->firstNameField().selectAll();
    QApplication::clipboard()->setText(QString(70, u'x'));
    QTest::keyClick(&page->firstNameField(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(model().profile().details().firstName, QString(60, u'x'));
    EXPECT_EQ(page->firstNameField().text(), QString(60, u'x'));
    // Typed on at the limit, the store keeps the same and tells no one; the field still shows what it kept.
    page->firstNameField().end(false);
    QTest::keyClicks(&page->firstNameField(), QStringLiteral("yz"));
    EXPECT_EQ(model().profile().details().firstName, QString(60, u'x'));
    EXPECT_EQ(page->firstNameField().text(), QString(60, u'x'));
}

TEST_F(ProfilePageTest, WriteToUsOpensFeedbackFromTheProfile)
{
    show();
    page->writeToUsButton().setFocus(Qt::TabFocusReason);
    QTest::keyClick(&page->writeToUsButton(), Qt::Key_Return);
    EXPECT_EQ(model().section(), MainSection::feedback);
    EXPECT_EQ(model().feedback().source(), FeedbackStore::Source::profile);
}

TEST_F(ProfilePageTest, DeviceChoicesSuitThePresetOverAnySequence)
{
    show();
    for (DeviceOption* option : preferences().deviceOptions()) {
        EXPECT_FALSE(option->selected());
    }
    EXPECT_FALSE(preferences().hint().isVisible());

    // Random choices of device and preset: each device choice follows the rule from whatever preset is in force,
    // never touches smoothing, the click guard or the personal setting, and is kept at once.
    const std::vector<ID> presets{ID::gentle, ID::balanced, ID::strong, ID::veryStrong, ID::precision, ID::trackpad};
    QRandomGenerator random(30);
    for (int step = 0; step < 60; ++step) {
        if (random.bounded(3) == 0) {
            model().setPresetID(presets[random.bounded(static_cast<int>(presets.size()))]);
        }
        if (random.bounded(5) == 0) {
            model().setClickGuardOn(!model().clickGuardOn());
        }
        const Device device = std::array{Device::mouse, Device::trackpad, Device::both}[random.bounded(3)];
        const ID before = model().presetID();
        const bool wantsOn = model().wantsOn();
        const bool guard = model().clickGuardOn();
        QTest::mouseClick(&preferences().deviceOption(device), Qt::LeftButton);

        ID expected = before;
        if (device == Device::trackpad) {
            expected = ID::trackpad;
        } else if (device == Device::mouse && before == ID::trackpad) {
            expected = ID::balanced;
        }
        ASSERT_EQ(model().presetID(), expected) << step;
        ASSERT_EQ(model().profile().device(), device);
        ASSERT_EQ(stored(QStringLiteral("profile.device")), ProfileStore::rawValue(device));
        ASSERT_EQ(stored(QStringLiteral("preset")),
                  QString::fromStdString(std::string(FilterPreset::rawValue(expected))));
        ASSERT_EQ(model().wantsOn(), wantsOn);
        ASSERT_EQ(model().clickGuardOn(), guard);
        for (DeviceOption* option : preferences().deviceOptions()) {
            ASSERT_EQ(option->selected(), option->device() == device);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(option);
            ASSERT_EQ(bool(accessible->state().checked), option->device() == device);
        }
        ASSERT_TRUE(preferences().hint().isVisible());
        ASSERT_EQ(preferences().hint().text(), PreferencesSection::deviceHint(device));
    }
    // The hint for both names the shortcut that switches presets, as it is spoken.
    EXPECT_TRUE(PreferencesSection::deviceHint(Device::both)->endsWith(QStringLiteral("Ctrl + Alt + M.")));
}

TEST_F(ProfilePageTest, AppearanceAndClickGuardWriteThroughAndFollowTheModel)
{
    show();
    SegmentedPicker& appearance = preferences().appearancePicker();
    EXPECT_EQ(appearance.selected(), 0);
    EXPECT_EQ(appearance.segment(0).text(), QStringLiteral("Automatic"));
    appearance.segment(2).setFocus(Qt::TabFocusReason);
    QTest::keyClick(&appearance.segment(2), Qt::Key_Space);
    EXPECT_EQ(model().profile().appearance(), ProfileStore::Appearance::dark);
    EXPECT_EQ(stored(QStringLiteral("profile.appearance")), QStringLiteral("dark"));
    EXPECT_TRUE(appearance.segment(2).isChecked());
    EXPECT_FALSE(appearance.segment(0).isChecked());
    // Pressing the chosen segment again keeps it chosen.
    QTest::keyClick(&appearance.segment(2), Qt::Key_Space);
    EXPECT_TRUE(appearance.segment(2).isChecked());
    model().profile().setAppearance(ProfileStore::Appearance::light);
    EXPECT_EQ(appearance.selected(), 1);

    ToggleSwitch& guard = preferences().clickGuardSwitch();
    ASSERT_TRUE(model().clickGuardOn());
    EXPECT_TRUE(guard.isOn());
    EXPECT_EQ(guard.accessibleName(), QStringLiteral("Click guard"));
    guard.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&guard, Qt::Key_Space);
    EXPECT_FALSE(model().clickGuardOn());
    EXPECT_EQ(stored(QStringLiteral("clickGuard")), QStringLiteral("false"));
    model().setClickGuardOn(true);
    EXPECT_TRUE(guard.isOn());
}

TEST_F(ProfilePageTest, TheRestartOfferShowsWhileTheLanguageDiffersFromTheLaunchOne)
{
    defaults.setStringList(QStringLiteral("AppleLanguages"), {QStringLiteral("fr")});
    show();
    QComboBox& picker = preferences().languagePicker();
    EXPECT_EQ(picker.currentText(), QStringLiteral("Français"));
    EXPECT_FALSE(preferences().restartNotice().isVisible());
    ASSERT_EQ(picker.count(), 13);
    EXPECT_EQ(picker.itemText(0), QStringLiteral("Same as the System"));
    EXPECT_EQ(picker.itemText(2), QStringLiteral("English"));
    EXPECT_EQ(picker.itemText(12), QStringLiteral("Türkçe"));

    // By keyboard, up to the first entry: the system's languages; the choice is kept and the offer shows.
    picker.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&picker, Qt::Key_Home);
    EXPECT_EQ(model().profile().language(), std::nullopt);
    EXPECT_EQ(stored(QStringLiteral("AppleLanguages")), QString());
    EXPECT_TRUE(preferences().restartNotice().isVisible());
    EXPECT_EQ(preferences().restartButton().text(), QStringLiteral("Restart Quellarine"));
    // A restart that cannot happen (here the helper never starts) says so beside the button, as an alert.
    EXPECT_EQ(preferences().restartFailure(), nullptr);
    preferences().restartButton().click();
    ASSERT_NE(preferences().restartFailure(), nullptr);
    EXPECT_TRUE(preferences().restartFailure()->isVisible());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(preferences().restartFailure())->role(), QAccessible::AlertMessage);

    // Back to the launch language: no offer.
    picker.setCurrentIndex(picker.findData(QStringLiteral("ru")));
    emit picker.activated(picker.currentIndex());
    EXPECT_EQ(model().profile().language(), QStringLiteral("ru"));
    EXPECT_TRUE(preferences().restartNotice().isVisible());
    emit picker.activated(picker.findData(QStringLiteral("fr")));
    EXPECT_EQ(model().profile().language(), QStringLiteral("fr"));
    EXPECT_EQ(stored(QStringLiteral("AppleLanguages")), QStringLiteral("fr"));
    EXPECT_FALSE(preferences().restartNotice().isVisible());
    EXPECT_EQ(preferences().restartFailure(), nullptr);
}

TEST_F(ProfilePageTest, TheRestartOfferDropsInAndRisesAwayWithMotion)
{
    show();
    Motion::shared().setOverride(false);
    DropIn& transition = preferences().noticeTransition();
    QWidget& notice = preferences().restartNotice();
    ASSERT_FALSE(notice.isVisible());

    model().profile().setLanguage(QStringLiteral("tr"));
    // There at once, for the keyboard and for assistive technology, while it fades in from above.
    EXPECT_TRUE(notice.isVisible());
    EXPECT_LT(transition.progress(), 0.5);
    ASSERT_TRUE(eventually([&] { return transition.progress() == 1.0; }, 2000));

    // Back to the launch language: it stays while it rises away, then is gone; choosing again midway keeps it.
    model().profile().setLanguage(std::nullopt);
    EXPECT_TRUE(notice.isVisible());
    QTest::qWait(50);
    model().profile().setLanguage(QStringLiteral("ru"));
    ASSERT_TRUE(eventually([&] { return transition.progress() == 1.0; }, 2000));
    EXPECT_TRUE(notice.isVisible());
    model().profile().setLanguage(std::nullopt);
    ASSERT_TRUE(eventually([&] { return !notice.isVisible(); }, 2000));
    EXPECT_EQ(transition.progress(), 0.0);
}

TEST_F(ProfilePageTest, EveryControlIsNamedAndOnTheTabChain)
{
    model().profile().setDetails({QStringLiteral("Ada"), QString(), QString()});
    show();
    std::vector<QWidget*> chain;
    for (QWidget* next = page->nextInFocusChain(); next != page; next = next->nextInFocusChain()) {
        if (next->focusPolicy() & Qt::TabFocus && next->isVisible() && page->isAncestorOf(next)) {
            chain.push_back(next);
        }
    }
    std::vector<QWidget*> expected{&header().chooseButton(), &page->firstNameField(), &page->lastNameField(),
                                   &page->emailField()};
    // Each exclusive choice is one stop: its chosen button, or its first while none is chosen.
    const auto stopOf = [](std::vector<QAbstractButton*> group) {
        const auto chosen = std::find_if(group.begin(), group.end(), [](auto* button) { return button->isChecked(); });
        return chosen != group.end() ? *chosen : group.front();
    };
    const auto& options = preferences().deviceOptions();
    expected.push_back(stopOf(std::vector<QAbstractButton*>(options.begin(), options.end())));
    std::vector<QAbstractButton*> segments;
    for (int index = 0; index < preferences().appearancePicker().count(); ++index) {
        segments.push_back(&preferences().appearancePicker().segment(index));
    }
    expected.push_back(stopOf(segments));
    expected.insert(expected.end(),
                    {&preferences().languagePicker(), &preferences().clickGuardSwitch(),
                     &preferences().calibrationRow().button(), &page->writeToUsButton()});
    EXPECT_EQ(chain, expected);
    for (QWidget* control : chain) {
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            << control->metaObject()->className();
    }
    EXPECT_EQ(page->firstNameField().accessibleName(), QStringLiteral("First name"));
    EXPECT_EQ(preferences().languagePicker().accessibleName(), QStringLiteral("Language"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&header().avatar())->role(), QAccessible::Graphic);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&header().avatar())->text(QAccessible::Name),
              QStringLiteral("Ada"));
}

} // namespace
} // namespace quellarine

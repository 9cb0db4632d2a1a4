#include "Screenshots.h"
#include "TestAppModel.h"

#include "Quellarine/Components/Style/Motion.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Shell/ProfileCard.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using testing::Screenshots;

bool eventually(const std::function<bool()>& condition)
{
    return QTest::qWaitFor(condition, 2000);
}

class ProfileCardTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    ProfileCardTest() { Motion::shared().setOverride(true); }
    ~ProfileCardTest() override
    {
        window.reset();
        Motion::shared().setOverride(std::nullopt);
    }

    ProfileCard& show(int width = 230)
    {
        window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(window.get());
        card = new ProfileCard(model());
        layout->addWidget(card);
        window->resize(width, 100);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *card;
    }

    // The colour at the middle of the avatar as the card draws it now.
    QColor avatarCentre()
    {
        const QImage image = Screenshots::render(*card, 1.0);
        const int left = card->layoutDirection() == Qt::RightToLeft
            ? card->width() - ProfileCard::padding - int(ProfileCard::avatarSize) / 2
            : ProfileCard::padding + int(ProfileCard::avatarSize) / 2;
        // Beside the centre, clear of any initials.
        return image.pixelColor(left - 15, card->height() / 2 + 15);
    }

    void givePhoto(QColor colour)
    {
        QImage picture(64, 48, QImage::Format_RGB32);
        picture.fill(colour);
        const QString path = directory.filePath(QStringLiteral("photo.png"));
        ASSERT_TRUE(picture.save(path));
        QSignalSpy changed(&model().profile(), &ProfileStore::photoChanged);
        model().profile().setPhoto(QUrl::fromLocalFile(path), [](auto) {});
        ASSERT_TRUE(changed.wait(5000));
    }

    std::unique_ptr<QWidget> window;
    ProfileCard* card = nullptr;
};

TEST_F(ProfileCardTest, ShowsTheProfileAsItChanges)
{
    show();
    EXPECT_EQ(card->text(), QStringLiteral("You"));
    EXPECT_EQ(card->accessibleName(), QStringLiteral("You"));
    EXPECT_EQ(card->accessibleDescription(), QStringLiteral("Profile"));
    const QColor initialsGround = avatarCentre();
    EXPECT_GT(initialsGround.green(), initialsGround.red());

    model().profile().setDetails({QStringLiteral("mary"), QStringLiteral("ann lee"), QString()});
    EXPECT_EQ(card->text(), QStringLiteral("mary ann lee"));
    EXPECT_EQ(card->accessibleName(), QStringLiteral("mary ann lee"));

    // The photo, never the initials, while there is one; removing it brings the initials back at once.
    givePhoto(QColor(200, 30, 40));
    const QColor photo = avatarCentre();
    EXPECT_NEAR(photo.red(), 200, 6);
    EXPECT_NEAR(photo.green(), 30, 6);
    model().profile().removePhoto();
    EXPECT_EQ(avatarCentre(), initialsGround);
}

TEST_F(ProfileCardTest, LeadsToTheProfileAndStaysStrongestThere)
{
    show();
    QTest::mouseMove(card, card->rect().center());
    EXPECT_TRUE(eventually([&] { return card->hovered(); }));
    EXPECT_DOUBLE_EQ(card->backgroundOpacity(), 0.15);
    card->setFocus(Qt::TabFocusReason);
    QTest::keyClick(card, Qt::Key_Space);
    EXPECT_EQ(model().section(), MainSection::profile);
    EXPECT_DOUBLE_EQ(card->backgroundOpacity(), 0.2);
    QTest::mouseMove(window.get(), QPoint(1, 1));
    EXPECT_DOUBLE_EQ(card->backgroundOpacity(), 0.2);
}

TEST_F(ProfileCardTest, ALongNameShrinksAFifthAtMostAndIsThenCutShort)
{
    show();
    const int natural = Typography::system(ProfileCard::nameSize, QFont::DemiBold).pixelSize();
    const int smallest = int(std::lround(natural * ProfileCard::nameMinimumScale));
    bool sawShrunkWhole = false;
    bool sawCut = false;
    QString name = QStringLiteral("Bo");
    for (int letters = 0; letters < 40; ++letters, name += u'm') {
        model().profile().setDetails({name, QString(), QString()});
        const int size = card->nameFont().pixelSize();
        ASSERT_GE(size, smallest) << name.toStdString();
        ASSERT_LE(size, natural);
        if (card->shownName() != name) {
            // Cut short only once it can shrink no further.
            ASSERT_EQ(size, smallest) << name.toStdString();
            ASSERT_TRUE(card->shownName().endsWith(QStringLiteral("…")));
            sawCut = true;
        } else if (size < natural) {
            sawShrunkWhole = true;
        }
    }
    EXPECT_TRUE(sawShrunkWhole);
    EXPECT_TRUE(sawCut);
}

} // namespace
} // namespace quellarine

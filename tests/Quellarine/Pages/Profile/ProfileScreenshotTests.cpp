#include "Screenshots.h"
#include "TestAppModel.h"

#include "Quellarine/Desktop/Localization.h"
#include "Quellarine/Pages/Profile/ProfilePage.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

using testing::Screenshots;

// The page column at its widest, a narrow window's and the harness's margins around them.
constexpr int wideWindow = 660 + 2 * 24;
constexpr int narrowWindow = 400 + 2 * 24;

class ProfileScreenshotTest : public ::testing::Test, protected testing::TestAppModel {
protected:
    void SetUp() override { accountFullName = QStringLiteral("Ada  King Lovelace"); }

    // A photo of two halves, so that its crop shows.
    void givePhoto()
    {
        QImage picture(600, 400, QImage::Format_RGB32);
        picture.fill(QColor(0x8A, 0xB6, 0xD6));
        QPainter painter(&picture);
        painter.fillRect(QRect(0, 200, 600, 200), QColor(0xD9, 0x9A, 0x5B));
        painter.setBrush(QColor(0xF4, 0xE1, 0xC6));
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(300, 190), 90, 110);
        painter.end();
        const QString path = directory.filePath(QStringLiteral("picture.png"));
        ASSERT_TRUE(picture.save(path));
        QSignalSpy changed(&model().profile(), &ProfileStore::photoChanged);
        model().profile().setPhoto(QUrl::fromLocalFile(path), [](auto) {});
        ASSERT_TRUE(changed.wait(5000));
    }
};

TEST_F(ProfileScreenshotTest, NewProfileAndAFilledOneAtTheWidestColumn)
{
    EXPECT_EQ(Screenshots::capture(QStringLiteral("profile-new"), new ProfilePage(model()), wideWindow).size(), 2);

    model().profile().setDetails(
        {QStringLiteral("Mary"), QStringLiteral("Ann Lee"), QStringLiteral(" mary@example.org ")});
    model().profile().setDevice(ProfileStore::Device::both);
    model().profile().setLanguage(QStringLiteral("fr"));
    givePhoto();
    EXPECT_EQ(Screenshots::capture(QStringLiteral("profile"), new ProfilePage(model()), wideWindow).size(), 2);
    EXPECT_EQ(Screenshots::capture(QStringLiteral("profile-narrow"), new ProfilePage(model()), narrowWindow).size(), 2);
}

TEST_F(ProfileScreenshotTest, PageInArabic)
{
    Localization::apply(QStringLiteral("ar"));
    model().profile().setDetails({QStringLiteral("ليلى"), QStringLiteral("حسن"), QString()});
    model().profile().setDevice(ProfileStore::Device::trackpad);
    model().profile().setLanguage(std::nullopt);
    EXPECT_EQ(Screenshots::capture(QStringLiteral("profile-ar"), new ProfilePage(model()), wideWindow).size(), 2);
    Localization::apply(QStringLiteral("en"));
}

} // namespace
} // namespace quellarine

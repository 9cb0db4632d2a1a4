#include "Screenshots.h"

#include "Quellarine/Components/KeyCaps.h"
#include "Quellarine/Model/ShortcutNaming.h"
#include "Quellarine/Desktop/Appearance.h"
#include "QuellarineKit/System/HotKeys.h"

#include <QAccessible>
#include <QApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <map>

namespace quellarine {
namespace {

using Shortcut = GlobalHotKey::Shortcut;
using Kind = KeyCaps::Item::Kind;

QString accessibleName(QWidget& widget)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

TEST(KeyCapsTest, ControlAltSDrawsThreeCapsJoinedByTwoPlusSigns)
{
    KeyCaps caps(Shortcut::defaultToggle());
    caps.resize(caps.sizeHint());
    const auto items = caps.items();
    ASSERT_EQ(items.size(), 5u);
    const Kind kinds[] = {Kind::modifierCap, Kind::plus, Kind::modifierCap, Kind::plus, Kind::keyCap};
    // The names PC keyboards print, not symbols.
    const char* texts[] = {"Ctrl", "+", "Alt", "+", "S"};
    for (std::size_t index = 0; index < items.size(); ++index) {
        EXPECT_EQ(items[index].kind, kinds[index]) << index;
        EXPECT_EQ(items[index].text, QString::fromLatin1(texts[index])) << index;
    }
    // In order from left to right, 6 apart.
    EXPECT_NEAR(items[1].rect.left(), items[0].rect.right() + 6, 0.01);
    EXPECT_NEAR(items[4].rect.right(), caps.width(), 1.0);
}

TEST(KeyCapsTest, EveryCapKeepsItsMinimumSize)
{
    KeyCaps caps(Shortcut::previousMode());
    const auto items = caps.items();
    ASSERT_EQ(items.size(), 7u);
    for (const auto& item : items) {
        if (item.kind == Kind::modifierCap) {
            EXPECT_GE(item.rect.width(), 64 + 16);
            EXPECT_GE(item.rect.height(), 40 + 8);
        } else if (item.kind == Kind::keyCap) {
            EXPECT_GE(item.rect.width(), 40 + 16);
            EXPECT_GE(item.rect.height(), 40 + 8);
            EXPECT_EQ(item.text, QStringLiteral("M"));
        }
    }
    EXPECT_EQ(caps.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
}

// How much darker than the cap's fill the border draws, summed across the cap's left edge at mid-height: the
// border's width times its strength, wherever the edge falls between pixels.
double borderInk(const KeyCaps& caps, const QImage& image)
{
    const auto cap = caps.items().front().rect;
    const int y = static_cast<int>(cap.center().y());
    const double fill = 255 - image.pixelColor(static_cast<int>(cap.left()) + 6, y).red();
    double ink = 0;
    for (int x = std::max(0, static_cast<int>(cap.left()) - 2); x <= static_cast<int>(cap.left()) + 3; ++x) {
        const double darkness = 255 - image.pixelColor(x, y).red();
        ink += std::max(0.0, darkness - (x >= cap.left() ? fill : 0));
    }
    return ink;
}

TEST(KeyCapsTest, ScaleShrinksTheSizesButNotTheBorders)
{
    QPalette paper;
    paper.setColor(QPalette::Window, Qt::white);
    paper.setColor(QPalette::WindowText, Qt::black);
    KeyCaps full(Shortcut::defaultToggle(), 1.0);
    KeyCaps small(Shortcut::defaultToggle(), 0.8);
    for (KeyCaps* caps : {&full, &small}) {
        caps->setPalette(paper);
        caps->setAutoFillBackground(true);
        caps->resize(caps->sizeHint());
    }
    EXPECT_LT(small.minimumSizeHint().width(), full.minimumSizeHint().width());
    EXPECT_NEAR(small.sizeHint().height(), 0.8 * full.sizeHint().height(), 2);
    EXPECT_NEAR(small.items().front().rect.width(), 0.8 * full.items().front().rect.width(), 2);
    EXPECT_GE(small.items().front().rect.width(), 0.8 * (64 + 16));

    const double fullInk = borderInk(full, testing::Screenshots::render(full, 1.0));
    const double smallInk = borderInk(small, testing::Screenshots::render(small, 1.0));
    EXPECT_GT(fullInk, 40) << "a border is drawn";
    EXPECT_LT(fullInk, 120) << "one pixel at 30 %";
    EXPECT_NEAR(smallInk, fullInk, 0.1 * fullInk) << "a scaled border would be 20 % fainter";
}

TEST(KeyCapsTest, SmallCapsShowTheNamesWithoutPlusSigns)
{
    SmallKeyCaps caps(Shortcut::previousMode());
    const auto items = caps.items();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].text, QStringLiteral("Ctrl"));
    EXPECT_EQ(items[1].text, QStringLiteral("Alt"));
    EXPECT_EQ(items[2].text, QStringLiteral("Shift"));
    EXPECT_EQ(items[3].text, QStringLiteral("M"));
    EXPECT_GE(items[3].rect.width(), 25);
    EXPECT_GE(items[3].rect.height(), 25);
    EXPECT_NEAR(items[1].rect.left(), items[0].rect.right() + 3, 0.01);
}

TEST(KeyCapsTest, EachDrawingIsOneElementReadAsTheSpokenDescription)
{
    KeyCaps large(Shortcut::defaultToggle());
    SmallKeyCaps small(Shortcut::previousMode());
    EXPECT_EQ(accessibleName(large), QStringLiteral("Ctrl + Alt + S"));
    EXPECT_EQ(accessibleName(small), QStringLiteral("Ctrl + Alt + Shift + M"));
    for (QWidget* widget : std::initializer_list<QWidget*>{&large, &small}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->childCount(), 0);
        EXPECT_EQ(accessible->role(), QAccessible::StaticText);
    }
    large.setShortcut(Shortcut::nextMode());
    EXPECT_EQ(accessibleName(large), QStringLiteral("Ctrl + Alt + M"));
}

// German-like names, longer than the caps' minimum width.
class LongNames : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char* /*disambiguation*/, int /*n*/) const override
    {
        if (QByteArray(context) == "GlobalHotKey" && QByteArray(source) == "Ctrl") {
            return QStringLiteral("steuerungstaste");
        }
        return {};
    }
    bool isEmpty() const override { return false; }
};

TEST(KeyCapsTest, LongerModifierNamesWidenTheCapsAndTheSpokenDescription)
{
    KeyCaps caps(Shortcut::defaultToggle());
    const qreal before = caps.items().front().rect.width();
    LongNames translator;
    QCoreApplication::installTranslator(&translator);
    QApplication::processEvents();
    const qreal after = caps.items().front().rect.width();
    const QString spoken = accessibleName(caps);
    QCoreApplication::removeTranslator(&translator);

    EXPECT_GT(after, before);
    EXPECT_GT(after, 64 + 16);
    EXPECT_EQ(spoken, QStringLiteral("Steuerungstaste + Alt + S"));
}

class RussianLayout : public system::KeyboardLayout {
public:
    std::optional<std::string> characterForKeyCode(std::uint16_t keyCode) const override
    {
        const std::map<std::uint16_t, std::string> keys{{1, "ы"}, {46, " ь "}};
        const auto found = keys.find(keyCode);
        return found != keys.end() ? std::optional(found->second) : std::nullopt;
    }
};

TEST(KeyCapsTest, TheKeyCapNamesTheKeyOnTheCurrentLayout)
{
    RussianLayout layout;
    ShortcutNaming::setKeyboardLayout(&layout);
    KeyCaps caps(Shortcut::defaultToggle());
    SmallKeyCaps small(Shortcut::nextMode());
    const QString key = caps.items().back().text;
    const QString smallKey = small.items().back().text;
    const QString spoken = accessibleName(caps);
    ShortcutNaming::setKeyboardLayout(nullptr);

    EXPECT_EQ(key, QStringLiteral("Ы"));
    EXPECT_EQ(smallKey, QStringLiteral("Ь"));
    EXPECT_EQ(spoken, QStringLiteral("Ctrl + Alt + Ы"));
}

TEST(KeyCapsTest, RightToLeftStartsFromTheRight)
{
    KeyCaps caps(Shortcut::defaultToggle());
    caps.setLayoutDirection(Qt::RightToLeft);
    caps.resize(caps.sizeHint());
    const auto items = caps.items();
    EXPECT_NEAR(items.front().rect.right(), caps.width(), 1.0);
    EXPECT_NEAR(items.back().rect.left(), 0, 1.0);
}

} // namespace
} // namespace quellarine

#include "Quellarine/Components/Notice.h"
#include "Quellarine/Components/PageTitle.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Desktop/Appearance.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

QStringList accessibleChildren(QWidget& widget)
{
    QStringList names;
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    for (int index = 0; accessible != nullptr && index < accessible->childCount(); ++index) {
        names.append(accessible->child(index)->text(QAccessible::Name));
    }
    return names;
}

TEST(NoticeTest, LongTextWrapsInsideItsBackgroundAndStaysPlain)
{
    const QString text = QStringLiteral("<b>Ctrl + Alt + S</b> is used by another app, so it can't turn Quellarine on "
                                        "or off. Quit that app or change its shortcut, then start Quellarine again.");
    Notice notice(text, false);
    const int oneLine = Notice(QStringLiteral("Short."), false).heightForWidth(300);
    ASSERT_TRUE(notice.hasHeightForWidth());
    EXPECT_GT(notice.heightForWidth(300), 2 * oneLine - 20);
    EXPECT_EQ(notice.text(), text) << "shown unchanged";
    EXPECT_EQ(notice.findChild<QLabel*>()->textFormat(), Qt::PlainText);
    EXPECT_EQ(notice.symbol(), QStringLiteral("exclamationmark.circle.fill"));
    EXPECT_EQ(Notice(text, true).symbol(), QStringLiteral("checkmark.circle.fill"));
}

TEST(SymbolLabelTest, GrowsWithItsLinesAndLinesUpInAColumnWithASymbolColourOfItsOwn)
{
    const QString text = QStringLiteral("The pointer stays still while the button is down, so it doesn't slip off what "
                                        "you clicked.");
    SymbolLabel label(text, QStringLiteral("pause.circle"), QFont());
    ASSERT_TRUE(label.hasHeightForWidth());
    EXPECT_GT(label.heightForWidth(150), label.heightForWidth(600));

    EXPECT_EQ(label.resolvedSymbolColor(), label.resolvedColor());
    label.setSymbolColor(Brand::warm);
    EXPECT_EQ(label.resolvedSymbolColor(), Brand::warm.resolve(label));
    EXPECT_EQ(label.resolvedColor(), label.palette().color(QPalette::WindowText));

    // Labels of one list start their text at the same place whatever their symbol's width.
    label.setSymbolColumn(26);
    label.resize(400, label.heightForWidth(400));
    label.show();
    EXPECT_EQ(label.label()->x(), 26 + SymbolLabel::symbolSpacing);
}

TEST(PageTitleTest, TitleAboveAWrappingSecondarySubtitle)
{
    PageTitle heading(QStringLiteral("Help"),
                      QStringLiteral("How Quellarine works, what to do when something doesn't, "
                                     "and how to reach us."));
    EXPECT_EQ(accessibleChildren(heading).first(), QStringLiteral("Help"));
    EXPECT_EQ(heading.titleLabel()->font().pixelSize(), 28);
    EXPECT_TRUE(heading.subtitleLabel()->wordWrap());
    EXPECT_GT(heading.heightForWidth(200), heading.heightForWidth(900));
    EXPECT_EQ(heading.subtitleLabel()->palette().color(heading.subtitleLabel()->foregroundRole()),
              QApplication::palette().color(QPalette::PlaceholderText));
}

} // namespace
} // namespace quellarine

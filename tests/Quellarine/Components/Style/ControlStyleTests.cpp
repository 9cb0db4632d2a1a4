#include "Screenshots.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ProminentButton.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace quellarine {
namespace {

// The controls the application does not draw itself stand beside its own prominent button at its height, and grow
// with larger text without cutting it; with the keyboard's focus each shows the ring. A screenshot as a person sees
// them.
TEST(ControlStyleTest, ButtonsListsAndFieldsTakeTheDrawnButtonsHeightAndRing)
{
    for (const int points : {13, 18, 26}) {
        SCOPED_TRACE(points);
        QWidget window;
        auto* row = new QHBoxLayout(&window);
        auto* prominent = new ProminentButton(QStringLiteral("Use These Settings"), Brand::accent);
        auto* button = new QPushButton(QStringLiteral("Keep My Settings"));
        auto* list = new QComboBox;
        list->addItems({QStringLiteral("Same as the System"), QStringLiteral("Français")});
        auto* field = new QLineEdit(QStringLiteral("mary@example.org"));
        for (QWidget* control : std::initializer_list<QWidget*>{prominent, button, list, field}) {
            QFont font = control->font();
            font.setPixelSize(points);
            control->setFont(font);
            row->addWidget(control);
        }
        // The drawn buttons' height at body size; taller only as the text needs, never cutting it.
        for (QWidget* control : std::initializer_list<QWidget*>{button, list, field}) {
            const int height = control->sizeHint().height();
            if (points == 13) {
                EXPECT_EQ(height, ProminentButton::height) << control->metaObject()->className();
            }
            EXPECT_GE(height, std::max(ProminentButton::height, control->fontMetrics().height() + 8))
                << control->metaObject()->className();
        }
        // The title stays whole inside the padding.
        EXPECT_GE(button->sizeHint().width(),
                  button->fontMetrics().horizontalAdvance(button->text()) + 2 * ProminentButton::horizontalPadding);

        if (points != 13) {
            continue;
        }
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.setAttribute(Qt::WA_KeyboardFocusChange);
        for (QWidget* control : std::initializer_list<QWidget*>{prominent, button, list, field}) {
            control->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            const QImage focused = testing::Screenshots::render(*control);
            control->clearFocus();
            QApplication::processEvents();
            const QImage plain = testing::Screenshots::render(*control);
            EXPECT_NE(focused, plain) << control->metaObject()->className() << " shows no ring";
            control->setFocus(Qt::TabFocusReason);
        }
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(field->text()) + 40);
        button->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(testing::Screenshots::captureWindow(QStringLiteral("controls-focused"), window).size(), 2);
        prominent->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(testing::Screenshots::captureWindow(QStringLiteral("controls-focused-prominent"), window).size(), 2);
    }
}

} // namespace
} // namespace quellarine

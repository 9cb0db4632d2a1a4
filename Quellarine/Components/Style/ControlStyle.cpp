#include "Quellarine/Components/Style/ControlStyle.h"

#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/Style/DynamicColor.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

#include <algorithm>

namespace quellarine {

namespace {

constexpr int height = ProminentButton::height;
constexpr int padding = ProminentButton::horizontalPadding;
constexpr qreal radius = ProminentButton::cornerRadius;
// The pop-up list's chevron column, on the trailing side.
constexpr int chevronWidth = 20;
// A field's text keeps clear of the ring.
constexpr int fieldMargin = static_cast<int>(FocusRing::width) + 4;
constexpr qreal edgeOpacity = 0.22;

bool showsRing(const QStyleOption& option)
{
    return (option.state & QStyle::State_HasFocus) && (option.state & QStyle::State_KeyboardFocusChange);
}

} // namespace

ControlStyle::ControlStyle(QStyle* base)
    : ScrollBarStyle(base)
{
}

QColor ControlStyle::fillColor(const QStyleOption& option)
{
    const QColor fill = option.palette.color(QPalette::Button);
    if (!(option.state & State_Enabled)) {
        return option.palette.color(QPalette::Disabled, QPalette::Button);
    }
    const bool dark = option.palette.color(QPalette::Window).lightnessF() < 0.5;
    if (option.state & (State_Sunken | State_On)) {
        return dark ? fill.lighter(135) : fill.darker(112);
    }
    if (option.state & State_MouseOver) {
        return dark ? fill.lighter(118) : fill.darker(104);
    }
    return fill;
}

void ControlStyle::drawBezel(const QStyleOption& option, QPainter& painter, const QColor& fill) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body = QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    ContinuousShape::draw(painter, body, radius, fill,
                          withOpacity(option.palette.color(QPalette::WindowText), edgeOpacity));
    if (showsRing(option)) {
        FocusRing::draw(painter, QRectF(option.rect), radius,
                        FocusRing::tones(option.palette.color(QPalette::Window), fill));
    }
    painter.restore();
}

void ControlStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const
{
    switch (element) {
    case PE_PanelButtonCommand:
        drawBezel(*option, *painter, fillColor(*option));
        return;
    case PE_FrameFocusRect:
        // The ring is part of the bezel; text fields and buttons draw no second frame.
        return;
    case PE_PanelLineEdit: {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (frame == nullptr || frame->lineWidth <= 0) {
            // A frameless field is text on whatever holds it; it draws its own ring.
            ScrollBarStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const QPalette::ColorGroup group = (option->state & State_Enabled) ? QPalette::Active : QPalette::Disabled;
        drawBezel(*option, *painter, option->palette.color(group, QPalette::Base));
        return;
    }
    case PE_FrameLineEdit:
        return;
    default:
        ScrollBarStyle::drawPrimitive(element, option, painter, widget);
    }
}

void ControlStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const
{
    if (element == CE_PushButtonBevel) {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (button != nullptr && !(button->features & QStyleOptionButton::Flat)) {
            drawBezel(*option, *painter, fillColor(*option));
            return;
        }
    }
    ScrollBarStyle::drawControl(element, option, painter, widget);
}

void ControlStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                      const QWidget* widget) const
{
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || combo == nullptr || combo->editable) {
        ScrollBarStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    QStyleOptionComboBox state(*combo);
    if (combo->activeSubControls != SC_None && (combo->state & State_Sunken)) {
        state.state |= State_Sunken;
    }
    drawBezel(state, *painter, fillColor(state));
    const QRectF arrow(subControlRect(CC_ComboBox, combo, SC_ComboBoxArrow, widget));
    const QColor ink = combo->palette.color((combo->state & State_Enabled) ? QPalette::Active : QPalette::Disabled,
                                            QPalette::ButtonText);
    // Up and down chevrons, one above the other: a list that opens around the current choice.
    const qreal side = std::min(arrow.width(), arrow.height() / 2.0) + 2;
    const QPointF centre = arrow.center();
    drawChevron(*painter, QRectF(centre.x() - side / 2, centre.y() - side + 3, side, side), Qt::UpArrow, ink);
    drawChevron(*painter, QRectF(centre.x() - side / 2, centre.y() - 3, side, side), Qt::DownArrow, ink);
}

QRect ControlStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                                   const QWidget* widget) const
{
    const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
    if (control != CC_ComboBox || combo == nullptr || combo->editable) {
        return ScrollBarStyle::subControlRect(control, option, part, widget);
    }
    const QRect whole = option->rect;
    QRect local;
    switch (part) {
    case SC_ComboBoxArrow:
        local = QRect(whole.width() - padding / 2 - chevronWidth, 0, chevronWidth, whole.height());
        break;
    case SC_ComboBoxEditField:
        local = QRect(padding, 0, std::max(0, whole.width() - padding - chevronWidth - padding / 2), whole.height());
        break;
    case SC_ComboBoxFrame:
    case SC_ComboBoxListBoxPopup:
        local = QRect(QPoint(0, 0), whole.size());
        break;
    default:
        return ScrollBarStyle::subControlRect(control, option, part, widget);
    }
    return visualRect(option->direction, whole, local.translated(whole.topLeft()));
}

QSize ControlStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                                     const QWidget* widget) const
{
    switch (type) {
    case CT_PushButton: {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (button != nullptr && (button->features & QStyleOptionButton::Flat)) {
            break;
        }
        return QSize(contents.width() + 2 * padding, std::max(height, contents.height() + 8));
    }
    case CT_ComboBox: {
        const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option);
        if (combo == nullptr || combo->editable) {
            break;
        }
        return QSize(contents.width() + 2 * padding + chevronWidth, std::max(height, contents.height() + 8));
    }
    case CT_LineEdit: {
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if (frame == nullptr || frame->lineWidth <= 0) {
            break;
        }
        return QSize(contents.width() + 2 * fieldMargin, std::max(height, contents.height() + 8));
    }
    default:
        break;
    }
    return ScrollBarStyle::sizeFromContents(type, option, contents, widget);
}

int ControlStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_DefaultFrameWidth:
        // A framed field's text starts clear of its ring.
        if (qstyleoption_cast<const QStyleOptionFrame*>(option) != nullptr && widget != nullptr
            && widget->inherits("QLineEdit")) {
            return fieldMargin;
        }
        break;
    case PM_ButtonDefaultIndicator:
    case PM_ButtonShiftHorizontal:
    case PM_ButtonShiftVertical:
        return 0;
    default:
        break;
    }
    return ScrollBarStyle::pixelMetric(metric, option, widget);
}

} // namespace quellarine

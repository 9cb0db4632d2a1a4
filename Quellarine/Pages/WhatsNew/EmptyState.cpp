#include "Quellarine/Pages/WhatsNew/EmptyState.h"

#include "Quellarine/Components/Style/AccessibilityHidden.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Desktop/Resources.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Components/PlainText.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace quellarine {

namespace {

// The symbol, in the secondary text colour of the appearance in effect.
class SymbolView : public QWidget {
public:
    SymbolView(const QString& symbol, QWidget* parent)
        : QWidget(parent)
        , symbol_(symbol)
    {
        setFixedSize(EmptyState::symbolSide, EmptyState::symbolSide);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        Symbols::paint(painter, QRectF(rect()), symbol_, palette().color(QPalette::PlaceholderText));
    }

private:
    QString symbol_;
};

QLabel* centredLine(const QString& text, const QFont& font, QWidget* parent)
{
    QLabel* label = plainText(text, font);
    label->setParent(parent);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

} // namespace

EmptyState::EmptyState(const QString& title, const QString& symbol, const QString& description, QWidget* parent)
    : QWidget(parent)
    , title_(centredLine(title, Typography::system(Typography::pixelSize(Typography::TextStyle::title2), QFont::Bold),
                         this))
    , description_(centredLine(description, Typography::font(Typography::TextStyle::body), this))
{
    Resources::ensureLoaded();
    description_->setForegroundRole(QPalette::PlaceholderText);
    auto* image = new SymbolView(symbol, this);
    AccessibilityHidden::hide(*image);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 40, 24, 40);
    layout->setSpacing(8);
    layout->addWidget(image, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addWidget(title_);
    layout->addWidget(description_);

    setAccessibleName(title);
    setAccessibleDescription(description);
    AccessibleRole::set(*this, QAccessible::Grouping);
}

} // namespace quellarine

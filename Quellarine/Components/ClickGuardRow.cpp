#include "Quellarine/Components/ClickGuardRow.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/TapArea.h"
#include "Quellarine/Components/ToggleSwitch.h"
#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Style/AccessibilityHidden.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace quellarine {

namespace {

// The guard's symbol in the accent colour, centred in a frame of fixed width at the top of the row.
class ClickGuardSymbol : public QWidget {
public:
    ClickGuardSymbol(bool large, QWidget* parent)
        : QWidget(parent)
        , large_(large)
    {
        const int side = static_cast<int>(Symbols::sideFor(large ? 22 : 20));
        setFixedSize(large ? 30 : 26, side);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        const qreal side = Symbols::sideFor(large_ ? 22 : 20);
        Symbols::paint(painter, QRectF((width() - side) / 2, 0, side, side), QStringLiteral("cursorarrow.click.2"),
                       Brand::accent.resolve(*this));
    }

private:
    bool large_;
};

} // namespace

ClickGuardRow::ClickGuardRow(AppModel& model, bool large, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , large_(large)
{
    const int spacing = large ? 14 : 10;
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);

    // The area does what the switch does, in one observed change: the setter stores and persists the value and
    // hands the guard's settings to the tap.
    auto* tapArea = new TapArea(this);
    tapArea_ = tapArea;
    connect(tapArea, &TapArea::tapped, this, [this] { model_.setClickGuardOn(!model_.clickGuardOn()); });
    AccessibilityHidden::hide(*tapArea_);
    auto* area = new QHBoxLayout(tapArea_);
    area->setContentsMargins(0, 0, 0, 0);
    area->setSpacing(spacing);
    area->addWidget(new ClickGuardSymbol(large, tapArea_), 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(3);
    auto* title = new QLabel(tr("Click guard"), tapArea_);
    title->setTextFormat(Qt::PlainText);
    title->setWordWrap(true);
    title->setFont(large ? Typography::system(Typography::pixelSize(Typography::TextStyle::title3), QFont::DemiBold)
                         : Typography::system(15, QFont::DemiBold));
    auto* explanation = new QLabel(
        tr("Ignores very short taps and quick accidental repeats, and keeps the pointer still while you click."),
        tapArea_);
    explanation->setTextFormat(Qt::PlainText);
    explanation->setWordWrap(true);
    explanation->setFont(large ? Typography::font(Typography::TextStyle::body) : Typography::system(13.5));
    explanation->setForegroundRole(QPalette::PlaceholderText);
    for (QLabel* label : {title, explanation}) {
        tapArea->passClicks(*label);
    }
    texts->addWidget(title);
    texts->addWidget(explanation);
    area->addLayout(texts, 1);
    tapArea_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    layout->addWidget(tapArea_, 1);

    switch_ = new ToggleSwitch(tr("Click guard"), ToggleSwitch::ControlSize::large, this);
    switch_->setOn(model_.clickGuardOn());
    layout->addWidget(switch_, 0, Qt::AlignTop);
    connect(switch_, &ToggleSwitch::switched, this, [this](bool on) { model_.setClickGuardOn(on); });
    connect(&model_, &AppModel::clickGuardOnChanged, switch_, &ToggleSwitch::setOn);
}

} // namespace quellarine

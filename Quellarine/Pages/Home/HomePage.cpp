#include "Quellarine/Pages/Home/HomePage.h"

#include "Quellarine/Components/AdaptiveGridLayout.h"
#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/CalibrationRow.h"
#include "Quellarine/Components/Card.h"
#include "Quellarine/Components/Divider.h"
#include "Quellarine/Components/EmergencyNotice.h"
#include "Quellarine/Pages/Home/HomeHeader.h"
#include "Quellarine/Components/KeyCaps.h"
#include "Quellarine/Pages/Home/PresetCard.h"
#include "Quellarine/Components/ClickGuardRow.h"
#include "Quellarine/Model/PresetChoice.h"
#include "Quellarine/Components/Reveal.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/TapFailedNotice.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Components/PlainText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace quellarine {

namespace {

using ID = FilterPreset::ID;
using Shortcut = GlobalHotKey::Shortcut;

// The clicking section's icon column, so the three texts line up.
constexpr int clickingIconColumn = 26;

QVBoxLayout* column(QWidget* owner, int spacing, QMargins margins = {})
{
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(margins);
    layout->setSpacing(spacing);
    return layout;
}

QLabel* text(const QString& value, const QFont& font, QWidget* parent, bool secondary = false)
{
    QLabel* label = plainText(value, font, secondary);
    label->setParent(parent);
    return label;
}

// A section's heading: a bold rounded title over a secondary subtitle that wraps.
QWidget* heading(const QString& title, const QString& subtitle, QWidget* parent)
{
    auto* block = new QWidget(parent);
    auto* layout = column(block, 4, QMargins(4, 8, 0, 0));
    layout->addWidget(text(title, Typography::system(20, QFont::Bold, Typography::Design::rounded), block));
    layout->addWidget(text(subtitle, Typography::font(Typography::TextStyle::body), block, true));
    return block;
}

// The label above a group of preset cards.
QLabel* groupLabel(const QString& value, QWidget* parent)
{
    auto* label = text(value, Typography::font(Typography::TextStyle::headline), parent, true);
    label->setContentsMargins(4, 6, 0, 0);
    return label;
}

} // namespace

HomePage::HomePage(AppModel& model, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , header_(new HomeHeader(model, this))
    , emergencyNotice_(new EmergencyNotice(model, this))
    , tapFailedNotice_(new TapFailedNotice(this))
{
    auto* layout = column(this, spacing);
    layout->addWidget(header_);

    layout->addWidget(emergencyNotice_);
    layout->addWidget(tapFailedNotice_);

    presets_ = buildPresets();
    calibration_ = buildCalibration();
    clicking_ = buildClicking();
    for (auto [section, delay] : {std::pair{presets_, presetsDelay}, std::pair{calibration_, calibrationDelay},
                                  std::pair{clicking_, clickingDelay}}) {
        Reveal::apply(*section, delay);
        layout->addWidget(section);
    }
    layout->addStretch(1);

    for (auto signal : {&AppModel::isOnChanged, &AppModel::emergencyNoticeChanged, &AppModel::tapFailedChanged}) {
        connect(&model_, signal, this, &HomePage::refresh);
    }
    connect(&model_, &AppModel::presetIDChanged, this, &HomePage::refresh);
    connect(&model_, &AppModel::personalChanged, this, &HomePage::refresh);
    refresh();
}

QWidget* HomePage::buildPresets()
{
    auto* section = new QWidget(this);
    auto* layout = column(section, sectionSpacing);
    layout->addWidget(heading(tr("How steady should the pointer be?"),
                              tr("Each one trades steadiness for how quickly the pointer follows. Pick one and try "
                                 "it: the right one feels calm."),
                              section));
    auto* steady = grid({ID::gentle, ID::balanced, ID::strong, ID::veryStrong}, section);
    steadyGrid_ = static_cast<AdaptiveGridLayout*>(steady->layout());
    layout->addWidget(steady);
    layout->addWidget(groupLabel(tr("For special cases"), section));
    layout->addWidget(grid({ID::precision, ID::trackpad, ID::largeMovements}, section));

    personalGroup_ = new QWidget(section);
    auto* personal = column(personalGroup_, sectionSpacing);
    personal->addWidget(groupLabel(tr("Made for your hand"), personalGroup_));
    personal->addWidget(grid({ID::personal}, personalGroup_));
    layout->addWidget(personalGroup_);

    hintRow_ = new QWidget(section);
    auto* hint = new QHBoxLayout(hintRow_);
    hint->setContentsMargins(4, 0, 0, 0);
    hint->setSpacing(8);
    hint->addWidget(new SmallKeyCaps(Shortcut::nextMode(), hintRow_), 0, Qt::AlignVCenter);
    hint->addWidget(
        text(tr("switch modes from any app"), Typography::font(Typography::TextStyle::body), hintRow_, true), 1,
        Qt::AlignVCenter);
    layout->addWidget(hintRow_);
    return section;
}

QWidget* HomePage::grid(std::initializer_list<FilterPreset::ID> ids, QWidget* parent)
{
    auto* holder = new QWidget(parent);
    auto* layout = new AdaptiveGridLayout(minimumColumnWidth, gridSpacing, holder);
    for (ID id : ids) {
        auto* card = new PresetCard(id, holder);
        connect(card, &QAbstractButton::clicked, this, [this, id] { choosePreset(model_, id); });
        layout->addWidget(card);
        cards_.push_back(card);
    }
    return holder;
}

QWidget* HomePage::buildCalibration()
{
    auto* section = new QWidget(this);
    auto* layout = column(section, sectionSpacing);
    layout->addWidget(heading(tr("Not sure which one?"),
                              tr("Quellarine can measure your hand and suggest one, and AI can explain why and tune "
                                 "it to your hand."),
                              section));
    auto* padded = new QWidget;
    calibrationRow_ = new CalibrationRow(model_, padded);
    column(padded, 0, QMargins(4, 4, 4, 4))->addWidget(calibrationRow_);
    layout->addWidget(new Card(padded, std::nullopt, section));
    return section;
}

QWidget* HomePage::buildClicking()
{
    auto* section = new QWidget(this);
    auto* layout = column(section, sectionSpacing);
    layout->addWidget(heading(tr("Clicking"), tr("For hands that tap twice or slip while pressing."), section));

    auto* content = new QWidget;
    auto* stack = column(content, sectionSpacing, QMargins(4, 4, 4, 4));
    clickGuardRow_ = new ClickGuardRow(model_, true, content);
    stack->addWidget(clickGuardRow_);
    stack->addWidget(new Divider(content));
    const QFont body = Typography::font(Typography::TextStyle::body);
    for (const auto& [symbol, line] :
         {std::pair{QStringLiteral("hand.tap"), tr("Very short taps don't count as clicks.")},
          std::pair{QStringLiteral("arrow.2.squarepath"),
                    tr("A second click right after the first is ignored, so a shaking finger doesn't double-click "
                       "by mistake.")},
          std::pair{QStringLiteral("pause.circle"),
                    tr("The pointer stays still while the button is down, so it doesn't slip off what you "
                       "clicked.")}}) {
        auto* label = new SymbolLabel(line, symbol, body, std::nullopt, content);
        label->setSymbolColor(Brand::accent);
        label->setSymbolColumn(clickingIconColumn);
        stack->addWidget(label);
    }
    layout->addWidget(new Card(content, std::nullopt, section));
    return section;
}

PresetCard* HomePage::card(FilterPreset::ID id) const
{
    const auto found = std::find_if(cards_.begin(), cards_.end(), [id](PresetCard* card) { return card->id() == id; });
    return found == cards_.end() ? nullptr : *found;
}

int HomePage::gridColumns() const
{
    return steadyGrid_->columnCount();
}

QString HomePage::emergencyText() const
{
    return EmergencyNotice::text(model_);
}

void HomePage::refresh()
{
    // Selected is the preset in force: a personal choice without a personal setting runs as Balanced.
    const ID active = model_.activePreset().id;
    for (PresetCard* card : cards_) {
        card->setSelected(card->id() == active);
        card->setActive(model_.isOn());
    }
    const bool personal = model_.personal().has_value();
    personalGroup_->setVisible(personal);
    hintRow_->setVisible(!personal);

    emergencyNotice_->refresh();
    tapFailedNotice_->setVisible(model_.tapFailed());
}

} // namespace quellarine

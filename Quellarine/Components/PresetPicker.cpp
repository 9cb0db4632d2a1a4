#include "Quellarine/Components/PresetPicker.h"

#include "Quellarine/Components/PresetTile.h"
#include "Quellarine/Components/SectionTitle.h"
#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Model/PresetChoice.h"
#include "Quellarine/Model/PresetTexts.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>

namespace quellarine {

namespace {

QHBoxLayout* tileRow(bool large)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(large ? 10 : 7);
    return row;
}

SectionTitle* groupTitle(const QString& text, int extraAbove)
{
    auto* title = new SectionTitle(text);
    title->setContentsMargins(0, extraAbove, 0, 0);
    return title;
}

} // namespace

PresetPicker::PresetPicker(AppModel& model, bool large, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , large_(large)
    , personalGroup_(new QWidget(this))
    , summary_(new QLabel(this))
{
    using ID = FilterPreset::ID;
    const int spacing = large ? 10 : 9;
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);

    layout->addWidget(groupTitle(tr("Smoothing"), 0));
    auto* steady = tileRow(large);
    for (ID id : {ID::gentle, ID::balanced, ID::strong, ID::veryStrong}) {
        steady->addWidget(addTile(id), 1);
    }
    layout->addLayout(steady);

    layout->addWidget(groupTitle(tr("For special cases"), 4));
    auto* special = tileRow(large);
    for (ID id : {ID::precision, ID::trackpad, ID::largeMovements}) {
        special->addWidget(addTile(id), 1);
    }
    layout->addLayout(special);

    auto* personalLayout = new QVBoxLayout(personalGroup_);
    personalLayout->setContentsMargins(0, 0, 0, 0);
    personalLayout->setSpacing(spacing);
    personalLayout->addWidget(groupTitle(tr("Made for your hand"), 4));
    auto* personalRow = tileRow(large);
    personalRow->addWidget(addTile(ID::personal), 1);
    // Two invisible fillers make the tile exactly as wide as one tile of the row of three.
    for (int filler = 0; filler < 2; ++filler) {
        auto* space = new QWidget(personalGroup_);
        space->setFixedHeight(1);
        space->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        space->setMinimumWidth(tiles_.back()->minimumSizeHint().width());
        personalRow->addWidget(space, 1);
    }
    personalLayout->addLayout(personalRow);
    layout->addWidget(personalGroup_);

    summary_->setTextFormat(Qt::PlainText);
    summary_->setWordWrap(true);
    summary_->setFont(large ? Typography::font(Typography::TextStyle::body) : Typography::system(13.5));
    summary_->setForegroundRole(QPalette::PlaceholderText);
    summary_->setContentsMargins(0, 2, 0, 0);
    layout->addWidget(summary_);

    connect(&model_, &AppModel::presetIDChanged, this, &PresetPicker::refresh);
    connect(&model_, &AppModel::personalChanged, this, &PresetPicker::refresh);
    connect(&model_, &AppModel::isOnChanged, this, &PresetPicker::refresh);
    refresh();
}

PresetTile* PresetPicker::addTile(FilterPreset::ID id)
{
    auto* tile = new PresetTile(id, large_, this);
    connect(tile, &QAbstractButton::clicked, this, [this, id] { choosePreset(model_, id); });
    tiles_.push_back(tile);
    return tile;
}

PresetTile* PresetPicker::tile(FilterPreset::ID id) const
{
    const auto found = std::find_if(tiles_.begin(), tiles_.end(), [id](PresetTile* tile) { return tile->id() == id; });
    return found == tiles_.end() ? nullptr : *found;
}

bool PresetPicker::showsPersonal() const
{
    return !personalGroup_->isHidden();
}

QString PresetPicker::summary() const
{
    return summary_->text();
}

void PresetPicker::refresh()
{
    const FilterPreset::ID active = model_.activePreset().id;
    for (PresetTile* tile : tiles_) {
        tile->setSelected(tile->id() == active);
        tile->setActive(model_.isOn());
    }
    personalGroup_->setVisible(model_.personal().has_value());
    summary_->setText(presetSummary(active));
}

} // namespace quellarine

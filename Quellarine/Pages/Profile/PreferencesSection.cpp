#include "Quellarine/Pages/Profile/PreferencesSection.h"

#include "Quellarine/Components/Notice.h"
#include "Quellarine/Components/NamedList.h"
#include "Quellarine/Components/RadioGroup.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/CalibrationRow.h"
#include "Quellarine/Components/Divider.h"
#include "Quellarine/Components/DrawnButton.h"
#include "Quellarine/Components/PlainText.h"
#include "Quellarine/Components/Stacks.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/ToggleSwitch.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Model/ShortcutNaming.h"
#include "Quellarine/Pages/Profile/DeviceOption.h"
#include "Quellarine/Pages/Profile/DropIn.h"
#include "Quellarine/Pages/Profile/ProfileRow.h"
#include "Quellarine/Pages/Profile/SegmentedPicker.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quellarine {

namespace {

using Device = ProfileStore::Device;
using Appearance = ProfileStore::Appearance;

constexpr std::array devices{Device::mouse, Device::trackpad, Device::both};
constexpr std::array appearances{Appearance::system, Appearance::light, Appearance::dark};

} // namespace

const std::vector<std::pair<QString, QString>>& PreferencesSection::languages()
{
    static const std::vector<std::pair<QString, QString>> list{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("ar"), QStringLiteral("العربية")},
        {QStringLiteral("bn"), QStringLiteral("বাংলা")},
        {QStringLiteral("zh-Hans"), QStringLiteral("简体中文")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("hi"), QStringLiteral("हिन्दी")},
        {QStringLiteral("id"), QStringLiteral("Bahasa Indonesia")},
        {QStringLiteral("pt-BR"), QStringLiteral("Português (Brasil)")},
        {QStringLiteral("ru"), QStringLiteral("Русский")},
        {QStringLiteral("tr"), QStringLiteral("Türkçe")},
    };
    return list;
}

std::optional<QString> PreferencesSection::deviceHint(std::optional<Device> device)
{
    if (!device) {
        return std::nullopt;
    }
    switch (*device) {
    case Device::mouse:
        return tr("Start with Balanced, then try Strong if the pointer still shakes.");
    case Device::trackpad:
        return tr("Using the Trackpad preset, made for short finger strokes.");
    case Device::both:
        return tr("Switch presets as you switch devices with %1.")
            .arg(ShortcutNaming::spokenDescription(GlobalHotKey::Shortcut::nextMode()));
    }
    return std::nullopt;
}

void PreferencesSection::choose(AppModel& model, Device device)
{
    model.profile().setDevice(device);
    if (device == Device::trackpad && model.presetID() != FilterPreset::ID::trackpad) {
        model.setPresetID(FilterPreset::ID::trackpad);
    } else if (device == Device::mouse && model.presetID() == FilterPreset::ID::trackpad) {
        model.setPresetID(FilterPreset::ID::balanced);
    }
}

PreferencesSection::PreferencesSection(AppModel& model, QWidget* parent)
    : ProfileSection(tr("Make it yours"), tr("Quellarine sets itself up around these. Nothing leaves this computer."),
                     parent)
    , model_(model)
    , profile_(model.profile())
{
    QVBoxLayout& layout = content();
    layout.addWidget(buildDevices());
    layout.addWidget(new Divider);

    QStringList titles{tr("Automatic"), tr("Light"), tr("Dark")};
    appearance_ = new SegmentedPicker(tr("Appearance"), titles);
    layout.addWidget(new ProfileRow(tr("Appearance"), appearance_));
    connect(appearance_, &SegmentedPicker::chosen, this,
            [this](int index) { profile_.setAppearance(appearances.at(static_cast<std::size_t>(index))); });
    layout.addWidget(new Divider);

    layout.addWidget(buildLanguage());
    layout.addWidget(new Divider);

    clickGuard_ = new ToggleSwitch(tr("Click guard"));
    clickGuard_->setOn(model_.clickGuardOn());
    layout.addWidget(new ProfileRow(tr("Click guard"), clickGuard_));
    connect(clickGuard_, &ToggleSwitch::switched, this, [this](bool on) { model_.setClickGuardOn(on); });
    connect(&model_, &AppModel::clickGuardOnChanged, clickGuard_, &ToggleSwitch::setOn);
    layout.addWidget(new Divider);

    calibrationRow_ = new CalibrationRow(model_);
    layout.addWidget(calibrationRow_);

    connect(&profile_, &ProfileStore::deviceChanged, this, &PreferencesSection::refreshDevice);
    connect(&profile_, &ProfileStore::appearanceChanged, this, &PreferencesSection::refreshAppearance);
    connect(&profile_, &ProfileStore::languageChanged, this, &PreferencesSection::refreshLanguage);
    refreshDevice();
    refreshAppearance();
    refreshLanguage();
}

QWidget* PreferencesSection::buildDevices()
{
    auto* block = new QWidget;
    auto* column = verticalStack(block, 10);
    auto* question = new QLabel(tr("What do you point with?"));
    question->setTextFormat(Qt::PlainText);
    question->setWordWrap(true);
    question->setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::body), QFont::Medium));
    column->addWidget(question);
    auto* cards = new QHBoxLayout;
    cards->setSpacing(10);
    for (Device device : devices) {
        auto* option = new DeviceOption(device);
        connect(option, &QAbstractButton::clicked, this, [this, device] { choose(model_, device); });
        cards->addWidget(option);
        devices_.push_back(option);
    }
    column->addLayout(cards);
    new RadioGroup(std::vector<QAbstractButton*>(devices_.begin(), devices_.end()));
    hint_ = new SymbolLabel(QString(), QStringLiteral("sparkles"), Typography::font(Typography::TextStyle::callout),
                            Brand::accent);
    column->addWidget(hint_);
    hint_->hide();
    hintTransition_ = DropIn::apply(*hint_);
    return block;
}

QWidget* PreferencesSection::buildLanguage()
{
    auto* block = new QWidget;
    auto* column = verticalStack(block, 8);
    language_ = new QComboBox;
    language_->addItem(tr("Same as the System"));
    language_->insertSeparator(1);
    for (const auto& [code, name] : languages()) {
        language_->addItem(name, code);
    }
    language_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    language_->setMinimumHeight(DrawnButton::minimumTargetSide + 4);
    // Return opens the list, as it presses every other control of the page.
    language_->installEventFilter(this);
    column->addWidget(new ProfileRow(tr("Language"), language_));
    NamedList::apply(*language_);
    connect(language_, &QComboBox::activated, this, [this](int index) {
        const QVariant code = language_->itemData(index);
        profile_.setLanguage(code.isValid() ? std::optional(code.toString()) : std::nullopt);
    });

    restartNotice_ = new QWidget;
    auto* notice = new QHBoxLayout(restartNotice_);
    notice->setContentsMargins(0, 0, 0, 0);
    notice->setSpacing(10);
    auto* explanation = plainText(tr("Quellarine shows the new language when it opens again."),
                                  Typography::font(Typography::TextStyle::callout), true);
    explanation->setAlignment(Qt::AlignTrailing | Qt::AlignVCenter);
    notice->addWidget(explanation, 1);
    restart_ = new QPushButton(tr("Restart Quellarine"));
    restart_->setAccessibleDescription(explanation->text());
    restart_->setAutoDefault(true);
    notice->addWidget(restart_, 0, Qt::AlignVCenter);
    column->addWidget(restartNotice_);
    restartNotice_->hide();
    noticeTransition_ = DropIn::apply(*restartNotice_);
    connect(restart_, &QPushButton::clicked, this, [this] {
        if (!profile_.relaunch()) {
            showRestartFailure();
        }
    });
    return block;
}

Notice* PreferencesSection::restartFailure() const
{
    return restartFailure_.data();
}

void PreferencesSection::showRestartFailure()
{
    // Said where the user pressed, and read out: a restart that silently did nothing looks like a dead button.
    delete restartFailure_;
    restartFailure_ = new Notice(
        tr("Quellarine could not restart by itself. Quit it and open it again to see the new language."), false);
    restartNotice_->parentWidget()->layout()->addWidget(restartFailure_);
    restartFailure_->show();
}

bool PreferencesSection::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == language_ && event->type() == QEvent::KeyPress
        && DrawnButton::isActivationKey(*static_cast<QKeyEvent*>(event))) {
        language_->showPopup();
        return true;
    }
    return ProfileSection::eventFilter(watched, event);
}

DeviceOption& PreferencesSection::deviceOption(Device device) const
{
    return *devices_.at(static_cast<std::size_t>(std::find(devices.begin(), devices.end(), device) - devices.begin()));
}

void PreferencesSection::refreshDevice()
{
    const auto device = profile_.device();
    for (DeviceOption* option : devices_) {
        option->setSelected(device == option->device());
    }
    // A hint that goes keeps its words while it fades.
    if (const auto hint = deviceHint(device)) {
        hint_->setText(*hint);
        hint_->setAccessibleName(*hint);
    }
    hintTransition_->setShown(device.has_value());
}

void PreferencesSection::refreshAppearance()
{
    const auto index = std::find(appearances.begin(), appearances.end(), profile_.appearance()) - appearances.begin();
    appearance_->setSelected(static_cast<int>(index));
}

void PreferencesSection::refreshLanguage()
{
    const auto& language = profile_.language();
    language_->setCurrentIndex(language ? language_->findData(*language) : 0);
    // Two absent languages are the same; an absent one differs from any code.
    const bool differs = language != profile_.launchLanguage();
    noticeTransition_->setShown(differs);
    if (!differs) {
        delete restartFailure_;
    }
}

} // namespace quellarine

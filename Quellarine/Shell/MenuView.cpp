#include "Quellarine/Shell/MenuView.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Card.h"
#include "Quellarine/Components/Divider.h"
#include "Quellarine/Components/EmergencyNotice.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/Style/AccessibilityHidden.h"
#include "Quellarine/Components/Style/DynamicColor.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Model/FeedbackStore.h"
#include "Quellarine/Components/KeyCaps.h"
#include "Quellarine/Components/LogoMark.h"
#include "Quellarine/Shell/MenuButton.h"
#include "Quellarine/Model/PermissionText.h"
#include "Quellarine/Model/PresetTexts.h"
#include "Quellarine/Components/SectionTitle.h"
#include "Quellarine/Components/PresetPicker.h"
#include "Quellarine/Components/ClickGuardRow.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/TapFailedNotice.h"
#include "Quellarine/Components/TapArea.h"
#include "Quellarine/Components/ToggleSwitch.h"
#include "Quellarine/Model/UpdateController.h"
#include "Quellarine/Components/SectionTint.h"
#include "Quellarine/Components/MotionAware.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>
#include <QVariantAnimation>

namespace quellarine {

namespace {

using Shortcut = GlobalHotKey::Shortcut;

constexpr int headerAnimationMilliseconds = 250;

QVBoxLayout* column(QWidget* owner, int spacing, QMargins margins)
{
    auto* layout = new QVBoxLayout(owner);
    layout->setContentsMargins(margins);
    layout->setSpacing(spacing);
    return layout;
}

QLabel* text(const QString& value, const QFont& font, QWidget* parent)
{
    auto* label = new QLabel(value, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    return label;
}

} // namespace

MenuView::MenuView(AppModel& model, Actions actions, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , actions_(std::move(actions))
{
    setAutoFillBackground(true);
    setFixedWidth(fixedWidth);

    auto* layout = column(this, 0, QMargins());
    layout->addWidget(buildHeader());
    layout->addWidget(buildFilterBlock());
    layout->addWidget(buildUpdateNotice());
    layout->addWidget(new Divider(this));
    layout->addWidget(buildShortcuts());
    layout->addWidget(new Divider(this));
    layout->addWidget(buildButtons());

    // The key equivalent of "Quit", while the window has the keyboard.
    auto* quitKey = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), this);
    quitKey->setContext(Qt::WidgetWithChildrenShortcut);
    connect(quitKey, &QShortcut::activated, this, &MenuView::quit);

    headerAnimation_ = new QVariantAnimation(this);
    headerAnimation_->setDuration(headerAnimationMilliseconds);
    headerAnimation_->setEasingCurve(QEasingCurve::InOutQuad);
    connect(headerAnimation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
        onness_ = value.toReal();
        refreshHeaderColors();
    });

    for (auto signal : {&AppModel::wantsOnChanged, &AppModel::maySteerPointerChanged, &AppModel::tapFailedChanged,
                        &AppModel::emergencyNoticeChanged}) {
        connect(&model_, signal, this, &MenuView::refresh);
    }
    connect(&model_.modes(), &ModeSwitcher::keysChanged, this, &MenuView::refresh);
    connect(&model_, &AppModel::presetIDChanged, this, &MenuView::refresh);
    connect(&model_, &AppModel::personalChanged, this, &MenuView::refresh);
    connect(&model_, &AppModel::isOnChanged, this, [this] {
        refresh();
        animateHeader();
    });
    connect(&model_.updates(), &UpdateController::availableChanged, this, &MenuView::refresh);

    onness_ = model_.isOn() ? 1 : 0;
    refresh();
    refreshHeaderColors();
}

QWidget* MenuView::buildHeader()
{
    header_ = new QWidget(this);
    auto* row = new QHBoxLayout(header_);
    row->setContentsMargins(18, 16, 18, 16);
    row->setSpacing(14);

    headerTap_ = new TapArea(header_);
    AccessibilityHidden::hide(*headerTap_);
    auto* block = new QHBoxLayout(headerTap_);
    block->setContentsMargins(0, 0, 0, 0);
    block->setSpacing(14);
    logo_ = new LogoMark(46, headerTap_);
    block->addWidget(logo_, 0, Qt::AlignVCenter);
    auto* names = new QVBoxLayout;
    names->setContentsMargins(0, 0, 0, 0);
    names->setSpacing(3);
    nameLabel_ = text(QStringLiteral("Quellarine"), Typography::system(20, QFont::Bold), headerTap_);
    statusLabel_ = text(QString(), Typography::system(14, QFont::Medium), headerTap_);
    names->addWidget(nameLabel_);
    names->addWidget(statusLabel_);
    block->addLayout(names);
    block->addStretch(1);
    for (QWidget* child :
         {static_cast<QWidget*>(logo_), static_cast<QWidget*>(nameLabel_), static_cast<QWidget*>(statusLabel_)}) {
        headerTap_->passClicks(*child);
    }
    connect(headerTap_, &TapArea::tapped, this, &MenuView::headerTapped);
    row->addWidget(headerTap_, 1);

    switch_ = new ToggleSwitch(tr("Filter"), ToggleSwitch::ControlSize::large, header_);
    connect(switch_, &ToggleSwitch::switched, this, [this](bool on) { model_.setWantsOn(on); });
    row->addWidget(switch_, 0, Qt::AlignVCenter);
    return header_;
}

QWidget* MenuView::buildFilterBlock()
{
    auto* block = new QWidget(this);
    auto* layout = column(block, 16, QMargins(18, 18, 18, 18));

    auto* permission = new QWidget;
    auto* permissionLayout = column(permission, 10, QMargins());
    auto* needs = text(permissionNeededText(), Typography::font(Typography::TextStyle::body), permission);
    needs->setWordWrap(true);
    permissionLayout->addWidget(needs);
    allowButton_ = new ProminentButton(tr("Show What's Needed"), Brand::accent, permission);
    connect(allowButton_, &QPushButton::clicked, this, [this] { open(MainSection::help); });
    permissionLayout->addWidget(allowButton_, 0, Qt::AlignLeading);
    permissionCard_ = new Card(permission, Brand::warm, block);
    layout->addWidget(permissionCard_);

    tapFailedNotice_ = new TapFailedNotice(block);
    layout->addWidget(tapFailedNotice_);

    emergencyNotice_ = new EmergencyNotice(model_, block);
    layout->addWidget(emergencyNotice_);

    picker_ = new PresetPicker(model_, false, block);
    layout->addWidget(picker_);
    clickGuardRow_ = new ClickGuardRow(model_, false, block);
    layout->addWidget(clickGuardRow_);
    return block;
}

QWidget* MenuView::buildUpdateNotice()
{
    updateNotice_ = new QWidget(this);
    auto* row = new QHBoxLayout(updateNotice_);
    row->setContentsMargins(18, 12, 18, 12);
    row->setSpacing(10);
    const QFont font = Typography::system(Typography::pixelSize(Typography::TextStyle::body), QFont::DemiBold);
    updateLabel_ = new SymbolLabel(QString(), QStringLiteral("arrow.down.circle.fill"), font, Brand::systemRedText,
                                   updateNotice_);
    row->addWidget(updateLabel_, 1, Qt::AlignVCenter);
    row->addSpacing(4);
    updateButton_ = new ProminentButton(tr("Update…"), Brand::systemRed, updateNotice_);
    updateButton_->setFont(font);
    // A little more room either side of the short title.
    updateButton_->setFixedWidth(updateButton_->sizeHint().width() + 2 * 6);
    connect(updateButton_, &QPushButton::clicked, this, [this] {
        leave();
        model_.updates().checkForUpdates();
    });
    row->addWidget(updateButton_, 0, Qt::AlignVCenter);
    return updateNotice_;
}

QWidget* MenuView::buildShortcuts()
{
    auto* block = new QWidget(this);
    auto* layout = column(block, 10, QMargins(18, 18, 18, 18));
    layout->addWidget(new SectionTitle(tr("Shortcuts"), block));
    const QFont body = Typography::font(Typography::TextStyle::body);
    const auto addRow = [&](const Shortcut& shortcut, QLabel*& label, QWidget*& caps) {
        auto* row = new QHBoxLayout;
        row->setSpacing(10);
        caps = new SmallKeyCaps(shortcut, block);
        row->addWidget(caps, 0, Qt::AlignVCenter);
        label = text(QString(), body, block);
        row->addWidget(label, 1, Qt::AlignVCenter);
        layout->addLayout(row);
    };
    addRow(Shortcut::nextMode(), nextModeLabel_, nextModeCaps_);
    addRow(Shortcut::defaultToggle(), toggleLabel_, toggleCaps_);
    emergencyLabel_ = text(QString(), body, block);
    emergencyLabel_->setForegroundRole(QPalette::PlaceholderText);
    layout->addWidget(emergencyLabel_);
    return block;
}

QWidget* MenuView::buildButtons()
{
    auto* block = new QWidget(this);
    auto* grid = new QGridLayout(block);
    grid->setContentsMargins(12, 12, 12, 12);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    openButton_ = new MenuButton(tr("Open Quellarine"), QStringLiteral("macwindow"), Brand::accent, block);
    feedbackButton_ = new MenuButton(tr("Feedback"), QStringLiteral("text.bubble"), tint(MainSection::feedback), block);
    quitButton_ = new MenuButton(tr("Quit"), QStringLiteral("power"), std::nullopt, block);
    grid->addWidget(openButton_, 0, 0, 1, 2);
    grid->addWidget(feedbackButton_, 1, 0);
    grid->addWidget(quitButton_, 1, 1);
    connect(openButton_, &QAbstractButton::clicked, this, [this] { open(MainSection::home); });
    connect(feedbackButton_, &QAbstractButton::clicked, this, &MenuView::openFeedback);
    connect(quitButton_, &QAbstractButton::clicked, this, &MenuView::quit);
    return block;
}

void MenuView::open(MainSection section)
{
    leave();
    model_.setSection(section);
    if (actions_.openWindow) {
        actions_.openWindow(QStringLiteral("main"));
    }
}

void MenuView::openFeedback()
{
    if (model_.feedback().source() != FeedbackStore::Source::menubar) {
        model_.feedback().setSource(FeedbackStore::Source::menubar);
    }
    open(MainSection::feedback);
}

void MenuView::leave()
{
    if (actions_.leave) {
        actions_.leave();
    }
}

void MenuView::quit()
{
    if (actions_.terminate) {
        actions_.terminate();
    }
}

void MenuView::headerTapped()
{
    if (!model_.maySteerPointer()) {
        return;
    }
    // The setter stores the wish, writes "filterOn" and brings the tap in line, in one step.
    model_.setWantsOn(!model_.wantsOn());
}

QString MenuView::statusText() const
{
    if (!model_.maySteerPointer()) {
        return tr("Needs permission");
    }
    if (model_.isOn()) {
        return tr("On · %1").arg(presetTitle(model_.activePreset().id));
    }
    return tr("Off: no smoothing");
}

QString MenuView::emergencyText() const
{
    return EmergencyNotice::text(model_);
}

QString MenuView::updateText() const
{
    return tr("Quellarine %1 is ready to install").arg(model_.updates().available().value_or(QString()));
}

void MenuView::refresh()
{
    statusLabel_->setText(statusText());
    // Without the access nothing can be on, whatever the wish: the switch shows off and unavailable.
    switch_->setOn(model_.maySteerPointer() && model_.wantsOn());
    switch_->setEnabled(model_.maySteerPointer());

    permissionCard_->setVisible(!model_.maySteerPointer());
    tapFailedNotice_->setVisible(model_.maySteerPointer() && model_.tapFailed());
    emergencyNotice_->refresh();

    const bool updateKnown = model_.updates().available().has_value();
    updateNotice_->setVisible(updateKnown);
    if (updateKnown) {
        updateLabel_->setText(updateText());
    }

    const ModeSwitcher& modes = model_.modes();
    refreshShortcut(*nextModeLabel_, *nextModeCaps_, modes.modeState(), modes.assignedKeys(Shortcut::nextMode()),
                    tr("Next mode"), tr("Next mode: %1"));
    refreshShortcut(*toggleLabel_, *toggleCaps_, modes.toggleState(), modes.assignedKeys(Shortcut::defaultToggle()),
                    tr("On or off"), tr("On or off: %1"));
    emergencyLabel_->setText(modes.keys().emergencyHeard ? tr("Ctrl 5 times: off")
                                                         : tr("Ctrl 5 times: not heard in this session"));
    refreshHeaderColors();
}

void MenuView::refreshShortcut(QLabel& label, QWidget& caps, ModeSwitcher::KeyState state, const QString& assigned,
                               const QString& name, const QString& nameWithKeys)
{
    QString text;
    switch (state) {
    case ModeSwitcher::KeyState::active:
        // The desktop's words for its keys replace the caps, which would draw the keys we asked for.
        text = assigned.isEmpty() ? name : nameWithKeys.arg(assigned);
        break;
    case ModeSwitcher::KeyState::waiting:
        text = tr("Waiting for the desktop");
        break;
    case ModeSwitcher::KeyState::taken:
        text = tr("Used by another app");
        break;
    case ModeSwitcher::KeyState::refused:
        text = tr("Not given by the desktop");
        break;
    case ModeSwitcher::KeyState::unavailable:
        text = tr("Not available in this session");
        break;
    }
    label.setText(text);
    caps.setVisible(assigned.isEmpty());
    const bool works = state == ModeSwitcher::KeyState::active;
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText,
                     works ? this->palette().color(QPalette::WindowText) : Brand::warmText(*this));
    label.setPalette(palette);
}

void MenuView::animateHeader()
{
    const qreal target = model_.isOn() ? 1 : 0;
    if (!animateUnlessStill(*headerAnimation_, onness_, target, this)) {
        onness_ = target;
        refreshHeaderColors();
    }
}

void MenuView::refreshHeaderColors()
{
    const QPalette base = palette();
    const auto paint = [&](QLabel* label, const QColor& off, qreal onOpacity) {
        QPalette labelPalette = label->palette();
        labelPalette.setColor(QPalette::WindowText, blend(off, withOpacity(Qt::white, onOpacity), onness_));
        label->setPalette(labelPalette);
    };
    paint(nameLabel_, base.color(QPalette::WindowText), 1.0);
    paint(statusLabel_, base.color(QPalette::PlaceholderText), 0.9);
    logo_->setOnness(onness_);
    if (model_.isOn()) {
        switch_->setTint(Brand::onGradient, 0.4);
    } else {
        switch_->setTint(Brand::accent);
    }
    update();
}

void MenuView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange) {
        refresh();
    }
    QWidget::changeEvent(event);
}

void MenuView::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor primary = palette().color(QPalette::WindowText);

    // The header: the brand gradient while smoothing works, otherwise a faint wash over a divider.
    const QRectF head(header_->geometry());
    if (onness_ < 1) {
        painter.fillRect(head, withOpacity(primary, 0.03 * (1 - onness_)));
        painter.fillRect(QRectF(head.left(), head.bottom(), head.width(), 1),
                         withOpacity(primary, 0.1 * (1 - onness_)));
    }
    if (onness_ > 0) {
        painter.setOpacity(onness_);
        painter.fillRect(head, Brand::gradient(head, *this));
        painter.setOpacity(1);
    }

    if (updateNotice_->isVisible()) {
        painter.fillRect(updateNotice_->geometry(), withOpacity(Brand::systemRed.resolve(*this), 0.08));
    }
}

int MenuView::heightForWidth(int /*width*/) const
{
    return layout()->totalHeightForWidth(fixedWidth);
}

QSize MenuView::sizeHint() const
{
    return QSize(fixedWidth, heightForWidth(fixedWidth));
}

} // namespace quellarine

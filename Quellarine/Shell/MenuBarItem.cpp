#include "Quellarine/Shell/MenuBarItem.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/Style/Images.h"
#include "Quellarine/Shell/MenuPanel.h"
#include "Quellarine/Model/PresetTexts.h"
#include "Quellarine/Model/PresetChoice.h"

#include <QAction>
#include <QActionGroup>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>
#include <QTimer>

namespace quellarine {

namespace {

// How long a click on the tray icon may hold the button before the popup opens anyway.
constexpr qint64 releaseWaitMilliseconds = 2000;

} // namespace

MenuBarItem::MenuBarItem(AppModel& model, MenuView::Actions actions, QAction& updateCommand,
                         std::function<QPoint()> pointerLocation, QObject* parent)
    : QObject(parent)
    , model_(model)
    , pointerLocation_(std::move(pointerLocation))
    , tray_(new QSystemTrayIcon(this))
    , menu_(new QMenu)
{
    // Whatever the popup leads to, it gets out of the way first: a popup left open would keep the pointer and
    // the keyboard from the window it opened.
    actions.leave = [this] { panel_->hide(); };
    panel_ = new MenuPanel(new MenuView(model_, std::move(actions)));
    buildMenu(updateCommand);
    tray_->setContextMenu(menu_);

    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger) {
            afterButtonsReleased([this] { togglePanel(); });
        }
    });
    connect(&model_, &AppModel::isOnChanged, this, &MenuBarItem::refresh);
    for (auto signal : {&AppModel::wantsOnChanged, &AppModel::maySteerPointerChanged, &AppModel::clickGuardOnChanged}) {
        connect(&model_, signal, this, &MenuBarItem::refreshMenu);
    }
    connect(&model_, &AppModel::presetIDChanged, this, &MenuBarItem::refreshMenu);
    connect(&model_, &AppModel::personalChanged, this, &MenuBarItem::refreshMenu);
    connect(menu_, &QMenu::aboutToShow, this, &MenuBarItem::refreshMenu);
    refresh();
}

MenuBarItem::~MenuBarItem()
{
    delete panel_;
    delete menu_;
}

QString MenuBarItem::imageName() const
{
    return model_.isOn() ? QStringLiteral("MenuBarOn") : QStringLiteral("MenuBarOff");
}

QString MenuBarItem::accessibleLabel() const
{
    return model_.isOn() ? tr("Quellarine on") : tr("Quellarine off");
}

void MenuBarItem::show()
{
    tray_->show();
}

void MenuBarItem::afterButtonsReleased(std::function<void()> action)
{
    // Some trays report the click on the press: a popup opened then would take the release that follows as a
    // click outside it and close at once.
    if (QGuiApplication::mouseButtons() == Qt::NoButton) {
        action();
        return;
    }
    auto* wait = new QTimer(this);
    auto* elapsed = new QElapsedTimer;
    elapsed->start();
    wait->setInterval(15);
    connect(wait, &QTimer::timeout, this, [wait, elapsed, action = std::move(action)] {
        if (QGuiApplication::mouseButtons() != Qt::NoButton && elapsed->elapsed() < releaseWaitMilliseconds) {
            return;
        }
        wait->stop();
        wait->deleteLater();
        delete elapsed;
        action();
    });
    wait->start();
}

void MenuBarItem::togglePanel()
{
    QRect anchor = tray_->geometry();
    if (!anchor.isValid() || anchor.isEmpty()) {
        anchor = QRect(pointerLocation_(), QSize(1, 1));
    }
    panel_->toggle(anchor);
}

QIcon MenuBarItem::icon(const QString& imageName)
{
    // Trays sit on light and dark panels alike and say nothing of their colour, so the mark stands in white
    // on a small tile of its own: the brand gradient while smoothing works, a quiet grey while it does not.
    const bool on = imageName == QStringLiteral("MenuBarOn");
    QIcon result;
    for (int side : {16, 22, 24, 32, 48, 64}) {
        QPixmap image(side, side);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF tile = QRectF(image.rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        const qreal radius = side * 0.24;
        if (on) {
            painter.fillPath(ContinuousShape::roundedRect(tile, radius), Brand::gradient(tile, false));
        } else {
            painter.fillPath(ContinuousShape::roundedRect(tile, radius), QColor(0x5F6663));
        }
        const qreal inset = side * 0.12;
        QPixmap mark = Images::pixmap(imageName, tile.adjusted(inset, inset, -inset, -inset).size(), 1.0);
        if (!mark.isNull()) {
            // The images are drawn in black, like a template: white replaces it and keeps the shape.
            QPainter ink(&mark);
            ink.setCompositionMode(QPainter::CompositionMode_SourceIn);
            ink.fillRect(mark.rect(), Qt::white);
            ink.end();
            painter.drawPixmap(QPointF(inset + 0.5, inset + 0.5), mark);
        }
        painter.end();
        result.addPixmap(image);
    }
    return result;
}

void MenuBarItem::refresh()
{
    refreshIcon();
    tray_->setToolTip(accessibleLabel());
    refreshMenu();
}

void MenuBarItem::refreshIcon()
{
    tray_->setIcon(icon(imageName()));
}

void MenuBarItem::buildMenu(QAction& updateCommand)
{
    using ID = FilterPreset::ID;
    MenuView& view = panel_->view();

    status_ = menu_->addAction(QString());
    status_->setEnabled(false);
    filter_ = menu_->addAction(tr("Filter"));
    filter_->setCheckable(true);
    connect(filter_, &QAction::triggered, this, [this](bool on) { model_.setWantsOn(on); });
    allow_ = menu_->addAction(tr("Show What's Needed"));
    connect(allow_, &QAction::triggered, this, [&view] { view.open(MainSection::help); });

    // One preset is in force at a time: the group draws them as a choice of one.
    auto* presetGroup = new QActionGroup(menu_);
    presetGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    const auto addPreset = [this, presetGroup](ID id) {
        QAction* action = menu_->addAction(presetTitle(id));
        action->setCheckable(true);
        action->setActionGroup(presetGroup);
        action->setToolTip(presetSummary(id));
        connect(action, &QAction::triggered, this, [this, id] { choosePreset(model_, id); });
        presets_[id] = action;
    };
    menu_->addSection(tr("Smoothing"));
    for (ID id : {ID::gentle, ID::balanced, ID::strong, ID::veryStrong}) {
        addPreset(id);
    }
    menu_->addSection(tr("For special cases"));
    for (ID id : {ID::precision, ID::trackpad, ID::largeMovements}) {
        addPreset(id);
    }
    personalSection_ = menu_->addSection(tr("Made for your hand"));
    addPreset(ID::personal);

    menu_->addSeparator();
    clickGuard_ = menu_->addAction(tr("Click guard"));
    clickGuard_->setCheckable(true);
    connect(clickGuard_, &QAction::triggered, this, [this](bool on) { model_.setClickGuardOn(on); });
    menu_->addAction(&updateCommand);

    menu_->addSeparator();
    connect(menu_->addAction(tr("Open Quellarine")), &QAction::triggered, this,
            [&view] { view.open(MainSection::home); });
    connect(menu_->addAction(tr("Feedback")), &QAction::triggered, this, [&view] { view.openFeedback(); });
    QAction* quit = menu_->addAction(tr("Quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, this, [&view] { view.quit(); });
}

void MenuBarItem::refreshMenu()
{
    status_->setText(panel_->view().statusText());
    // Without the access nothing can be on, whatever the wish: the item shows off and unavailable.
    filter_->setChecked(model_.maySteerPointer() && model_.wantsOn());
    filter_->setEnabled(model_.maySteerPointer());
    allow_->setVisible(!model_.maySteerPointer());
    const FilterPreset::ID active = model_.activePreset().id;
    for (auto& [id, action] : presets_) {
        action->setChecked(id == active);
    }
    const bool personal = model_.personal().has_value();
    personalSection_->setVisible(personal);
    presets_.at(FilterPreset::ID::personal)->setVisible(personal);
    clickGuard_->setChecked(model_.clickGuardOn());
}

} // namespace quellarine

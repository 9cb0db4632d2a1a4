#include "Quellarine/MenuBarItem.h"

#include "Quellarine/AppModel.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Desktop/Images.h"
#include "Quellarine/MenuPanel.h"
#include "Quellarine/PresetTexts.h"
#include "Quellarine/Presets.h"

#include <QAction>
#include <QMenu>
#include <QPainter>
#include <QSystemTrayIcon>

namespace quellarine {

MenuBarItem::MenuBarItem(AppModel& model, MenuView::Actions actions, QAction& updateCommand,
                         std::function<QPoint()> pointerLocation, QObject* parent)
    : QObject(parent)
    , model_(model)
    , pointerLocation_(std::move(pointerLocation))
    , tray_(new QSystemTrayIcon(this))
    , menu_(new QMenu)
{
    // Whatever the popup leads to, it gets out of the way first.
    MenuView::Actions panelActions{
        .openWindow =
            [this, open = actions.openWindow](const QString& identity) {
                panel_->hide();
                if (open) {
                    open(identity);
                }
            },
        .terminate = actions.terminate,
    };
    panel_ = new MenuPanel(new MenuView(model_, panelActions));
    buildMenu(updateCommand);
    tray_->setContextMenu(menu_);

    connect(tray_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger) {
            togglePanel();
        }
    });
    connect(&model_, &AppModel::isOnChanged, this, &MenuBarItem::refresh);
    connect(&Appearance::shared(), &Appearance::changed, this, &MenuBarItem::refreshIcon);
    for (auto signal : {&AppModel::wantsOnChanged, &AppModel::isTrustedChanged, &AppModel::clickGuardOnChanged}) {
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

void MenuBarItem::togglePanel()
{
    QRect anchor = tray_->geometry();
    if (!anchor.isValid() || anchor.isEmpty()) {
        anchor = QRect(pointerLocation_(), QSize(1, 1));
    }
    panel_->toggle(anchor);
}

QIcon MenuBarItem::icon(const QString& imageName, bool lightInk)
{
    QIcon result;
    const QColor ink = lightInk ? QColor(0xF2F4F3) : QColor(0x1C1F1D);
    for (int side : {16, 22, 24, 32, 44, 48, 64}) {
        QPixmap image = Images::pixmap(imageName, QSizeF(side, side), 1.0);
        if (image.isNull()) {
            continue;
        }
        // The images are drawn in black, like a template: the ink replaces it and keeps the shape.
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(image.rect(), ink);
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
    // Like a template image, the mark takes the ink of the appearance: light on dark panels, dark on light ones.
    const bool lightInk = Appearance::shared().isDark();
    tray_->setIcon(icon(imageName(), lightInk));
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
    allow_ = menu_->addAction(tr("Allow Accessibility…"));
    connect(allow_, &QAction::triggered, this, [&view] { view.open(MainSection::help); });

    const auto addPreset = [this](ID id) {
        QAction* action = menu_->addAction(presetTitle(id));
        action->setCheckable(true);
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
    filter_->setChecked(model_.wantsOn());
    filter_->setEnabled(model_.isTrusted());
    allow_->setVisible(!model_.isTrusted());
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

#include "Quellarine/Components/EmergencyNotice.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Components/Notice.h"
#include "Quellarine/Model/ShortcutNaming.h"

#include <QVBoxLayout>

namespace quellarine {

EmergencyNotice::EmergencyNotice(AppModel& model, QWidget* parent)
    : TapArea(parent)
    , model_(model)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCursor(Qt::PointingHandCursor);
    // One tap anywhere on it; observers hear of it only when it was showing.
    connect(this, &TapArea::tapped, this, [this] { model_.setEmergencyNotice(false); });
}

QString EmergencyNotice::text()
{
    return tr("Turned off because Control was pressed 5 times. Turn it back on here or with %1.")
        .arg(ShortcutNaming::spokenDescription(GlobalHotKey::Shortcut::defaultToggle()));
}

void EmergencyNotice::refresh()
{
    if (model_.emergencyNotice()) {
        // Built when shown, so that it names the shortcut as the keyboard labels it now.
        const QString wanted = text();
        if (content_ == nullptr || content_->text() != wanted) {
            delete content_;
            content_ = new Notice(wanted, false, this);
            layout()->addWidget(content_);
            passClicks(*content_);
        }
    }
    setVisible(model_.emergencyNotice());
}

} // namespace quellarine

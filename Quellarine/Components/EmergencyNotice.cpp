#include "Quellarine/Components/EmergencyNotice.h"

#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/Notice.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Model/ModeSwitcher.h"
#include "Quellarine/Model/ShortcutNaming.h"

#include <QKeyEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace quellarine {

namespace {

class RingOverlay : public QWidget {
public:
    explicit RingOverlay(EmergencyNotice& notice)
        : QWidget(&notice)
        , notice_(notice)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        if (FocusRing::shows(notice_)) {
            QPainter painter(this);
            FocusRing::draw(painter, QRectF(rect()), EmergencyNotice::cornerRadius, notice_);
        }
    }

private:
    EmergencyNotice& notice_;
};

} // namespace

EmergencyNotice::EmergencyNotice(AppModel& model, QWidget* parent)
    : TapArea(parent)
    , model_(model)
    , ring_(new RingOverlay(*this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    AccessibleRole::set(*this, QAccessible::Button);
    setAccessibleDescription(tr("Press to dismiss"));
    // One tap anywhere on it; observers hear of it only when it was showing.
    connect(this, &TapArea::tapped, this, &EmergencyNotice::dismiss);
}

QString EmergencyNotice::text(const AppModel& model)
{
    const ModeSwitcher& modes = model.modes();
    const auto toggle = GlobalHotKey::Shortcut::defaultToggle();
    if (modes.toggleState() != ModeSwitcher::KeyState::active) {
        return tr("Turned off because Ctrl was pressed 5 times. Turn it back on here.");
    }
    const QString assigned = modes.assignedKeys(toggle);
    return tr("Turned off because Ctrl was pressed 5 times. Turn it back on here or with %1.")
        .arg(assigned.isEmpty() ? ShortcutNaming::spokenDescription(toggle) : assigned);
}

void EmergencyNotice::refresh()
{
    if (model_.emergencyNotice()) {
        // Built when shown, so that it names the shortcut as the keyboard labels it now.
        const QString wanted = text(model_);
        if (content_ == nullptr || content_->text() != wanted) {
            delete content_;
            content_ = new Notice(wanted, false, this);
            layout()->addWidget(content_);
            passClicks(*content_);
            setAccessibleName(wanted);
            ring_->raise();
        }
    }
    setVisible(model_.emergencyNotice());
}

void EmergencyNotice::dismiss()
{
    model_.setEmergencyNotice(false);
}

void EmergencyNotice::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (plain) {
            if (!event->isAutoRepeat()) {
                dismiss();
            }
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    TapArea::keyPressEvent(event);
}

void EmergencyNotice::focusInEvent(QFocusEvent* event)
{
    TapArea::focusInEvent(event);
    ring_->update();
}

void EmergencyNotice::focusOutEvent(QFocusEvent* event)
{
    TapArea::focusOutEvent(event);
    ring_->update();
}

void EmergencyNotice::resizeEvent(QResizeEvent* event)
{
    TapArea::resizeEvent(event);
    ring_->setGeometry(rect());
    ring_->raise();
}

} // namespace quellarine

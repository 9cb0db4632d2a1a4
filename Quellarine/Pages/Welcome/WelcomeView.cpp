#include "Quellarine/Pages/Welcome/WelcomeView.h"

#include "Quellarine/Components/AccessibilityCard.h"
#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Model/ModeSwitcher.h"
#include "Quellarine/Pages/Welcome/AppTitle.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Card.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/KeyCaps.h"
#include "Quellarine/Components/LocalizedSources.h"
#include "Quellarine/Components/Percent.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/SourceLink.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Components/PlainText.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <utility>

namespace quellarine {

namespace {

using Shortcut = GlobalHotKey::Shortcut;

QLabel* text(const QString& content, Typography::TextStyle style, bool secondary = false)
{
    return plainText(content, Typography::font(style), secondary);
}

// Key caps and their caption side by side, vertically centred; the caption wraps when the line is short.
QWidget* shortcutLine(const Shortcut& shortcut, const QString& caption, int topPadding)
{
    auto* line = new QWidget;
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, topPadding, 0, 0);
    layout->setSpacing(8);
    layout->addWidget(new KeyCaps(shortcut, 0.8));
    layout->addWidget(text(caption, Typography::TextStyle::callout), 1);
    return line;
}

// The finding's panel: its content on the warm colour at 7 % opacity, in a rounded rectangle.
class FindingPanel : public QWidget {
public:
    static constexpr int padding = 14;
    static constexpr qreal cornerRadius = 12;

    FindingPanel() { setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred); }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        ContinuousShape::draw(painter, QRectF(rect()), cornerRadius, withOpacity(Brand::warm.resolve(*this), 0.07));
    }
};

} // namespace

WelcomeView::WelcomeView(AppModel& model, std::function<void()> dismissWindow, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , dismissWindow_(std::move(dismissWindow))
{
    setFixedWidth(width);

    auto* subtitle
        = text(tr("Quellarine smooths out shaking in the pointer and ignores accidental clicks, in every app."),
               Typography::TextStyle::body, true);
    accessibilityCard_ = new AccessibilityCard(model_);
    auto* disclaimer = text(tr("Quellarine is not a medical device and does not diagnose or treat any condition."),
                            Typography::TextStyle::caption, true);

    button_ = new ProminentButton(QString(), Brand::accent);
    button_->setDefault(true);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->addStretch(1);
    buttonRow->addWidget(button_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 24, 28, 24);
    layout->setSpacing(18);
    layout->addWidget(new AppTitle(tr("Welcome to Quellarine"), subtitle));
    layout->addWidget(accessibilityCard_);
    layout->addWidget(makeShortcutsCard());
    layout->addWidget(makeFinding());
    layout->addWidget(disclaimer);
    layout->addLayout(buttonRow);

    connect(button_, &QPushButton::clicked, this, &WelcomeView::finish);
    connect(&model_, &AppModel::maySteerPointerChanged, this, &WelcomeView::refresh);
    refresh();
}

QWidget* WelcomeView::makeShortcutsCard()
{
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    column->addWidget(new SymbolLabel(tr("Shortcuts"), QStringLiteral("keyboard"),
                                      Typography::font(Typography::TextStyle::headline), Brand::accent));
    keysNote_ = text(QString(), Typography::TextStyle::callout);
    column->addWidget(keysNote_);
    column->addWidget(shortcutLine(Shortcut::nextMode(), tr("switch modes"), 0));
    column->addWidget(text(tr("Direct (no smoothing), then each preset in turn. Hold Shift as well to go back. The "
                              "mode's name shows on screen for a few seconds."),
                           Typography::TextStyle::callout));
    column->addWidget(shortcutLine(Shortcut::defaultToggle(), tr("turn Quellarine on or off"), 4));
    column->addWidget(text(tr("You can also use its icon in the system tray."), Typography::TextStyle::callout));
    emergencyText_ = text(QString(), Typography::TextStyle::callout);
    column->addWidget(emergencyText_);
    connect(&model_.modes(), &ModeSwitcher::keysChanged, this, &WelcomeView::refreshKeys);
    refreshKeys();
    return new Card(content);
}

QWidget* WelcomeView::makeFinding()
{
    const QString share = percent(findingShare, 0);

    auto* figure = new SymbolLabel(share, QString(), Typography::system(28, QFont::Bold, Typography::Design::rounded),
                                   Brand::warm);
    figure->label()->setWordWrap(false);
    figure->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    auto* sentence = text(tr("In a study of people with motor difficulties, the pointer moved during %1 of clicks. "
                             "Quellarine holds it still while you press, and ignores taps too short to be a click.")
                              .arg(share),
                          Typography::TextStyle::callout);
    auto* column = new QVBoxLayout;
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(3);
    column->addWidget(sentence);
    column->addWidget(new SourceLink(LocalizedSources::withID(findingSourceID), false), 0, Qt::AlignLeading);

    auto* panel = new FindingPanel;
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(FindingPanel::padding, FindingPanel::padding, FindingPanel::padding, FindingPanel::padding);
    row->setSpacing(12);
    row->addWidget(figure, 0, Qt::AlignTop);
    row->addLayout(column, 1);
    return panel;
}

QSize WelcomeView::sizeHint() const
{
    return QSize(width, layout()->totalHeightForWidth(width));
}

void WelcomeView::refresh()
{
    button_->setText(model_.maySteerPointer() ? tr("Start") : tr("Later"));
}

void WelcomeView::refreshKeys()
{
    // The same sentences as the shortcuts section's, where the keys do not simply work.
    const KeySource& keys = model_.modes().keys();
    QString note;
    if (keys.hotKeys == KeySource::HotKeys::none) {
        note = QCoreApplication::translate("quellarine::ShortcutsSection",
                                           "They do not work in this session: it lets no program hear keys pressed "
                                           "in other windows.");
    } else if (keys.hotKeys == KeySource::HotKeys::desktopShortcuts) {
        note = QCoreApplication::translate("quellarine::ShortcutsSection",
                                           "Your desktop gives these keys to Quellarine in every app; you can change "
                                           "them in its keyboard settings.");
    }
    keysNote_->setText(note);
    keysNote_->setVisible(!note.isEmpty());
    emergencyText_->setText(
        keys.emergencyHeard
            ? tr("If the pointer is ever hard to use, press Ctrl 5 times in a row: Quellarine turns off at once.")
            : QCoreApplication::translate("quellarine::ShortcutsSection",
                                          "Five presses of Ctrl are not heard in this session. If the pointer is ever "
                                          "hard to use, turn smoothing off with the switch in the main window or from "
                                          "Quellarine's icon in the system tray."));
}

void WelcomeView::finish()
{
    // Both titles do the same: "Later" records nothing about the missing permission.
    model_.defaults().setBool(welcomedKey, true);
    if (dismissWindow_) {
        dismissWindow_();
    }
}

void WelcomeView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Return reaches the window when nothing focused takes it; the window may be this view or hold it.
    QWidget* current = window();
    if (watchedWindow_ != current) {
        if (watchedWindow_ != nullptr) {
            watchedWindow_->removeEventFilter(this);
        }
        watchedWindow_ = current;
        watchedWindow_->installEventFilter(this);
    }
    // Brought in front of other applications' windows, with the keyboard on the button: Return starts.
    current->raise();
    current->activateWindow();
    button_->setFocus(Qt::ActiveWindowFocusReason);
}

bool WelcomeView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == watchedWindow_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && button_->isEnabled()) {
            if (!key->isAutoRepeat()) {
                button_->click();
            }
            return true;
        }
        // Escape leaves as "Later" does: the welcome counts as seen.
        if (plain && key->key() == Qt::Key_Escape) {
            if (!key->isAutoRepeat()) {
                finish();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace quellarine

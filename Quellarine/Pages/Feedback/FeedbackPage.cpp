#include "Quellarine/Pages/Feedback/FeedbackPage.h"

#include "Quellarine/Components/RadioGroup.h"
#include "Quellarine/Components/AdaptiveGridLayout.h"
#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/Card.h"
#include "Quellarine/Components/Notice.h"
#include "Quellarine/Components/PageTitle.h"
#include "Quellarine/Components/PlainText.h"
#include "Quellarine/Components/ProminentButton.h"
#include "Quellarine/Components/Reveal.h"
#include "Quellarine/Components/Stacks.h"
#include "Quellarine/Components/ToggleSwitch.h"
#include "Quellarine/Components/Style/Symbols.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Pages/Feedback/FieldFrame.h"
#include "Quellarine/Pages/Feedback/TopicTile.h"

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace quellarine {

namespace {

constexpr double topicDelay = 0.06;
constexpr double messageDelay = 0.12;
constexpr double addressDelay = 0.18;
constexpr double detailsDelay = 0.22;
constexpr double sendDelay = 0.26;
constexpr double thanksDelay = 0.05;

QLabel* heading(const QString& text)
{
    auto* label = new QLabel(text);
    label->setFont(Typography::system(18, QFont::DemiBold));
    label->setWordWrap(true);
    label->setAccessibleName(text);
    return label;
}

QLabel* secondaryText(const QString& text, const QFont& font = Typography::font(Typography::TextStyle::callout))
{
    return plainText(text, font, true);
}

// The thank-you card's check mark, painted in the accent of the appearance in effect.
class SentMark final : public QLabel {
public:
    SentMark() { setFixedSize(44, 44); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        Symbols::paint(painter, QRectF(rect()), QStringLiteral("checkmark.circle.fill"), Brand::accent.resolve(*this));
    }
};

// "Copy the Message": a default button whose symbol takes the button text's colour of the appearance in effect.
class CopyButton final : public QPushButton {
public:
    explicit CopyButton(const QString& title)
        : QPushButton(title)
    {
        refreshSymbol();
    }

protected:
    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
            refreshSymbol();
        }
        QPushButton::changeEvent(event);
    }

private:
    void refreshSymbol()
    {
        const qreal side = Symbols::sideFor(QFontInfo(font()).pixelSize());
        setIconSize(QSize(int(side), int(side)));
        setIcon(QIcon(Symbols::pixmap(QStringLiteral("doc.on.doc"), side, palette().color(QPalette::ButtonText),
                                      devicePixelRatioF())));
    }
};

void setWarm(QLabel& label, bool warm)
{
    if (warm) {
        QPalette palette = label.palette();
        palette.setColor(QPalette::WindowText, Brand::warmText(label));
        label.setPalette(palette);
        label.setForegroundRole(QPalette::WindowText);
    } else {
        label.setPalette(QPalette());
        label.setForegroundRole(QPalette::PlaceholderText);
    }
}

} // namespace

FeedbackPage::FeedbackPage(AppModel& model, QWidget* parent)
    : QWidget(parent)
    , model_(model)
    , store_(model.feedback())
{
    auto* layout = verticalStack(this, spacing);
    layout->addWidget(new PageTitle(tr("Feedback"),
                                    tr("A question, an idea, something that didn't work. Every "
                                       "message is read by the person who makes Quellarine.")));
    layout->addStretch(1);
    rebuild();

    // Ctrl+Return sends, but only when Send itself could.
    for (QKeySequence keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (send_ && send_->isEnabled()) {
                send();
            }
        });
    }

    connect(&store_, &FeedbackStore::stateChanged, this, [this] {
        if ((store_.state().kind == FeedbackStore::State::Kind::sent) != showingThanks_) {
            rebuild();
        } else {
            refreshForm();
        }
    });
    for (auto signal : {&FeedbackStore::topicChanged, &FeedbackStore::messageChanged, &FeedbackStore::emailChanged,
                        &FeedbackStore::includeDetailsChanged}) {
        connect(&store_, signal, this, &FeedbackPage::refreshForm);
    }
}

QString FeedbackPage::failureSentence(FeedbackStore::Failure failure)
{
    switch (failure) {
    case FeedbackStore::Failure::offline:
        return tr("Quellarine couldn't reach the internet. Your message is kept here: try again when you're online.");
    case FeedbackStore::Failure::tooMany:
        return tr("Many messages were sent in a short time. Your message is kept here: try again in an hour.");
    case FeedbackStore::Failure::refused:
        return tr("The message couldn't be sent as it is. Check the email address, or shorten the message.");
    case FeedbackStore::Failure::unavailable:
        return tr("Sending isn't working right now. Your message is kept here: try again later, or copy it.");
    }
    return {};
}

QPushButton* FeedbackPage::sendButton() const
{
    return send_;
}

void FeedbackPage::rebuild()
{
    const QWidget* focused = QApplication::focusWidget();
    const bool hadFocus = body_ && (!focused || isAncestorOf(focused));
    if (body_) {
        body_->hide();
        body_->deleteLater();
    }
    tiles_.clear();
    topicGroup_ = nullptr;
    editor_ = nullptr;
    counter_ = nullptr;
    email_ = nullptr;
    emailHint_ = nullptr;
    details_ = nullptr;
    failureBox_ = nullptr;
    failure_ = nullptr;
    copy_ = nullptr;
    spinner_ = nullptr;
    send_ = nullptr;
    sendHint_ = nullptr;
    thanksLine_ = nullptr;
    writeAnother_ = nullptr;

    showingThanks_ = store_.state().kind == FeedbackStore::State::Kind::sent;
    body_ = showingThanks_ ? buildThanks() : buildForm();
    static_cast<QVBoxLayout*>(layout())->insertWidget(1, body_);
    if (isVisible()) {
        body_->show();
    }
    if (!showingThanks_) {
        refreshForm();
    }
    // The control that had the keyboard is gone: the next step takes it.
    if (hadFocus) {
        if (writeAnother_) {
            writeAnother_->setFocus(Qt::OtherFocusReason);
        } else if (!tiles_.empty()) {
            tiles_.front()->setFocus(Qt::OtherFocusReason);
        }
    }
}

QWidget* FeedbackPage::buildForm()
{
    auto* form = new QWidget;
    auto* layout = verticalStack(form, spacing);

    // What it is about.
    auto* topics = new QWidget;
    auto* topicColumn = verticalStack(topics, 12);
    topicColumn->addWidget(heading(tr("What is it about?")));
    auto* grid = new QWidget;
    auto* gridLayout = new AdaptiveGridLayout(230, 12, grid);
    for (auto topic : {FeedbackStore::Topic::bug, FeedbackStore::Topic::idea, FeedbackStore::Topic::confusing,
                       FeedbackStore::Topic::missing, FeedbackStore::Topic::praise}) {
        auto* tile = new TopicTile(topic);
        connect(tile, &QAbstractButton::clicked, this, [this, topic] { chooseTopic(topic); });
        gridLayout->addWidget(tile);
        tiles_.push_back(tile);
    }
    topicGroup_ = new RadioGroup(std::vector<QAbstractButton*>(tiles_.begin(), tiles_.end()));
    topicColumn->addWidget(grid);

    // The message.
    auto* message = new QWidget;
    auto* messageColumn = verticalStack(message, 10);
    messageColumn->addWidget(heading(tr("Your message")));
    editor_ = new QPlainTextEdit;
    editor_->setFont(Typography::system(16));
    editor_->setFrameShape(QFrame::NoFrame);
    editor_->setTabChangesFocus(true);
    editor_->setAccessibleName(tr("Your message"));
    editor_->document()->setDocumentMargin(10);
    auto* editorFrame = new FieldFrame(editor_, 12);
    editorFrame->setMinimumHeight(240);
    editorFrame->setMaximumHeight(420);
    messageColumn->addWidget(editorFrame);
    counter_ = secondaryText(QString());
    messageColumn->addWidget(counter_);
    connect(editor_, &QPlainTextEdit::textChanged, this, [this] {
        store_.setMessage(editor_->toPlainText());
        backToEditing();
    });

    // The reply address.
    auto* address = new QWidget;
    auto* addressColumn = verticalStack(address, 10);
    addressColumn->addWidget(heading(tr("Your email (optional)")));
    email_ = new QLineEdit;
    email_->setFont(Typography::system(16));
    email_->setFrame(false);
    email_->setPlaceholderText(tr("name@example.com"));
    email_->setAccessibleName(tr("Your email (optional)"));
    email_->setInputMethodHints(Qt::ImhEmailCharactersOnly | Qt::ImhNoAutoUppercase);
    email_->setTextMargins(10, 0, 10, 0);
    auto* emailFrame = new FieldFrame(email_, 10);
    emailFrame->setMinimumHeight(44);
    addressColumn->addWidget(emailFrame);
    emailHint_ = secondaryText(QString());
    addressColumn->addWidget(emailHint_);
    connect(email_, &QLineEdit::textChanged, this, [this](const QString& text) {
        store_.setEmail(text);
        backToEditing();
    });

    // The application details.
    auto* detailsRow = new QWidget;
    auto* detailsLayout = new QHBoxLayout(detailsRow);
    detailsLayout->setContentsMargins(0, 0, 0, 0);
    detailsLayout->setSpacing(12);
    auto* detailsText = new QWidget;
    auto* detailsColumn = verticalStack(detailsText, 4);
    auto* detailsTitle = new QLabel(tr("Include app details"));
    detailsTitle->setFont(Typography::system(Typography::pixelSize(Typography::TextStyle::body), QFont::Medium));
    detailsColumn->addWidget(detailsTitle);
    const QString caption = tr("The app's version, the system's version, the language, the preset and the pointing "
                               "device help find a problem. Never your name, your files or what's on screen.");
    detailsColumn->addWidget(secondaryText(caption));
    details_ = new ToggleSwitch(tr("Include app details"));
    details_->setAccessibleDescription(caption);
    detailsLayout->addWidget(detailsText, 1);
    detailsLayout->addWidget(details_, 0, Qt::AlignTop);
    connect(details_, &ToggleSwitch::switched, this, [this](bool on) { store_.setIncludeDetails(on); });

    // Sending.
    auto* sending = new QWidget;
    auto* sendColumn = verticalStack(sending, 12);
    failureBox_ = new QWidget;
    verticalStack(failureBox_, 12);
    sendColumn->addWidget(failureBox_);
    auto* sendRow = new QHBoxLayout;
    sendRow->setSpacing(12);
    spinner_ = new QProgressBar;
    spinner_->setRange(0, 0);
    spinner_->setTextVisible(false);
    spinner_->setFixedSize(60, 6);
    spinner_->setAccessibleName(tr("Sending…"));
    sendRow->addWidget(spinner_);
    sendRow->addStretch(1);
    send_ = new ProminentButton(tr("Send"), Brand::accent);
    send_->setSymbol(QStringLiteral("paperplane.fill"));
    send_->setToolTip(tr("Send (Ctrl + Return)"));
    sendRow->addWidget(send_);
    sendColumn->addLayout(sendRow);
    sendHint_ = secondaryText(tr("Pick what it's about and write a message to send it."));
    sendHint_->setAlignment(Qt::AlignTrailing);
    sendColumn->addWidget(sendHint_);
    connect(send_, &QAbstractButton::clicked, this, &FeedbackPage::send);

    for (auto [section, delay] : {std::pair<QWidget*, double>{topics, topicDelay},
                                  {message, messageDelay},
                                  {address, addressDelay},
                                  {detailsRow, detailsDelay},
                                  {sending, sendDelay}}) {
        Reveal::apply(*section, delay);
        layout->addWidget(section);
    }
    return form;
}

QWidget* FeedbackPage::buildThanks()
{
    auto* content = new QWidget;
    auto* layout = verticalStack(content, 14);
    layout->setContentsMargins(8, 8, 8, 8);
    auto* check = new SentMark;
    check->setAccessibleName(tr("Sent"));
    layout->addWidget(check);
    auto* title = new QLabel(tr("Thank you! Your message is on its way."));
    title->setFont(Typography::system(22, QFont::Bold, Typography::Design::rounded));
    title->setWordWrap(true);
    layout->addWidget(title);
    const QString address = FeedbackStore::trimmedEmail(store_.email());
    thanksLine_
        = secondaryText(address.isEmpty() ? tr("It's read by a person. You left no address, so there won't be a reply.")
                                          : tr("It's read by a person, and the answer goes to %1.").arg(address),
                        Typography::font(Typography::TextStyle::title3));
    layout->addWidget(thanksLine_);
    writeAnother_ = new QPushButton(tr("Write Another"));
    writeAnother_->setAutoDefault(true);
    layout->addSpacing(4);
    layout->addWidget(writeAnother_, 0, Qt::AlignLeading);
    connect(writeAnother_, &QAbstractButton::clicked, this, [this] { store_.reset(); });

    auto* card = new Card(content, Brand::accent);
    Reveal::apply(*card, thanksDelay);
    return card;
}

void FeedbackPage::refreshForm()
{
    if (showingThanks_ || !editor_) {
        return;
    }
    const FeedbackStore::State state = store_.state();
    const bool sending = state.kind == FeedbackStore::State::Kind::sending;

    for (TopicTile* tile : tiles_) {
        tile->setSelected(store_.topic() == tile->topic());
        tile->setEnabled(!sending);
    }
    if (editor_->toPlainText() != store_.message()) {
        const QSignalBlocker blocker(editor_);
        editor_->setPlainText(store_.message());
    }
    editor_->setPlaceholderText(TopicTile::placeholder(store_.topic()));
    // What is typed while a message travels would not be in it: the fields wait until it has arrived.
    editor_->setReadOnly(sending);
    email_->setReadOnly(sending);
    const QString busy = sending ? tr("Sending…") : QString();
    editor_->setAccessibleDescription(busy);
    email_->setAccessibleDescription(busy);

    const int count = store_.messageLength();
    counter_->setVisible(count > counterFrom);
    counter_->setText(
        tr("%1 of %2 characters").arg(QLocale().toString(count), QLocale().toString(FeedbackStore::maxMessageLength)));
    setWarm(*counter_, count > FeedbackStore::maxMessageLength);

    if (email_->text() != store_.email()) {
        const QSignalBlocker blocker(email_);
        email_->setText(store_.email());
    }
    const bool plausible = store_.emailLooksValid();
    emailHint_->setText(plausible ? tr("Only to answer you. Leave it empty to stay anonymous.")
                                  : tr("That doesn't look like an email address."));
    setWarm(*emailHint_, !plausible);

    if (details_->isOn() != store_.includeDetails()) {
        const QSignalBlocker blocker(details_);
        details_->setOn(store_.includeDetails());
    }

    // The failure's sentence and the way out of it, announced when it appears.
    const bool failed = state.kind == FeedbackStore::State::Kind::failed;
    const QString sentence = failed ? failureSentence(state.failure) : QString();
    if (!failure_ || failure_->text() != sentence || !failed) {
        if (failure_) {
            delete failure_;
            failure_ = nullptr;
            delete copy_;
            copy_ = nullptr;
        }
        if (failed) {
            failure_ = new Notice(sentence, false);
            failure_->setAccessibleName(sentence);
            copy_ = new CopyButton(tr("Copy the Message"));
            connect(copy_, &QAbstractButton::clicked, this, [this] { store_.copyMessage(); });
            failureBox_->layout()->addWidget(failure_);
            failureBox_->layout()->addWidget(copy_);
            static_cast<QVBoxLayout*>(failureBox_->layout())->setAlignment(copy_, Qt::AlignLeading);
            // Made after Send, it still comes where it stands: after the details, before Send.
            setTabOrder(details_, copy_);
            setTabOrder(copy_, send_);
            QAccessibleEvent alert(failure_, QAccessible::Alert);
            QAccessible::updateAccessibility(&alert);
        }
    }
    failureBox_->setVisible(failed);

    spinner_->setVisible(sending);
    send_->setText(sending ? tr("Sending…") : tr("Send"));
    send_->setEnabled(store_.canSend());
    const bool nothingToSend = !store_.topic() || store_.messageLength() == 0;
    sendHint_->setVisible(nothingToSend);
}

void FeedbackPage::chooseTopic(FeedbackStore::Topic topic)
{
    store_.setTopic(topic);
    backToEditing();
    refreshForm();
    // Typing goes straight into the message; the arrow keys keep the keyboard on the topics, Tab moves on.
    if (editor_ && !(topicGroup_ && topicGroup_->stepping())) {
        editor_->setFocus(Qt::OtherFocusReason);
    }
}

void FeedbackPage::backToEditing()
{
    if (store_.state().kind == FeedbackStore::State::Kind::failed) {
        store_.setState({FeedbackStore::State::Kind::editing});
    }
}

void FeedbackPage::send()
{
    // The details are read now, before the request leaves, so a change during it does not reach it.
    store_.send(model_.feedbackDetails());
}

} // namespace quellarine

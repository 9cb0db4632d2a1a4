#include "Quellarine/Pages/WhatsNew/MarkdownText.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/Style/Typography.h"

#include "QuellarineKit/Support/WebAddress.h"

#include <QAbstractTextDocumentLayout>
#include <QDesktopServices>
#include <QEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <memory>

namespace quellarine {

namespace {

// Enough to keep a word or two on a line when the column is at its narrowest.
constexpr int narrowestWidth = 40;

} // namespace

MarkdownText::MarkdownText(const QString& markdown, const QFont& font, Tone tone, QWidget* parent)
    : QTextBrowser(parent)
    , runs_(InlineMarkdown::runs(markdown))
    , tone_(tone)
{
    setFont(font);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setAutoFillBackground(false);
    setAutoFillBackground(false);
    document()->setDocumentMargin(0);
    setOpenLinks(false);
    Qt::TextInteractionFlags interaction = Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse;
    if (hasLinks()) {
        interaction |= Qt::LinksAccessibleByKeyboard;
    }
    setTextInteractionFlags(interaction);
    setFocusPolicy(hasLinks() ? Qt::StrongFocus : Qt::ClickFocus);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleName(InlineMarkdown::plainText(runs_));
    connect(this, &QTextBrowser::anchorClicked, this, &MarkdownText::openLink);
    rebuild();
}

bool MarkdownText::hasLinks() const
{
    return std::any_of(runs_.begin(), runs_.end(), [](const InlineMarkdown::Run& run) { return !run.link.isEmpty(); });
}

void MarkdownText::rebuild()
{
    QTextDocument& text = *document();
    text.clear();
    text.setDefaultFont(font());
    const QColor plain = palette().color(tone_ == Tone::secondary ? QPalette::PlaceholderText : QPalette::Text);
    const QColor link = Brand::accent.resolve(*this);
    const QFont code = Typography::system(font().pixelSize(), QFont::Normal, Typography::Design::monospaced);
    QTextCursor cursor(&text);
    for (const InlineMarkdown::Run& run : runs_) {
        QTextCharFormat format;
        QFont runFont = run.code ? code : font();
        if (run.bold) {
            runFont.setWeight(QFont::Bold);
        }
        format.setFont(runFont, QTextCharFormat::FontPropertiesAll);
        format.setForeground(run.link.isEmpty() ? plain : link);
        if (!run.link.isEmpty()) {
            format.setAnchor(true);
            format.setAnchorHref(run.link);
            format.setFontUnderline(true);
        }
        cursor.insertText(run.text, format);
    }
    measured_ = {-1, 0};
    updateGeometry();
}

int MarkdownText::firstBaseline() const
{
    document()->size(); // lays the text out
    const QTextBlock first = document()->firstBlock();
    const QTextLayout* layout = first.layout();
    if (layout == nullptr || layout->lineCount() == 0) {
        return fontMetrics().ascent();
    }
    const QTextLine line = layout->lineAt(0);
    return viewport()->y() + static_cast<int>(std::lround(layout->position().y() + line.y() + line.ascent()));
}

int MarkdownText::heightForWidth(int width) const
{
    if (measured_.first != width) {
        const std::unique_ptr<QTextDocument> measure(document()->clone());
        measure->setTextWidth(std::max(1, width));
        measured_ = {width, static_cast<int>(std::ceil(measure->size().height()))};
    }
    return measured_.second;
}

QSize MarkdownText::sizeHint() const
{
    const std::unique_ptr<QTextDocument> measure(document()->clone());
    const int natural = static_cast<int>(std::ceil(measure->idealWidth()));
    return QSize(natural, heightForWidth(natural));
}

QSize MarkdownText::minimumSizeHint() const
{
    // One line: layouts take the real height from heightForWidth at the width they give.
    return QSize(narrowestWidth, fontMetrics().height());
}

void MarkdownText::changeEvent(QEvent* event)
{
    QTextBrowser::changeEvent(event);
    // Colours and fonts are part of each run's format, so they are set again from the new palette or font.
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::FontChange) {
        rebuild();
    }
}

void MarkdownText::paintEvent(QPaintEvent* event)
{
    QTextBrowser::paintEvent(event);
    if (FocusRing::shows(*this)) {
        QPainter painter(viewport());
        painter.setRenderHint(QPainter::Antialiasing);
        FocusRing::draw(painter, QRectF(viewport()->rect()), 4, *this);
    }
}

void MarkdownText::wheelEvent(QWheelEvent* event)
{
    // The whole text is always shown: the page around it scrolls instead.
    event->ignore();
}

void MarkdownText::focusInEvent(QFocusEvent* event)
{
    QTextBrowser::focusInEvent(event);
    // Arriving by Tab lands on the first link, by Shift+Tab on the last, so Return opens it at once.
    const bool forward = event->reason() == Qt::TabFocusReason;
    if (hasLinks() && (forward || event->reason() == Qt::BacktabFocusReason)) {
        QTextCursor cursor(document());
        cursor.movePosition(forward ? QTextCursor::Start : QTextCursor::End);
        setTextCursor(cursor);
        QTextBrowser::focusNextPrevChild(forward);
    }
    viewport()->update();
}

void MarkdownText::focusOutEvent(QFocusEvent* event)
{
    QTextBrowser::focusOutEvent(event);
    // A link or text chosen here stops being marked once the focus is elsewhere, unless a menu of its own took it.
    if (event->reason() != Qt::PopupFocusReason) {
        setTextCursor(QTextCursor(document()));
    }
    viewport()->update();
}

void MarkdownText::openLink(const QUrl& url)
{
    // Only the runs' own addresses get here, and those are checked https addresses; checked again all the same.
    const QByteArray address = url.toEncoded();
    if (WebAddress::parse(address.toStdString())) {
        QDesktopServices::openUrl(url);
    }
}

} // namespace quellarine

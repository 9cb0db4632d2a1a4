#pragma once

#include "Quellarine/Pages/WhatsNew/InlineMarkdown.h"

#include <QTextBrowser>

namespace quellarine {

// A block of text with inline Markdown (bold, code, https links), wrapped to its width and as tall as its lines.
// The document is built run by run from plain text, never from HTML or a Markdown reader, so nothing in the
// text can add markup of its own. The text can be selected with the pointer; links are drawn in the accent
// colour and open in the browser, and text with links takes the keyboard focus so Tab moves from link to link
// and Return opens one.
class MarkdownText : public QTextBrowser {
    Q_OBJECT

public:
    // The colour of the text that is no link: the primary or the secondary text colour.
    enum class Tone { primary, secondary };

    MarkdownText(const QString& markdown, const QFont& font, Tone tone, QWidget* parent = nullptr);

    const QList<InlineMarkdown::Run>& runs() const { return runs_; }
    Tone tone() const { return tone_; }
    bool hasLinks() const;
    // The distance from the widget's top to the first line's baseline.
    int firstBaseline() const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void rebuild();
    void openLink(const QUrl& url);

    QList<InlineMarkdown::Run> runs_;
    Tone tone_;
    // The last width asked for and its height: layouts ask again and again while they settle.
    mutable std::pair<int, int> measured_{-1, 0};
};

} // namespace quellarine

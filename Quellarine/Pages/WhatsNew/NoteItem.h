#pragma once

#include <QString>
#include <QWidget>

namespace quellarine {

class MarkdownText;

// One item of a release's notes: a small round bullet, its bottom just above the first line's baseline, and
// the item's text with its inline Markdown.
class NoteItem : public QWidget {
    Q_OBJECT

public:
    static constexpr int bulletSide = 5;
    static constexpr int bulletSpacing = 9;
    // How far the bullet's bottom sits above the first baseline.
    static constexpr int bulletLift = 3;

    // `current`: the item belongs to the running version's notes, whose bullets are in the accent colour.
    NoteItem(const QString& markdown, bool current, QWidget* parent = nullptr);

    MarkdownText* text() const { return text_; }
    QRectF bulletRect() const;
    QColor bulletColor() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    MarkdownText* text_;
    bool current_;
};

} // namespace quellarine

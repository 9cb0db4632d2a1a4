#pragma once

#include <QWidget>

class QLabel;

namespace quellarine {

class SymbolLabel;

// A finding's big figure with its comparison: side by side on one baseline when both fit the width, otherwise
// the comparison under the figure, where it wraps. The figure is never wrapped. Without a comparison only the
// figure shows.
class FigureLine : public QWidget {
    Q_OBJECT

public:
    static constexpr int besideSpacing = 10;
    static constexpr int underSpacing = 2;

    // An empty `compared` shows none.
    FigureLine(const QString& figure, const QString& compared, QWidget* parent = nullptr);

    SymbolLabel* figure() const { return figure_; }
    // None when there is no comparison.
    QLabel* compared() const { return compared_; }

    // Whether figure and comparison fit side by side in `width`.
    bool fitsBeside(int width) const;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int comparedNaturalWidth() const;
    // Places the two in `width`, or only measures; returns the height used.
    int arrange(int width, bool apply) const;

    SymbolLabel* figure_;
    QLabel* compared_ = nullptr;
};

} // namespace quellarine

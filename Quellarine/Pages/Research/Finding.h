#pragma once

#include "QuellarineKit/Research/Source.h"

#include <QString>
#include <QWidget>

class QLabel;

namespace quellarine {

class FigureLine;
class SourceLink;
class SymbolLabel;

// One finding of a study: its figure (with a comparison when there is one), what was found, how Quellarine
// answers it and the study, on a faint card that fills the space it is given. The answer and the citation sit
// at the bottom, so cards stretched to one height line them up. The card fades in when first shown.
class Finding : public QWidget {
    Q_OBJECT

public:
    static constexpr int padding = 16;
    static constexpr int spacing = 10;
    static constexpr qreal cornerRadius = 16;
    static constexpr double revealDelay = 0.15;

    // The texts are already localised; an empty `compared` shows none.
    Finding(const QString& figure, const QString& compared, const QString& finding, const QString& answer,
            const Source& source, QWidget* parent = nullptr);

    FigureLine& figureLine() const { return *figureLine_; }
    SymbolLabel& answer() const { return *answer_; }
    SourceLink& sourceLink() const { return *source_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FigureLine* figureLine_;
    QLabel* finding_;
    SymbolLabel* answer_;
    SourceLink* source_;
};

} // namespace quellarine

#pragma once

#include <QWidget>

class QLabel;

namespace quellarine {

class AdaptiveGridLayout;
class Finding;
class FrequencyBands;
class LagChart;
class ResearchHero;
class ShakeLeft;
class SourcesList;
class YourHand;

// The research section: the published findings behind Quellarine's design, grouped by the problem they address
// (clicking, moving, delay, the user's own hand), each with the setting it led to, then the sources and a
// disclaimer. Every number is a constant of the page; nothing here reads the user's settings or sends anything.
class ResearchPage : public QWidget {
    Q_OBJECT

public:
    static constexpr int spacing = 28;
    static constexpr int gridColumnWidth = 260;
    static constexpr int gridSpacing = 14;

    explicit ResearchPage(QWidget* parent = nullptr);

    ResearchHero& hero() const { return *hero_; }
    // The four clicking findings, then the two full-width ones.
    const QList<Finding*>& findings() const { return findings_; }
    AdaptiveGridLayout& clickingGrid() const { return *clickingGrid_; }
    FrequencyBands& frequencyBands() const { return *frequencyBands_; }
    LagChart& lagChart() const { return *lagChart_; }
    ShakeLeft& shakeLeft() const { return *shakeLeft_; }
    YourHand& yourHand() const { return *yourHand_; }
    SourcesList& sources() const { return *sources_; }
    QLabel& disclaimer() const { return *disclaimer_; }

private:
    QWidget* clickingFindings();
    Finding* finding(const QString& figure, const QString& compared, const QString& text, const QString& answer,
                     int source);

    ResearchHero* hero_;
    QList<Finding*> findings_;
    AdaptiveGridLayout* clickingGrid_ = nullptr;
    FrequencyBands* frequencyBands_ = nullptr;
    LagChart* lagChart_ = nullptr;
    ShakeLeft* shakeLeft_ = nullptr;
    YourHand* yourHand_ = nullptr;
    SourcesList* sources_ = nullptr;
    QLabel* disclaimer_ = nullptr;
};

} // namespace quellarine

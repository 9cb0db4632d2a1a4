#pragma once

#include <QWidget>

#include <vector>

class QAbstractButton;

namespace quellarine {

// A choice of one among a few, as segments side by side on one track; the chosen segment stands out as a raised
// plate. The picker is one Tab stop; the arrow keys move between the segments and choose; assistive technology
// hears the picker's name and a radio button per segment.
class SegmentedPicker : public QWidget {
    Q_OBJECT

public:
    static constexpr int height = 28;
    static constexpr qreal cornerRadius = 7;
    static constexpr int inset = 2;

    // `name` and `titles` are already localised.
    SegmentedPicker(const QString& name, const QStringList& titles, QWidget* parent = nullptr);

    int count() const { return static_cast<int>(segments_.size()); }
    QAbstractButton& segment(int index) const { return *segments_.at(static_cast<std::size_t>(index)); }
    // The chosen segment's index.
    int selected() const { return selected_; }
    // Shows the choice without emitting `chosen`.
    void setSelected(int index);

signals:
    // The user chose the segment.
    void chosen(int index);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<QAbstractButton*> segments_;
    int selected_ = -1;
};

} // namespace quellarine

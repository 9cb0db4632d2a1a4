#pragma once

#include "Quellarine/Components/DrawnButton.h"
#include "Quellarine/Model/FeedbackStore.h"

namespace quellarine {

// One topic of the feedback form as a wide button: its symbol and title, and a check mark on the chosen one,
// which is filled with the brand gradient.
class TopicTile final : public DrawnButton {
    Q_OBJECT

public:
    static constexpr qreal cornerRadius = 12;
    static constexpr int minimumHeight = 58;

    explicit TopicTile(FeedbackStore::Topic topic, QWidget* parent = nullptr);

    FeedbackStore::Topic topic() const { return topic_; }
    bool selected() const { return isChecked(); }
    void setSelected(bool selected) { setChecked(selected); }

    static QString title(FeedbackStore::Topic topic);
    static QString symbol(FeedbackStore::Topic topic);
    // What the message editor suggests writing about the topic; none chosen gives the general hint.
    static QString placeholder(std::optional<FeedbackStore::Topic> topic);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QRectF titleRect(qreal width) const;

    FeedbackStore::Topic topic_;
    bool hovering_ = false;
};

} // namespace quellarine

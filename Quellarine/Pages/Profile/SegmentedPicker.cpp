#include "Quellarine/Pages/Profile/SegmentedPicker.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/ContinuousShape.h"
#include "Quellarine/Components/DrawnButton.h"
#include "Quellarine/Components/RadioGroup.h"
#include "Quellarine/Components/FocusRing.h"
#include "Quellarine/Components/Style/AccessibleRole.h"
#include "Quellarine/Desktop/Appearance.h"
#include "Quellarine/Components/Style/Typography.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QPainter>

namespace quellarine {

namespace {

QFont segmentFont()
{
    return Typography::font(Typography::TextStyle::body);
}

// One segment: its title, on the raised plate while chosen.
class Segment : public DrawnButton {
public:
    explicit Segment(const QString& title)
    {
        setText(title);
        setAccessibleName(title);
        setCheckable(true);
        setFont(segmentFont());
    }

    QSize sizeHint() const override
    {
        return QSize(fontMetrics().horizontalAdvance(text()) + 28,
                     SegmentedPicker::height - 2 * SegmentedPicker::inset);
    }

protected:
    // Only a click chooses; the chosen segment stays chosen.
    void nextCheckState() override {}

    void paintEvent(QPaintEvent* /*event*/) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF bounds(rect());
        const qreal radius = SegmentedPicker::cornerRadius - SegmentedPicker::inset;
        const bool dark = Appearance::isDark(palette());
        if (isChecked()) {
            const QColor plate = dark ? QColor(0x63, 0x63, 0x66) : QColor(Qt::white);
            ContinuousShape::draw(painter, bounds.adjusted(0, 0, 0, -0.5), radius, plate,
                                  withOpacity(Qt::black, dark ? 0.2 : 0.08), 0.5);
        }
        if (FocusRing::shows(*this)) {
            FocusRing::draw(painter, bounds, radius, *this);
        }
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setFont(font());
        painter.drawText(bounds, Qt::AlignCenter, fontMetrics().elidedText(text(), Qt::ElideRight, width() - 8));
    }
};

} // namespace

SegmentedPicker::SegmentedPicker(const QString& name, const QStringList& titles, QWidget* parent)
    : QWidget(parent)
{
    setAccessibleName(name);
    AccessibleRole::set(*this, QAccessible::Grouping);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(inset, inset, inset, inset);
    layout->setSpacing(0);
    for (int index = 0; index < titles.size(); ++index) {
        auto* segment = new Segment(titles[index]);
        connect(segment, &QAbstractButton::clicked, this, [this, index] {
            setSelected(index);
            emit chosen(index);
        });
        layout->addWidget(segment);
        segments_.push_back(segment);
    }
    new RadioGroup(segments_);
}

void SegmentedPicker::setSelected(int index)
{
    selected_ = index;
    for (int other = 0; other < count(); ++other) {
        segments_[static_cast<std::size_t>(other)]->setChecked(other == index);
    }
    update();
}

void SegmentedPicker::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    ContinuousShape::draw(painter, QRectF(rect()), cornerRadius,
                          withOpacity(palette().color(QPalette::WindowText), 0.07));
}

} // namespace quellarine

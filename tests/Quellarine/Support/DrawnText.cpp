#include "DrawnText.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QWidget>

namespace quellarine::testing {

namespace {

// Keeps every text item a painter hands it, with its place in device coordinates, and draws nothing.
class TextEngine : public QPaintEngine {
public:
    TextEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }

    bool begin(QPaintDevice* /*device*/) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& /*state*/) override {}
    void drawPixmap(const QRectF& /*r*/, const QPixmap& /*pm*/, const QRectF& /*sr*/) override {}
    void drawPolygon(const QPointF* /*points*/, int /*count*/, PolygonDrawMode /*mode*/) override {}
    void drawPath(const QPainterPath& /*path*/) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        const QString text = item.text();
        if (text.trimmed().isEmpty()) {
            return;
        }
        const QTransform toDevice = painter()->combinedTransform();
        // Across, the run's advance: the room its layout gives it. Up and down, the ink the glyphs leave, not
        // the line's box: fonts with tall lines (Chinese, Bengali) would otherwise seem to reach past boxes their
        // glyphs stay well inside.
        const QRectF ink = QFontMetricsF(item.font()).tightBoundingRect(text);
        const QRectF box = ink.isEmpty() ? QRectF(at.x(), at.y() - item.ascent(), item.width(), item.ascent())
                                         : QRectF(at.x(), at.y() + ink.top(), item.width(), ink.height());
        DrawnText drawn{.text = text, .box = toDevice.mapRect(box), .clip = std::nullopt};
        if (painter()->hasClipping()) {
            drawn.clip = toDevice.mapRect(painter()->clipBoundingRect());
        }
        texts.push_back(std::move(drawn));
    }

    std::vector<DrawnText> texts;
};

class TextDevice : public QPaintDevice {
public:
    TextDevice(QSize size, qreal ratio)
        : size_(size)
        , ratio_(ratio)
    {
    }

    QPaintEngine* paintEngine() const override { return &engine_; }
    std::vector<DrawnText>& texts() { return engine_.texts; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return size_.width();
        case PdmHeight:
            return size_.height();
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return static_cast<int>(ratio_);
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(ratio_ * QPaintDevice::devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

private:
    QSize size_;
    qreal ratio_;
    mutable TextEngine engine_;
};

} // namespace

std::vector<DrawnText> DrawnText::of(QWidget& widget)
{
    TextDevice device(widget.size(), 1.0);
    widget.render(&device, QPoint(), QRegion(), QWidget::RenderFlags());
    return std::move(device.texts());
}

} // namespace quellarine::testing

#include "Quellarine/Shell/PageArea.h"

#include "Quellarine/Model/AppModel.h"
#include "Quellarine/Shell/PageContent.h"
#include "Quellarine/Components/FocusChain.h"
#include "Quellarine/Components/SpringAnimation.h"
#include "Quellarine/Components/Style/Motion.h"

#include <QApplication>
#include <QEvent>
#include <QGraphicsEffect>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace quellarine {

// Holds the page at its width, centred in the column with the inset around it, and tells the scroll view
// how tall that makes it.
class PageHost : public QWidget {
public:
    explicit PageHost(QWidget* parent)
        : QWidget(parent)
    {
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    QWidget* page() const { return page_; }

    void setPage(QWidget* page)
    {
        delete page_;
        page_ = page;
        page_->setParent(this);
        place();
        page_->show();
        updateGeometry();
    }

    QRect pageRect(int width) const
    {
        const int pageWidth = std::max(0, std::min(PageArea::maximumPageWidth, width - 2 * PageArea::inset));
        const int left = std::max(0, (width - pageWidth - 2 * PageArea::inset) / 2) + PageArea::inset;
        return QRect(left, PageArea::inset, pageWidth, pageHeight(pageWidth));
    }

    int heightForWidth(int width) const override { return pageRect(width).height() + 2 * PageArea::inset; }
    QSize sizeHint() const override
    {
        const int width = PageArea::maximumPageWidth + 2 * PageArea::inset;
        return QSize(width, heightForWidth(width));
    }
    QSize minimumSizeHint() const override { return QSize(0, 0); }

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::LayoutRequest) {
            // The page's size hint changed.
            place();
            updateGeometry();
        }
        return QWidget::event(event);
    }

    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        place();
    }

private:
    int pageHeight(int pageWidth) const
    {
        if (page_ == nullptr) {
            return 0;
        }
        const int natural = page_->hasHeightForWidth() ? page_->heightForWidth(pageWidth) : page_->sizeHint().height();
        return std::max(natural, page_->minimumSizeHint().height());
    }

    void place()
    {
        if (page_ != nullptr) {
            page_->setGeometry(pageRect(width()));
        }
    }

    QPointer<QWidget> page_;
};

// The entering page's fade and rise, drawn from the page's own picture.
class PageTransition : public QGraphicsEffect {
public:
    PageTransition(const SpringAnimation& timeline, QObject* parent)
        : QGraphicsEffect(parent)
        , timeline_(timeline)
    {
    }

protected:
    QRectF boundingRectFor(const QRectF& sourceRect) const override
    {
        return sourceRect.adjusted(0, 0, 0, PageArea::travel);
    }

    void draw(QPainter* painter) override
    {
        const qreal progress = std::clamp(timeline_.value(), 0.0, 1.0);
        if (progress <= 0) {
            return;
        }
        QPoint origin;
        const QPixmap pixmap = sourcePixmap(Qt::LogicalCoordinates, &origin, QGraphicsEffect::NoPad);
        if (pixmap.isNull()) {
            return;
        }
        const qreal offset = Motion::shared().reduceMotion() ? 0.0 : PageArea::travel * (1.0 - timeline_.value());
        painter->save();
        painter->setOpacity(painter->opacity() * progress);
        painter->drawPixmap(QPointF(origin) + QPointF(0, offset), pixmap);
        painter->restore();
    }

private:
    const SpringAnimation& timeline_;
};

namespace {

// Draws the leaving page's picture over the viewport while it fades out and sinks.
class LeavingOverlay : public QWidget {
public:
    LeavingOverlay(const QPixmap& picture, const SpringAnimation& timeline, QWidget* parent)
        : QWidget(parent)
        , picture_(picture)
        , timeline_(timeline)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override
    {
        if (picture_.isNull() || timeline_.state() != QAbstractAnimation::Running) {
            return;
        }
        const qreal progress = std::clamp(timeline_.value(), 0.0, 1.0);
        QPainter painter(this);
        painter.setOpacity(1.0 - progress);
        const qreal offset = Motion::shared().reduceMotion() ? 0.0 : PageArea::travel * timeline_.value();
        painter.drawPixmap(QPointF(0, offset), picture_);
    }

private:
    const QPixmap& picture_;
    const SpringAnimation& timeline_;
};

} // namespace

PageArea::PageArea(AppModel& model, PageContent::OpenWindow openWindow, QWidget* parent)
    : FocusScrollArea(parent)
    , model_(model)
    , openWindow_(std::move(openWindow))
    , section_(model.section())
    , host_(new PageHost(this))
    , transition_(new SpringAnimation(spring, this))
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setWidgetResizable(true);
    setWidget(host_);
    viewport()->setAutoFillBackground(false);
    host_->setAutoFillBackground(false);

    overlay_ = new LeavingOverlay(leaving_, *transition_, viewport());
    overlay_->setGeometry(viewport()->rect());
    viewport()->installEventFilter(this);
    connect(transition_, &QVariantAnimation::valueChanged, this, [this] {
        overlay_->update();
        if (entering_) {
            entering_->update();
        }
    });
    connect(transition_, &QAbstractAnimation::finished, this, [this] {
        leaving_ = QPixmap();
        overlay_->update();
        if (QWidget* current = page(); current != nullptr && current->graphicsEffect() == entering_) {
            // In place: the page draws directly again.
            current->setGraphicsEffect(nullptr);
        }
    });

    showSection(section_, false);
    connect(&model_, &AppModel::sectionChanged, this,
            [this](MainSection section) { showSection(section, isVisible()); });
}

PageArea::~PageArea() = default;

QWidget* PageArea::page() const
{
    return host_->page();
}

qreal PageArea::transitionProgress() const
{
    if (transition_->state() != QAbstractAnimation::Running) {
        return 1.0;
    }
    return std::clamp(transition_->value(), 0.0, 1.0);
}

void PageArea::showSection(MainSection section, bool animated)
{
    section_ = section;
    transition_->stop();
    leaving_ = animated && page() != nullptr ? viewport()->grab() : QPixmap();

    // A fresh page every time: whatever the old page held is dropped with it. When the keyboard was in the old
    // page (a button there led here), it goes on into the new one, at the control the page starts with.
    QWidget* focused = QApplication::focusWidget();
    const bool focusInPage = focused != nullptr && page() != nullptr && page()->isAncestorOf(focused);
    if (focusInPage) {
        // Kept in the window while the old page goes, so the window does not pick a stop of its own.
        setFocus(Qt::OtherFocusReason);
    }
    QWidget* next = PageContent::make(model_, section, openWindow_);
    if (animated) {
        entering_ = new PageTransition(*transition_, next);
        next->setGraphicsEffect(entering_);
    }
    host_->setPage(next);
    if (focusInPage) {
        if (QWidget* stop = FocusChain::entry(*next)) {
            stop->setFocus(Qt::OtherFocusReason);
        }
    }
    verticalScrollBar()->setValue(0);
    if (animated) {
        transition_->animate(0.0, 1.0);
    }
    overlay_->raise();
    overlay_->update();
}

bool PageArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == viewport() && event->type() == QEvent::Resize) {
        overlay_->setGeometry(viewport()->rect());
    }
    return FocusScrollArea::eventFilter(watched, event);
}

} // namespace quellarine

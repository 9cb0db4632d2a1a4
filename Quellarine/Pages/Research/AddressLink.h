#pragma once

#include "Quellarine/Components/LinkWidget.h"

#include <QUrl>
#include <QWidget>

namespace quellarine {

// A web address shown whole as a link in the caption font: a click, or Return or Space while it has the focus,
// opens it in the user's browser. Tab moves on past it like past any other control.
class AddressLink : public LinkWidget {
    Q_OBJECT

public:
    // Room around the text for the focus ring: less at the sides, so the address lines up with text above it.
    static constexpr int sideMargin = 2;
    static constexpr int margin = 3;

    explicit AddressLink(const QUrl& address, QWidget* parent = nullptr);

    QUrl address() const { return address_; }
    QString text() const;
    void open() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QUrl address_;
};

} // namespace quellarine

#pragma once

#include "Quellarine/Components/LinkWidget.h"

#include "QuellarineKit/Research/Source.h"

#include <QColor>
#include <QString>
#include <QUrl>
#include <QWidget>

namespace quellarine {

// A source's short citation in the caption font. With an address it is a link: the citation and an arrow
// pointing up and out, the title as tooltip, opening the address in the user's browser on a click or on
// Space or Return when it has the focus. Without one it is the citation alone as plain text. `light` draws it
// for dark backgrounds (white at 70 % opacity) instead of in the secondary text colour.
class SourceLink : public LinkWidget {
    Q_OBJECT

public:
    explicit SourceLink(Source source, bool light = false, QWidget* parent = nullptr);

    const Source& source() const { return source_; }
    bool light() const { return light_; }
    bool isLink() const { return source_.url.has_value(); }

    // The citation, verbatim.
    QString text() const;
    // The address opened; empty when there is none.
    QUrl url() const;
    QColor textColor() const;

    // Opens the address in the user's default browser; does nothing without one.
    void open() override;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool opens() const override { return isLink(); }
    void paintEvent(QPaintEvent* event) override;

private:
    // The side of the arrow's square: about the height of a capital letter, as a small symbol beside text.
    int arrowSide() const;

    Source source_;
    bool light_;
};

} // namespace quellarine

#include "Quellarine/Pages/Research/SourcesList.h"

#include "Quellarine/Components/Brand.h"
#include "Quellarine/Components/SymbolLabel.h"
#include "Quellarine/Components/Style/Typography.h"
#include "Quellarine/Pages/Research/AddressLink.h"
#include "Quellarine/Components/PlainText.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QUrl>
#include <QVBoxLayout>

namespace quellarine {

namespace {

QLabel* selectable(const QString& content, const QFont& font, bool secondary = false)
{
    QLabel* label = plainText(content, font, secondary);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // The studies' texts are English; in a right-to-left layout they still start from the numbers' side.
    label->setAlignment(Qt::AlignTop | Qt::AlignAbsolute
                        | (QGuiApplication::layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft));
    return label;
}

QFont callout(QFont::Weight weight = QFont::Normal)
{
    return Typography::system(Typography::pixelSize(Typography::TextStyle::callout), weight);
}

} // namespace

SourcesList::SourcesList(const std::vector<Source>& sources, QWidget* parent)
    : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(spacing);

    auto* heading = new QLabel(tr("Sources"));
    heading->setTextFormat(Qt::PlainText);
    QFont headingFont = Typography::font(Typography::TextStyle::title2);
    headingFont.setWeight(QFont::Bold);
    heading->setFont(headingFont);
    heading->setContentsMargins(0, 6, 0, 0);
    column->addWidget(heading);

    // One column for every number, so the texts line up however large the numbers are set.
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(spacing);
    grid->setColumnMinimumWidth(0, numberColumn);
    grid->setColumnStretch(1, 1);
    int row = 0;
    for (const Source& source : sources) {
        addRow(*grid, row++, source);
    }
    column->addLayout(grid);
}

void SourcesList::addRow(QGridLayout& grid, int row, const Source& source)
{
    auto* number = new SymbolLabel(QLocale().toString(source.id), QString(), callout(QFont::DemiBold), Brand::accent);
    number->label()->setWordWrap(false);
    number->label()->setAlignment(Qt::AlignTop | Qt::AlignTrailing);
    number->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    // Same size as the citation beside it, so aligned tops put both on one baseline.
    grid.addWidget(number, row, 0, Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(0, 0, 0, 0);
    texts->setSpacing(2);
    texts->addWidget(selectable(QString::fromStdString(source.cite), callout(QFont::DemiBold)));
    texts->addWidget(selectable(QString::fromStdString(source.title), callout()));
    texts->addWidget(
        selectable(QString::fromStdString(source.venue), Typography::font(Typography::TextStyle::caption), true));
    if (source.url) {
        auto* link = new AddressLink(QUrl(QString::fromStdString(source.url->text()), QUrl::StrictMode));
        texts->addWidget(link, 0, Qt::AlignLeading);
        links_.append(link);
    }
    grid.addLayout(texts, row, 1);
}

} // namespace quellarine

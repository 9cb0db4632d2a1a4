#pragma once

#include "QuellarineKit/Research/Source.h"

#include <QWidget>

#include <vector>

class QGridLayout;

namespace quellarine {

class AddressLink;

// The numbered list of the studies the page cites: for each its number, citation, title and where it appeared,
// and its address as a link when it has one. The texts can be selected and copied.
class SourcesList : public QWidget {
    Q_OBJECT

public:
    static constexpr int spacing = 12;
    static constexpr int numberColumn = 20;

    explicit SourcesList(const std::vector<Source>& sources, QWidget* parent = nullptr);

    // The address links, in the order of the list.
    QList<AddressLink*> links() const { return links_; }

private:
    void addRow(QGridLayout& grid, int row, const Source& source);

    QList<AddressLink*> links_;
};

} // namespace quellarine

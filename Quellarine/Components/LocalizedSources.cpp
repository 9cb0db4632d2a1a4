#include "Quellarine/Components/LocalizedSources.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>

namespace quellarine {

const std::vector<Source>& LocalizedSources::all()
{
    static const std::vector<Source> sources = [] {
        std::vector<Source> result;
        std::ranges::transform(Source::all(), std::back_inserter(result), &LocalizedSources::localized);
        return result;
    }();
    return sources;
}

const Source& LocalizedSources::withID(int id)
{
    const auto& sources = all();
    if (id < 1 || id > static_cast<int>(sources.size())) {
        throw std::out_of_range("No source with id " + std::to_string(id));
    }
    return sources[static_cast<std::size_t>(id - 1)];
}

Source LocalizedSources::localized(const Source& source)
{
    if (source.id != Source::ownMeasurementID) {
        return source;
    }
    // The English texts are the keys; they match the core's own measurement, which a test keeps in step.
    Source result = source;
    result.cite = tr("Quellarine test, 2026").toStdString();
    result.title = tr("The Balanced preset against plain smoothing with the same 25 ms delay").toStdString();
    result.venue = tr("A recorded trackpad movement with a steady simulated 6 Hz shake added. Our own measurement, "
                      "not a published study.")
                       .toStdString();
    return result;
}

} // namespace quellarine

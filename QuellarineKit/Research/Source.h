#pragma once

#include "QuellarineKit/Support/WebAddress.h"

#include <optional>
#include <string>
#include <vector>

namespace quellarine {

// One study cited by the research page: nine published studies and the application's own measurement. The
// texts of the published ones are given as published and never translated; the own measurement's are the
// application's words and are translated by the application.
struct Source {
    // The number printed in the sources list and the order of all(): 1 to 10.
    int id = 0;
    // Authors' surnames and year: the text of the link.
    std::string cite;
    std::string title;
    // Where it appeared, with volume and pages.
    std::string venue;
    // The publication on the web; none for the own measurement, and none when a row's address does not parse.
    std::optional<WebAddress> url;

    bool operator==(const Source&) const = default;

    static constexpr int ownMeasurementID = 10;

    // The ten sources in id order, built once.
    static const std::vector<Source>& all();
    // The source with this id; throws std::out_of_range when there is none.
    static const Source& withID(int id);
};

} // namespace quellarine

#include "QuellarineKit/Research/Source.h"

#include <stdexcept>
#include <string_view>

namespace quellarine {

namespace {

Source row(int id, std::string_view cite, std::string_view title, std::string_view venue,
           std::optional<std::string_view> url)
{
    return Source{id, std::string(cite), std::string(title), std::string(venue),
                  url ? WebAddress::parse(*url) : std::nullopt};
}

} // namespace

// Page ranges use an en dash (U+2013).
const std::vector<Source>& Source::all()
{
    static const std::vector<Source> sources{
        row(1, "Trewin & Pain, 1999", "Keyboard and mouse errors due to motor disabilities",
            "International Journal of Human-Computer Studies 50(2), 109\u2013144",
            "https://doi.org/10.1006/ijhc.1998.0238"),
        row(2, "Trewin, Keates & Moffatt, 2006",
            "Developing Steady Clicks: a method of cursor assistance for people with motor impairments",
            "Proceedings of ASSETS '06, 26\u201333", "https://doi.org/10.1145/1168987.1168993"),
        row(3, "Laursen et al., 2001",
            "Performance and muscle activity during computer mouse tasks in young and elderly adults",
            "European Journal of Applied Physiology 84, 329\u2013336", "https://doi.org/10.1007/s004210000382"),
        row(4, "Wobbrock & Gajos, 2008", "Goal crossing with mice and trackballs for people with motor impairments",
            "ACM Transactions on Accessible Computing 1(1), 4", "https://doi.org/10.1145/1361203.1361207"),
        row(5, "Riviere & Thakor, 1996",
            "Effects of age and disability on tracking tasks with a computer mouse: accuracy and linearity",
            "Journal of Rehabilitation Research and Development 33, 6\u201315",
            "https://pubmed.ncbi.nlm.nih.gov/8868412/"),
        row(6, "Bhatia et al., 2018", "Consensus statement on the classification of tremors",
            "Movement Disorders 33, 75\u201387", "https://doi.org/10.1002/mds.27121"),
        row(7, "MacKenzie & Ware, 1993", "Lag as a determinant of human performance in interactive systems",
            "Proceedings of INTERCHI '93, 488\u2013493", "https://doi.org/10.1145/169059.169431"),
        row(8, "Teather et al., 2009", "Effects of tracking technology, latency, and spatial jitter on object movement",
            "Proceedings of IEEE 3DUI 2009", "https://www.yorku.ca/mack/3dui2009.pdf"),
        row(9, "Veluvolu & Ang, 2010",
            "Estimation and filtering of physiological tremor for real-time compensation in surgical robotics "
            "applications",
            "International Journal of Medical Robotics and Computer Assisted Surgery 6, 334\u2013342",
            "https://doi.org/10.1002/rcs.340"),
        row(ownMeasurementID, "Quellarine test, 2026",
            "The Balanced preset against plain smoothing with the same 25 ms delay",
            "A recorded trackpad movement with a steady simulated 6 Hz shake added. Our own measurement, not a "
            "published study.",
            std::nullopt),
    };
    return sources;
}

const Source& Source::withID(int id)
{
    const auto& sources = all();
    if (id < 1 || id > static_cast<int>(sources.size())) {
        throw std::out_of_range("No source with id " + std::to_string(id));
    }
    return sources[static_cast<std::size_t>(id - 1)];
}

} // namespace quellarine

#pragma once

#include "QuellarineKit/Research/Source.h"

#include <QCoreApplication>

#include <vector>

namespace quellarine {

// The research sources as the application shows them: the published studies as they are, the own
// measurement's texts in the user's language.
class LocalizedSources {
    Q_DECLARE_TR_FUNCTIONS(LocalizedSources)

public:
    LocalizedSources() = delete;

    // The ten sources in id order, translated with the translations installed when first asked for.
    static const std::vector<Source>& all();
    // The source with this id; throws std::out_of_range when there is none.
    static const Source& withID(int id);

    // The source with its texts translated where they are the application's own.
    static Source localized(const Source& source);
};

} // namespace quellarine

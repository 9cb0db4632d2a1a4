#include "Quellarine/Desktop/Resources.h"

#include <QtGlobal>

// Outside the namespace: the resource's registration function is a global symbol.
static void registerQuellarineResources()
{
    Q_INIT_RESOURCE(quellarine);
}

namespace quellarine {

void Resources::ensureLoaded()
{
    static const bool loaded = [] {
        registerQuellarineResources();
        return true;
    }();
    (void)loaded;
}

} // namespace quellarine

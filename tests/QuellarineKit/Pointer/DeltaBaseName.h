#pragma once

#include "Backends/Sim/SimulatedWindowServer.h"

#include <string>

namespace quellarine::testing {

// The name of a delta base, for the names of parameterised tests and for printed tables.
inline std::string deltaBaseName(sim::SimulatedWindowServer::DeltaBase base)
{
    using Base = sim::SimulatedWindowServer::DeltaBase;
    switch (base) {
    case Base::cursor:
        return "cursor";
    case Base::hand:
        return "hand";
    case Base::alternating:
        return "alternating";
    }
    return "?";
}

} // namespace quellarine::testing

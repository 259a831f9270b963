#pragma once

#include <cstddef>
#include <functional>
#include <stop_token>

#include "Adviser.h"

namespace transcalc {

class AdviserPool;

// Called after each core, with how many are done of how many; from the
// search's threads, one call at a time.
using AdviserProgress = std::function<void(std::size_t done, std::size_t total)>;

// The whole search, its cores shared out over the calling thread and the
// pool's; its result does not depend on the split. Throws AdviserInputError
// for inputs it cannot use. A stop request ends it soon, with `cancelled`
// set.
AdviserResult Advise(AdviserPool& pool, const AdviserInputs& inputs,
                     const AdviserCatalogue& catalogue, const AdviserProgress& progress = {},
                     std::stop_token stop = {});

}  // namespace transcalc

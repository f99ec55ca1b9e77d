// Random dialog sessions: typed texts (long, non-numeric, exponent forms),
// clicks, unit switches and presses of the reset modifier in random order,
// on random documents, several dialogs in one module lifetime.
#pragma once

#include "validate/Random.h"
#include "validate/Scenario.h"

namespace kestrow::validate {

std::vector<DialogAction> RandomDialogActions(Random& random);
std::string RandomTypedText(Random& random);

Scenario RandomDialogSession(uint64_t seed, unsigned index);

}  // namespace kestrow::validate

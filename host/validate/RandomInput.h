// Random input for a module: descriptors of every shape a faulty script or
// a damaged action could hand in (unknown keys, wrong item types, codes
// outside the tables, NaN, infinities, huge and negative sizes, empty and
// null descriptors), on random documents, in long sessions of one module
// lifetime.
#pragma once

#include "model/Descriptor.h"
#include "validate/Random.h"
#include "validate/Scenario.h"

namespace kestrow::validate {

host::Descriptor RandomDescriptor(Random& random);
DocumentSize RandomDocument(Random& random);
// A number the way a script might send it: ordinary, zero, tiny, huge,
// negative or not finite.
double RandomNumber(Random& random);

// Several runs without the dialog, with random descriptors, play options,
// callers, documents and reloads of the module.
Scenario RandomDescriptorSession(uint64_t seed, unsigned index);

}  // namespace kestrow::validate

// The files the tests read: the resources as the script compiles them, and
// the built module that carries them.
#pragma once

#include "resources/ResFile.h"

#include <vector>

namespace kestrow::resources::fixture {

// The compiled resource file, read once.
const ResFileResources& Compiled();
// The bytes of one compiled resource in language 1033; fails the test
// (throws) when it is missing.
std::vector<uint8_t> CompiledBytes(const ResourceId& type, const ResourceId& name);

}  // namespace kestrow::resources::fixture

// Whether a descriptor a module handed back for recording is one its own
// playback can read: the parameter keys only, in their order, each of its
// type, one mode's keys, and the job unit last.
#pragma once

#include "model/Descriptor.h"

#include <optional>
#include <string>

namespace kestrow::validate {

// Nothing when the recording is well-formed, else what is wrong with it.
std::optional<std::string> CheckRecording(const host::Descriptor& recorded);

}  // namespace kestrow::validate

// Readable names of the Kestrow dialogs' items for dialog scripts and
// reports: "top" for the top margin 16001, "ok" for button 1, "anchor5" for
// the centre anchor 16025. Names compare without regard to case; an item
// can always be given by its number instead.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace kestrow::cli {

// The item a word names: a known name or a decimal number.
std::optional<int32_t> DialogItemNumber(const std::string& word);
// The item's name, or an empty text for an item without one.
std::string DialogItemName(int32_t id);

}  // namespace kestrow::cli

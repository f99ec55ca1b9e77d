// Four-character codes as people type and read them: "Top" is 'Top ', and a
// code prints as its four characters when they are all printable.
#pragma once

#include "HostTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace kestrow::host {

// The code of one to four printable ASCII characters, padded on the right
// with blanks; nullopt for an empty, longer or unprintable text.
std::optional<FourCode> FourCodeFromText(std::string_view text);

// The four characters of the code (trailing blanks kept), or "0x" and eight
// hex digits when any byte is not printable ASCII.
std::string FourCodeText(FourCode code);

}  // namespace kestrow::host

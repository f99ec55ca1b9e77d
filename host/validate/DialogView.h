// The main dialog as the user sees it: each item's text, enabled state and
// on/off value, and the unit each popup shows. The validator judges a
// module by this alone, never by the module's own variables.
#pragma once

#include "dialog/Dialog.h"

#include <map>
#include <optional>
#include <string>

namespace kestrow::validate {

struct ItemView {
    std::string text;
    bool enabled = false;
    bool on = false;
};

struct DialogView {
    std::map<int32_t, ItemView> items;  // the items the dialog has
    int32_t relativeUnit = -1;          // position of the chosen entry of each popup; -1 none
    int32_t absoluteUnit = -1;

    static DialogView Read(const host::Dialog& dialog);
    const ItemView* Find(int32_t id) const;
    // An edit's number through the standard decimal conversion. Typed texts
    // are cut to the field's length, which is all the module reads; the texts
    // the module sets itself are the numbers it holds.
    double EditNumber(int32_t id) const;
};

// A size label split into its number and unit; nothing when the text is
// not "NUMBER UNIT".
struct SizeLabel {
    double value;
    std::string unit;
};
std::optional<SizeLabel> ParseSizeLabel(const std::string& text);

// The seven display unit labels by units index; null outside 0..6.
const char* DisplayLabel(int32_t unitsIndex);

}  // namespace kestrow::validate

// The main dialog's invariants, checked after its set-up and after every
// step the user takes: the new size is what the margins and uniformity (or
// the size fields) give, both popups show one unit and the labels name it,
// items are enabled as the mode and the uniformity say, and no text is
// longer than the module's text buffer.
#pragma once

#include "session/RunReport.h"
#include "validate/DialogView.h"
#include "validate/Violation.h"

#include <optional>
#include <vector>

namespace kestrow::validate {

struct DialogState {
    bool absoluteMode = false;  // the mode the user last chose
    // The largest magnitude of any number the dialog has added up: the new
    // size is kept up to date step by step, so it may be off by the
    // rounding of adding and removing numbers of that size.
    double magnitude = 0;
    // Whether the user holds the reset modifier; unknown after a host
    // failure. The Cancel button reads "Re&set" exactly while it is held.
    std::optional<bool> modifierHeld;
};

std::vector<Violation> CheckDialog(const DialogView& view, const DialogState& state);

// After OK: the document must have the size the dialog showed as the new
// size, up to the rounding of the labels and of each event to whole pixels.
// `before` is the document when the dialog opened, `events` how many the
// module played. Nothing when they agree.
std::optional<Violation> CheckOkOutcome(const DialogView& shown, const host::DocumentState& before,
                                        const host::DocumentState& after, size_t events);

}  // namespace kestrow::validate

// Plays a step's actions in the main dialog as a user would, and checks
// the dialog's invariants after its set-up and after every action.
#pragma once

#include "dialog/DialogManager.h"
#include "dialog/ModalSession.h"
#include "validate/DialogChecks.h"
#include "validate/DialogView.h"
#include "validate/Scenario.h"
#include "validate/Violation.h"

#include <functional>
#include <optional>
#include <vector>

namespace kestrow::validate {

class DialogDriver {
public:
    // `faultFired` tells whether the host has failed a call by now: from
    // then on the dialog may legitimately show stale texts, so its
    // invariants are no longer checked. `modifierHeld` carries the state of
    // the reset modifier from one dialog to the next in a module lifetime.
    DialogDriver(const std::vector<DialogAction>& actions, std::function<bool()> faultFired,
                 std::optional<bool>& modifierHeld);

    // The script the dialog manager runs in every dialog; it acts in the
    // main dialog only.
    host::DialogManager::ModalScript Script();

    std::vector<Violation>& Violations() { return violations_; }
    // The main dialog as the user last saw it before clicking OK, when no
    // host call had failed by then.
    const std::optional<DialogView>& ShownAtOk() const { return shownAtOk_; }
    unsigned StepsPlayed() const { return played_; }

private:
    void Play(host::ModalSession& session);
    bool Act(host::ModalSession& session, const DialogAction& action);
    void Check(const host::Dialog& dialog, const std::string& when);

    const std::vector<DialogAction>& actions_;
    std::function<bool()> faultFired_;
    std::optional<bool>& modifierHeld_;
    DialogState state_;
    std::vector<Violation> violations_;
    unsigned played_ = 0;
    std::optional<DialogView> shownAtOk_;
};

// "type \"12.5\" into 16005", "click 1", ...
std::string DescribeAction(const DialogAction& action);

}  // namespace kestrow::validate

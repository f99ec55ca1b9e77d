// The checks after every run of a module's entry point: what it returned
// against its documented failure handling, every suite released, every
// handle it made freed once and none of the host's freed, only canvas-size
// events and only dialogs of its own resources, the document changed only by
// events the host applied, and the action parameters left alone or holding a
// well-formed recording.
#pragma once

#include "session/RunReport.h"
#include "validate/Violation.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrow::validate {

struct Expectation {
    std::vector<PlugStatus> results;  // what the entry point may return
    std::string why;                  // the cause, for messages: "the host failed ..."
    // A failure before the command started: no dialog, no event, no history
    // state and nothing recorded.
    bool nothingHappens = false;
    // The host refused one ReleaseSuite, so one suite stays held once.
    bool releaseRefused = false;
    // The host refused to free one handle of this kind, so it stays live.
    std::optional<host::HandleKind> freeRefused;
};

struct RunFacts {
    const host::RunRequest& request;
    const host::RunReport& report;
    std::optional<host::DocumentState> before;  // the target document before the run
    std::string historyName;                     // the name the history state must carry
};

std::vector<Violation> CheckRun(const RunFacts& facts, const Expectation& expectation);

}  // namespace kestrow::validate

// What one call into the module asked for and what came of it.
#pragma once

#include "HostTypes.h"
#include "PluginMessage.h"
#include "dialog/DialogManager.h"
#include "model/Descriptor.h"
#include "runtime/Host.h"

#include <optional>
#include <string>
#include <vector>

namespace kestrow::host {

struct RunRequest {
    std::string caller = "PS Photoshop";
    std::string selector = "Do It";
    int32_t playOption = kPlayWithoutDialog;
    // The record option the host starts with; the plug-in sets 0 when it records.
    int32_t recordOption = 1;
    // The descriptor handed in; nullopt hands the plug-in a null descriptor,
    // which is not the same as an empty one.
    std::optional<Descriptor> descriptor;
    // Whether the message carries the action parameters record; by default
    // only "PS Photoshop" / "Do It" does.
    std::optional<bool> passParameters;
    // A faulty host may send no basic suite; tests use this to check the module copes.
    bool passBasicSuite = true;
};

struct DocumentState {
    int32_t id;
    int32_t width;
    int32_t height;
    double resolution;
    int32_t imageX;
    int32_t imageY;
};

struct RunReport {
    std::string caller;
    std::string selector;
    int32_t playOption = 0;
    bool parametersPassed = false;
    PlugStatus result = 0;
    std::vector<PlayedEvent> events;
    // The descriptor the plug-in left in the action parameters in place of the
    // one handed in; nullopt when it left the record as it was.
    std::optional<Descriptor> recorded;
    int32_t recordOption = 0;
    std::optional<DocumentState> document;  // the target document after the run
    std::vector<std::string> history;       // names of the history states this run added
    std::vector<DialogManager::DialogRun> dialogs;
    std::vector<HandleProblem> handleProblems;  // leaks, double frees, stale handles
    std::vector<SuiteRegistry::Usage> suitesHeld;  // suites this run acquired more often than it released

    bool AllEventsApplied() const;
    // One line for each handle problem and each suite still held.
    std::vector<std::string> Problems() const;
};

}  // namespace kestrow::host

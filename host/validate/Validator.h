// `kestrow validate` without its input and output: every scenario with its
// fault sweep, then random descriptor sessions and random dialog sessions,
// and a summary of what ran and every violation found.
#pragma once

#include "validate/CaseId.h"
#include "validate/Violation.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kestrow::validate {

struct ValidateOptions {
    std::string modulePath;
    uint64_t seed = 1;
    unsigned runs = 500;       // random descriptor sessions, and as many random dialog sessions
    bool isolate = true;       // run cases in a worker process
    int timeoutSeconds = 30;   // a case that runs longer is a hang
    bool sweep = true;         // the fault sweep of every scenario
    bool quick = false;        // each call failed with one status instead of three
    std::vector<std::string> scenarios;  // only these; empty for all
};

struct Finding {
    CaseId id;
    Violation violation;
};

struct Summary {
    unsigned scenarios = 0;          // fixed scenarios run
    unsigned scenariosSkipped = 0;   // dialog scenarios, when the editor cannot build the module's dialogs
    unsigned cases = 0;              // module lifetimes
    unsigned runs = 0;               // calls of the entry point
    unsigned faultsInjected = 0;     // cases whose failing call was reached
    unsigned suitesWithheld = 0;     // cases with a suite withheld
    unsigned descriptorSessions = 0;
    unsigned randomDescriptors = 0;  // descriptors the random sessions handed in
    unsigned dialogSessions = 0;
    unsigned randomDialogSteps = 0;  // user steps the random dialog sessions played
    unsigned dialogSteps = 0;        // user steps played in dialogs, in all cases
    bool dialogsAvailable = false;
    double seconds = 0;
    std::vector<Finding> findings;
};

// `progress` hears one line now and then while the validation runs.
Summary Validate(const ValidateOptions& options, const std::function<void(const std::string&)>& progress = {});

}  // namespace kestrow::validate

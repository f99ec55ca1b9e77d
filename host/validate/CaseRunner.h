// Runs one validation case: a fresh editor, the module loaded, the case's
// fault armed, its steps run in one module lifetime, and every run checked.
#pragma once

#include "session/RunReport.h"
#include "validate/CaseId.h"
#include "validate/Scenario.h"
#include "validate/Violation.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace kestrow::validate {

struct CaseResult {
    std::vector<Violation> violations;
    bool faultFired = false;              // the armed fault was reached
    std::vector<std::string> operations;  // every host operation the case called
    unsigned runs = 0;                    // calls of the entry point
    unsigned descriptors = 0;             // descriptors handed in
    unsigned dialogSteps = 0;             // user steps played in dialogs
    unsigned dialogsBuilt = 0;            // dialogs the editor built from the module's resources
};

// The module a validation checks: its file, and its dialogs read once from
// its resources (null when it carries none), since every case loads it anew.
struct ModuleUnderTest {
    std::string path;
    std::shared_ptr<const host::DialogSource> dialogs;

    static ModuleUnderTest Open(const std::string& path);
};

// Sees each run as it finishes, for a transcript of the case.
using RunObserver = std::function<void(const Step&, const host::RunReport&)>;

// The steps a case runs: a fixed scenario, or a random session made from
// the case's seed and index. Throws std::invalid_argument for a scenario
// that does not exist.
Scenario ScenarioFor(const CaseId& id);

CaseResult RunCase(const CaseId& id, const ModuleUnderTest& module, const RunObserver& observer = {});

}  // namespace kestrow::validate

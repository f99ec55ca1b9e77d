// What identifies one validation case, as text a user can pass back to
// `kestrow validate --case` to run it again:
//   NAME                                  a scenario, no fault
//   NAME/fail:Suite.Operation#N=STATUS    its N-th call of the operation fails
//   NAME/withhold:SUITE NAME              the suite is never handed out
//   descriptors/SEED#INDEX                a random session of descriptors
//   dialog/SEED#INDEX                     a random dialog session
#pragma once

#include "validate/Fault.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrow::validate {

struct CaseId {
    enum class Kind { Scenario, RandomDescriptors, RandomDialog };
    Kind kind = Kind::Scenario;
    std::string scenario;  // Scenario
    Fault fault;           // Scenario
    uint64_t seed = 0;     // random kinds
    unsigned index = 0;    // random kinds

    static CaseId ForScenario(std::string name, Fault fault = {})
    {
        CaseId id;
        id.scenario = std::move(name);
        id.fault = std::move(fault);
        return id;
    }
    static CaseId Random(Kind kind, uint64_t seed, unsigned index)
    {
        CaseId id;
        id.kind = kind;
        id.seed = seed;
        id.index = index;
        return id;
    }
};

std::string FormatCaseId(const CaseId& id);

// The case the text names, or nullopt with `error` saying what is wrong.
// Scenario names are not checked here.
std::optional<CaseId> ParseCaseId(std::string_view text, std::string& error);

}  // namespace kestrow::validate

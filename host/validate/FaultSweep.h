// The fault sweep of one scenario: run it clean, then make the 1st, 2nd,
// ... call of every host operation it reaches fail (with a few statuses
// where the operation has one) until a run completes without reaching the
// fault, then withhold each suite in turn.
#pragma once

#include "validate/CaseExecutor.h"
#include "validate/Scenario.h"

#include <functional>
#include <string>
#include <vector>

namespace kestrow::validate {

// Sees every case run, with its result.
using CaseSink = std::function<void(const CaseId&, const CaseResult&)>;

// The statuses each failing call of an operation is tried with: a host
// failure, a missing key and a positive code, so sign handling shows.
const std::vector<HostStatus>& SweepStatuses();
// Operations without a status (dialog, item, list, entry and tracker calls,
// IsEqual) fail by answering their empty value: one status is enough.
bool OperationHasStatus(const std::string& operation);

// The suites the editor offers, by name.
std::vector<std::string> OfferedSuites();

// `statuses` is how many of SweepStatuses() each call is failed with, 1 to 3.
void SweepScenario(const Scenario& scenario, CaseExecutor& executor, const CaseSink& sink, size_t statuses = 3);

}  // namespace kestrow::validate

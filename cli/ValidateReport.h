// The validator's summary and a single case's result, as text for people
// and as JSON, each violation with the command line that runs its case again.
#pragma once

#include "validate/CaseRunner.h"
#include "validate/Validator.h"

#include <nlohmann/json.hpp>

#include <ostream>
#include <string>

namespace kestrow::cli {

// "kestrow validate --module '/m.so' --case 'absolute-mm/fail:Basic.IsEqual#2=-1'"
std::string ReproduceLine(const validate::CaseId& id, const std::string& module);

void PrintSummary(const validate::Summary& summary, const validate::ValidateOptions& options, std::ostream& out);
nlohmann::ordered_json SummaryToJson(const validate::Summary& summary, const validate::ValidateOptions& options);

// What a case's run handed in and what the user did in its dialog, in the
// item syntax of `kestrow play`.
void PrintStep(const validate::Step& step, std::ostream& out);

void PrintCaseResult(const validate::CaseId& id, const validate::CaseResult& result, std::ostream& out);
nlohmann::ordered_json CaseResultToJson(const validate::CaseId& id, const validate::CaseResult& result,
                                        const std::string& module);

}  // namespace kestrow::cli

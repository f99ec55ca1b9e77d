// A case's result as one line of JSON, the form a worker process sends it in.
#pragma once

#include "validate/CaseRunner.h"

#include <string>

namespace kestrow::validate {

std::string CaseResultToLine(const CaseResult& result);
// Throws nlohmann::json::exception for a line that is not a result.
CaseResult CaseResultFromLine(const std::string& line);

}  // namespace kestrow::validate

// A run report as one JSON object.
#pragma once

#include "session/RunReport.h"

#include <nlohmann/json.hpp>

namespace kestrow::cli {

// Fields: caller, selector, playOption, result, events, recorded,
// recordOption, document, history, and also dialogs and problems.
nlohmann::ordered_json ReportToJson(const host::RunReport& report);

// One item: {"key":"Top ","type":"doub","value":10}, with "enumType" for
// enumerations and "unit" for unit floats.
nlohmann::ordered_json ItemToJson(const host::Item& item);

}  // namespace kestrow::cli

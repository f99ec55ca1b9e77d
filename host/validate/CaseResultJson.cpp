#include "validate/CaseResultJson.h"

#include <nlohmann/json.hpp>

namespace kestrow::validate {

std::string CaseResultToLine(const CaseResult& result)
{
    nlohmann::json violations = nlohmann::json::array();
    for (const auto& v : result.violations)
        violations.push_back({{"check", v.check}, {"message", v.message}, {"cause", v.cause}});
    const nlohmann::json line = {{"violations", violations},   {"faultFired", result.faultFired},
                                 {"operations", result.operations}, {"runs", result.runs},
                                 {"descriptors", result.descriptors}, {"dialogSteps", result.dialogSteps},
                                 {"dialogsBuilt", result.dialogsBuilt}};
    // Messages may quote bytes a module put in a text; keep the line valid.
    return line.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

CaseResult CaseResultFromLine(const std::string& line)
{
    const nlohmann::json json = nlohmann::json::parse(line);
    CaseResult result;
    for (const auto& v : json.at("violations"))
        result.violations.push_back(Violation{v.at("check").get<std::string>(), v.at("message").get<std::string>(),
                                              v.at("cause").get<std::string>()});
    result.faultFired = json.at("faultFired").get<bool>();
    result.operations = json.at("operations").get<std::vector<std::string>>();
    result.runs = json.at("runs").get<unsigned>();
    result.descriptors = json.at("descriptors").get<unsigned>();
    result.dialogSteps = json.at("dialogSteps").get<unsigned>();
    result.dialogsBuilt = json.at("dialogsBuilt").get<unsigned>();
    return result;
}

}  // namespace kestrow::validate

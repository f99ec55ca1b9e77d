#include "validate/CaseId.h"

#include <charconv>

namespace kestrow::validate {
namespace {

constexpr std::string_view kDescriptors = "descriptors/";
constexpr std::string_view kDialog = "dialog/";
constexpr std::string_view kFail = "/fail:";
constexpr std::string_view kWithhold = "/withhold:";

template <class T>
bool ParseWhole(std::string_view text, T& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

std::optional<CaseId> ParseRandom(CaseId::Kind kind, std::string_view rest, std::string& error)
{
    const size_t hash = rest.find('#');
    CaseId id = CaseId::Random(kind, 0, 0);
    if (hash == std::string_view::npos || !ParseWhole(rest.substr(0, hash), id.seed) ||
        !ParseWhole(rest.substr(hash + 1), id.index)) {
        error = "expected SEED#INDEX after the random case kind";
        return std::nullopt;
    }
    return id;
}

std::optional<Fault> ParseFail(std::string_view text, std::string& error)
{
    const size_t hash = text.rfind('#');
    const size_t equals = text.rfind('=');
    unsigned n = 0;
    int status = 0;
    if (hash == std::string_view::npos || equals == std::string_view::npos || equals < hash || hash == 0 ||
        !ParseWhole(text.substr(hash + 1, equals - hash - 1), n) || n == 0 ||
        !ParseWhole(text.substr(equals + 1), status) || status == 0 || status < -32768 || status > 32767) {
        error = "expected fail:Suite.Operation#N=STATUS with N from 1 and a non-zero 16-bit STATUS";
        return std::nullopt;
    }
    return Fault::FailCall(std::string(text.substr(0, hash)), n, static_cast<HostStatus>(status));
}

}  // namespace

std::string DescribeFault(const Fault& fault)
{
    switch (fault.kind) {
    case Fault::Kind::FailCall:
        return "the host failed call " + std::to_string(fault.n) + " of " + fault.operation + " with " +
               std::to_string(fault.status);
    case Fault::Kind::WithholdSuite: return "the host withholds \"" + fault.suite + "\"";
    case Fault::Kind::None: break;
    }
    return {};
}

std::string FormatCaseId(const CaseId& id)
{
    switch (id.kind) {
    case CaseId::Kind::RandomDescriptors:
        return std::string(kDescriptors) + std::to_string(id.seed) + "#" + std::to_string(id.index);
    case CaseId::Kind::RandomDialog:
        return std::string(kDialog) + std::to_string(id.seed) + "#" + std::to_string(id.index);
    case CaseId::Kind::Scenario:
        break;
    }
    switch (id.fault.kind) {
    case Fault::Kind::FailCall:
        return id.scenario + std::string(kFail) + id.fault.operation + "#" + std::to_string(id.fault.n) + "=" +
               std::to_string(id.fault.status);
    case Fault::Kind::WithholdSuite:
        return id.scenario + std::string(kWithhold) + id.fault.suite;
    case Fault::Kind::None:
        break;
    }
    return id.scenario;
}

std::optional<CaseId> ParseCaseId(std::string_view text, std::string& error)
{
    if (StartsWith(text, kDescriptors))
        return ParseRandom(CaseId::Kind::RandomDescriptors, text.substr(kDescriptors.size()), error);
    if (StartsWith(text, kDialog)) return ParseRandom(CaseId::Kind::RandomDialog, text.substr(kDialog.size()), error);

    const size_t slash = text.find('/');
    CaseId id = CaseId::ForScenario(std::string(text.substr(0, slash)));
    if (id.scenario.empty()) {
        error = "the case names no scenario";
        return std::nullopt;
    }
    if (slash == std::string_view::npos) return id;
    const std::string_view fault = text.substr(slash);
    if (StartsWith(fault, kFail)) {
        auto parsed = ParseFail(fault.substr(kFail.size()), error);
        if (!parsed) return std::nullopt;
        id.fault = *parsed;
    } else if (StartsWith(fault, kWithhold) && fault.size() > kWithhold.size()) {
        id.fault = Fault::Withhold(std::string(fault.substr(kWithhold.size())));
    } else {
        error = "expected /fail:... or /withhold:SUITE after the scenario name";
        return std::nullopt;
    }
    return id;
}

}  // namespace kestrow::validate

#include "ReportJson.h"

#include "model/ActionList.h"
#include "model/FourCodeText.h"
#include "model/ItemTypes.h"
#include "model/Reference.h"

#include <cmath>

namespace kestrow::cli {
namespace {

using json = nlohmann::ordered_json;
using host::FourCodeText;

// Whole numbers print without a fraction, as people write them.
json Number(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 9007199254740992.0)
        return static_cast<int64_t>(value);
    return value;
}

json Items(const std::vector<host::Item>& items, bool keyed)
{
    json array = json::array();
    for (const auto& item : items) {
        json entry = ItemToJson(item);
        if (!keyed) entry.erase("key");
        array.push_back(std::move(entry));
    }
    return array;
}

json ReferenceParts(const host::Reference& reference)
{
    json parts = json::array();
    for (const auto& part : reference.Parts()) {
        if (part.form == host::ReferencePart::Form::Property) {
            parts.push_back({{"form", "property"}, {"class", FourCodeText(part.classCode)}, {"key", FourCodeText(part.key)}});
        } else {
            parts.push_back({{"form", "enumerated"}, {"class", FourCodeText(part.classCode)},
                             {"enumType", FourCodeText(part.type)}, {"value", FourCodeText(part.value)}});
        }
    }
    return parts;
}

}  // namespace

json ItemToJson(const host::Item& item)
{
    namespace t = host::itemtype;
    json out = {{"key", FourCodeText(item.key)}, {"type", FourCodeText(item.type)}};
    const auto& v = item.value;
    if (item.type == t::kInteger) out["value"] = std::get<int32_t>(v);
    else if (item.type == t::kFloat) out["value"] = Number(std::get<double>(v));
    else if (item.type == t::kUnitFloat) {
        out["unit"] = FourCodeText(std::get<host::UnitFloat>(v).unit);
        out["value"] = Number(std::get<host::UnitFloat>(v).value);
    } else if (item.type == t::kEnumerated) {
        out["enumType"] = FourCodeText(std::get<host::Enumerated>(v).type);
        out["value"] = FourCodeText(std::get<host::Enumerated>(v).value);
    } else if (item.type == t::kBoolean) out["value"] = std::get<bool>(v);
    else if (item.type == t::kText) out["value"] = std::get<std::string>(v);
    else if (item.type == t::kClass || item.type == t::kGlobalClass)
        out["value"] = FourCodeText(std::get<host::ClassValue>(v).classCode);
    else if (item.type == t::kObject || item.type == t::kGlobalObject) {
        const auto& object = std::get<host::ObjectValue>(v);
        out["class"] = FourCodeText(object.classCode);
        out["value"] = Items(object.descriptor->Items(), true);
    } else if (item.type == t::kList) out["value"] = Items(std::get<host::ListValue>(v)->Items(), false);
    else if (item.type == t::kReference) out["value"] = ReferenceParts(*std::get<host::ReferenceValue>(v));
    else if (item.type == t::kAlias || item.type == t::kPath) out["value"] = std::get<host::AliasValue>(v).path;
    return out;
}

json ReportToJson(const host::RunReport& report)
{
    json events = json::array();
    for (const auto& event : report.events) {
        json entry = {{"event", FourCodeText(event.event)}, {"status", event.status}, {"descriptor", Items(event.items, true)}};
        if (!event.reason.empty()) entry["reason"] = event.reason;
        events.push_back(std::move(entry));
    }
    json document = nullptr;
    if (report.document) {
        document = {{"width", report.document->width}, {"height", report.document->height},
                    {"resolution", Number(report.document->resolution)}};
    }
    json dialogs = json::array();
    for (const auto& run : report.dialogs)
        dialogs.push_back({{"name", run.name}, {"resourceId", run.resourceId}, {"result", run.result}});

    return json{
        {"caller", report.caller},
        {"selector", report.selector},
        {"playOption", report.playOption},
        {"result", report.result},
        {"events", std::move(events)},
        {"recorded", report.recorded ? Items(report.recorded->Items(), true) : json(nullptr)},
        {"recordOption", report.recordOption},
        {"document", std::move(document)},
        {"history", report.history},
        {"dialogs", std::move(dialogs)},
        {"problems", report.Problems()},
    };
}

}  // namespace kestrow::cli

// kestrow resources: what the module declares, read from the module file the
// way the editor reads it: the property list, the event and enumerations of
// the terminology it names, the dialogs with every item, and the icons.
#include "Commands.h"
#include "ReportText.h"
#include "RunSupport.h"

#include "resources/DialogControlKind.h"
#include "resources/DialogResource.h"
#include "resources/IconResource.h"
#include "resources/ModuleResources.h"
#include "resources/PropertyList.h"
#include "resources/ResourceError.h"
#include "resources/Terminology.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <iomanip>
#include <iostream>
#include <memory>

namespace kestrow::cli {
namespace {

namespace res = kestrow::resources;
using nlohmann::json;

struct ResourcesArguments {
    std::string module;
    bool json = false;
};

std::string Hex(uint32_t value, int digits = 8)
{
    char text[11];
    std::snprintf(text, sizeof text, "0x%0*X", digits, value);
    return text;
}

std::vector<uint8_t> Require(const res::ModuleResources& module, const res::ResourceId& type,
                             const res::ResourceId& name, const std::string& what)
{
    auto bytes = module.Find(type, name, res::kLanguageEnglishUS);
    if (!bytes) throw res::ResourceError("the module has no " + what + " (" + type.Describe() + " " + name.Describe() + ")");
    return *bytes;
}

json PluginJson(const res::PluginProperties& p)
{
    json out = json::object();
    if (p.kind) out["kind"] = res::FourCodeText(*p.kind);
    if (p.menuText) out["menuText"] = *p.menuText;
    if (p.category) out["category"] = *p.category;
    if (p.version) out["version"] = std::to_string(*p.version >> 16) + "." + std::to_string(*p.version & 0xFFFF);
    if (p.entryPoint) out["entryPoint"] = *p.entryPoint;
    if (p.enableCondition) out["enableCondition"] = *p.enableCondition;
    if (p.terminology)
        out["terminology"] = {{"resource", p.terminology->resourceId},
                              {"class", res::FourCodeText(p.terminology->classCode)},
                              {"event", res::FourCodeText(p.terminology->eventCode)},
                              {"scope", p.terminology->scope}};
    return out;
}

json FlagsJson(uint16_t flags)
{
    return {{"value", Hex(flags, 4)},
            {"optional", (flags & res::kTermOptional) != 0},
            {"enumerated", (flags & res::kTermEnumerated) != 0},
            {"changesState", (flags & res::kTermChangesState) != 0}};
}

// The event the property list names, and the enumerations of its suite.
json TerminologyJson(const res::ModuleResources& module, const res::TerminologyReference& ref)
{
    const res::Terminology t = res::ParseTerminology(Require(module, "AETE", ref.resourceId, "scripting terminology"));
    for (const res::TermSuite& suite : t.suites) {
        const res::TermEvent* e = suite.FindEvent(ref.classCode, ref.eventCode);
        if (!e) continue;
        json parameters = json::array();
        for (const res::TermParameter& p : e->parameters)
            parameters.push_back({{"name", p.name}, {"key", res::FourCodeText(p.key)},
                                  {"type", res::FourCodeText(p.type)}, {"flags", FlagsJson(p.flags)}});
        json enumerations = json::array();
        for (const res::TermEnumeration& en : suite.enumerations) {
            json values = json::array();
            for (const res::TermEnumValue& v : en.values)
                values.push_back({{"name", v.name}, {"code", res::FourCodeText(v.code)}});
            enumerations.push_back({{"code", res::FourCodeText(en.code)}, {"values", values}});
        }
        return {{"suite", suite.name},
                {"event", {{"name", e->name}, {"class", res::FourCodeText(e->eventClass)},
                           {"code", res::FourCodeText(e->eventCode)}, {"reply", res::FourCodeText(e->replyType)},
                           {"directParameter", {{"type", res::FourCodeText(e->directType)},
                                                {"flags", FlagsJson(e->directFlags)}}},
                           {"parameters", parameters}}},
                {"enumerations", enumerations}};
    }
    throw res::ResourceError("the terminology declares no event '" + res::FourCodeText(ref.classCode) + "' '" +
                             res::FourCodeText(ref.eventCode) + "'");
}

json DialogJson(const res::ModuleResources& module, uint16_t id)
{
    const res::DialogResource d = res::ParseDialogResource(
        Require(module, res::ResourceId(res::types::kDialog), id, "dialog"), "dialog " + std::to_string(id));
    json items = json::array();
    for (const res::DialogResourceItem& item : d.items)
        items.push_back({{"kind", res::ControlKindName(res::KindOf(item))}, {"number", item.id},
                         {"text", item.TextOrNumber()}, {"x", item.x}, {"y", item.y}, {"width", item.width},
                         {"height", item.height}, {"style", Hex(item.style)}, {"tabStop", item.TabStop()}});
    json out = {{"id", id}, {"caption", d.caption}, {"x", d.x}, {"y", d.y}, {"width", d.width},
                {"height", d.height}, {"style", Hex(d.style)}, {"items", items}};
    if (d.hasFont) out["font"] = {{"typeface", d.font.typeface}, {"pointSize", d.font.pointSize}};
    return out;
}

json IconJson(const res::ModuleResources& module, uint16_t id)
{
    const std::optional<res::Icon> icon = res::LoadModuleIcon(module, id, res::kLanguageEnglishUS);
    if (!icon) throw res::ResourceError("icon " + std::to_string(id) + " is not in language 1033");
    json images = json::array();
    for (const res::IconImage& image : icon->images) {
        const long colours = image.paletteSize != 0 ? image.paletteSize : (1L << std::min(image.bitCount, 24));
        images.push_back({{"width", image.width}, {"height", image.height}, {"bitsPerPixel", image.bitCount},
                          {"colours", colours}});
    }
    return {{"id", id}, {"images", images}};
}

std::vector<uint16_t> NumberedNames(const res::ModuleResources& module, const res::ResourceId& type)
{
    std::vector<uint16_t> numbers;
    for (const res::ResourceId& name : module.Names(type))
        if (name.IsNumber()) numbers.push_back(name.Number());
    return numbers;
}

json Declarations(const std::string& path)
{
    const std::unique_ptr<res::ModuleResources> module = res::OpenModuleResources(path);
    const res::PluginProperties plugin =
        res::DescribePlugin(res::ParsePropertyList(Require(*module, "PIPL", 16000, "property list")));
    json out = {{"module", path}, {"plugin", PluginJson(plugin)}};
    if (plugin.terminology) out["terminology"] = TerminologyJson(*module, *plugin.terminology);
    out["dialogs"] = json::array();
    for (uint16_t id : NumberedNames(*module, res::ResourceId(res::types::kDialog)))
        out["dialogs"].push_back(DialogJson(*module, id));
    out["icons"] = json::array();
    for (uint16_t id : NumberedNames(*module, res::ResourceId(res::types::kGroupIcon)))
        out["icons"].push_back(IconJson(*module, id));
    return out;
}

std::string FlagWords(const json& flags)
{
    std::string words = flags["optional"].get<bool>() ? "optional" : "required";
    if (flags["enumerated"].get<bool>()) words += ", enumerated";
    if (flags["changesState"].get<bool>()) words += ", changes state";
    return words;
}

void PrintDeclarations(const json& d, std::ostream& out)
{
    out << "Module " << d["module"].get<std::string>() << "\n\nPlug-in\n";
    const std::pair<const char*, const char*> fields[] = {{"kind", "kind"},         {"menuText", "menu text"},
                                                          {"category", "category"}, {"version", "version"},
                                                          {"entryPoint", "entry point"},
                                                          {"enableCondition", "enabled when"}};
    for (const auto& [key, label] : fields)
        if (d["plugin"].contains(key))
            out << "  " << std::left << std::setw(17) << label << d["plugin"][key].get<std::string>() << "\n";
    if (d.contains("terminology")) {
        const json& ref = d["plugin"]["terminology"];
        const json& event = d["terminology"]["event"];
        out << "  terminology      resource " << ref["resource"] << ", event '" << ref["class"].get<std::string>()
            << "' '" << ref["event"].get<std::string>() << "', scope " << Quoted(ref["scope"]) << "\n\n";
        out << "Event " << Quoted(event["name"]) << " on '" << event["directParameter"]["type"].get<std::string>()
            << "' (" << FlagWords(event["directParameter"]["flags"]) << "), reply '"
            << event["reply"].get<std::string>() << "'\n";
        for (const json& p : event["parameters"])
            out << "  " << std::left << std::setw(12) << p["name"].get<std::string>() << "'" << p["key"].get<std::string>()
                << "' '" << p["type"].get<std::string>() << "'  " << FlagWords(p["flags"]) << "\n";
        for (const json& e : d["terminology"]["enumerations"]) {
            out << "Enumeration '" << e["code"].get<std::string>() << "'\n";
            for (const json& v : e["values"])
                out << "  " << std::left << std::setw(12) << v["name"].get<std::string>() << "'"
                    << v["code"].get<std::string>() << "'\n";
        }
    }
    for (const json& dialog : d["dialogs"]) {
        out << "\nDialog " << dialog["id"] << " " << Quoted(dialog["caption"]) << ", " << dialog["width"] << " x "
            << dialog["height"] << ", style " << dialog["style"].get<std::string>();
        if (dialog.contains("font"))
            out << ", " << dialog["font"]["typeface"].get<std::string>() << " " << dialog["font"]["pointSize"];
        out << "\n";
        for (const json& item : dialog["items"]) {
            const std::string place = std::to_string(item["x"].get<int>()) + "," + std::to_string(item["y"].get<int>());
            const std::string size = std::to_string(item["width"].get<int>()) + "x" + std::to_string(item["height"].get<int>());
            out << "  " << std::left << std::setw(20) << item["kind"].get<std::string>() << std::setw(7)
                << item["number"].get<int>() << std::setw(9) << place << std::setw(8) << size
                << item["style"].get<std::string>() << (item["tabStop"].get<bool>() ? "  tab " : "      ")
                << Quoted(item["text"]) << "\n";
        }
    }
    out << "\nIcons\n";
    for (const json& icon : d["icons"]) {
        out << "  " << icon["id"];
        for (const json& image : icon["images"])
            out << "  " << image["width"] << "x" << image["height"] << " " << image["colours"] << " colours";
        out << "\n";
    }
}

int RunResources(const ResourcesArguments& arguments)
{
    const std::string path = arguments.module.empty() ? DefaultModulePath() : arguments.module;
    const json declarations = Declarations(path);
    if (arguments.json) std::cout << declarations.dump(2) << "\n";
    else PrintDeclarations(declarations, std::cout);
    return 0;
}

}  // namespace

void AddResourcesCommand(CLI::App& command, int& exitStatus)
{
    auto arguments = std::make_shared<ResourcesArguments>();
    command.add_flag("--json", arguments->json, "Print the declarations as JSON");
    command.add_option("--module", arguments->module, "The plug-in module to read (default: the one built with kestrow)");
    command.callback([arguments, &exitStatus] { exitStatus = RunResources(*arguments); });
}

}  // namespace kestrow::cli

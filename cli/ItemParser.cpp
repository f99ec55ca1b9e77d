#include "ItemParser.h"

#include "model/ActionList.h"
#include "model/Descriptor.h"
#include "model/FourCodeText.h"
#include "model/ItemTypes.h"
#include "model/Reference.h"

#include <charconv>
#include <cmath>

namespace kestrow::cli {
namespace {

using host::FourCodeFromText;
using host::FourCodeText;

ItemParse Fail(std::string_view text, const std::string& why)
{
    return ItemParse{std::nullopt, "bad item '" + std::string(text) + "': " + why};
}

std::string_view WithoutPlus(std::string_view text)
{
    if (text.size() > 1 && text[0] == '+' && text[1] != '-') text.remove_prefix(1);
    return text;
}

std::optional<int32_t> ParseInteger(std::string_view text)
{
    text = WithoutPlus(text);
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// A code of one to four printable characters, or the reason it is not one.
std::optional<FourCode> ParseCode(std::string_view text, const char* what, std::string& why)
{
    if (auto code = FourCodeFromText(text)) return code;
    why = std::string(what) + " '" + std::string(text) + "' must be one to four printable characters";
    return std::nullopt;
}

std::string Trimmed(FourCode code)
{
    std::string text = FourCodeText(code);
    if (text.size() == 4 && text.rfind("0x", 0) != 0)
        while (!text.empty() && text.back() == ' ') text.pop_back();
    return text.empty() ? " " : text;
}

std::string FormatValue(const host::Item& item);

std::string FormatItems(const std::vector<host::Item>& items)
{
    std::string text = "{";
    for (size_t i = 0; i < items.size(); ++i) text += (i ? " " : "") + FormatItem(items[i]);
    return text + "}";
}

std::string FormatValue(const host::Item& item)
{
    namespace t = host::itemtype;
    const auto& v = item.value;
    if (item.type == t::kInteger) return "int:" + std::to_string(std::get<int32_t>(v));
    if (item.type == t::kFloat) return FormatNumber(std::get<double>(v));
    if (item.type == t::kUnitFloat) {
        const auto& u = std::get<host::UnitFloat>(v);
        return "unit:" + Trimmed(u.unit) + ":" + FormatNumber(u.value);
    }
    if (item.type == t::kEnumerated) {
        const auto& e = std::get<host::Enumerated>(v);
        // The type 'int ' keeps its blank, or it would read back as the integer form.
        const std::string type = Trimmed(e.type) == "int" ? FourCodeText(e.type) : Trimmed(e.type);
        return type + ":" + Trimmed(e.value);
    }
    if (item.type == t::kText) return "text:" + std::get<std::string>(v);
    if (item.type == t::kBoolean) return std::string("bool:") + (std::get<bool>(v) ? "true" : "false");
    if (item.type == t::kClass || item.type == t::kGlobalClass)
        return Trimmed(item.type) + ":" + Trimmed(std::get<host::ClassValue>(v).classCode);
    if (item.type == t::kObject || item.type == t::kGlobalObject) {
        const auto& o = std::get<host::ObjectValue>(v);
        return Trimmed(item.type) + ":" + Trimmed(o.classCode) + FormatItems(o.descriptor->Items());
    }
    if (item.type == t::kList) return "VlLs:" + FormatItems(std::get<host::ListValue>(v)->Items());
    if (item.type == t::kReference) return "obj:" + std::to_string(std::get<host::ReferenceValue>(v)->Parts().size()) + " parts";
    if (item.type == t::kAlias || item.type == t::kPath)
        return Trimmed(item.type) + ":" + std::get<host::AliasValue>(v).path;
    return Trimmed(item.type) + ":?";
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text)
{
    text = WithoutPlus(text);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

ItemParse ParseItem(std::string_view text)
{
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos) return Fail(text, "expected KEY=VALUE");
    std::string why;
    const auto key = ParseCode(text.substr(0, equals), "key", why);
    if (!key) return Fail(text, why);
    const std::string_view value = text.substr(equals + 1);
    const size_t colon = value.find(':');

    if (colon == std::string_view::npos) {
        const auto number = ParseNumber(value);
        if (!number) return Fail(text, "'" + std::string(value) + "' is not a finite decimal number");
        return ItemParse{host::Item{*key, host::itemtype::kFloat, *number}, ""};
    }
    const std::string_view form = value.substr(0, colon);
    const std::string_view rest = value.substr(colon + 1);
    if (form == "int") {
        const auto integer = ParseInteger(rest);
        if (!integer) return Fail(text, "'" + std::string(rest) + "' is not a 32-bit integer");
        return ItemParse{host::Item{*key, host::itemtype::kInteger, *integer}, ""};
    }
    if (form == "text") return ItemParse{host::Item{*key, host::itemtype::kText, std::string(rest)}, ""};
    if (form == "unit") {
        const size_t second = rest.find(':');
        if (second == std::string_view::npos) return Fail(text, "expected unit:UNIT:NUMBER");
        const auto unit = ParseCode(rest.substr(0, second), "unit", why);
        if (!unit) return Fail(text, why);
        const std::string_view digits = rest.substr(second + 1);
        const auto number = ParseNumber(digits);
        if (!number) return Fail(text, "'" + std::string(digits) + "' is not a finite decimal number");
        return ItemParse{host::Item{*key, host::itemtype::kUnitFloat, host::UnitFloat{*unit, *number}}, ""};
    }
    const auto type = ParseCode(form, "enumeration type", why);
    if (!type) return Fail(text, why);
    const auto enumValue = ParseCode(rest, "enumeration value", why);
    if (!enumValue) return Fail(text, why);
    return ItemParse{host::Item{*key, host::itemtype::kEnumerated, host::Enumerated{*type, *enumValue}}, ""};
}

DescriptorParse BuildDescriptor(const std::vector<std::string>& items, bool empty)
{
    if (empty && !items.empty()) return {std::nullopt, "--empty cannot be combined with items"};
    if (items.empty() && !empty) return {std::nullopt, ""};
    host::Descriptor descriptor;
    for (const auto& text : items) {
        ItemParse parsed = ParseItem(text);
        if (!parsed.item) return {std::nullopt, parsed.error};
        descriptor.Put(parsed.item->key, parsed.item->type, std::move(parsed.item->value));
    }
    return {std::move(descriptor), ""};
}

std::string FormatNumber(double value)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc()) return "?";
    return std::string(buffer, end);
}

std::string FormatItem(const host::Item& item) { return Trimmed(item.key) + "=" + FormatValue(item); }

}  // namespace kestrow::cli

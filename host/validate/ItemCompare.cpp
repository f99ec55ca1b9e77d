#include "validate/ItemCompare.h"

#include "model/FourCodeText.h"
#include "model/ItemTypes.h"

#include <algorithm>
#include <cmath>
#include <charconv>

namespace kestrow::validate {

using host::FourCodeText;
using host::Item;

bool NumbersAgree(double expected, double actual)
{
    if (std::isnan(expected) || std::isnan(actual)) return std::isnan(expected) && std::isnan(actual);
    if (std::isinf(expected) || std::isinf(actual)) return expected == actual;
    const double scale = std::max({1.0, std::fabs(expected), std::fabs(actual)});
    return std::fabs(expected - actual) <= 1e-9 * scale;
}

std::string DescribeNumber(double value)
{
    // The shortest text that reads back as the same number.
    char text[64];
    const auto [end, error] = std::to_chars(text, text + sizeof text, value);
    return error == std::errc() ? std::string(text, end) : "?";
}

std::string DescribeItem(const Item& item)
{
    namespace t = host::itemtype;
    const std::string key = FourCodeText(item.key) + "=";
    if (item.type == t::kFloat) return key + DescribeNumber(std::get<double>(item.value));
    if (item.type == t::kInteger) return key + "int:" + std::to_string(std::get<int32_t>(item.value));
    if (item.type == t::kUnitFloat) {
        const auto& u = std::get<host::UnitFloat>(item.value);
        return key + FourCodeText(u.unit) + ":" + DescribeNumber(u.value);
    }
    if (item.type == t::kEnumerated) {
        const auto& e = std::get<host::Enumerated>(item.value);
        return key + FourCodeText(e.type) + ":" + FourCodeText(e.value);
    }
    return key + "<" + FourCodeText(item.type) + ">";
}

std::string DescribeItems(const std::vector<Item>& items)
{
    std::string text = "{";
    for (size_t i = 0; i < items.size(); ++i) text += (i ? " " : "") + DescribeItem(items[i]);
    return text + "}";
}

namespace {

bool ValuesAgree(const Item& expected, const Item& actual)
{
    namespace t = host::itemtype;
    if (expected.value.index() != actual.value.index()) return false;
    if (expected.type == t::kFloat) return NumbersAgree(std::get<double>(expected.value), std::get<double>(actual.value));
    if (expected.type == t::kInteger) return std::get<int32_t>(expected.value) == std::get<int32_t>(actual.value);
    if (expected.type == t::kUnitFloat) {
        const auto& e = std::get<host::UnitFloat>(expected.value);
        const auto& a = std::get<host::UnitFloat>(actual.value);
        return e.unit == a.unit && NumbersAgree(e.value, a.value);
    }
    if (expected.type == t::kEnumerated) {
        const auto& e = std::get<host::Enumerated>(expected.value);
        const auto& a = std::get<host::Enumerated>(actual.value);
        return e.type == a.type && e.value == a.value;
    }
    return false;  // the module only ever makes the four kinds above
}

}  // namespace

std::optional<std::string> CompareItems(const std::vector<Item>& expected, const std::vector<Item>& actual)
{
    const bool same = expected.size() == actual.size() &&
                      std::equal(expected.begin(), expected.end(), actual.begin(), [](const Item& e, const Item& a) {
                          return e.key == a.key && e.type == a.type && ValuesAgree(e, a);
                      });
    if (same) return std::nullopt;
    return "expected " + DescribeItems(expected) + ", got " + DescribeItems(actual);
}

}  // namespace kestrow::validate

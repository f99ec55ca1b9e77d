// The command line's descriptor items on arbitrary text: an item is either
// refused with a message or read, and an item that was read prints as a
// text that reads back as the same item.
#include "ItemParser.h"

#include "model/ItemTypes.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace {

using namespace kestrow;

bool SameValue(const host::Item& a, const host::Item& b)
{
    namespace t = host::itemtype;
    if (a.key != b.key || a.type != b.type) return false;
    if (a.type == t::kFloat) {
        const double x = std::get<double>(a.value), y = std::get<double>(b.value);
        return std::memcmp(&x, &y, sizeof x) == 0;
    }
    if (a.type == t::kUnitFloat) {
        const auto x = std::get<host::UnitFloat>(a.value), y = std::get<host::UnitFloat>(b.value);
        return x.unit == y.unit && std::memcmp(&x.value, &y.value, sizeof x.value) == 0;
    }
    if (a.type == t::kInteger) return std::get<int32_t>(a.value) == std::get<int32_t>(b.value);
    if (a.type == t::kText) return std::get<std::string>(a.value) == std::get<std::string>(b.value);
    if (a.type == t::kEnumerated) {
        const auto x = std::get<host::Enumerated>(a.value), y = std::get<host::Enumerated>(b.value);
        return x.type == y.type && x.value == y.value;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const cli::ItemParse parsed = cli::ParseItem(text);
    if (!parsed.item) {
        if (parsed.error.empty()) __builtin_trap();  // a refusal must say why
        return 0;
    }
    const std::string printed = cli::FormatItem(*parsed.item);
    const cli::ItemParse again = cli::ParseItem(printed);
    if (!again.item || !SameValue(*parsed.item, *again.item)) __builtin_trap();
    return 0;
}

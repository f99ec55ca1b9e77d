#include "editor/CanvasSizeEvent.h"

#include "model/FourCodeText.h"
#include "model/ItemTypes.h"
#include "model/StatusCodes.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <tuple>

namespace kestrow::host {
namespace {

constexpr FourCode kPixels = FourCC("#Pxl");
constexpr FourCode kPoints = FourCC("#Rlt");

struct Refusal {
    HostStatus status;
    std::string reason;
};

// Resolves one dimension to whole pixels, or says why it cannot be made.
std::optional<Refusal> ReadDimension(const Descriptor& descriptor, FourCode key, double resolution, int32_t& pixels)
{
    const Item* item = descriptor.Find(key);
    const std::string name = FourCodeText(key);
    if (!item) return std::nullopt;
    if (item->type != itemtype::kUnitFloat)
        return Refusal{status::kWrongType, name + " is '" + FourCodeText(item->type) + "', not a unit float"};
    const auto [unit, value] = std::get<UnitFloat>(item->value);
    if (unit != kPixels && unit != kPoints)
        return Refusal{status::kBadValue, name + " has unit '" + FourCodeText(unit) + "'; only #Pxl and #Rlt are accepted"};
    if (!std::isfinite(value)) return Refusal{status::kBadValue, name + " is not a finite number"};
    const double exact = unit == kPixels ? value : value * resolution / 72.0;
    const double rounded = std::round(exact);
    if (rounded < kMinCanvasPixels || rounded > kMaxCanvasPixels) {
        char pixels[32];
        std::snprintf(pixels, sizeof pixels, "%.6g", exact);
        return Refusal{status::kBadValue, name + " of " + pixels + " pixels is outside 1 to 300000 pixels"};
    }
    pixels = static_cast<int32_t>(rounded);
    return std::nullopt;
}

// Where along one axis the old image lands: 0 (start), 1 (centre) or 2
// (end). An alignment is needed only for an axis whose size the event sets;
// when given, it must be one of the three values of its type.
struct Alignment {
    std::optional<int> position;
    bool present;
};

Alignment ReadAlignment(const Descriptor& descriptor, FourCode key, FourCode type, const FourCode (&values)[3])
{
    if (!descriptor.Has(key)) return Alignment{std::nullopt, false};
    const auto alignment = descriptor.GetEnumerated(key);
    if (alignment && alignment->type == type)
        for (int i = 0; i < 3; ++i)
            if (alignment->value == values[i]) return Alignment{i, true};
    return Alignment{std::nullopt, true};
}

int32_t Offset(int position, int32_t oldSize, int32_t newSize)
{
    const int32_t grown = newSize - oldSize;
    return position == 0 ? 0 : position == 1 ? grown / 2 : grown;
}

}  // namespace

CanvasSizePlan PlanCanvasSize(const Descriptor& descriptor, const Document& document)
{
    static constexpr FourCode kHorizontal[3] = {FourCC("Left"), FourCC("Cntr"), FourCC("Rght")};
    static constexpr FourCode kVertical[3] = {FourCC("Top "), FourCC("Cntr"), FourCC("Bttm")};
    CanvasSizePlan plan;
    int32_t width = document.Width();
    int32_t height = document.Height();
    for (auto [key, target] : {std::pair{FourCC("Wdth"), &width}, std::pair{FourCC("Hght"), &height}}) {
        if (auto refusal = ReadDimension(descriptor, key, document.Resolution(), *target)) {
            plan.status = refusal->status;
            plan.reason = refusal->reason;
            return plan;
        }
    }
    const Alignment horizontal = ReadAlignment(descriptor, FourCC("Hrzn"), FourCC("HrzL"), kHorizontal);
    const Alignment vertical = ReadAlignment(descriptor, FourCC("Vrtc"), FourCC("VrtL"), kVertical);
    for (auto [name, alignment, sized] : {std::tuple{"Hrzn", horizontal, descriptor.Has(FourCC("Wdth"))},
                                         std::tuple{"Vrtc", vertical, descriptor.Has(FourCC("Hght"))}}) {
        if (alignment.present && !alignment.position) {
            plan.status = status::kBadValue;
            plan.reason = std::string(name) + " alignment is not one of its three values";
            return plan;
        }
        if (sized && !alignment.present) {
            plan.status = status::kBadValue;
            plan.reason = std::string(name) + " alignment is missing";
            return plan;
        }
    }
    plan.change = CanvasChange{document.Width(), document.Height(), width, height,
                               Offset(horizontal.position.value_or(1), document.Width(), width),
                               Offset(vertical.position.value_or(1), document.Height(), height)};
    return plan;
}

}  // namespace kestrow::host

#include "validate/RecordingCheck.h"

#include "model/FourCodeText.h"
#include "model/ItemTypes.h"
#include "validate/ItemCompare.h"

#include <algorithm>
#include <vector>

namespace kestrow::validate {
namespace {

using host::FourCodeText;

bool OneOf(FourCode code, std::initializer_list<FourCode> codes)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// The keys of one mode in the order they are written; 'RlrU' ends both.
const std::vector<FourCode> kAbsoluteOrder = {FourCC("Wdth"), FourCC("Hght"), FourCC("Hrzn"), FourCC("Vrtc")};
const std::vector<FourCode> kRelativeOrder = {FourCC("Top "), FourCC("Left"), FourCC("Btom"), FourCC("Rght")};

std::optional<std::string> CheckItem(const host::Item& item)
{
    namespace t = host::itemtype;
    const std::string key = "'" + FourCodeText(item.key) + "'";
    if (item.key == FourCC("RlrU")) {
        const auto* units = std::get_if<host::Enumerated>(&item.value);
        if (item.type != t::kEnumerated || !units || units->type != FourCC("RlrU") ||
            !OneOf(units->value, {FourCC("RrPx"), FourCC("RrPr"), FourCC("RrMm"), FourCC("RrCm"), FourCC("RrIn"),
                                  FourCC("RrPt"), FourCC("RrPi")}))
            return "the recorded job unit is " + DescribeItem(item) + ", not one of the seven 'RlrU' units";
        return std::nullopt;
    }
    if (item.key == FourCC("Hrzn") || item.key == FourCC("Vrtc")) {
        const bool horizontal = item.key == FourCC("Hrzn");
        const auto* anchor = std::get_if<host::Enumerated>(&item.value);
        const bool valid = item.type == t::kEnumerated && anchor && anchor->type == FourCC("ADSt") &&
                           (horizontal ? OneOf(anchor->value, {FourCC("AdLf"), FourCC("AdCH"), FourCC("AdRg")})
                                       : OneOf(anchor->value, {FourCC("AdTp"), FourCC("AdCH"), FourCC("AdBt")}));
        if (!valid) return "the recorded anchor " + DescribeItem(item) + " is not one of its axis";
        return std::nullopt;
    }
    if (item.type != t::kFloat) return "the recorded " + key + " is not a number ('doub')";
    const bool margin = std::find(kRelativeOrder.begin(), kRelativeOrder.end(), item.key) != kRelativeOrder.end();
    if (margin && std::get<double>(item.value) == 0.0) return "the margin " + key + " is recorded although it is 0";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckRecording(const host::Descriptor& recorded)
{
    const auto& items = recorded.Items();
    if (items.empty() || items.back().key != FourCC("RlrU"))
        return "the recording lacks the job unit 'RlrU' at its end";

    std::vector<FourCode> keys;
    for (const auto& item : items) {
        if (auto problem = CheckItem(item)) return *problem;
        if (item.key != FourCC("RlrU")) keys.push_back(item.key);
    }
    const auto inOrder = [&](const std::vector<FourCode>& order) {
        auto at = order.begin();
        for (FourCode key : keys) {
            at = std::find(at, order.end(), key);
            if (at == order.end()) return false;
            ++at;
        }
        return true;
    };
    if (!inOrder(kAbsoluteOrder) && !inOrder(kRelativeOrder))
        return "the recording mixes the keys of the two modes, or has them out of order";
    const auto has = [&](const char (&key)[5]) { return recorded.Has(FourCC(key)); };
    if (has("Wdth") != has("Hrzn") || has("Hght") != has("Vrtc"))
        return "the recording has a size without its anchor, or an anchor without its size";
    return std::nullopt;
}

}  // namespace kestrow::validate

#include "validate/RandomInput.h"

#include "model/ActionList.h"
#include "model/ItemTypes.h"
#include "model/Reference.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace kestrow::validate {
namespace {

using host::Descriptor;

const std::vector<FourCode> kSizeKeys = {FourCC("Wdth"), FourCC("Hght"), FourCC("Top "),
                                         FourCC("Left"), FourCC("Btom"), FourCC("Rght")};
const std::vector<FourCode> kAnchorKeys = {FourCC("Hrzn"), FourCC("Vrtc")};
const std::vector<FourCode> kOtherKeys = {FourCC("RlrU"), FourCC("Wdt "), FourCC("wdth"), FourCC("Nm  "),
                                          FourCC("Rslt"), FourCC("Unfm"), 0, 0xFFFFFFFFu};
const std::vector<FourCode> kAnchorCodes = {FourCC("AdLf"), FourCC("AdCH"), FourCC("AdRg"), FourCC("AdTp"),
                                            FourCC("AdBt"), FourCC("Left"), FourCC("Cntr"), FourCC("Rght"),
                                            FourCC("Top "), FourCC("Bttm"), FourCC("adlf"), 0};
const std::vector<FourCode> kUnitCodes = {FourCC("RrPx"), FourCC("RrPr"), FourCC("RrMm"), FourCC("RrCm"),
                                          FourCC("RrIn"), FourCC("RrPt"), FourCC("RrPi"), FourCC("RrXx"),
                                          FourCC("#Pxl"), 0, 0xFFFFFFFFu};
const std::vector<FourCode> kEnumTypes = {FourCC("ADSt"), FourCC("RlrU"), FourCC("HrzL"), FourCC("VrtL"), 0};
const std::vector<FourCode> kUnits = {FourCC("#Pxl"), FourCC("#Rlt"), FourCC("#Prc"), FourCC("#Mlm"), 0};

FourCode AnyCode(Random& random) { return random.Chance(50) ? random.Bits32() : random.Pick(kOtherKeys); }

FourCode ChooseKey(Random& random)
{
    const auto choice = random.Below(10);
    if (choice < 5) return random.Pick(kSizeKeys);
    if (choice < 7) return random.Pick(kAnchorKeys);
    if (choice < 9) return FourCC("RlrU");
    return AnyCode(random);
}

std::string RandomText(Random& random)
{
    static const std::vector<std::string> texts = {"", "AdLf", "RrMm", "800", "nan", std::string(300, 'x'), "\xff\xfe"};
    return random.Pick(texts);
}

Descriptor SmallDescriptor(Random& random)
{
    Descriptor d;
    d.PutFloat(FourCC("Wdth"), RandomNumber(random));
    d.PutEnumerated(FourCC("Hrzn"), FourCC("ADSt"), random.Pick(kAnchorCodes));
    return d;
}

// An item of a type the key does not normally hold.
void PutStrange(Descriptor& d, FourCode key, Random& random)
{
    switch (random.Below(9)) {
    case 0: d.PutString(key, RandomText(random)); break;
    case 1: d.PutBoolean(key, random.Chance(50)); break;
    case 2: d.PutClass(key, AnyCode(random)); break;
    case 3: d.PutGlobalClass(key, AnyCode(random)); break;
    case 4: d.PutObject(key, FourCC("Objc"), SmallDescriptor(random)); break;
    case 5: d.PutGlobalObject(key, AnyCode(random), Descriptor()); break;
    case 6: {
        host::ActionList list;
        list.Append(host::itemtype::kFloat, RandomNumber(random));
        list.Append(host::itemtype::kInteger, int32_t(random.Bits32()));
        d.PutList(key, list);
        break;
    }
    case 7: {
        host::Reference reference;
        reference.AddEnumerated(FourCC("Dcmn"), FourCC("Ordn"), FourCC("Trgt"));
        d.PutReference(key, reference);
        break;
    }
    default: random.Chance(50) ? d.PutAlias(key, "/tmp/x") : d.PutPath(key, RandomText(random)); break;
    }
}

void PutRandomItem(Descriptor& d, Random& random)
{
    const FourCode key = ChooseKey(random);
    const bool isSize = std::find(kSizeKeys.begin(), kSizeKeys.end(), key) != kSizeKeys.end();
    const bool isAnchor = key == FourCC("Hrzn") || key == FourCC("Vrtc");
    const auto form = random.Below(20);
    if (isSize && form < 12) return d.PutFloat(key, RandomNumber(random));
    if (isAnchor && form < 13) return d.PutEnumerated(key, random.Chance(75) ? FourCC("ADSt") : random.Pick(kEnumTypes),
                                                      random.Pick(kAnchorCodes));
    if (key == FourCC("RlrU") && form < 13)
        return d.PutEnumerated(key, random.Chance(75) ? FourCC("RlrU") : random.Pick(kEnumTypes), random.Pick(kUnitCodes));
    if (form < 15) return d.PutInteger(key, random.Chance(70) ? int32_t(random.Between(-1000, 5000)) : int32_t(random.Bits32()));
    if (form < 17) return d.PutUnitFloat(key, random.Pick(kUnits), RandomNumber(random));
    if (form < 18) return d.PutEnumerated(key, random.Pick(kEnumTypes), AnyCode(random));
    if (form < 19) return d.PutFloat(key, RandomNumber(random));
    PutStrange(d, key, random);
}

}  // namespace

double RandomNumber(Random& random)
{
    static const std::vector<double> special = {
        0.0, -0.0, 1, -1, 0.5, 0.0001, 0.00005, 100, 300000, 300001, 1e-300, 5e-324, 2147483648.0, -2147483649.0,
        1e15, 1e300, -1e300, std::numeric_limits<double>::max(), std::numeric_limits<double>::quiet_NaN(),
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    switch (random.Below(4)) {
    case 0: return random.Pick(special);
    case 1: return random.Real(-500, 500);
    default: return double(random.Between(-200, 3000));
    }
}

Descriptor RandomDescriptor(Random& random)
{
    Descriptor d;
    const auto count = random.Below(9);
    for (uint64_t i = 0; i < count; ++i) PutRandomItem(d, random);
    return d;
}

DocumentSize RandomDocument(Random& random)
{
    static const std::vector<double> resolutions = {72, 72, 300, 150, 96, 1, 0.5, 2400, 29999.5};
    DocumentSize size;
    const auto extent = [&random]() -> int32_t {
        switch (random.Below(10)) {
        case 0: return 1;
        case 1: return 300000;
        case 2: return int32_t(random.Between(1, 300000));
        default: return int32_t(random.Between(1, 5000));
        }
    };
    size.width = extent();
    size.height = extent();
    size.resolution = random.Chance(70) ? random.Pick(resolutions) : random.Real(1, 1200);
    return size;
}

Scenario RandomDescriptorSession(uint64_t seed, unsigned index)
{
    Random random(seed, index * 2ull);
    Scenario session;
    session.name = "descriptors";
    session.document = RandomDocument(random);
    const auto runs = 1 + random.Below(8);
    for (uint64_t i = 0; i < runs; ++i) {
        Step step;
        const auto what = random.Below(100);
        if (what < 6) {
            step.kind = Step::Kind::OpenDocument;
            step.document = RandomDocument(random);
        } else if (what < 10) {
            step.kind = Step::Kind::Reload;
        } else if (what < 14) {
            static const std::vector<std::pair<const char*, const char*>> pairs = {
                {"SP Interface", "About"}, {"SP Interface", "Do It"}, {"PS Photoshop", "Prepare"}, {"", "Do It"}};
            const auto& pair = random.Pick(pairs);
            step.request.caller = pair.first;
            step.request.selector = pair.second;
        } else {
            static const std::vector<int32_t> options = {2, 2, 2, 0, 3, -1};
            step.request.playOption = random.Pick(options);
            step.request.passParameters = !random.Chance(4);
            const auto shape = random.Below(10);
            if (shape > 0) step.request.descriptor = shape == 1 ? Descriptor() : RandomDescriptor(random);
        }
        session.steps.push_back(std::move(step));
    }
    return session;
}

}  // namespace kestrow::validate

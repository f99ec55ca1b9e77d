#include "validate/PlaybackModel.h"

#include "editor/CanvasSizeEvent.h"
#include "model/FourCodeText.h"
#include "model/ItemTypes.h"
#include "validate/ItemCompare.h"

#include <optional>

namespace kestrow::validate {
namespace {

using host::Descriptor;
using host::Item;

struct ExecutionUnit {
    double factor;
    FourCode eventUnit;
    bool pixelFlag;
};

ExecutionUnit ExecutionUnitFor(int32_t index, bool relative)
{
    switch (index) {
    case 0: return {1, FourCC("#Pxl"), true};
    case 1: return {relative ? 0.01 : 1, FourCC("#Pxl"), true};
    case 2: return {2.834645669291339, FourCC("#Rlt"), false};
    case 3: return {28.346456692913385, FourCC("#Rlt"), false};
    case 4: return {72, FourCC("#Rlt"), false};
    case 5: return {1, FourCC("#Rlt"), false};
    case 6: return {12, FourCC("#Rlt"), false};
    default: return {1, FourCC("#Pxl"), false};
    }
}

const FourCode kUnitCodes[7] = {FourCC("RrPx"), FourCC("RrPr"), FourCC("RrMm"), FourCC("RrCm"),
                                FourCC("RrIn"), FourCC("RrPt"), FourCC("RrPi")};

int32_t UnitsIndexOf(FourCode code)
{
    for (int32_t i = 1; i < 7; ++i)
        if (kUnitCodes[i] == code) return i;
    return 0;
}

int32_t AlignmentIndex(FourCode code)
{
    if (code == FourCC("AdLf") || code == FourCC("AdTp")) return 1;
    if (code == FourCC("AdCH")) return 2;
    if (code == FourCC("AdRg") || code == FourCC("AdBt")) return 3;
    return 0;
}

FourCode AnchorCode(int32_t anchor, bool horizontal)
{
    if (anchor < 1 || anchor > 9) return 0;
    const int32_t step = horizontal ? (anchor - 1) % 3 : (anchor - 1) / 3;
    static const FourCode columns[3] = {FourCC("AdLf"), FourCC("AdCH"), FourCC("AdRg")};
    static const FourCode rows[3] = {FourCC("AdTp"), FourCC("AdCH"), FourCC("AdBt")};
    return horizontal ? columns[step] : rows[step];
}

FourCode EventAlignment(int32_t anchor, bool horizontal)
{
    const bool inside = anchor >= 1 && anchor <= 9;
    const int32_t step = inside ? (horizontal ? (anchor - 1) % 3 : (anchor - 1) / 3) : 2;
    static const FourCode columns[3] = {FourCC("Left"), FourCC("Cntr"), FourCC("Rght")};
    static const FourCode rows[3] = {FourCC("Top "), FourCC("Cntr"), FourCC("Bttm")};
    return horizontal ? columns[step] : rows[step];
}

// The document's size as the module measures it: the host answers points
// and the resolution; with the pixel flag the module turns points into pixels.
struct Measure {
    double width, height;
};

Measure MeasureDocument(const host::Document& document, bool pixelFlag)
{
    const double r = document.Resolution();
    Measure m{document.Width() * 72.0 / r, document.Height() * 72.0 / r};
    if (r != 72.0 && pixelFlag) {
        m.width = (r * m.width) * 0.013888888888888888;
        m.height = (r * m.height) * 0.013888888888888888;
    }
    return m;
}

Item UnitFloatItem(FourCode key, FourCode unit, double value)
{
    return Item{key, host::itemtype::kUnitFloat, host::UnitFloat{unit, value}};
}

Item EnumItem(FourCode key, FourCode type, FourCode value)
{
    return Item{key, host::itemtype::kEnumerated, host::Enumerated{type, value}};
}

// Replays the events the host applied, so each expected event is worked
// out from the document as the module measured it at that point.
class Replay {
public:
    explicit Replay(const host::DocumentState& before)
        : document_(before.id, before.width, before.height, before.resolution) {}
    const host::Document& Document() const { return document_; }
    void Apply(const host::PlayedEvent& event)
    {
        if (event.status != 0) return;
        Descriptor d;
        for (const auto& item : event.items) d.Put(item.key, item.type, item.value);
        const host::CanvasSizePlan plan = host::PlanCanvasSize(d, document_);
        if (plan.status == 0) document_.Apply(plan.change);
    }

private:
    host::Document document_;
};

}  // namespace

void PlaybackModel::Read(const Descriptor& descriptor)
{
    State& s = state_;
    const auto units = descriptor.GetEnumerated(FourCC("RlrU"));
    s.unitsIndex = UnitsIndexOf(units ? units->value : FourCode(-1));
    const auto horizontal = descriptor.GetEnumerated(FourCC("Hrzn"));
    const auto vertical = descriptor.GetEnumerated(FourCC("Vrtc"));
    const int32_t h = AlignmentIndex(horizontal ? horizontal->value : 0);
    const int32_t v = AlignmentIndex(vertical ? vertical->value : 0);
    s.anchor = h && v ? (v - 1) * 3 + h : h ? h : v ? (v - 1) * 3 + 1 : 0;
    if (s.anchor != 0) {
        s.changedDims = 0;
        if (auto width = descriptor.GetFloat(FourCC("Wdth"))) {
            s.newWidth = *width;
            s.changedDims = 1;
        }
        if (auto height = descriptor.GetFloat(FourCC("Hght"))) {
            s.newHeight = *height;
            s.changedDims += 2;
        }
        s.absoluteMode = true;
    } else {
        const FourCode keys[4] = {FourCC("Top "), FourCC("Left"), FourCC("Btom"), FourCC("Rght")};
        for (int side = 0; side < 4; ++side) s.margins[side] = descriptor.GetFloat(keys[side]).value_or(0.0);
        s.absoluteMode = false;
    }
    s.known = true;
}

std::vector<std::vector<Item>> PlaybackModel::ExpectedEvents(const host::RunReport& report,
                                                             const host::DocumentState& before)
{
    State& s = state_;
    Replay replay(before);
    std::vector<std::vector<Item>> events;
    if (s.absoluteMode) {
        s.recordedWidth = s.newWidth;
        s.recordedHeight = s.newHeight;
        const ExecutionUnit unit = ExecutionUnitFor(s.unitsIndex, false);
        s.newWidth *= unit.factor;
        s.newHeight *= unit.factor;
        const Measure m = MeasureDocument(replay.Document(), unit.pixelFlag);
        if (s.unitsIndex == 1) {
            s.newWidth = (m.width * s.newWidth) * 0.01;
            s.newHeight = (m.height * s.newHeight) * 0.01;
        }
        std::vector<Item> items;
        if (s.changedDims == 1 || s.changedDims == 3) items.push_back(UnitFloatItem(FourCC("Wdth"), unit.eventUnit, s.newWidth));
        if (s.changedDims == 2 || s.changedDims == 3) items.push_back(UnitFloatItem(FourCC("Hght"), unit.eventUnit, s.newHeight));
        items.push_back(EnumItem(FourCC("Hrzn"), FourCC("HrzL"), EventAlignment(s.anchor, true)));
        items.push_back(EnumItem(FourCC("Vrtc"), FourCC("VrtL"), EventAlignment(s.anchor, false)));
        events.push_back(std::move(items));
        return events;
    }

    struct Side {
        FourCode dimension, alignmentKey, alignmentType, alignment;
        bool vertical;
    };
    static const Side sides[4] = {
        {FourCC("Hght"), FourCC("Vrtc"), FourCC("VrtL"), FourCC("Bttm"), true},
        {FourCC("Wdth"), FourCC("Hrzn"), FourCC("HrzL"), FourCC("Rght"), false},
        {FourCC("Hght"), FourCC("Vrtc"), FourCC("VrtL"), FourCC("Top "), true},
        {FourCC("Wdth"), FourCC("Hrzn"), FourCC("HrzL"), FourCC("Left"), false},
    };
    const ExecutionUnit unit = ExecutionUnitFor(s.unitsIndex, true);
    for (int side = 0; side < 4; ++side) {
        s.recordedMargins[side] = s.margins[side];
        s.margins[side] *= unit.factor;
    }
    const Measure base = MeasureDocument(replay.Document(), unit.pixelFlag);
    for (int side = 0; side < 4; ++side) {
        const double margin = s.margins[side];
        if (margin == 0.0) continue;
        const Measure present = MeasureDocument(replay.Document(), unit.pixelFlag);
        const Side& k = sides[side];
        const double size = k.vertical ? present.height : present.width;
        const double dimension = s.unitsIndex == 1 ? size + margin * (k.vertical ? base.height : base.width) : size + margin;
        events.push_back({UnitFloatItem(k.dimension, unit.eventUnit, dimension),
                          EnumItem(k.alignmentKey, k.alignmentType, k.alignment)});
        // The module stops at the first side the host refuses.
        const size_t played = events.size() - 1;
        if (played >= report.events.size()) break;
        replay.Apply(report.events[played]);
        if (report.events[played].status != 0) break;
    }
    return events;
}

Descriptor PlaybackModel::ExpectedRecording() const
{
    const State& s = state_;
    Descriptor d;
    if (s.absoluteMode) {
        const bool width = (s.changedDims & 1) != 0;
        const bool height = (s.changedDims & 2) != 0;
        if (width) d.PutFloat(FourCC("Wdth"), s.recordedWidth);
        if (height) d.PutFloat(FourCC("Hght"), s.recordedHeight);
        if (width) d.PutEnumerated(FourCC("Hrzn"), FourCC("ADSt"), AnchorCode(s.anchor, true));
        if (height) d.PutEnumerated(FourCC("Vrtc"), FourCC("ADSt"), AnchorCode(s.anchor, false));
    } else {
        const FourCode keys[4] = {FourCC("Top "), FourCC("Left"), FourCC("Btom"), FourCC("Rght")};
        for (int side = 0; side < 4; ++side)
            if (s.recordedMargins[side] != 0.0) d.PutFloat(keys[side], s.recordedMargins[side]);
    }
    const int32_t units = s.unitsIndex >= 0 && s.unitsIndex < 7 ? s.unitsIndex : 0;
    d.PutEnumerated(FourCC("RlrU"), FourCC("RlrU"), kUnitCodes[units]);
    return d;
}

std::vector<std::string> PlaybackModel::Follow(const host::RunRequest& request, const host::RunReport& report,
                                               const host::DocumentState& before)
{
    const bool record = report.parametersPassed;
    const bool reads = record && request.descriptor.has_value();
    if (reads) Read(*request.descriptor);
    if (!state_.known) return {};

    std::vector<std::string> differences;
    const auto expected = ExpectedEvents(report, before);
    if (expected.size() != report.events.size()) {
        differences.push_back("played " + std::to_string(report.events.size()) + " event(s) where " +
                              std::to_string(expected.size()) + " were due");
    }
    for (size_t i = 0; i < expected.size() && i < report.events.size(); ++i) {
        const auto& event = report.events[i];
        const std::string which = "event " + std::to_string(i + 1) + ": ";
        if (event.event != FourCC("CnvS")) differences.push_back(which + "played '" + host::FourCodeText(event.event) + "'");
        if (auto difference = CompareItems(expected[i], event.items))
            differences.push_back(which + *difference);
    }
    if (record) {
        const Descriptor recording = ExpectedRecording();
        if (!report.recorded) {
            differences.push_back("recorded nothing where " + DescribeItems(recording.Items()) + " was due");
        } else if (auto difference = CompareItems(recording.Items(), report.recorded->Items())) {
            differences.push_back("recording: " + *difference);
        }
    }
    return differences;
}

}  // namespace kestrow::validate

// The fixed scenarios: every caller and selector pair, "Do It" without the
// dialog in both modes and all seven units, several runs in one module
// lifetime, and unloading and loading the module again.
#include "validate/Scenario.h"

#include "validate/DialogItems.h"

#include <algorithm>

namespace kestrow::validate {
namespace {

using host::Descriptor;

struct UnitCase {
    const char* name;
    const char* code;
};

const UnitCase kUnits[] = {
    {"px", "RrPx"}, {"percent", "RrPr"}, {"mm", "RrMm"}, {"cm", "RrCm"},
    {"inches", "RrIn"}, {"points", "RrPt"}, {"picas", "RrPi"},
};

FourCode Code(const char* text)
{
    return (FourCode(uint8_t(text[0])) << 24) | (FourCode(uint8_t(text[1])) << 16) | (FourCode(uint8_t(text[2])) << 8) |
           FourCode(uint8_t(text[3]));
}

Step Call(const char* caller, const char* selector)
{
    Step step;
    step.request.caller = caller;
    step.request.selector = selector;
    return step;
}

Step DoIt(std::optional<Descriptor> descriptor, int32_t playOption = kPlayWithoutDialog)
{
    Step step;
    step.request.playOption = playOption;
    step.request.descriptor = std::move(descriptor);
    return step;
}

Step Dialog(std::vector<DialogAction> actions, PlugStatus expected = 0)
{
    Step step = DoIt(std::nullopt, kPlayWithDialog);
    step.dialog = std::move(actions);
    step.expected = expected;
    return step;
}

Descriptor Units(Descriptor descriptor, const char* units)
{
    descriptor.PutEnumerated(Code("RlrU"), Code("RlrU"), Code(units));
    return descriptor;
}

Descriptor Absolute(std::optional<double> width, std::optional<double> height, const char* horizontal,
                    const char* vertical, const char* units)
{
    Descriptor d;
    if (width) d.PutFloat(Code("Wdth"), *width);
    if (height) d.PutFloat(Code("Hght"), *height);
    if (horizontal) d.PutEnumerated(Code("Hrzn"), Code("ADSt"), Code(horizontal));
    if (vertical) d.PutEnumerated(Code("Vrtc"), Code("ADSt"), Code(vertical));
    return Units(std::move(d), units);
}

Descriptor Relative(double top, double left, double bottom, double right, const char* units)
{
    Descriptor d;
    const std::pair<const char*, double> margins[] = {{"Top ", top}, {"Left", left}, {"Btom", bottom}, {"Rght", right}};
    for (const auto& [key, value] : margins)
        if (value != 0) d.PutFloat(Code(key), value);
    return Units(std::move(d), units);
}

DialogAction Type(int32_t item, std::string text) { return {DialogAction::Kind::Type, item, std::move(text), 0}; }
DialogAction Click(int32_t item) { return {DialogAction::Kind::Click, item, {}, 0}; }
DialogAction Choose(int32_t popup, int32_t unit) { return {DialogAction::Kind::Choose, popup, {}, unit}; }
DialogAction ModifierDown() { return {DialogAction::Kind::ModifierDown, 0, {}, 0}; }
DialogAction ModifierUp() { return {DialogAction::Kind::ModifierUp, 0, {}, 0}; }

// Sizes chosen so every event can be made: absolute sizes per unit on a
// 1000 x 500 document at 150 ppi, margins that grow and shrink.
struct UnitValues {
    double width, height;
    const char* horizontal;
    const char* vertical;
    double top, left, bottom, right;
};

const UnitValues kValues[] = {
    {800, 600, "AdCH", "AdCH", 20, 10, -5, 7},        // pixels
    {150, 50, "AdLf", "AdTp", 10, 10, 10, -10},       // percent
    {100, 50, "AdRg", "AdBt", 5, 0, 2.5, -1},          // mm
    {10, 5, "AdRg", "AdTp", 1, 1.5, 0, 0.5},           // cm
    {4, 2, "AdLf", "AdBt", 0.5, 0.25, 1, 0},           // inches
    {300, 200, "AdCH", "AdBt", 36, -12, 24, 72},       // points
    {60, 30, "AdRg", "AdCH", 3, 6, -1.5, 0.5},         // picas
};

void AddPairs(std::vector<Scenario>& out)
{
    out.push_back({"about", "\"SP Interface\" / \"About\" opens the About box", {}, {Call("SP Interface", "About")}});
    out.push_back({"pair-sp-doit", "\"SP Interface\" / \"Do It\" does nothing", {}, {Call("SP Interface", "Do It")}});
    out.push_back({"pair-ps-about", "\"PS Photoshop\" / \"About\" does nothing", {}, {Call("PS Photoshop", "About")}});
    out.push_back({"pair-other", "an unknown caller and selector do nothing", {}, {Call("Kestrow Probe", "Prepare")}});
    out.push_back({"pair-empty", "empty caller and selector texts do nothing", {}, {Call("", "")}});
    out.push_back({"pair-case", "texts that differ only in case do nothing", {}, {Call("ps photoshop", "do it")}});

    Step noRecord = DoIt(std::nullopt);
    noRecord.request.passParameters = false;
    out.push_back({"doit-no-record", "\"Do It\" without an action parameters record", {}, {noRecord}});
    Step noBasic = DoIt(Relative(10, 0, 0, 0, "RrPx"));
    noBasic.request.passBasicSuite = false;
    noBasic.expected = -30900;
    out.push_back({"no-basic-suite", "a message without the basic suite", {}, {noBasic}});
    out.push_back({"doit-null-descriptor", "\"Do It\" with no descriptor right after loading", {}, {DoIt(std::nullopt)}});
    out.push_back({"doit-empty-descriptor", "\"Do It\" with an empty descriptor", {}, {DoIt(Descriptor())}});
}

void AddUnitScenarios(std::vector<Scenario>& out)
{
    const DocumentSize document{1000, 500, 150};
    for (size_t i = 0; i < std::size(kUnits); ++i) {
        const UnitCase& unit = kUnits[i];
        const UnitValues& v = kValues[i];
        out.push_back({std::string("absolute-") + unit.name, std::string("absolute run in ") + unit.name, document,
                       {DoIt(Absolute(v.width, v.height, v.horizontal, v.vertical, unit.code))}});
        out.push_back({std::string("relative-") + unit.name, std::string("relative run in ") + unit.name, document,
                       {DoIt(Relative(v.top, v.left, v.bottom, v.right, unit.code))}});
    }
    out.push_back({"absolute-width-only", "only a width and a horizontal anchor", document,
                   {DoIt(Absolute(1200, std::nullopt, "AdRg", nullptr, "RrPx"))}});
    out.push_back({"absolute-height-only", "only a height and a vertical anchor", document,
                   {DoIt(Absolute(std::nullopt, 900, nullptr, "AdBt", "RrPx"))}});
    out.push_back({"absolute-play-option-0", "play option 0 runs without the dialog", document,
                   {DoIt(Absolute(640, 480, "AdLf", "AdTp", "RrPx"), 0)}});
    out.push_back({"relative-play-option-3", "play option 3 runs without the dialog", document,
                   {DoIt(Relative(10, 10, 10, 10, "RrPx"), 3)}});
    Descriptor integerLeft = Relative(0, 0, 0, 0, "RrPx");
    integerLeft.PutInteger(Code("Left"), 25);
    out.push_back({"relative-integer-left", "'Left' sent as an integer, as the terminology declares it", document,
                   {DoIt(integerLeft)}});
}

void AddLifetimeScenarios(std::vector<Scenario>& out)
{
    Step second;
    second.kind = Step::Kind::OpenDocument;
    second.document = {640, 480, 72};
    out.push_back({"several-runs", "several runs in one module lifetime, on two documents", {1200, 800, 300},
                   {DoIt(Absolute(100, 50, "AdCH", "AdBt", "RrMm")), DoIt(Relative(10, 0, 5, 0, "RrPr")),
                    DoIt(std::nullopt), Call("SP Interface", "About"), second,
                    DoIt(Absolute(700, 500, "AdRg", "AdTp", "RrPx")), DoIt(std::nullopt), DoIt(Descriptor())}});
    Step reload;
    reload.kind = Step::Kind::Reload;
    out.push_back({"reload", "unloading and loading the module again brings back its load values", {1000, 500, 72},
                   {DoIt(Absolute(800, 600, "AdCH", "AdCH", "RrIn")), reload, DoIt(std::nullopt)}});
}

void AddDialogScenarios(std::vector<Scenario>& out)
{
    using namespace item;
    const DocumentSize document{1000, 500, 150};
    auto add = [&](std::string name, std::string summary, std::vector<Step> steps) {
        out.push_back({std::move(name), std::move(summary), document, std::move(steps), true});
    };
    add("dialog-ok-relative", "the dialog in relative mode, margins typed, OK",
        {Dialog({Type(kTop, "20"), Type(kLeft, "10"), Type(kRight, "-4"), Click(kOk)})});
    add("dialog-ok-uniform", "the dialog with a uniform margin on both axes, OK",
        {Dialog({Click(kBoth), Type(kUniform, "12.5"), Click(kOk)})});
    add("dialog-ok-absolute", "the dialog in absolute mode, a size and an anchor, OK",
        {Dialog({Click(kAbsolute), Type(kWidth, "1200"), Type(kHeight, "400"), Click(kAnchorBase + 9), Click(kOk)})});
    add("dialog-ok-unchanged", "OK with nothing changed counts as cancelled", {Dialog({Click(kOk)}, -128)});
    add("dialog-cancel", "the dialog cancelled", {Dialog({Type(kTop, "20"), Click(kCancel)}, -128)});
    add("dialog-reset", "the reset modifier, Reset, then OK",
        {Dialog({Click(kAbsolute), Type(kWidth, "300"), ModifierDown(), Click(kCancel), ModifierUp(), Type(kHeight, "900"),
                 Click(kOk)})});
    add("dialog-about", "About from the dialog, then Cancel", {Dialog({Click(kAbout), Click(kCancel)}, -128)});
    for (int32_t unit = 1; unit < 7; ++unit) {
        const std::string name = kUnits[unit].name;
        add("dialog-units-" + name, "units switched to " + name + " in both modes, OK",
            {Dialog({Choose(kRelativeUnits, unit), Type(kTop, "1.5"), Type(kBottom, "-0.5"), Click(kAbsolute),
                     Choose(kAbsoluteUnits, 0), Choose(kAbsoluteUnits, unit), Click(kRelative), Click(kOk)})});
    }
    // The reset modifier's state lives as long as the module: held when one
    // dialog closes, the next one opens with Reset; after a reload, Cancel.
    Step reload;
    reload.kind = Step::Kind::Reload;
    add("dialog-reload", "the reset modifier held when the dialog closes, then the module loaded again",
        {Dialog({ModifierDown(), Click(kOk)}, -128), Dialog({Click(kCancel), ModifierUp(), Click(kCancel)}, -128), reload,
         Dialog({Click(kCancel)}, -128)});
    add("dialog-several-runs", "dialog runs and runs without the dialog in one module lifetime",
        {Dialog({Click(kAbsolute), Type(kWidth, "900"), Click(kOk)}), DoIt(std::nullopt),
         Dialog({Click(kBoth), Type(kUniform, "3"), Choose(kRelativeUnits, 2), Click(kOk)}),
         DoIt(Absolute(500, 500, "AdLf", "AdTp", "RrPx")), Dialog({Click(kCancel)}, -128)});
}

std::vector<Scenario> Build()
{
    std::vector<Scenario> all;
    AddPairs(all);
    AddUnitScenarios(all);
    AddLifetimeScenarios(all);
    AddDialogScenarios(all);
    return all;
}

}  // namespace

const std::vector<Scenario>& Scenarios()
{
    static const std::vector<Scenario> all = Build();
    return all;
}

const Scenario* FindScenario(const std::string& name)
{
    const auto& all = Scenarios();
    auto it = std::find_if(all.begin(), all.end(), [&](const Scenario& s) { return s.name == name; });
    return it == all.end() ? nullptr : &*it;
}

bool IsDoIt(const host::RunRequest& request)
{
    return request.caller == "PS Photoshop" && request.selector == "Do It";
}

bool ShowsDialog(const host::RunRequest& request)
{
    return IsDoIt(request) && request.playOption == kPlayWithDialog && request.passParameters.value_or(true);
}

}  // namespace kestrow::validate

#include "validate/RandomDialog.h"

#include "validate/DialogItems.h"
#include "validate/RandomInput.h"

#include <cstdio>

namespace kestrow::validate {
namespace {

using namespace item;

const std::vector<int32_t> kEdits = {kTop, kLeft, kBottom, kRight, kUniform, kWidth, kHeight};
const std::vector<int32_t> kClickable = {kAbsolute, kRelative, kBoth, kHorizontal, kVertical, 16021, 16022,
                                         16023, 16024, 16025, 16026, 16027, 16028, 16029};

DialogAction Action(DialogAction::Kind kind, int32_t item = 0, std::string text = {}, int32_t entry = 0)
{
    return DialogAction{kind, item, std::move(text), entry};
}

}  // namespace

std::string RandomTypedText(Random& random)
{
    static const std::vector<std::string> fixed = {
        "",      "0",          "-0",        "12.5",    "-40",     "1e3",   "2.5E-2", "1e308", "-1e308",  "1e309",
        "abc",   "12abc",      " 7",        "+3",      ".5",      "5.",    "nan",    "inf",   "-inf",    "0x1A",
        "1,5",   "99999999999", "123456789012345", "1e-320", "--1", "1e",     "e5",    "3.14159265358979"};
    switch (random.Below(3)) {
    case 0: return random.Pick(fixed);
    case 1: return std::to_string(random.Between(-500, 5000));
    default: {
        char text[32];
        std::snprintf(text, sizeof text, "%.*f", int(random.Below(5)), random.Real(-200, 2000));
        return text;
    }
    }
}

std::vector<DialogAction> RandomDialogActions(Random& random)
{
    std::vector<DialogAction> actions;
    const auto count = random.Below(40);
    for (uint64_t i = 0; i < count; ++i) {
        const auto what = random.Below(100);
        if (what < 45) actions.push_back(Action(DialogAction::Kind::Type, random.Pick(kEdits), RandomTypedText(random)));
        else if (what < 72) actions.push_back(Action(DialogAction::Kind::Click, random.Pick(kClickable)));
        else if (what < 88)
            actions.push_back(Action(DialogAction::Kind::Choose, random.Chance(50) ? kRelativeUnits : kAbsoluteUnits, {},
                                     int32_t(random.Below(7))));
        else if (what < 94) actions.push_back(Action(DialogAction::Kind::ModifierDown));
        else if (what < 98) actions.push_back(Action(DialogAction::Kind::ModifierUp));
        else actions.push_back(Action(DialogAction::Kind::Click, kAbout));
    }
    // Most sessions end with OK or Cancel (which resets while the modifier
    // is held); the rest leave the dialog to end on its own.
    const auto end = random.Below(10);
    if (end < 6) actions.push_back(Action(DialogAction::Kind::Click, kOk));
    else if (end < 9) actions.push_back(Action(DialogAction::Kind::Click, kCancel));
    return actions;
}

Scenario RandomDialogSession(uint64_t seed, unsigned index)
{
    Random random(seed, index * 2ull + 1);
    Scenario session;
    session.name = "dialog";
    session.usesDialogs = true;
    session.document = RandomDocument(random);
    const auto runs = 1 + random.Below(3);
    for (uint64_t i = 0; i < runs; ++i) {
        Step step;
        if (random.Chance(15)) {
            step.request.descriptor = RandomDescriptor(random);
        } else {
            step.request.playOption = kPlayWithDialog;
            step.request.descriptor = random.Chance(30) ? std::optional(RandomDescriptor(random)) : std::nullopt;
            step.dialog = RandomDialogActions(random);
            step.expected = std::nullopt;
        }
        session.steps.push_back(std::move(step));
        if (random.Chance(10)) {
            Step open;
            open.kind = Step::Kind::OpenDocument;
            open.document = RandomDocument(random);
            session.steps.push_back(open);
        }
    }
    return session;
}

}  // namespace kestrow::validate

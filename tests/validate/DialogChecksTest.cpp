// The dialog's invariants, judged from what the dialog shows: a consistent
// relative-mode dialog passes, and each kind of inconsistency is named.
#include "validate/DialogChecks.h"
#include "validate/DialogItems.h"

#include <gtest/gtest.h>

#include <functional>

namespace kestrow::validate {
namespace {

using namespace item;

// A 1000 x 500 pixel document in relative mode with margins top 20, left 10
// and right 20: a new size of 1030 x 520.
DialogView RelativeDialog()
{
    DialogView v;
    const auto put = [&](int32_t id, std::string text, bool enabled, bool on = false) {
        v.items[id] = ItemView{std::move(text), enabled, on};
    };
    put(kAbsolute, "&Absolute", true);
    put(kRelative, "R&elative", true, true);
    put(kTop, "20", true);
    put(kLeft, "10", true);
    put(kRight, "20", true);
    put(kBottom, "", true);
    put(kUniform, "", false);
    put(kBoth, "Bot&h", true);
    put(kHorizontal, "Hori&zontal", true);
    put(kVertical, "&Vertical", true);
    put(kRelativeUnits, "", true);
    put(kAbsoluteUnits, "", false);
    for (int32_t anchor = 1; anchor <= 9; ++anchor) put(kAnchorBase + anchor, "", false, anchor == 5);
    put(kWidth, "1000", false);
    put(kHeight, "500", false);
    put(kNewWidth, "1030 pixels", true);
    put(kNewHeight, "520 pixels", true);
    put(kCurrentWidth, "1000 pixels", true);
    put(kCurrentHeight, "500 pixels", true);
    put(kCancel, "Cancel", true);
    v.relativeUnit = v.absoluteUnit = 0;
    return v;
}

TEST(DialogChecks, ConsistentDialogPasses)
{
    DialogState state;
    state.modifierHeld = false;
    EXPECT_TRUE(CheckDialog(RelativeDialog(), state).empty());

    DialogView uniform = RelativeDialog();
    uniform.items[kBoth].on = true;
    for (int32_t id : {kTop, kLeft, kRight, kBottom, kHorizontal, kVertical}) uniform.items[id].enabled = false;
    uniform.items[kUniform] = ItemView{"5", true, false};
    uniform.items[kNewWidth].text = "1010 pixels";
    uniform.items[kNewHeight].text = "510 pixels";
    EXPECT_TRUE(CheckDialog(uniform, state).empty());
}

TEST(DialogChecks, EachInconsistencyIsFound)
{
    struct Case {
        const char* what;
        std::function<void(DialogView&, DialogState&)> change;
    };
    const Case cases[] = {
        {"new width off by five pixels", [](DialogView& v, DialogState&) { v.items[kNewWidth].text = "1035 pixels"; }},
        {"new height ignores the top margin", [](DialogView& v, DialogState&) { v.items[kNewHeight].text = "500 pixels"; }},
        {"popups on different units", [](DialogView& v, DialogState&) { v.absoluteUnit = 2; }},
        {"label in another unit than the popups", [](DialogView& v, DialogState&) { v.items[kCurrentWidth].text = "1000 mm"; }},
        {"label in an unknown unit", [](DialogView& v, DialogState&) { v.items[kNewHeight].text = "520 px"; }},
        {"Uniform enabled without uniformity", [](DialogView& v, DialogState&) { v.items[kUniform].enabled = true; }},
        {"Width enabled in relative mode", [](DialogView& v, DialogState&) { v.items[kWidth].enabled = true; }},
        {"Relative radio off in relative mode", [](DialogView& v, DialogState&) { v.items[kRelative].on = false; }},
        {"Horizontal enabled while Both is on",
         [](DialogView& v, DialogState&) {
             v.items[kBoth].on = true;
             for (int32_t id : {kTop, kLeft, kRight, kBottom, kVertical}) v.items[id].enabled = false;
             v.items[kUniform].enabled = true;
             v.items[kNewWidth].text = "1000 pixels";
             v.items[kNewHeight].text = "500 pixels";
         }},
        {"text longer than the text buffer", [](DialogView& v, DialogState&) { v.items[kCurrentHeight].text.append(300, '0'); }},
        {"Cancel not reading Re&set while the modifier is held",
         [](DialogView&, DialogState& s) { s.modifierHeld = true; }},
        {"absolute mode shown while the user chose it but the grid stays disabled",
         [](DialogView&, DialogState& s) { s.absoluteMode = true; }},
    };
    for (const Case& c : cases) {
        DialogView view = RelativeDialog();
        DialogState state;
        state.modifierHeld = false;
        c.change(view, state);
        EXPECT_FALSE(CheckDialog(view, state).empty()) << c.what;
    }
}

TEST(DialogChecks, OkMustLeaveTheDocumentAtTheShownSize)
{
    const DialogView shown = RelativeDialog();
    const host::DocumentState before{1, 1000, 500, 72, 0, 0};
    // Three events (top, left, right) played 1030 x 520.
    EXPECT_FALSE(CheckOkOutcome(shown, before, host::DocumentState{1, 1030, 520, 72, 10, 20}, 3));
    EXPECT_TRUE(CheckOkOutcome(shown, before, host::DocumentState{1, 1010, 520, 72, 10, 20}, 3));
    EXPECT_TRUE(CheckOkOutcome(shown, before, host::DocumentState{1, 1030, 500, 72, 10, 0}, 3));

    DialogView inches = RelativeDialog();
    inches.relativeUnit = inches.absoluteUnit = 4;
    inches.items[kNewWidth].text = "10.000 inches";
    inches.items[kNewHeight].text = "5.000 inches";
    const host::DocumentState at300{1, 2400, 1500, 300, 0, 0};
    EXPECT_FALSE(CheckOkOutcome(inches, at300, host::DocumentState{1, 3000, 1500, 300, 0, 0}, 1));
    EXPECT_TRUE(CheckOkOutcome(inches, at300, host::DocumentState{1, 3010, 1500, 300, 0, 0}, 1));
}

}  // namespace
}  // namespace kestrow::validate

#include "validate/DialogChecks.h"

#include "validate/DialogItems.h"
#include "validate/ItemCompare.h"

#include <algorithm>
#include <cmath>

namespace kestrow::validate {
namespace {

using namespace item;

const int32_t kRelativeGroup[] = {kTop, kLeft, kBottom, kRight, kUniform, kBoth, kHorizontal, kVertical, kRelativeUnits};
const int32_t kAbsoluteGroup[] = {16021, 16022, 16023, 16024, 16025, 16026, 16027, 16028, 16029,
                                  kWidth, kHeight, kAbsoluteUnits};
const int32_t kSizeLabels[] = {kNewWidth, kNewHeight, kCurrentWidth, kCurrentHeight};

class Checks {
public:
    Checks(const DialogView& view, const DialogState& state) : v_(view), s_(state) {}

    std::vector<Violation> Run()
    {
        Texts();
        Cancel();
        Units();
        States();
        Sizes();
        return std::move(found_);
    }

private:
    void Add(std::string message) { found_.push_back(Violation{"dialog", std::move(message), {}}); }

    bool On(int32_t id) const
    {
        const ItemView* item = v_.Find(id);
        return item && item->on;
    }

    void Texts()
    {
        for (const auto& [id, item] : v_.items)
            if (item.text.size() >= kTextBuffer)
                Add("item " + std::to_string(id) + " shows " + std::to_string(item.text.size()) +
                    " characters, more than the 260-byte text buffer holds");
    }

    void Cancel()
    {
        const ItemView* cancel = v_.Find(kCancel);
        if (!cancel || !s_.modifierHeld) return;
        const char* expected = *s_.modifierHeld ? "Re&set" : "Cancel";
        if (cancel->text != expected)
            Add("the Cancel button reads \"" + cancel->text + "\" while the reset modifier is " +
                (*s_.modifierHeld ? "held" : "up"));
    }

    // A label is complete when the buffer did not cut it short.
    static bool Complete(const ItemView& label) { return label.text.size() + 1 < kTextBuffer; }

    void Units()
    {
        if (v_.relativeUnit < 0 || v_.absoluteUnit < 0) {
            Add("a units popup shows no unit");
            return;
        }
        if (v_.relativeUnit != v_.absoluteUnit)
            Add("the two units popups show different units");
        const char* expected = DisplayLabel(v_.relativeUnit);
        for (int32_t id : kSizeLabels) {
            const ItemView* label = v_.Find(id);
            if (!label || !Complete(*label)) continue;
            const auto parsed = ParseSizeLabel(label->text);
            if (!parsed) {
                Add("size label " + std::to_string(id) + " reads \"" + label->text + "\", not a number and a unit");
                continue;
            }
            bool known = false;
            for (int32_t unit = 0; unit < 7; ++unit) known = known || parsed->unit == DisplayLabel(unit);
            if (!known) Add("size label " + std::to_string(id) + " names the unit \"" + parsed->unit + "\"");
            else if (expected && parsed->unit != expected)
                Add("size label " + std::to_string(id) + " is in " + parsed->unit + " while the popups show " + expected);
        }
    }

    void ExpectEnabled(int32_t id, bool enabled, const char* why)
    {
        const ItemView* item = v_.Find(id);
        if (item && item->enabled != enabled)
            Add("item " + std::to_string(id) + " is " + (item->enabled ? "enabled" : "disabled") + " " + why);
    }

    void States()
    {
        const bool absolute = s_.absoluteMode;
        if (!On(absolute ? kAbsolute : kRelative))
            Add(std::string("the ") + (absolute ? "Absolute" : "Relative") + " radio is off in that mode");
        const char* mode = absolute ? "in absolute mode" : "in relative mode";
        for (int32_t id : kAbsoluteGroup) ExpectEnabled(id, absolute, mode);
        if (absolute) {
            for (int32_t id : kRelativeGroup) ExpectEnabled(id, false, mode);
            return;
        }
        const bool both = On(kBoth);
        ExpectEnabled(kBoth, true, mode);
        ExpectEnabled(kRelativeUnits, true, mode);
        ExpectEnabled(kHorizontal, !both, both ? "while Both is on" : "while Both is off");
        ExpectEnabled(kVertical, !both, both ? "while Both is on" : "while Both is off");
        const bool horizontal = both || On(kHorizontal);
        const bool vertical = both || On(kVertical);
        const char* uniformity = horizontal && vertical ? "with uniformity on both axes"
                                 : horizontal           ? "with horizontal uniformity"
                                 : vertical             ? "with vertical uniformity"
                                                        : "without uniformity";
        ExpectEnabled(kTop, !vertical, uniformity);
        ExpectEnabled(kBottom, !vertical, uniformity);
        ExpectEnabled(kLeft, !horizontal, uniformity);
        ExpectEnabled(kRight, !horizontal, uniformity);
        ExpectEnabled(kUniform, horizontal || vertical, uniformity);
    }

    std::optional<double> LabelValue(int32_t id) const
    {
        const ItemView* label = v_.Find(id);
        if (!label || !Complete(*label)) return std::nullopt;
        const auto parsed = ParseSizeLabel(label->text);
        if (!parsed) return std::nullopt;
        return parsed->value;
    }

    // Whether a shown number and the number it should be agree, given the
    // rounding of the labels (whole pixels, else three decimals).
    bool Agree(double shown, double expected, int roundings) const
    {
        if (!std::isfinite(shown) || !std::isfinite(expected)) return NumbersAgree(expected, shown);
        const bool pixels = v_.relativeUnit == 0;
        const double step = pixels ? 0.5 : 0.0005;
        const double slack = roundings * step + 1e-12 * std::max({std::fabs(shown), std::fabs(expected), s_.magnitude});
        return std::fabs(shown - expected) <= slack * (1 + 1e-9);
    }

    void Sizes()
    {
        const auto newWidth = LabelValue(kNewWidth);
        const auto newHeight = LabelValue(kNewHeight);
        if (s_.absoluteMode) {
            // The new size shows the size fields; the field may show the size
            // cut to whole pixels, the label rounds it.
            if (newWidth && !Agree(*newWidth, v_.EditNumber(kWidth), 3))
                Add("the new width shows " + DescribeNumber(*newWidth) + " while the Width field holds " +
                    DescribeNumber(v_.EditNumber(kWidth)));
            if (newHeight && !Agree(*newHeight, v_.EditNumber(kHeight), 3))
                Add("the new height shows " + DescribeNumber(*newHeight) + " while the Height field holds " +
                    DescribeNumber(v_.EditNumber(kHeight)));
            return;
        }
        const auto width = LabelValue(kCurrentWidth);
        const auto height = LabelValue(kCurrentHeight);
        const bool both = On(kBoth);
        const double uniform = v_.EditNumber(kUniform);
        const double addedWidth =
            both || On(kHorizontal) ? uniform + uniform : v_.EditNumber(kRight) + v_.EditNumber(kLeft);
        const double addedHeight =
            both || On(kVertical) ? uniform + uniform : v_.EditNumber(kBottom) + v_.EditNumber(kTop);
        if (newWidth && width && !Agree(*newWidth, *width + addedWidth, 2))
            Add("the new width shows " + DescribeNumber(*newWidth) + " where the current width and the margins give " +
                DescribeNumber(*width + addedWidth));
        if (newHeight && height && !Agree(*newHeight, *height + addedHeight, 2))
            Add("the new height shows " + DescribeNumber(*newHeight) + " where the current height and the margins give " +
                DescribeNumber(*height + addedHeight));
    }

    const DialogView& v_;
    const DialogState& s_;
    std::vector<Violation> found_;
};

}  // namespace

std::vector<Violation> CheckDialog(const DialogView& view, const DialogState& state)
{
    return Checks(view, state).Run();
}

namespace {

// Pixels of a size shown in display unit `unit`; `base` is the document's
// pixels when the dialog opened (100 %), `r` its resolution.
double ToPixels(double value, int32_t unit, double base, double r)
{
    switch (unit) {
    case 1: return base * value / 100;
    case 2: return value / 25.4 * r;
    case 3: return value / 2.54 * r;
    case 4: return value * r;
    case 5: return value / 72 * r;
    case 6: return value / 6 * r;
    default: return value;
    }
}

std::optional<double> Shown(const DialogView& view, int32_t id)
{
    const ItemView* label = view.Find(id);
    if (!label) return std::nullopt;
    const auto parsed = ParseSizeLabel(label->text);
    if (!parsed || !std::isfinite(parsed->value)) return std::nullopt;
    return parsed->value;
}

}  // namespace

std::optional<Violation> CheckOkOutcome(const DialogView& shown, const host::DocumentState& before,
                                        const host::DocumentState& after, size_t events)
{
    const auto width = Shown(shown, kNewWidth);
    const auto height = Shown(shown, kNewHeight);
    const int32_t unit = shown.relativeUnit;
    if (!width || !height || unit < 0 || unit > 6) return std::nullopt;
    const double r = before.resolution;
    // Half a unit of the label's last digit, in pixels.
    const double labelSlack = ToPixels(unit == 0 ? 0.5 : 0.0005, unit, 1, r) * (unit == 1 ? before.width : 1);
    const double labelSlackHeight = ToPixels(unit == 0 ? 0.5 : 0.0005, unit, 1, r) * (unit == 1 ? before.height : 1);
    const double expectedWidth = ToPixels(*width, unit, before.width, r);
    const double expectedHeight = ToPixels(*height, unit, before.height, r);
    // Each event on an axis rounds that side to whole pixels once.
    const double eventSlack = 0.5 * static_cast<double>(std::max<size_t>(events, 1));
    const auto agree = [&](double expected, int32_t actual, double slack) {
        return std::fabs(expected - actual) <= slack + eventSlack + 1e-9 * std::fabs(expected);
    };
    if (agree(expectedWidth, after.width, labelSlack) && agree(expectedHeight, after.height, labelSlackHeight))
        return std::nullopt;
    return Violation{"dialog",
                     "OK made the document " + std::to_string(after.width) + " x " + std::to_string(after.height) +
                         " pixels where the dialog showed a new size of about " + DescribeNumber(std::round(expectedWidth)) +
                         " x " + DescribeNumber(std::round(expectedHeight)) + " pixels",
                     "after OK"};
}

}  // namespace kestrow::validate

#include "validate/DialogDriver.h"

#include "validate/DialogItems.h"

#include <cmath>
#include <cstdlib>

namespace kestrow::validate {
namespace {

double Magnitude(double value) { return std::isfinite(value) ? std::fabs(value) : 0; }

}  // namespace

std::string DescribeAction(const DialogAction& action)
{
    const std::string item = std::to_string(action.item);
    switch (action.kind) {
    case DialogAction::Kind::Type: return "type \"" + action.text + "\" into " + item;
    case DialogAction::Kind::Click: return "click " + item;
    case DialogAction::Kind::Choose: return "choose unit " + std::to_string(action.entry) + " in " + item;
    case DialogAction::Kind::ModifierDown: return "press the reset modifier";
    case DialogAction::Kind::ModifierUp: return "release the reset modifier";
    }
    return "?";
}

DialogDriver::DialogDriver(const std::vector<DialogAction>& actions, std::function<bool()> faultFired,
                           std::optional<bool>& modifierHeld)
    : actions_(actions), faultFired_(std::move(faultFired)), modifierHeld_(modifierHeld)
{
}

host::DialogManager::ModalScript DialogDriver::Script()
{
    return [this](host::ModalSession& session) {
        if (session.Current().ResourceId() == item::kMainDialog) Play(session);
    };
}

void DialogDriver::Play(host::ModalSession& session)
{
    state_ = DialogState{};
    state_.modifierHeld = modifierHeld_;
    Check(session.Current(), "after the set-up");
    for (const DialogAction& action : actions_) {
        if (session.Current().Ended()) break;
        if (!Act(session, action)) continue;
        ++played_;
        if (!session.Current().Ended()) Check(session.Current(), "after \"" + DescribeAction(action) + "\"");
    }
}

bool DialogDriver::Act(host::ModalSession& session, const DialogAction& action)
{
    switch (action.kind) {
    case DialogAction::Kind::Type: {
        if (!session.Type(action.item, action.text)) return false;
        const std::string typed = action.text.substr(0, item::kEditLength);
        state_.magnitude = std::max(state_.magnitude, Magnitude(std::strtod(typed.c_str(), nullptr)));
        return true;
    }
    case DialogAction::Kind::Click:
        if (action.item == item::kOk && !faultFired_()) shownAtOk_ = DialogView::Read(session.Current());
        if (!session.Click(action.item)) return false;
        if (action.item == item::kAbsolute) state_.absoluteMode = true;
        if (action.item == item::kRelative) state_.absoluteMode = false;
        return true;
    case DialogAction::Kind::Choose:
        return static_cast<bool>(session.Choose(action.item, action.entry));
    case DialogAction::Kind::ModifierDown:
    case DialogAction::Kind::ModifierUp: {
        const bool down = action.kind == DialogAction::Kind::ModifierDown;
        if (!session.Modifier(down)) return false;
        state_.modifierHeld = modifierHeld_ = down;
        return true;
    }
    }
    return false;
}

void DialogDriver::Check(const host::Dialog& dialog, const std::string& when)
{
    if (faultFired_()) {
        modifierHeld_.reset();
        return;
    }
    const DialogView view = DialogView::Read(dialog);
    for (const auto& [id, item] : view.items) {
        if (const auto label = ParseSizeLabel(item.text)) state_.magnitude = std::max(state_.magnitude, Magnitude(label->value));
    }
    for (Violation& violation : CheckDialog(view, state_)) {
        violation.cause = when;
        violations_.push_back(std::move(violation));
    }
}

}  // namespace kestrow::validate

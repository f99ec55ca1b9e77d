#include "dialog/ScriptPlayer.h"

namespace kestrow::host {

const char* ScriptStepWord(ScriptStep::Kind kind)
{
    switch (kind) {
    case ScriptStep::Kind::Type: return "type";
    case ScriptStep::Kind::Click: return "click";
    case ScriptStep::Kind::Choose: return "choose";
    case ScriptStep::Kind::ModifierDown: return "modifier down";
    case ScriptStep::Kind::ModifierUp: return "modifier up";
    case ScriptStep::Kind::Render: return "render";
    case ScriptStep::Kind::Expect: return "expect";
    }
    return "step";
}

ScriptPlayer::ScriptPlayer(std::string source, std::vector<ScriptStep> steps, Renderer renderer)
    : source_(std::move(source)), steps_(std::move(steps)), renderer_(std::move(renderer))
{
}

void ScriptPlayer::Play(ModalSession& session)
{
    Dialog& dialog = session.Current();
    while (!dialog.Ended()) {
        if (!failure_.empty()) {
            session.End(0, DialogEnding::ScriptFailed);
            break;
        }
        if (next_ == steps_.size()) {
            ranOutIn_.push_back(dialog.Name());
            session.End(0, DialogEnding::ScriptRanOut);
            break;
        }
        // Steps are never added while playing, so the reference stays good
        // through a nested dialog that plays the following steps.
        const ScriptStep& step = steps_[next_++];
        const std::string error = Perform(step, session);
        if (!error.empty() && failure_.empty()) {
            std::string where = source_ + ":" + std::to_string(step.line) + ": " + ScriptStepWord(step.kind);
            if (!step.item.empty()) where += " " + step.item;
            failure_ = where + ": " + error;
        }
    }
}

std::string ScriptPlayer::Perform(const ScriptStep& step, ModalSession& session) const
{
    switch (step.kind) {
    case ScriptStep::Kind::Type: return session.Type(step.itemId, step.text).error;
    case ScriptStep::Kind::Click: return session.Click(step.itemId).error;
    case ScriptStep::Kind::Choose:
        return (step.index >= 0 ? session.Choose(step.itemId, step.index) : session.Choose(step.itemId, step.text)).error;
    case ScriptStep::Kind::ModifierDown: return session.Modifier(true).error;
    case ScriptStep::Kind::ModifierUp: return session.Modifier(false).error;
    case ScriptStep::Kind::Render:
        if (!renderer_) return "this build of kestrow cannot draw dialogs";
        return renderer_(session.Current(), step.text);
    case ScriptStep::Kind::Expect: {
        const DialogItem* item = session.Item(step.itemId);
        if (!item) return "the dialog \"" + session.Current().Name() + "\" has no item " + std::to_string(step.itemId);
        if (ItemPropertyIs(*item, step.property, step.text)) return "";
        return "item " + std::to_string(step.itemId) + " " + ItemPropertyName(step.property) + " is \"" +
               ItemPropertyText(*item, step.property) + "\", expected \"" + step.text + "\"";
    }
    }
    return "unknown step";
}

}  // namespace kestrow::host

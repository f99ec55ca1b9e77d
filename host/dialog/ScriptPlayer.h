// Plays a dialog script: the steps a person takes in the open dialogs, one
// after another, as the dialog manager's script. Steps act on the innermost
// open dialog, so the About box opened from the main dialog takes the steps
// that follow its opening until it closes (its OK button, item 1), and the
// main dialog takes the rest.
//
// A dialog still open when the steps run out closes as if the user closed
// it, with result 0. A step that fails (an item that is disabled, missing or
// of the wrong kind, an expectation that does not hold, a picture that
// cannot be written) stops the script: every open dialog then closes the
// same way, and Failure() says which step failed and why.
#pragma once

#include "dialog/DialogManager.h"
#include "dialog/ItemProperty.h"

#include <functional>
#include <string>
#include <vector>

namespace kestrow::host {

struct ScriptStep {
    enum class Kind { Type, Click, Choose, ModifierDown, ModifierUp, Render, Expect };
    Kind kind = Kind::Click;
    int line = 0;
    std::string item;         // the item as written ("top" or "16001"), for messages
    int32_t itemId = 0;
    std::string text;         // Type: the text; Choose: the entry's text; Render: the file; Expect: the value
    int32_t index = -1;       // Choose: the entry's position, or -1 to choose by text
    ItemProperty property = ItemProperty::Text;  // Expect
};

class ScriptPlayer {
public:
    // Draws the dialog into a picture file; returns why it could not, or an
    // empty text.
    using Renderer = std::function<std::string(const Dialog& dialog, const std::string& file)>;

    // `source` names the script in messages ("steps.txt").
    ScriptPlayer(std::string source, std::vector<ScriptStep> steps, Renderer renderer);

    void SetRenderer(Renderer renderer) { renderer_ = std::move(renderer); }

    // The dialog manager's script: plays steps until the session's dialog ends.
    void Play(ModalSession& session);

    const std::string& Source() const { return source_; }
    size_t StepCount() const { return steps_.size(); }
    size_t StepsRun() const { return next_; }
    // "SOURCE:LINE: type uniform: item 16005 (edit field) is disabled; ...";
    // empty while every step has succeeded.
    const std::string& Failure() const { return failure_; }
    // The names of the dialogs that were still open when the steps ran out.
    const std::vector<std::string>& RanOutIn() const { return ranOutIn_; }

private:
    std::string Perform(const ScriptStep& step, ModalSession& session) const;
    std::string source_;
    std::vector<ScriptStep> steps_;
    Renderer renderer_;
    size_t next_ = 0;
    std::string failure_;
    std::vector<std::string> ranOutIn_;
};

// "type", "click", "choose", "modifier down", "modifier up", "render", "expect".
const char* ScriptStepWord(ScriptStep::Kind kind);

}  // namespace kestrow::host

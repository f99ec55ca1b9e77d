#include "editor/HistoryRecorder.h"

namespace kestrow::host {

bool HistoryRecorder::Begin(Document& document, std::string name)
{
    if (open_) return false;
    open_ = OpenStep{&document, HistoryState{std::move(name), {}}};
    return true;
}

void HistoryRecorder::End()
{
    if (!open_) return;
    if (!open_->state.changes.empty()) open_->document->AddHistoryState(std::move(open_->state));
    open_.reset();
}

void HistoryRecorder::Record(Document& document, const CanvasChange& change)
{
    // A canvas size that keeps the size changes nothing and leaves no state.
    if (change.newWidth == change.oldWidth && change.newHeight == change.oldHeight) return;
    if (open_ && open_->document == &document) {
        open_->state.changes.push_back(change);
    } else {
        document.AddHistoryState(HistoryState{kSingleEventName, {change}});
    }
}

}  // namespace kestrow::host

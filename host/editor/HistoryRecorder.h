// Groups the canvas changes played inside a suspended history step into one
// history state of its document; a change played outside one is its own
// state. An event that leaves the size as it was is no change.
#pragma once

#include "editor/Document.h"

#include <optional>
#include <string>

namespace kestrow::host {

class HistoryRecorder {
public:
    static constexpr const char* kSingleEventName = "Canvas Size";

    // False when a step is already open; the nested step's changes then join it.
    bool Begin(Document& document, std::string name);
    // Adds the open step as one state when it holds any change.
    void End();
    void Record(Document& document, const CanvasChange& change);
    bool IsOpen() const { return open_.has_value(); }

private:
    struct OpenStep {
        Document* document;
        HistoryState state;
    };
    std::optional<OpenStep> open_;
};

}  // namespace kestrow::host

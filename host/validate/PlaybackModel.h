// What a module must do in a "Do It" run without the dialog, by its
// documented behaviour: the canvas-size events it plays and the descriptor
// it records, worked out from the descriptor handed in and from what the
// earlier runs of the same module lifetime left behind.
#pragma once

#include "session/RunReport.h"

#include <string>
#include <vector>

namespace kestrow::validate {

class PlaybackModel {
public:
    // The module was loaded (again): every value is its load value.
    void Load() { state_ = State{}; }
    // A run the model does not follow (a dialog run, a failed host call):
    // the values it left are unknown until a descriptor sets them again.
    void Lose() { state_.known = false; }

    // Compares a finished run without the dialog with what the model
    // expects, then takes over the values the run leaves behind. Returns
    // one line per difference; nothing when the model cannot tell.
    std::vector<std::string> Follow(const host::RunRequest& request, const host::RunReport& report,
                                    const host::DocumentState& before);

private:
    struct State {
        bool known = true;
        bool absoluteMode = false;
        int32_t anchor = 0;
        int32_t unitsIndex = 0;
        int32_t changedDims = 0;
        double newWidth = 0, newHeight = 0;
        double recordedWidth = 0, recordedHeight = 0;
        double margins[4] = {0, 0, 0, 0};  // top, left, bottom, right
        double recordedMargins[4] = {0, 0, 0, 0};
    };

    void Read(const host::Descriptor& descriptor);
    std::vector<std::vector<host::Item>> ExpectedEvents(const host::RunReport& report, const host::DocumentState& before);
    host::Descriptor ExpectedRecording() const;

    State state_;
};

}  // namespace kestrow::validate

#include "session/RunReport.h"

#include <algorithm>

namespace kestrow::host {

bool RunReport::AllEventsApplied() const
{
    return std::all_of(events.begin(), events.end(), [](const PlayedEvent& e) { return e.status == 0; });
}

std::vector<std::string> RunReport::Problems() const
{
    std::vector<std::string> lines;
    for (const auto& problem : handleProblems) lines.push_back(problem.Describe());
    for (const auto& suite : suitesHeld) {
        lines.push_back("suite \"" + suite.name + "\" version " + std::to_string(suite.version) + " still held (" +
                        std::to_string(suite.Held()) + " acquisition(s) not released)");
    }
    return lines;
}

}  // namespace kestrow::host

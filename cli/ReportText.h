// A run report for people: the events played, the document's new size,
// the history entry and the descriptor recorded.
#pragma once

#include "session/RunReport.h"

#include <ostream>
#include <string>

namespace kestrow::cli {

// A text on one line in double quotes: line breaks, quotes and backslashes escaped.
std::string Quoted(const std::string& text);

void PrintReport(const host::RunReport& report, std::ostream& out);

}  // namespace kestrow::cli

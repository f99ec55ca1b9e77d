// A run report for people: the events played, the document's new size,
// the history entry and the descriptor recorded.
#pragma once

#include "session/RunReport.h"

#include <ostream>

namespace kestrow::cli {

void PrintReport(const host::RunReport& report, std::ostream& out);

}  // namespace kestrow::cli

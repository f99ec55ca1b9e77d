// One thing a module did wrong in one run, under the name of the check
// that found it.
#pragma once

#include <string>

namespace kestrow::validate {

struct Violation {
    std::string check;    // "result", "suites", "handles", "document", "crash", ...
    std::string message;  // one line, the same for the same fault in every case
    std::string cause;    // the host failure the run was under, if any
};

}  // namespace kestrow::validate

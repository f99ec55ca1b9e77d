// The one error every resource reader throws: a resource or module file that
// is truncated, malformed or of a kind the reader does not handle. The text
// names what was being read and where.
#pragma once

#include <stdexcept>

namespace kestrow::resources {

class ResourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kestrow::resources

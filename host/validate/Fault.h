// The one fault armed against a case: the n-th call of a host operation
// fails with a status, or a suite is withheld from every acquisition.
#pragma once

#include "HostTypes.h"

#include <string>

namespace kestrow::validate {

struct Fault {
    enum class Kind { None, FailCall, WithholdSuite };
    Kind kind = Kind::None;
    std::string operation;  // FailCall: "Suite.Operation"
    unsigned n = 0;         // FailCall: from 1
    HostStatus status = 0;  // FailCall
    std::string suite;      // WithholdSuite: the suite's name

    static Fault FailCall(std::string operation, unsigned n, HostStatus status)
    {
        return Fault{Kind::FailCall, std::move(operation), n, status, {}};
    }
    static Fault Withhold(std::string suite) { return Fault{Kind::WithholdSuite, {}, 0, 0, std::move(suite)}; }
};

// "the host failed call 2 of ActionControl.Play with -1"; empty for no fault.
std::string DescribeFault(const Fault& fault);

}  // namespace kestrow::validate

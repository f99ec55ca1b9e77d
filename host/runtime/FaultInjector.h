// Counts every call of every host operation and makes chosen calls fail.
//
// Operations are named "Suite.Operation" after the suite tables:
//   Basic.AcquireSuite, Basic.ReleaseSuite, Basic.IsEqual,
//   ActionDescriptor.<op>, ActionReference.<op>, ActionControl.<op>,
//   UIHooks.GetPluginName, Dialog.<op>, Item.<op>, List.<op>, Entry.<op>,
//   Tracker.<op>, with <op> the field name in the suite's table.
// Every call is counted. An armed failure makes that call return its status
// without doing anything; operations that return no status instead return
// their empty answer (null item, list or entry; Dialog.Modal returns the
// status as its result) or do nothing. Counts run for the injector's
// lifetime, across calls into the module, until Reset.
#pragma once

#include "HostTypes.h"

#include <map>
#include <optional>
#include <set>
#include <string>

namespace kestrow::host {

class FaultInjector {
public:
    // Makes the n-th call (from 1, counted from the last Reset) of `operation`
    // fail with `status`. The failure fires once.
    void FailNth(const std::string& operation, unsigned n, HostStatus status);
    // AcquireSuite of this suite name fails, whatever the version.
    void WithholdSuite(const std::string& suiteName) { withheld_.insert(suiteName); }

    // Counts one call; the status to fail it with when a failure is armed for it.
    std::optional<HostStatus> OnCall(const std::string& operation);
    bool IsWithheld(const std::string& suiteName) const { return withheld_.count(suiteName) != 0; }

    unsigned CallCount(const std::string& operation) const;
    const std::map<std::string, unsigned>& CallCounts() const { return counts_; }
    // Clears counts, armed failures and withheld suites.
    void Reset();

private:
    std::map<std::string, unsigned> counts_;
    std::map<std::pair<std::string, unsigned>, HostStatus> armed_;
    std::set<std::string> withheld_;
};

}  // namespace kestrow::host

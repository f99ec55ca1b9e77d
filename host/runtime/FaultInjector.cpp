#include "runtime/FaultInjector.h"

namespace kestrow::host {

void FaultInjector::FailNth(const std::string& operation, unsigned n, HostStatus status)
{
    armed_[{operation, n}] = status;
}

std::optional<HostStatus> FaultInjector::OnCall(const std::string& operation)
{
    const unsigned n = ++counts_[operation];
    auto it = armed_.find({operation, n});
    if (it == armed_.end()) return std::nullopt;
    const HostStatus status = it->second;
    armed_.erase(it);
    return status;
}

unsigned FaultInjector::CallCount(const std::string& operation) const
{
    auto it = counts_.find(operation);
    return it == counts_.end() ? 0 : it->second;
}

void FaultInjector::Reset()
{
    counts_.clear();
    armed_.clear();
    withheld_.clear();
}

}  // namespace kestrow::host

#include "runtime/SuiteRegistry.h"

namespace kestrow::host {

void SuiteRegistry::Register(const std::string& name, int32_t version, const void* table)
{
    suites_[{name, version}] = Entry{table, Usage{name, version}};
}

const void* SuiteRegistry::Acquire(const std::string& name, int32_t version)
{
    auto it = suites_.find({name, version});
    if (it == suites_.end()) return nullptr;
    ++it->second.usage.acquired;
    return it->second.table;
}

bool SuiteRegistry::Release(const std::string& name, int32_t version)
{
    auto it = suites_.find({name, version});
    if (it == suites_.end() || it->second.usage.Held() == 0) return false;
    ++it->second.usage.released;
    return true;
}

const SuiteRegistry::Usage* SuiteRegistry::UsageOf(const std::string& name, int32_t version) const
{
    auto it = suites_.find({name, version});
    return it == suites_.end() ? nullptr : &it->second.usage;
}

std::vector<SuiteRegistry::Usage> SuiteRegistry::StillHeld() const
{
    std::vector<Usage> held;
    for (const auto& [key, entry] : suites_)
        if (entry.usage.Held() > 0) held.push_back(entry.usage);
    return held;
}

std::vector<SuiteRegistry::Usage> SuiteRegistry::AllUsage() const
{
    std::vector<Usage> all;
    for (const auto& [key, entry] : suites_) all.push_back(entry.usage);
    return all;
}

}  // namespace kestrow::host

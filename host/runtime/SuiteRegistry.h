// The suites the host offers, by name and version, with a count of the
// acquisitions and releases of each so a caller can see what is still held.
#pragma once

#include "HostTypes.h"

#include <map>
#include <string>
#include <vector>

namespace kestrow::host {

class SuiteRegistry {
public:
    struct Usage {
        std::string name;
        int32_t version;
        unsigned acquired = 0;
        unsigned released = 0;
        unsigned Held() const { return acquired - released; }
    };

    void Register(const std::string& name, int32_t version, const void* table);

    // The table of (name, version) with one acquisition counted, or null.
    const void* Acquire(const std::string& name, int32_t version);
    // False when no acquisition of (name, version) is held.
    bool Release(const std::string& name, int32_t version);

    const Usage* UsageOf(const std::string& name, int32_t version) const;
    std::vector<Usage> StillHeld() const;
    std::vector<Usage> AllUsage() const;

private:
    struct Entry {
        const void* table;
        Usage usage;
    };
    std::map<std::pair<std::string, int32_t>, Entry> suites_;
};

}  // namespace kestrow::host

// Every descriptor, reference, list, alias and name value the host hands
// out, under a token that is never reused. Frees and lookups go through the
// token only, so a double free or a stale handle is found and reported
// without touching freed memory.
#pragma once

#include "HostTypes.h"
#include "model/ActionList.h"
#include "model/Descriptor.h"
#include "model/Reference.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <variant>
#include <vector>

namespace kestrow::host {

enum class HandleKind { Descriptor, Reference, List, Alias, Name };
enum class HandleOwner { Host, Plugin };

struct NameValue {
    std::string text;
};

const char* HandleKindName(HandleKind kind);

struct HandleProblem {
    enum class What { Leaked, FreedTwice, FreedUnknown, FreedWrongKind, FreedHostOwned, UsedAfterFree, UsedUnknown };
    What what;
    HandleKind kind;
    uintptr_t token;
    std::string operation;  // e.g. "ActionDescriptor.Free"; empty for a leak

    std::string Describe() const;
};

class HandleTracker {
public:
    using Object = std::variant<std::unique_ptr<Descriptor>, std::unique_ptr<Reference>, std::unique_ptr<ActionList>,
                                std::unique_ptr<AliasValue>, std::unique_ptr<NameValue>>;

    uintptr_t Add(Object object, HandleOwner owner);

    // The live object of that kind, or null (the use is then recorded as a problem).
    Descriptor* FindDescriptor(uintptr_t token, const char* operation);
    Reference* FindReference(uintptr_t token, const char* operation);
    NameValue* FindName(uintptr_t token, const char* operation);
    bool IsLive(uintptr_t token) const { return live_.count(token) != 0; }
    bool IsOwnedBy(uintptr_t token, HandleOwner owner) const;
    void SetOwner(uintptr_t token, HandleOwner owner);

    // Frees a handle on the plug-in's behalf: non-zero (and a problem
    // recorded) for a handle that is not live, of another kind, or the host's.
    HostStatus FreeFromPlugin(uintptr_t token, HandleKind kind, const char* operation);
    // Frees a handle the host owns or has taken over; unknown tokens are ignored.
    void FreeFromHost(uintptr_t token);

    // Serial number of the next handle: handles made from here on are newer.
    uint64_t Mark() const { return nextSerial_; }
    // Records, and returns, the plug-in's live handles made since `mark`.
    std::vector<HandleProblem> RecordLeaksSince(uint64_t mark);

    const std::vector<HandleProblem>& Problems() const { return problems_; }
    size_t LiveCount() const { return live_.size(); }

private:
    struct Entry {
        Object object;
        HandleOwner owner;
        uint64_t serial;
    };
    template <class T>
    T* Find(uintptr_t token, HandleKind kind, const char* operation);
    void Note(HandleProblem::What what, HandleKind kind, uintptr_t token, const char* operation);

    std::unordered_map<uintptr_t, Entry> live_;
    std::unordered_map<uintptr_t, HandleKind> freed_;
    std::vector<HandleProblem> problems_;
    uintptr_t nextToken_ = 0x10000;
    uint64_t nextSerial_ = 1;
};

template <class Handle>
uintptr_t TokenOf(Handle handle)
{
    return reinterpret_cast<uintptr_t>(handle);
}

template <class Handle>
Handle HandleOf(uintptr_t token)
{
    return reinterpret_cast<Handle>(token);
}

}  // namespace kestrow::host

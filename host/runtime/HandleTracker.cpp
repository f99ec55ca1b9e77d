#include "runtime/HandleTracker.h"

#include "model/StatusCodes.h"

#include <algorithm>
#include <cstdio>

namespace kestrow::host {
namespace {

HandleKind KindOf(const HandleTracker::Object& object) { return static_cast<HandleKind>(object.index()); }

std::string TokenText(uintptr_t token)
{
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(token));
    return text;
}

}  // namespace

const char* HandleKindName(HandleKind kind)
{
    switch (kind) {
    case HandleKind::Descriptor: return "descriptor";
    case HandleKind::Reference: return "reference";
    case HandleKind::List: return "list";
    case HandleKind::Alias: return "alias";
    case HandleKind::Name: return "name value";
    }
    return "handle";
}

std::string HandleProblem::Describe() const
{
    const std::string handle = std::string(HandleKindName(kind)) + " " + TokenText(token);
    const std::string where = operation.empty() ? "" : operation + ": ";
    switch (what) {
    case What::Leaked: return handle + " leaked: still held by the plug-in after the call";
    case What::FreedTwice: return where + handle + " freed twice";
    case What::FreedUnknown: return where + "freed a handle the host never gave out (" + TokenText(token) + ")";
    case What::FreedWrongKind: return where + handle + " freed as another kind of handle";
    case What::FreedHostOwned: return where + handle + " belongs to the host and was not freed";
    case What::UsedAfterFree: return where + handle + " used after it was freed";
    case What::UsedUnknown: return where + "used a handle the host never gave out (" + TokenText(token) + ")";
    }
    return where + handle;
}

uintptr_t HandleTracker::Add(Object object, HandleOwner owner)
{
    const uintptr_t token = nextToken_;
    nextToken_ += 0x10;
    live_.emplace(token, Entry{std::move(object), owner, nextSerial_++});
    return token;
}

void HandleTracker::Note(HandleProblem::What what, HandleKind kind, uintptr_t token, const char* operation)
{
    problems_.push_back(HandleProblem{what, kind, token, operation ? operation : ""});
}

template <class T>
T* HandleTracker::Find(uintptr_t token, HandleKind kind, const char* operation)
{
    auto it = live_.find(token);
    if (it != live_.end() && KindOf(it->second.object) == kind)
        return std::get<std::unique_ptr<T>>(it->second.object).get();
    const bool freed = freed_.count(token) != 0;
    Note(freed ? HandleProblem::What::UsedAfterFree : HandleProblem::What::UsedUnknown, kind, token, operation);
    return nullptr;
}

Descriptor* HandleTracker::FindDescriptor(uintptr_t token, const char* operation)
{
    return Find<Descriptor>(token, HandleKind::Descriptor, operation);
}

Reference* HandleTracker::FindReference(uintptr_t token, const char* operation)
{
    return Find<Reference>(token, HandleKind::Reference, operation);
}

NameValue* HandleTracker::FindName(uintptr_t token, const char* operation)
{
    return Find<NameValue>(token, HandleKind::Name, operation);
}

bool HandleTracker::IsOwnedBy(uintptr_t token, HandleOwner owner) const
{
    auto it = live_.find(token);
    return it != live_.end() && it->second.owner == owner;
}

void HandleTracker::SetOwner(uintptr_t token, HandleOwner owner)
{
    auto it = live_.find(token);
    if (it != live_.end()) it->second.owner = owner;
}

HostStatus HandleTracker::FreeFromPlugin(uintptr_t token, HandleKind kind, const char* operation)
{
    auto it = live_.find(token);
    if (it == live_.end()) {
        auto freed = freed_.find(token);
        Note(freed != freed_.end() ? HandleProblem::What::FreedTwice : HandleProblem::What::FreedUnknown, kind, token,
             operation);
        return status::kBadHandle;
    }
    if (KindOf(it->second.object) != kind) {
        Note(HandleProblem::What::FreedWrongKind, KindOf(it->second.object), token, operation);
        return status::kBadHandle;
    }
    if (it->second.owner == HandleOwner::Host) {
        Note(HandleProblem::What::FreedHostOwned, kind, token, operation);
        return status::kBadHandle;
    }
    freed_.emplace(token, kind);
    live_.erase(it);
    return 0;
}

void HandleTracker::FreeFromHost(uintptr_t token)
{
    auto it = live_.find(token);
    if (it == live_.end()) return;
    freed_.emplace(token, KindOf(it->second.object));
    live_.erase(it);
}

std::vector<HandleProblem> HandleTracker::RecordLeaksSince(uint64_t mark)
{
    std::vector<HandleProblem> leaks;
    for (const auto& [token, entry] : live_) {
        if (entry.owner == HandleOwner::Plugin && entry.serial >= mark)
            leaks.push_back(HandleProblem{HandleProblem::What::Leaked, KindOf(entry.object), token, ""});
    }
    std::sort(leaks.begin(), leaks.end(), [](const auto& a, const auto& b) { return a.token < b.token; });
    problems_.insert(problems_.end(), leaks.begin(), leaks.end());
    return leaks;
}

}  // namespace kestrow::host

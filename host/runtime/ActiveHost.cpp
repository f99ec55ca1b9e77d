#include "runtime/Host.h"

namespace kestrow::host {
namespace {
Host* activeHost = nullptr;
}  // namespace

Host* ActiveHost() { return activeHost; }

ActiveHostScope::ActiveHostScope(Host& host) : previous_(activeHost) { activeHost = &host; }

ActiveHostScope::~ActiveHostScope() { activeHost = previous_; }

}  // namespace kestrow::host

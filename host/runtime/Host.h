// The simulated editor's state that the suite tables act on: the suites it
// offers, the handles it gave out, its documents and history, the events
// played, its dialog manager and the faults armed against it.
#pragma once

#include "BasicSuite.h"
#include "dialog/DialogManager.h"
#include "editor/DocumentSet.h"
#include "editor/HistoryRecorder.h"
#include "runtime/FaultInjector.h"
#include "runtime/HandleTracker.h"
#include "runtime/SuiteRegistry.h"

#include <string>
#include <vector>

namespace kestrow::host {

// One event the plug-in played, as it arrived, and what became of it.
struct PlayedEvent {
    FourCode event;
    int32_t status;
    std::vector<Item> items;  // the descriptor's items in insertion order
    std::string reason;       // why it was refused; empty on success
    int32_t dialogOption;
};

class Host {
public:
    // Registers the 14 suites of the host interface.
    Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    const BasicSuite* Basic() const;
    // The handle the host gives the module in every message.
    PluginRef PluginHandle() const { return reinterpret_cast<PluginRef>(const_cast<Host*>(this)); }

    SuiteRegistry suites;
    HandleTracker handles;
    FaultInjector faults;
    DocumentSet documents;
    HistoryRecorder history;
    DialogManager dialogs;
    std::vector<PlayedEvent> events;
    std::string pluginName = "Kestrow";
    // Name values handed out during the current call; the host frees them when it ends.
    std::vector<uintptr_t> callNames;
};

// The host whose call into the module is in progress; the suite functions
// reach it through here because a C table carries no context.
Host* ActiveHost();

class ActiveHostScope {
public:
    explicit ActiveHostScope(Host& host);
    ~ActiveHostScope();
    ActiveHostScope(const ActiveHostScope&) = delete;
    ActiveHostScope& operator=(const ActiveHostScope&) = delete;

private:
    Host* previous_;
};

}  // namespace kestrow::host

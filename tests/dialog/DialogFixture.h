// The main dialog built from the module's own template and run by the
// simulated editor's dialog manager, with the plug-in's procedures linked
// in, so a test can take a person's steps and look at the items and at
// the canvas state between them.
#pragma once

#include "PluginFixture.h"

#include "dialog/Dialogs.h"
#include "dialog/ModuleDialogSource.h"

#include <functional>
#include <memory>
#include <string>

namespace kestrow::test {

// The built module's dialogs and icons, read once.
inline std::shared_ptr<const host::DialogSource> ModuleDialogs()
{
    static const std::shared_ptr<const host::DialogSource> source = [] {
        std::string error;
        auto opened = host::ModuleDialogSource::Open(KESTROW_MODULE_FILE, error);
        if (!opened) ADD_FAILURE() << "the module's resources: " << error;
        return std::shared_ptr<const host::DialogSource>(opened);
    }();
    return source;
}

// A step that must succeed.
#define STEP(step)                                      \
    do {                                                \
        const host::StepOutcome outcome_ = (step);      \
        ASSERT_TRUE(outcome_) << #step << ": " << outcome_.error; \
    } while (0)

class MainDialogTest : public PluginTest {
protected:
    using Steps = std::function<void(host::ModalSession&)>;

    void SetUp() override
    {
        PluginTest::SetUp();
        host.dialogs.SetSource(ModuleDialogs());
    }

    // Runs the main dialog as the run sequence opens it; `steps` plays in
    // it, `aboutSteps` in an About box opened from it. A dialog the steps
    // leave open ends with the default result 0, as if the user closed it.
    int32_t RunMainDialog(Steps steps, Steps aboutSteps = nullptr)
    {
        host.dialogs.SetScript([&](host::ModalSession& session) {
            if (session.Current().ResourceId() == kMainDialogId && steps) steps(session);
            if (session.Current().ResourceId() == kAboutDialogId && aboutSteps) aboutSteps(session);
        });
        // As the run sequence opens it: nothing played yet in this run.
        gCanvasState.commandPlayed = 0;
        gCanvasState.dialogRunning = true;
        const int32_t result = host.dialogs.Modal("Canvas", kMainDialogId, MainDialogInit, nullptr);
        gCanvasState.dialogRunning = false;
        host.dialogs.SetScript(nullptr);
        return result;
    }

    static const host::DialogItem& Item(host::ModalSession& session, int32_t id)
    {
        const host::DialogItem* item = session.Item(id);
        if (!item) throw std::logic_error("the dialog has no item " + std::to_string(id));
        return *item;
    }
    static std::string Text(host::ModalSession& session, int32_t id) { return Item(session, id).text; }
    static bool Enabled(host::ModalSession& session, int32_t id) { return Item(session, id).enabled; }
    static bool On(host::ModalSession& session, int32_t id) { return Item(session, id).value; }
    // The label of a popup's chosen entry.
    static std::string Chosen(host::ModalSession& session, int32_t id)
    {
        const host::ItemList* list = Item(session, id).List();
        return list && list->Active() ? list->Active()->text : "(none)";
    }
};

}  // namespace kestrow::test

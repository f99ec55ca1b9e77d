#include "HostFixture.h"

#include <functional>
#include <memory>
#include <optional>

namespace kestrow::host::testing {
namespace {

class Templates : public DialogSource {
public:
    std::optional<DialogTemplate> Find(int32_t resourceId) const override
    {
        if (resourceId != 16000) return std::nullopt;
        return DialogTemplate{16000, "Canvas", {{1, ItemKind::Button, "OK"}, {3, ItemKind::Edit, "0"},
                                                 {7, ItemKind::Popup, ""}, {9, ItemKind::Checkbox, "Uniform"}}};
    }
};

class DialogManagerTest : public HostFixture {
protected:
    DialogManagerTest()
    {
        dialogSuite = Acquire<DialogSuite5>(kDialogSuiteName, kDialogSuiteVersion);
        items = Acquire<ItemSuite4>(kItemSuiteName, kItemSuiteVersion);
        lists = Acquire<ListSuite1>(kListSuiteName, kListSuiteVersion);
        entries = Acquire<EntrySuite2>(kEntrySuiteName, kEntrySuiteVersion);
        trackers = Acquire<TrackerSuite1>(kTrackerSuiteName, kTrackerSuiteVersion);
    }

    // Runs Modal with an init procedure that calls `init` with the dialog.
    int32_t RunModal(int32_t resourceId, std::function<void(DialogRef)> init)
    {
        current = this;
        initBody = std::move(init);
        const int32_t result = dialogSuite->Modal(host.PluginHandle(), "Canvas", resourceId, 0, Init, nullptr, 0);
        current = nullptr;
        return result;
    }

    static PlugStatus HOSTCALL Init(DialogRef dialog)
    {
        current->initBody(dialog);
        return 0;
    }

    // The test whose procedures run: C procedures carry no context.
    static inline DialogManagerTest* current = nullptr;
    std::function<void(DialogRef)> initBody;
    const DialogSuite5* dialogSuite = nullptr;
    const ItemSuite4* items = nullptr;
    const ListSuite1* lists = nullptr;
    const EntrySuite2* entries = nullptr;
    const TrackerSuite1* trackers = nullptr;
};

TEST_F(DialogManagerTest, WithoutATemplateModalRunsInitAndEndsWithTheConfiguredResult)
{
    bool initRan = false;
    EXPECT_EQ(RunModal(16000, [&](DialogRef dialog) {
                  initRan = true;
                  ItemRef item = dialogSuite->GetItem(dialog, 16001);
                  EXPECT_EQ(item, nullptr);
                  items->SetText(item, "ignored");
                  char text[4] = "abc";
                  items->GetText(item, text, 3);
                  EXPECT_STREQ(text, "abc") << "a null item leaves the buffer alone";
                  EXPECT_EQ(items->GetList(item), nullptr);
                  EXPECT_EQ(lists->InsertEntry(nullptr, 0), nullptr);
              }),
              0);
    EXPECT_TRUE(initRan);
    host.dialogs.SetDefaultResult(1);
    EXPECT_EQ(RunModal(16000, [](DialogRef) {}), 1);
    ASSERT_EQ(host.dialogs.Runs().size(), 2u);
    EXPECT_FALSE(host.dialogs.Runs()[0].built);
}

TEST_F(DialogManagerTest, EndModalDecidesTheResultAndAScriptCanPlayUserSteps)
{
    host.dialogs.SetSource(std::make_shared<Templates>());
    EXPECT_EQ(RunModal(16000, [&](DialogRef dialog) { dialogSuite->EndModal(dialog, 5, 0); }), 5);

    static int notified = 0;
    notified = 0;
    host.dialogs.SetScript([](ModalSession& session) {
        EXPECT_TRUE(session.Type(3, "123456789012"));
        EXPECT_EQ(session.Item(3)->text, "1234567890") << "typing stops at the maximum length";
        EXPECT_TRUE(session.Click(9));
        EXPECT_TRUE(session.Item(9)->value);
        session.End(2);
        EXPECT_FALSE(session.Click(9)) << "no steps after the dialog ended";
    });
    EXPECT_EQ(RunModal(16000, [&](DialogRef dialog) {
                  ItemRef edit = dialogSuite->GetItem(dialog, 3);
                  items->SetMaxTextLength(edit, 10);
                  items->SetNotifyProc(edit, [](ItemRef, NotifierRef) { ++notified; });
                  EXPECT_EQ(items->GetID(edit), 3);
                  EXPECT_EQ(items->GetDialog(edit), dialog);
              }),
              2);
    EXPECT_EQ(notified, 1);
}

TEST_F(DialogManagerTest, PopupEntriesKeepTheirOrderIdsAndSelection)
{
    host.dialogs.SetSource(std::make_shared<Templates>());
    RunModal(16000, [&](DialogRef dialog) {
        ListRef list = items->GetList(dialogSuite->GetItem(dialog, 7));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(items->GetList(dialogSuite->GetItem(dialog, 3)), nullptr) << "an edit item has no list";
        const char* labels[] = {"pixels", "percent", "mm"};
        for (int32_t i = 0; i < 3; ++i) {
            EntryRef entry = lists->InsertEntry(list, i);
            entries->SetID(entry, 100 + i);
            entries->SetText(entry, labels[i]);
        }
        EntryRef first = lists->InsertEntry(list, 0);
        entries->SetID(first, 99);
        EXPECT_EQ(entries->GetIndex(lists->GetEntry(list, 102)), 3);
        EXPECT_EQ(lists->GetActiveEntry(list), nullptr);
        entries->Select(lists->GetEntry(list, 101), 1);
        EXPECT_EQ(entries->GetIndex(lists->GetActiveEntry(list)), 2);
        EXPECT_EQ(lists->GetEntry(list, 555), nullptr);
    });
}

TEST_F(DialogManagerTest, TrackerProcedureSeesTheActionsOfTheTrackedEvent)
{
    host.dialogs.SetSource(std::make_shared<Templates>());
    static std::vector<std::pair<bool, bool>> seen;
    seen.clear();
    static const TrackerSuite1* trackerSuite = nullptr;
    trackerSuite = trackers;
    host.dialogs.SetScript([](ModalSession& session) {
        EXPECT_TRUE(session.Track({7, -2}));
        EXPECT_TRUE(session.Track({-7}));
    });
    RunModal(16000, [&](DialogRef dialog) {
        dialogSuite->SetMask(dialog, dialogSuite->GetMask(dialog) | 0x8840880);
        EXPECT_EQ(dialogSuite->GetMask(dialog), 0x8840880);
        dialogSuite->SetTrackProc(dialog, [](DialogRef, TrackerRef tracker) -> HostBool {
            seen.emplace_back(trackerSuite->TestAction(tracker, 7) != 0, trackerSuite->TestAction(tracker, -2) != 0);
            return 0;
        });
    });
    const std::vector<std::pair<bool, bool>> expected = {{true, true}, {false, false}};
    EXPECT_EQ(seen, expected);
    EXPECT_FALSE(trackers->TestAction(nullptr, 7));
}

TEST_F(DialogManagerTest, HandlesOfAClosedDialogAreIgnored)
{
    host.dialogs.SetSource(std::make_shared<Templates>());
    ItemRef stale = nullptr;
    DialogRef staleDialog = nullptr;
    RunModal(16000, [&](DialogRef dialog) {
        staleDialog = dialog;
        stale = dialogSuite->GetItem(dialog, 3);
    });
    ASSERT_NE(stale, nullptr);
    items->SetText(stale, "after close");
    EXPECT_EQ(items->GetID(stale), 0);
    EXPECT_EQ(dialogSuite->GetItem(staleDialog, 3), nullptr);
    dialogSuite->EndModal(staleDialog, 1, 0);
}

}  // namespace
}  // namespace kestrow::host::testing

#include "HostFixture.h"

#include "model/FourCodeText.h"
#include "model/StatusCodes.h"

#include <cmath>
#include <functional>
#include <limits>
#include <stdexcept>

namespace kestrow::host::testing {
namespace {

constexpr FourCode kPixels = FourCC("#Pxl");
constexpr FourCode kPoints = FourCC("#Rlt");

class CanvasSize : public HostFixture {
public:  // the case tables below fill descriptors through these
    // Plays 'CnvS' with a descriptor built by `fill`; frees what it made.
    HostStatus Play(const std::function<void(ActionDescriptorHandle)>& fill, FourCode event = FourCC("CnvS"))
    {
        ActionDescriptorHandle d = MakeDescriptor();
        fill(d);
        ActionDescriptorHandle result = nullptr;
        const HostStatus status = control->Play(&result, event, d, 2);
        if (result) descriptors->Free(result);
        descriptors->Free(d);
        return status;
    }

    void PlainWidth(ActionDescriptorHandle d, double value) { descriptors->PutFloat(d, FourCC("Wdth"), value); }
    void Width(ActionDescriptorHandle d, FourCode unit, double value) { descriptors->PutUnitFloat(d, FourCC("Wdth"), unit, value); }
    void Height(ActionDescriptorHandle d, FourCode unit, double value) { descriptors->PutUnitFloat(d, FourCC("Hght"), unit, value); }
    void Enumerated(ActionDescriptorHandle d, const char (&key)[5], const char (&type)[5], const char (&value)[5])
    {
        descriptors->PutEnumerated(d, FourCC(key), FourCC(type), FourCC(value));
    }
    void Align(ActionDescriptorHandle d, const char (&h)[5], const char (&v)[5])
    {
        descriptors->PutEnumerated(d, FourCC("Hrzn"), FourCC("HrzL"), FourCC(h));
        descriptors->PutEnumerated(d, FourCC("Vrtc"), FourCC("VrtL"), FourCC(v));
    }
};

struct RefusalCase {
    const char* name;
    std::function<void(CanvasSize&, ActionDescriptorHandle)> fill;
    HostStatus status;
};

// Every refused event leaves the document exactly as it was, adds no
// history, and is logged with its status.
TEST_F(CanvasSize, RefusedEventsLeaveTheDocumentUnchanged)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<RefusalCase> cases = {
        {"zero width", [](CanvasSize& t, auto d) { t.Width(d, kPixels, 0); t.Align(d, "Left", "Top "); }, status::kBadValue},
        {"rounds to zero", [](CanvasSize& t, auto d) { t.Width(d, kPixels, 0.49); t.Align(d, "Left", "Top "); }, status::kBadValue},
        {"negative height", [](CanvasSize& t, auto d) { t.Height(d, kPixels, -5); t.Align(d, "Left", "Top "); }, status::kBadValue},
        {"over 300000", [](CanvasSize& t, auto d) { t.Width(d, kPixels, 300000.5); t.Align(d, "Left", "Top "); }, status::kBadValue},
        {"points over the limit", [](CanvasSize& t, auto d) { t.Width(d, kPoints, 300000.6); t.Align(d, "Left", "Top "); }, status::kBadValue},
        {"NaN", [nan](CanvasSize& t, auto d) { t.Width(d, kPixels, nan); t.Align(d, "Left", "Top "); }, status::kBadValue},
        {"infinity", [inf](CanvasSize& t, auto d) { t.Height(d, kPoints, inf); t.Align(d, "Left", "Top "); }, status::kBadValue},
        {"percent unit", [](CanvasSize& t, auto d) { t.Width(d, FourCC("#Prc"), 50); t.Align(d, "Left", "Top "); }, status::kBadValue},
        {"plain double width", [](CanvasSize& t, auto d) {
             t.PlainWidth(d, 800); t.Align(d, "Left", "Top "); }, status::kWrongType},
        {"width without Hrzn", [](CanvasSize& t, auto d) {
             t.Width(d, kPixels, 800); t.Enumerated(d, "Vrtc", "VrtL", "Top "); }, status::kBadValue},
        {"unknown Hrzn value", [](CanvasSize& t, auto d) { t.Width(d, kPixels, 800); t.Align(d, "Top ", "Top "); }, status::kBadValue},
        {"Hrzn of another type", [](CanvasSize& t, auto d) {
             t.Width(d, kPixels, 800); t.Enumerated(d, "Hrzn", "ADSt", "Left"); }, status::kBadValue},
        {"bad Vrtc with only a width", [](CanvasSize& t, auto d) { t.Width(d, kPixels, 800); t.Align(d, "Left", "Left"); }, status::kBadValue},
        {"one bad size among good", [](CanvasSize& t, auto d) {
             t.Width(d, kPixels, 800); t.Height(d, kPixels, 0); t.Align(d, "Left", "Top "); }, status::kBadValue},
    };
    Document& document = host.documents.Open(1000, 500, 72);
    for (const auto& c : cases) {
        const size_t logged = host.events.size();
        EXPECT_EQ(Play([&](ActionDescriptorHandle d) { c.fill(*this, d); }), c.status) << c.name;
        EXPECT_EQ(document.Width(), 1000) << c.name;
        EXPECT_EQ(document.Height(), 500) << c.name;
        EXPECT_EQ(document.ImageX(), 0) << c.name;
        EXPECT_EQ(document.ImageY(), 0) << c.name;
        EXPECT_TRUE(document.History().empty()) << c.name;
        ASSERT_EQ(host.events.size(), logged + 1) << c.name;
        EXPECT_EQ(host.events.back().status, c.status) << c.name;
        EXPECT_FALSE(host.events.back().reason.empty()) << c.name;
    }
}

TEST_F(CanvasSize, OtherEventsAndAMissingDocumentAreRefused)
{
    auto fill = [&](ActionDescriptorHandle d) { Width(d, kPixels, 800); Align(d, "Left", "Top "); };
    EXPECT_EQ(Play(fill), status::kNoDocument);
    Document& document = host.documents.Open(1000, 500, 72);
    EXPECT_EQ(Play(fill, FourCC("Mk  ")), status::kEventNotHandled);
    EXPECT_EQ(document.Width(), 1000);
    ActionDescriptorHandle result = nullptr;
    EXPECT_EQ(control->Play(&result, FourCC("CnvS"), nullptr, 2), status::kBadParameter);
    EXPECT_EQ(result, nullptr);
}

TEST_F(CanvasSize, PointsAreConvertedAtTheDocumentResolutionAndRounded)
{
    struct Case {
        double resolution;
        double points;
        int32_t pixels;
    };
    const Case cases[] = {
        {300, 72, 300},    {72, 100.4, 100}, {72, 100.5, 101}, {96, 10, 13},
        {150, 0.3, 1},     {300, 240.0, 1000}, {72, 72000, 72000},
    };
    for (const auto& c : cases) {
        host.documents.CloseAll();
        Document& document = host.documents.Open(500, 500, c.resolution);
        ASSERT_EQ(Play([&](ActionDescriptorHandle d) { Width(d, kPoints, c.points); Align(d, "Left", "Top "); }), 0)
            << c.points << " pt at " << c.resolution;
        EXPECT_EQ(document.Width(), c.pixels) << c.points << " pt at " << c.resolution;
        EXPECT_EQ(document.Height(), 500) << "a missing Hght keeps the height";
    }
}

TEST_F(CanvasSize, AlignmentPlacesTheOldImageOnTheNewCanvas)
{
    struct Case {
        const char* horizontal;
        const char* vertical;
        int32_t newWidth, newHeight;
        int32_t x, y;
    };
    const Case cases[] = {
        {"Left", "Top ", 1200, 700, 0, 0},       {"Cntr", "Cntr", 1200, 700, 100, 100},
        {"Rght", "Bttm", 1200, 700, 200, 200},   {"Rght", "Top ", 800, 300, -200, 0},
        {"Cntr", "Bttm", 997, 497, -1, -3},
    };
    for (const auto& c : cases) {
        host.documents.CloseAll();
        Document& document = host.documents.Open(1000, 500, 72);
        const HostStatus status = Play([&](ActionDescriptorHandle d) {
            Width(d, kPixels, c.newWidth);
            Height(d, kPixels, c.newHeight);
            descriptors->PutEnumerated(d, FourCC("Hrzn"), FourCC("HrzL"), *FourCodeFromText(c.horizontal));
            descriptors->PutEnumerated(d, FourCC("Vrtc"), FourCC("VrtL"), *FourCodeFromText(c.vertical));
        });
        ASSERT_EQ(status, 0) << c.horizontal << c.vertical;
        EXPECT_EQ(document.Width(), c.newWidth);
        EXPECT_EQ(document.Height(), c.newHeight);
        EXPECT_EQ(document.ImageX(), c.x) << c.horizontal;
        EXPECT_EQ(document.ImageY(), c.y) << c.vertical;
    }
}

TEST_F(CanvasSize, PlayHandsBackAResultDescriptorTheCallerOwns)
{
    host.documents.Open(1000, 500, 72);
    ActionDescriptorHandle d = MakeDescriptor();
    Height(d, kPixels, 520);
    descriptors->PutEnumerated(d, FourCC("Vrtc"), FourCC("VrtL"), FourCC("Bttm"));
    const uint64_t mark = host.handles.Mark();
    ActionDescriptorHandle result = nullptr;
    ASSERT_EQ(control->Play(&result, FourCC("CnvS"), d, 2), 0);
    ASSERT_NE(result, nullptr);
    FourCode unit = 0;
    double height = 0;
    EXPECT_EQ(descriptors->GetUnitFloat(result, FourCC("Hght"), &unit, &height), 0);
    EXPECT_EQ(height, 520);
    EXPECT_EQ(host.handles.RecordLeaksSince(mark).size(), 1u);
    EXPECT_EQ(descriptors->Free(result), 0);
    descriptors->Free(d);
    ASSERT_EQ(host.events.size(), 1u);
    ASSERT_EQ(host.events[0].items.size(), 2u) << "the log keeps the descriptor as played";
    EXPECT_EQ(host.events[0].items[0].key, FourCC("Hght"));
    EXPECT_EQ(host.events[0].items[1].key, FourCC("Vrtc"));
}

TEST_F(CanvasSize, GetAnswersSizeInPointsAndResolutionInPixelsPerInch)
{
    host.documents.Open(3000, 1500, 300);
    struct Case {
        FourCode key;
        FourCode unit;
        double value;
    };
    for (const auto& c : {Case{FourCC("Wdth"), kPoints, 720}, Case{FourCC("Hght"), kPoints, 360},
                          Case{FourCC("Rslt"), FourCC("#Rsl"), 300}}) {
        ActionReferenceHandle reference = TargetReference(c.key);
        ActionDescriptorHandle result = nullptr;
        ASSERT_EQ(control->Get(&result, reference), 0);
        FourCode unit = 0;
        double value = 0;
        EXPECT_EQ(descriptors->GetUnitFloat(result, c.key, &unit, &value), 0);
        EXPECT_EQ(unit, c.unit);
        EXPECT_DOUBLE_EQ(value, c.value);
        uint32_t count = 0;
        descriptors->GetCount(result, &count);
        EXPECT_EQ(count, 1u) << "a property reference answers that property only";
        descriptors->Free(result);
        references->Free(reference);
    }
    ActionReferenceHandle whole = TargetReference();
    ActionDescriptorHandle result = nullptr;
    ASSERT_EQ(control->Get(&result, whole), 0);
    for (FourCode key : {FourCC("Wdth"), FourCC("Hght"), FourCC("Rslt")}) {
        HostBool has = 0;
        descriptors->HasKey(result, key, &has);
        EXPECT_TRUE(has);
    }
    descriptors->Free(result);
    references->Free(whole);
}

TEST_F(CanvasSize, GetFailsWithoutADocumentOrATargetPart)
{
    ActionReferenceHandle reference = TargetReference(FourCC("Wdth"));
    ActionDescriptorHandle result = nullptr;
    EXPECT_EQ(control->Get(&result, reference), status::kNoDocument);
    EXPECT_EQ(result, nullptr);
    host.documents.Open(100, 100, 72);
    ActionReferenceHandle propertyOnly = nullptr;
    references->Make(&propertyOnly);
    references->PutProperty(propertyOnly, FourCC("Prpr"), FourCC("Wdth"));
    EXPECT_NE(control->Get(&result, propertyOnly), 0);
    EXPECT_EQ(result, nullptr);
    ActionReferenceHandle unknownProperty = TargetReference(FourCC("Zzzz"));
    EXPECT_EQ(control->Get(&result, unknownProperty), status::kNoSuchKey);
    references->Free(reference);
    references->Free(propertyOnly);
    references->Free(unknownProperty);
}

}  // namespace
// The editor opens no document it could not measure: sizes outside 1 to
// 300000 pixels and resolutions outside 0.01 to 1000000 pixels per inch, NaN
// and the infinities among them, are refused and nothing is opened.
TEST(Documents, ImpossibleSizesAndResolutionsAreRefused)
{
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    struct Case {
        int32_t width, height;
        double resolution;
    };
    const Case refused[] = {{0, 1, 72},   {1, 300001, 72}, {1, 1, 0.009},     {1, 1, 1e-310},
                            {1, 1, nan},  {1, 1, inf},     {1, 1, 1000000.5}, {1, 1, -72}};
    DocumentSet documents;
    for (const Case& c : refused)
        EXPECT_THROW(documents.Open(c.width, c.height, c.resolution), std::invalid_argument)
            << c.width << " x " << c.height << " at " << c.resolution;
    EXPECT_TRUE(documents.All().empty());
    EXPECT_NO_THROW(documents.Open(300000, 300000, 0.01));
    EXPECT_NO_THROW(documents.Open(1, 1, 1000000));
}

}  // namespace kestrow::host::testing

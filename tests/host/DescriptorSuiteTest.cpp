#include "HostFixture.h"

#include "model/ActionList.h"
#include "model/ItemTypes.h"
#include "model/Reference.h"
#include "model/StatusCodes.h"

#include <cstring>
#include <functional>
#include <memory>

namespace kestrow::host::testing {
namespace {

class DescriptorSuite : public HostFixture {};

TEST_F(DescriptorSuite, KeysStayInInsertionOrderAndAPutReplacesInPlace)
{
    ActionDescriptorHandle d = MakeDescriptor();
    descriptors->PutFloat(d, FourCC("Top "), 1.5);
    descriptors->PutInteger(d, FourCC("Left"), 2);
    descriptors->PutEnumerated(d, FourCC("RlrU"), FourCC("RlrU"), FourCC("RrPx"));
    descriptors->PutString(d, FourCC("Left"), "now text");

    uint32_t count = 0;
    ASSERT_EQ(descriptors->GetCount(d, &count), 0);
    ASSERT_EQ(count, 3u);
    const FourCode expected[] = {FourCC("Top "), FourCC("Left"), FourCC("RlrU")};
    for (uint32_t i = 0; i < 3; ++i) {
        FourCode key = 0;
        ASSERT_EQ(descriptors->GetKey(d, i, &key), 0);
        EXPECT_EQ(key, expected[i]) << "index " << i;
    }
    FourCode type = 0;
    ASSERT_EQ(descriptors->GetType(d, FourCC("Left"), &type), 0);
    EXPECT_EQ(type, itemtype::kText);
    FourCode key = 0;
    EXPECT_NE(descriptors->GetKey(d, 3, &key), 0);
    descriptors->Free(d);
}

// Each getter, asked for an item of another type or an absent key, fails
// and leaves its outputs exactly as they were.
TEST_F(DescriptorSuite, FailedGetLeavesOutputsUntouched)
{
    ActionDescriptorHandle d = MakeDescriptor();
    descriptors->PutString(d, FourCC("Text"), "abc");
    descriptors->PutFloat(d, FourCC("Dbl "), 2.5);
    const FourCode kAbsent = FourCC("None");

    struct Case {
        const char* getter;
        std::function<HostStatus(FourCode key, unsigned char* out)> call;
    };
    const auto* s = descriptors;
    const std::vector<Case> cases = {
        {"GetInteger", [&](FourCode k, unsigned char* o) { return s->GetInteger(d, k, reinterpret_cast<int32_t*>(o)); }},
        {"GetFloat", [&](FourCode k, unsigned char* o) { return s->GetFloat(d, k, reinterpret_cast<double*>(o)); }},
        {"GetUnitFloat", [&](FourCode k, unsigned char* o) {
             return s->GetUnitFloat(d, k, reinterpret_cast<FourCode*>(o), reinterpret_cast<double*>(o + 8)); }},
        {"GetEnumerated", [&](FourCode k, unsigned char* o) {
             return s->GetEnumerated(d, k, reinterpret_cast<FourCode*>(o), reinterpret_cast<FourCode*>(o + 4)); }},
        {"GetBoolean", [&](FourCode k, unsigned char* o) { return s->GetBoolean(d, k, reinterpret_cast<HostBool*>(o)); }},
        {"GetClass", [&](FourCode k, unsigned char* o) { return s->GetClass(d, k, reinterpret_cast<FourCode*>(o)); }},
        {"GetObject", [&](FourCode k, unsigned char* o) {
             return s->GetObject(d, k, reinterpret_cast<FourCode*>(o), reinterpret_cast<ActionDescriptorHandle*>(o + 8)); }},
        {"GetReference", [&](FourCode k, unsigned char* o) {
             return s->GetReference(d, k, reinterpret_cast<ActionReferenceHandle*>(o)); }},
        {"GetList", [&](FourCode k, unsigned char* o) { return s->GetList(d, k, reinterpret_cast<ActionListHandle*>(o)); }},
        {"GetAlias", [&](FourCode k, unsigned char* o) { return s->GetAlias(d, k, reinterpret_cast<AliasHandle*>(o)); }},
        {"GetStringLength", [&](FourCode k, unsigned char* o) {
             return s->GetStringLength(d, k, reinterpret_cast<uint32_t*>(o)); }},
        {"GetString", [&](FourCode k, unsigned char* o) { return s->GetString(d, k, reinterpret_cast<char*>(o), 16); }},
    };
    for (const auto& c : cases) {
        const bool textGetter = std::strncmp(c.getter, "GetString", 9) == 0;
        const FourCode wrongType = textGetter ? FourCC("Dbl ") : FourCC("Text");
        for (FourCode key : {wrongType, kAbsent}) {
            alignas(8) unsigned char out[32];
            std::memset(out, 0xA5, sizeof out);
            const HostStatus status = c.call(key, out);
            EXPECT_EQ(status, key == kAbsent ? status::kNoSuchKey : status::kWrongType) << c.getter;
            for (unsigned char byte : out) ASSERT_EQ(byte, 0xA5) << c.getter << " wrote its output";
        }
    }
    descriptors->Free(d);
}

TEST_F(DescriptorSuite, IntegerReadsAsFloatButNotTheOtherWayRound)
{
    ActionDescriptorHandle d = MakeDescriptor();
    descriptors->PutInteger(d, FourCC("Left"), 10);
    descriptors->PutFloat(d, FourCC("Top "), 20.5);
    double left = 0;
    EXPECT_EQ(descriptors->GetFloat(d, FourCC("Left"), &left), 0);
    EXPECT_EQ(left, 10.0);
    int32_t top = 7;
    EXPECT_EQ(descriptors->GetInteger(d, FourCC("Top "), &top), status::kWrongType);
    EXPECT_EQ(top, 7);
    descriptors->Free(d);
}

TEST_F(DescriptorSuite, GetStringCopiesAtMostOneLessThanTheBufferAndATerminator)
{
    ActionDescriptorHandle d = MakeDescriptor();
    descriptors->PutString(d, FourCC("Nm  "), "Kestrow");
    uint32_t length = 0;
    ASSERT_EQ(descriptors->GetStringLength(d, FourCC("Nm  "), &length), 0);
    EXPECT_EQ(length, 7u);
    char text[8] = "xxxxxxx";
    ASSERT_EQ(descriptors->GetString(d, FourCC("Nm  "), text, 4), 0);
    EXPECT_STREQ(text, "Kes");
    EXPECT_EQ(text[4], 'x');
    descriptors->Free(d);
}

// Object, reference, list and alias getters hand out copies under new
// handles that the caller owns: unfreed, they show up as leaks.
TEST_F(DescriptorSuite, NestedValuesComeOutAsNewHandlesTheCallerFrees)
{
    Descriptor inner;
    inner.PutInteger(FourCC("Inr "), 5);
    Reference reference;
    reference.AddEnumerated(FourCC("Dcmn"), FourCC("Ordn"), FourCC("Trgt"));
    ActionList list;
    list.Append(itemtype::kFloat, 1.0);
    auto outer = std::make_unique<Descriptor>();
    outer->PutObject(FourCC("Objc"), FourCC("Clss"), inner);
    outer->PutReference(FourCC("Ref "), reference);
    outer->PutList(FourCC("List"), list);
    outer->PutPath(FourCC("Path"), "/tmp/file");
    const auto d = HandleOf<ActionDescriptorHandle>(host.handles.Add(std::move(outer), HandleOwner::Host));

    const uint64_t mark = host.handles.Mark();
    FourCode classCode = 0;
    ActionDescriptorHandle object = nullptr;
    ASSERT_EQ(descriptors->GetObject(d, FourCC("Objc"), &classCode, &object), 0);
    EXPECT_EQ(classCode, FourCC("Clss"));
    int32_t value = 0;
    EXPECT_EQ(descriptors->GetInteger(object, FourCC("Inr "), &value), 0);
    EXPECT_EQ(value, 5);
    ActionReferenceHandle ref = nullptr;
    ActionListHandle listHandle = nullptr;
    AliasHandle alias = nullptr;
    ASSERT_EQ(descriptors->GetReference(d, FourCC("Ref "), &ref), 0);
    ASSERT_EQ(descriptors->GetList(d, FourCC("List"), &listHandle), 0);
    ASSERT_EQ(descriptors->GetAlias(d, FourCC("Path"), &alias), 0);
    EXPECT_EQ(host.handles.RecordLeaksSince(mark).size(), 4u);

    EXPECT_EQ(descriptors->Free(object), 0);
    EXPECT_EQ(references->Free(ref), 0);
    EXPECT_EQ(descriptors->FreeList(listHandle), 0);
    EXPECT_EQ(descriptors->FreeAlias(alias), 0);
    EXPECT_TRUE(host.handles.RecordLeaksSince(mark).empty());
    EXPECT_EQ(descriptors->Free(d), status::kBadHandle) << "the host's own descriptor must not be freed by the plug-in";
}

}  // namespace
}  // namespace kestrow::host::testing

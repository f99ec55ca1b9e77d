// The terminology against the plug-in's own parameter code: every key the
// code writes or reads is declared with the type the code uses, every
// enumeration value the code writes is one the terminology lists, and the
// unit and anchor codes link to the plug-in's tables by name, not position.
#include "CompiledResources.h"

#include "params/CanvasState.h"
#include "params/Parameters.h"
#include "params/Units.h"
#include "resources/Terminology.h"
#include "shell/HostServices.h"

#include <gtest/gtest.h>

#include <set>

namespace kestrow::resources {
namespace {

// One descriptor operation the parameter code made.
struct Access {
    FourCode key;
    FourCode type;   // 'doub' for floats, the enumeration type otherwise
    FourCode value;  // the enumeration value written
};

// A descriptor suite that records what the parameter code puts and gets.
// Gets of an enumeration can be answered, so that reading takes the
// absolute path; every other get reports an absent key.
struct RecordingDescriptorSuite {
    static inline std::vector<Access> puts;
    static inline std::vector<Access> gets;
    static inline FourCode answerHorizontal = 0;
    static inline int descriptor = 0;

    static HostStatus HOSTCALL Make(ActionDescriptorHandle* d)
    {
        *d = reinterpret_cast<ActionDescriptorHandle>(&descriptor);
        return 0;
    }
    static HostStatus HOSTCALL Free(ActionDescriptorHandle) { return 0; }
    static HostStatus HOSTCALL PutFloat(ActionDescriptorHandle, FourCode key, double)
    {
        puts.push_back({key, MakeFourCode("doub"), 0});
        return 0;
    }
    static HostStatus HOSTCALL PutEnumerated(ActionDescriptorHandle, FourCode key, FourCode type, FourCode value)
    {
        puts.push_back({key, type, value});
        return 0;
    }
    static HostStatus HOSTCALL GetFloat(ActionDescriptorHandle, FourCode key, double*)
    {
        gets.push_back({key, MakeFourCode("doub"), 0});
        return -1;
    }
    static HostStatus HOSTCALL GetEnumerated(ActionDescriptorHandle, FourCode key, FourCode* type, FourCode* value)
    {
        gets.push_back({key, *type, 0});
        if (key == MakeFourCode("Hrzn") && answerHorizontal != 0) {
            *value = answerHorizontal;
            return 0;
        }
        return -1;
    }

    static ActionDescriptorSuite2 Table()
    {
        ActionDescriptorSuite2 suite{};
        suite.Make = Make;
        suite.Free = Free;
        suite.PutFloat = PutFloat;
        suite.PutEnumerated = PutEnumerated;
        suite.GetFloat = GetFloat;
        suite.GetEnumerated = GetEnumerated;
        return suite;
    }
};

class TerminologyAgreement : public ::testing::Test {
protected:
    void SetUp() override
    {
        const Terminology t = ParseTerminology(fixture::CompiledBytes("AETE", 16000));
        ASSERT_EQ(t.suites.size(), 1u);
        suite_ = t.suites[0];
        ASSERT_EQ(suite_.events.size(), 1u);
        RecordingDescriptorSuite::puts.clear();
        RecordingDescriptorSuite::gets.clear();
        RecordingDescriptorSuite::answerHorizontal = 0;
        savedState_ = gCanvasState;
        savedSuite_ = descriptorSuite;
        descriptorSuite = &table_;
    }
    void TearDown() override
    {
        descriptorSuite = savedSuite_;
        gCanvasState = savedState_;
    }

    const TermParameter* Declared(FourCode key) const
    {
        for (const TermParameter& p : suite_.events[0].parameters)
            if (p.key == key)
                return &p;
        return nullptr;
    }

    // Every access names a declared key of the same type (or an integer key
    // read and written as a double, as Left and Right are); enumerated keys
    // are flagged so, and written values are values of their enumeration.
    void ExpectDeclared(const std::vector<Access>& accesses, bool checkValues) const
    {
        ASSERT_FALSE(accesses.empty());
        for (const Access& a : accesses) {
            SCOPED_TRACE(FourCodeText(a.key));
            const TermParameter* p = Declared(a.key);
            ASSERT_NE(p, nullptr) << "key not in the terminology";
            // A size declared an integer is still read (and sent by scripts) as a number.
            const bool numberAsInteger = a.type == MakeFourCode("doub") && p->type == MakeFourCode("long");
            if (!numberAsInteger) {
                EXPECT_EQ(FourCodeText(p->type), FourCodeText(a.type));
            }
            const bool enumerated = a.type != MakeFourCode("doub");
            EXPECT_EQ((p->flags & kTermEnumerated) != 0, enumerated);
            if (enumerated && checkValues) {
                const TermEnumeration* e = suite_.FindEnumeration(a.type);
                ASSERT_NE(e, nullptr) << "no enumeration " << FourCodeText(a.type);
                bool listed = false;
                for (const TermEnumValue& v : e->values)
                    listed = listed || v.code == a.value;
                EXPECT_TRUE(listed) << "value " << FourCodeText(a.value) << " is not listed";
            }
        }
    }

    static std::set<FourCode> Keys(const std::vector<Access>& accesses)
    {
        std::set<FourCode> keys;
        for (const Access& a : accesses)
            keys.insert(a.key);
        return keys;
    }

    TermSuite suite_;
    ActionDescriptorSuite2 table_ = RecordingDescriptorSuite::Table();
    CanvasState savedState_;
    const ActionDescriptorSuite2* savedSuite_ = nullptr;
};

TEST_F(TerminologyAgreement, EveryKeyTheRecordingWritesIsDeclaredWithItsType)
{
    ActionParameters parameters{};
    for (int16_t units = 0; units < kUnitCount; ++units) {
        for (int16_t anchor = 1; anchor <= 9; ++anchor) {
            gCanvasState.absoluteMode = true;
            gCanvasState.changedDims = kChangedWidth | kChangedHeight;
            gCanvasState.anchor = anchor;
            gCanvasState.unitsIndex = units;
            WriteParameters(&parameters);
        }
        gCanvasState.absoluteMode = false;
        gCanvasState.recordedTop = gCanvasState.recordedLeft = 1;
        gCanvasState.recordedBottom = gCanvasState.recordedRight = -1;
        gCanvasState.unitsIndex = units;
        WriteParameters(&parameters);
    }
    ExpectDeclared(RecordingDescriptorSuite::puts, true);
    // Both modes together write every declared key.
    EXPECT_EQ(Keys(RecordingDescriptorSuite::puts).size(), suite_.events[0].parameters.size());
}

TEST_F(TerminologyAgreement, EveryKeyPlaybackReadsIsDeclaredWithItsType)
{
    ActionParameters parameters{};
    parameters.descriptor = reinterpret_cast<ActionDescriptorHandle>(&RecordingDescriptorSuite::descriptor);
    ReadParameters(&parameters);  // no anchor: the relative keys
    RecordingDescriptorSuite::answerHorizontal = MakeFourCode("AdCH");
    ReadParameters(&parameters);  // an anchor: the absolute keys
    ExpectDeclared(RecordingDescriptorSuite::gets, false);
    EXPECT_EQ(Keys(RecordingDescriptorSuite::gets).size(), suite_.events[0].parameters.size());
}

TEST_F(TerminologyAgreement, UnitNamesLeadToTheUnitsTableCodes)
{
    const TermEnumeration* units = suite_.FindEnumeration(MakeFourCode("RlrU"));
    ASSERT_NE(units, nullptr);
    ASSERT_EQ(units->values.size(), static_cast<size_t>(kUnitCount));
    for (int32_t index = 0; index < kUnitCount; ++index) {
        const UnitInfo& unit = UnitsTable[index];
        SCOPED_TRACE(unit.popupLabel);
        const TermEnumValue* named = nullptr;
        for (const TermEnumValue& v : units->values)
            if (v.name == unit.popupLabel)
                named = &v;
        ASSERT_NE(named, nullptr) << "the terminology does not name this unit";
        EXPECT_EQ(FourCodeText(named->code), FourCodeText(unit.code));
        EXPECT_EQ(UnitsEnumToIndex(named->code), index);
    }
}

TEST_F(TerminologyAgreement, AnchorSidesAreTheGridsAlignmentCodes)
{
    const TermEnumeration* sides = suite_.FindEnumeration(MakeFourCode("ADSt"));
    ASSERT_NE(sides, nullptr);
    std::set<FourCode> declared;
    for (const TermEnumValue& v : sides->values) {
        declared.insert(v.code);
        EXPECT_NE(AlignmentToIndex(v.code), 0) << v.name << " is not a usable anchor side";
    }
    std::set<FourCode> written;
    for (int32_t anchor = 1; anchor <= 9; ++anchor) {
        written.insert(AnchorToAlignment(anchor, 1));
        written.insert(AnchorToAlignment(anchor, 0));
    }
    EXPECT_EQ(declared, written);
}

}  // namespace
}  // namespace kestrow::resources

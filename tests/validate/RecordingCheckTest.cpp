// What counts as a well-formed recording: exactly what the module's own
// playback reads, in the order it writes it.
#include "validate/RecordingCheck.h"

#include <gtest/gtest.h>

namespace kestrow::validate {
namespace {

using host::Descriptor;

Descriptor WithUnit(Descriptor d, FourCode unit = FourCC("RrMm"))
{
    d.PutEnumerated(FourCC("RlrU"), FourCC("RlrU"), unit);
    return d;
}

TEST(RecordingCheck, RecordingsTheModuleWritesAreWellFormed)
{
    Descriptor absolute;
    absolute.PutFloat(FourCC("Wdth"), 100);
    absolute.PutFloat(FourCC("Hght"), 50);
    absolute.PutEnumerated(FourCC("Hrzn"), FourCC("ADSt"), FourCC("AdCH"));
    absolute.PutEnumerated(FourCC("Vrtc"), FourCC("ADSt"), FourCC("AdBt"));
    Descriptor heightOnly;
    heightOnly.PutFloat(FourCC("Hght"), 50);
    heightOnly.PutEnumerated(FourCC("Vrtc"), FourCC("ADSt"), FourCC("AdTp"));
    Descriptor relative;
    relative.PutFloat(FourCC("Top "), 3);
    relative.PutFloat(FourCC("Rght"), -2);
    for (const Descriptor& d : {WithUnit(absolute), WithUnit(heightOnly), WithUnit(relative), WithUnit(Descriptor()),
                                WithUnit(relative, FourCC("RrPx"))})
        EXPECT_EQ(CheckRecording(d), std::nullopt);
}

TEST(RecordingCheck, DamagedRecordingsAreNamed)
{
    struct Case {
        const char* what;
        Descriptor recording;
    };
    std::vector<Case> cases;
    {
        Descriptor d;
        d.PutFloat(FourCC("Top "), 3);
        cases.push_back({"no job unit", d});
    }
    {
        Descriptor d = WithUnit(Descriptor());
        d.PutFloat(FourCC("Top "), 3);
        cases.push_back({"job unit not last", d});
    }
    cases.push_back({"job unit outside the table", WithUnit(Descriptor(), FourCC("RrXx"))});
    {
        Descriptor d;
        d.PutFloat(FourCC("Wdth"), 100);
        cases.push_back({"size without anchor", WithUnit(d)});
    }
    {
        Descriptor d;
        d.PutFloat(FourCC("Wdth"), 100);
        d.PutEnumerated(FourCC("Hrzn"), FourCC("ADSt"), 0);
        cases.push_back({"anchor code 0", WithUnit(d)});
    }
    {
        Descriptor d;
        d.PutFloat(FourCC("Hght"), 100);
        d.PutEnumerated(FourCC("Vrtc"), FourCC("ADSt"), FourCC("AdLf"));
        cases.push_back({"horizontal code on the vertical axis", WithUnit(d)});
    }
    {
        Descriptor d;
        d.PutFloat(FourCC("Wdth"), 100);
        d.PutEnumerated(FourCC("Hrzn"), FourCC("ADSt"), FourCC("AdLf"));
        d.PutFloat(FourCC("Top "), 1);
        cases.push_back({"both modes", WithUnit(d)});
    }
    {
        Descriptor d;
        d.PutFloat(FourCC("Left"), 1);
        d.PutFloat(FourCC("Top "), 1);
        cases.push_back({"margins out of order", WithUnit(d)});
    }
    {
        Descriptor d;
        d.PutFloat(FourCC("Top "), 0);
        cases.push_back({"zero margin", WithUnit(d)});
    }
    {
        Descriptor d;
        d.PutInteger(FourCC("Left"), 4);
        cases.push_back({"integer margin", WithUnit(d)});
    }
    {
        Descriptor d;
        d.PutFloat(FourCC("Nm  "), 1);
        cases.push_back({"unknown key", WithUnit(d)});
    }
    for (const Case& c : cases) EXPECT_NE(CheckRecording(c.recording), std::nullopt) << c.what;
}

}  // namespace
}  // namespace kestrow::validate

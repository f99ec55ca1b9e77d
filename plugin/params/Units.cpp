// The units table and the choices made by it: codes, formats and the
// execution factors of absolute and relative runs.
#include "params/Units.h"

#include <string.h>

const UnitInfo UnitsTable[kUnitCount] = {
    {"pixels", "pixels", FourCC("RrPx")},
    {"percent", "%", FourCC("RrPr")},
    {"mm", "mm", FourCC("RrMm")},
    {"cm", "cm", FourCC("RrCm")},
    {"inches", "inches", FourCC("RrIn")},
    {"points", "points", FourCC("RrPt")},
    {"picas", "picas", FourCC("RrPi")},
};

ExecutionUnit ExecutionUnitFor(int32_t unitsIndex, int32_t relative)
{
    switch (unitsIndex) {
    case kUnitPixels: return {1.0, FourCC("#Pxl"), 1};
    case kUnitPercent: return {relative ? 0.01 : 1.0, FourCC("#Pxl"), 1};
    case kUnitMillimetres: return {2.834645669291339, FourCC("#Rlt"), 0};
    case kUnitCentimetres: return {28.346456692913385, FourCC("#Rlt"), 0};
    case kUnitInches: return {72.0, FourCC("#Rlt"), 0};
    case kUnitPoints: return {1.0, FourCC("#Rlt"), 0};
    case kUnitPicas: return {12.0, FourCC("#Rlt"), 0};
    default: return {1.0, FourCC("#Pxl"), 0};
    }
}

FourCode UnitsIndexToEnum(int32_t unitsIndex)
{
    if (unitsIndex < 0 || unitsIndex >= kUnitCount)
        return FourCC("RrPx");
    return UnitsTable[unitsIndex].code;
}

int32_t UnitsEnumToIndex(FourCode code)
{
    for (int32_t index = 0; index < kUnitCount; ++index) {
        if (UnitsTable[index].code == code)
            return index;
    }
    return kUnitPixels;
}

int32_t IsPixelLabel(const char* displayLabel)
{
    return strcmp(displayLabel, "pixels") == 0;
}

const char* EditFormat(const char* displayLabel)
{
    return IsPixelLabel(displayLabel) ? "%.0f" : "%0.3f";
}

const char* LabelFormat(const char* displayLabel)
{
    return IsPixelLabel(displayLabel) ? "%.0f %s" : "%0.3f %s";
}

// The seven units of measure: labels, scripting codes, number formats and
// the factors that turn a value into what the canvas-size event takes.
#ifndef KESTROW_PARAMS_UNITS_H
#define KESTROW_PARAMS_UNITS_H

#include "HostTypes.h"

enum : int16_t {
    kUnitPixels = 0,
    kUnitPercent = 1,
    kUnitMillimetres = 2,
    kUnitCentimetres = 3,
    kUnitInches = 4,
    kUnitPoints = 5,
    kUnitPicas = 6,
    kUnitCount = 7,
};

struct UnitInfo {
    const char* popupLabel;   // the units popup's entry text
    const char* displayLabel; // what unitName holds and the labels show
    FourCode code;            // scripting code, enumeration 'RlrU'
};

extern const UnitInfo UnitsTable[kUnitCount];

// What execution does with a value in the job unit.
struct ExecutionUnit {
    double factor;     // multiplied into the requested value
    FourCode eventUnit; // '#Pxl' or '#Rlt'
    int32_t pixelFlag; // measure the document in pixels (non-zero) or points
};

// relative: margins, where percent is a fraction of the document size.
ExecutionUnit ExecutionUnitFor(int32_t unitsIndex, int32_t relative);

FourCode UnitsIndexToEnum(int32_t unitsIndex);
int32_t UnitsEnumToIndex(FourCode code);

// Whether a display label is the pixel one: whole-number formats.
int32_t IsPixelLabel(const char* displayLabel);
// printf formats for an edit field and for a size label in a display unit.
const char* EditFormat(const char* displayLabel);
const char* LabelFormat(const char* displayLabel);

#endif

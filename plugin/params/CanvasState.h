// The one module-wide record of Kestrow's working data, and the rules that
// derive values from it: the relative size and the anchor's scripting codes.
#ifndef KESTROW_PARAMS_CANVASSTATE_H
#define KESTROW_PARAMS_CANVASSTATE_H

#include "HostTypes.h"

// How the uniform margin is applied.
enum : int32_t {
    kUniformNone = 16006,
    kUniformHorizontal = 16007,
    kUniformVertical = 16008,
    kUniformBoth = 16009,
};

// Bits of changedDims.
enum : int32_t { kChangedWidth = 1, kChangedHeight = 2 };

enum { kUnitNameSize = 8, kTextBufferSize = 260 };

// Every field starts with the value it has when the module is loaded.
struct CanvasState {
    // Mode and selection.
    bool absoluteMode = false;
    int16_t anchor = 0;           // 0 none, 1..9 row by row from the top left
    int32_t uniformity = 0;       // kUniform*; any other value counts as none
    int16_t unitsIndex = 0;       // the job unit
    char unitName[kUnitNameSize] = "pixels"; // the display unit's label
    int32_t changedDims = 0;

    // Document measurements.
    double docWidth = 0, docHeight = 0;
    double resolution = 0;
    double percentBaseWidth = 0, percentBaseHeight = 0;
    double startWidth = 0, startHeight = 0;

    // Absolute mode.
    double newWidth = 0, newHeight = 0;
    double recordedWidth = 0, recordedHeight = 0;

    // Relative mode.
    double marginTop = 0, marginLeft = 0, marginBottom = 0, marginRight = 0;
    double uniformMargin = 0;
    double recordedTop = 0, recordedLeft = 0, recordedBottom = 0, recordedRight = 0;
    double relativeWidth = 0, relativeHeight = 0;

    // Dialog flags and run values.
    int32_t shrinkWidth = 0, shrinkHeight = 0;
    bool resetMode = false;
    int32_t commandPlayed = 0;
    int32_t runResult = 0;
    bool dialogRunning = false;   // the main dialog is open in this run
    PluginRef pluginRef = nullptr;
    char textBuffer[kTextBufferSize] = "";
};

extern CanvasState gCanvasState;

void RecomputeRelativeSize();
FourCode AnchorToAlignment(int32_t anchor, int32_t horizontal);
int32_t AlignmentToIndex(FourCode code);

#endif

// The canvas state record and its derived values: the size the margins give,
// and the anchor's column and row as scripting codes.
#include "params/CanvasState.h"

CanvasState gCanvasState;

void RecomputeRelativeSize()
{
    CanvasState& s = gCanvasState;
    if (s.uniformity == kUniformHorizontal || s.uniformity == kUniformBoth)
        s.relativeWidth = (s.uniformMargin + s.uniformMargin) + s.docWidth;
    else
        s.relativeWidth = (s.marginRight + s.marginLeft) + s.docWidth;

    if (s.uniformity == kUniformVertical || s.uniformity == kUniformBoth)
        s.relativeHeight = (s.uniformMargin + s.uniformMargin) + s.docHeight;
    else
        s.relativeHeight = (s.marginBottom + s.marginTop) + s.docHeight;
}

FourCode AnchorToAlignment(int32_t anchor, int32_t horizontal)
{
    if (anchor < 1 || anchor > 9)
        return 0;
    const int32_t column = (anchor - 1) % 3;
    const int32_t row = (anchor - 1) / 3;
    if (horizontal != 0) {
        static const FourCode columns[3] = {FourCC("AdLf"), FourCC("AdCH"), FourCC("AdRg")};
        return columns[column];
    }
    static const FourCode rows[3] = {FourCC("AdTp"), FourCC("AdCH"), FourCC("AdBt")};
    return rows[row];
}

int32_t AlignmentToIndex(FourCode code)
{
    switch (code) {
    case FourCC("AdLf"):
    case FourCC("AdTp"):
        return 1;
    case FourCC("AdCH"):
        return 2;
    case FourCC("AdRg"):
    case FourCC("AdBt"):
        return 3;
    default:
        return 0;
    }
}

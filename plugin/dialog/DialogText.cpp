// Numbers in and out of dialog items. Every text is formatted into the
// shared textBuffer, bounded by its size, and handed to the item at once.
#include <stdio.h>
#include <stdlib.h>

#include "dialog/Dialogs.h"
#include "params/CanvasState.h"
#include "shell/HostServices.h"

namespace {

// A measurement may come out a hair below a whole pixel (999.9999999999999
// for 1000 pixels at 150 ppi); that is still the whole pixel.
const double kWholePixelTolerance = 1e-9;

} // namespace

int32_t WholePixels(double value)
{
    if (!(value > -2147483648.0 && value < 2147483647.0))
        return value > 0 ? INT32_MAX : (value < 0 ? INT32_MIN : 0); // NaN gives 0
    int32_t whole = static_cast<int32_t>(value); // towards zero
    const double fraction = value - whole;
    if (fraction > 1.0 - kWholePixelTolerance && whole < INT32_MAX)
        ++whole;
    else if (fraction < -(1.0 - kWholePixelTolerance) && whole > INT32_MIN)
        --whole;
    return whole;
}

void SetItemNumber(ItemRef item, const char* format, double value)
{
    char* text = gCanvasState.textBuffer;
    snprintf(text, kTextBufferSize, format, value);
    itemSuite->SetText(item, text);
}

void SetItemSize(ItemRef item, const char* format, double value, const char* unitLabel)
{
    char* text = gCanvasState.textBuffer;
    snprintf(text, kTextBufferSize, format, value, unitLabel);
    itemSuite->SetText(item, text);
}

void SetItemWholePixels(ItemRef item, const char* format, double value)
{
    char* text = gCanvasState.textBuffer;
    snprintf(text, kTextBufferSize, format, static_cast<int>(WholePixels(value)));
    itemSuite->SetText(item, text);
}

double ReadItemNumber(ItemRef item)
{
    char text[kEditMaxLength + 1] = "";
    itemSuite->GetText(item, text, kEditMaxLength);
    text[kEditMaxLength] = '\0';
    return strtod(text, nullptr);
}

// A picture button's icon, from the module's icon resources, drawn centred.
#pragma once

#include "dialog/DialogSource.h"
#include "render/CairoCanvas.h"

namespace kestrow::render {

// Draws icon `iconId` centred in `rect`, using the largest of its images
// that fits (the one with most colours among equals). Draws nothing when
// there is no source or the module has no such icon: a button given a
// number without a picture shows blank. Throws RenderError for a malformed
// icon.
void PaintIcon(const CairoCanvas& canvas, const host::DialogSource* source, int32_t iconId, const PixelRect& rect);

}  // namespace kestrow::render

// The canvas-size event 'CnvS': turns its descriptor into a change of the
// target document, or a refusal that says why. Nothing is applied here.
#pragma once

#include "editor/Document.h"
#include "model/Descriptor.h"

#include <string>

namespace kestrow::host {

constexpr FourCode kCanvasSizeEvent = FourCC("CnvS");

struct CanvasSizePlan {
    HostStatus status = 0;   // 0 when the change can be made
    std::string reason;      // why it was refused, for reports
    CanvasChange change{};
};

// Items: 'Wdth' / 'Hght' unit floats in '#Pxl' (pixels) or '#Rlt' (points,
// converted at the document's resolution), rounded to whole pixels; a missing
// one keeps that dimension. 'Hrzn' ('HrzL': 'Left','Cntr','Rght') and 'Vrtc'
// ('VrtL': 'Top ','Cntr','Bttm') place the old image on the new canvas; each
// is required when its axis's size is given (one-sided events carry only the
// alignment of the axis they change), and must be valid whenever present.
CanvasSizePlan PlanCanvasSize(const Descriptor& descriptor, const Document& document);

}  // namespace kestrow::host

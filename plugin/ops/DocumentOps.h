// Measuring the target document and playing canvas-size events.
#ifndef KESTROW_OPS_DOCUMENTOPS_H
#define KESTROW_OPS_DOCUMENTOPS_H

#include "HostTypes.h"

// Side items of the margin fields: which side a relative event grows.
enum : int32_t { kSideTop = 16001, kSideLeft = 16002, kSideBottom = 16003, kSideRight = 16004 };

void MeasureDocument(int32_t pixelFlag);
PlugStatus GetDocumentProperty(FourCode classCode, FourCode key, void* output, void* extra);
PlugStatus ReadDescriptorItem(ActionDescriptorHandle descriptor, FourCode key, void* output, void* extra);

PlugStatus ExecuteAbsolute(int32_t unitsIndex, int32_t which);
PlugStatus PlayCanvasResize(int32_t anchor, double width, double height, FourCode eventUnit, int32_t which);

PlugStatus ExecuteRelative(int32_t unitsIndex);
PlugStatus PlayMarginResize(int32_t sideItem, double newDimension, FourCode eventUnit);

#endif

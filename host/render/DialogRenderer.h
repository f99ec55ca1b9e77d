// Draws a dialog as a person sees it at this moment: the window frame and
// caption bar, then every item from the dialog's layout with its current
// text, state and picture. Sizes come from the template's dialog units and
// its font (6 x 13 pixels a base unit for 8 points).
#pragma once

#include "dialog/Dialog.h"
#include "dialog/DialogSource.h"
#include "render/Picture.h"

#include <string>

namespace kestrow::render {

// The window around the client area, in pixels.
constexpr int kWindowBorder = 3;
constexpr int kCaptionHeight = 18;

// Icons come from `icons`; without one, picture buttons show no picture.
// Throws RenderError when the picture cannot be drawn.
Picture RenderDialog(const host::Dialog& dialog, const host::DialogSource* icons);

// Renders and writes a PNG file; throws RenderError when it cannot.
void RenderDialogPng(const host::Dialog& dialog, const host::DialogSource* icons, const std::string& path);

}  // namespace kestrow::render

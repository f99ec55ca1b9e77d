// The dialog renderer as the command reaches it: present when the build
// has cairo, a clear refusal otherwise.
#pragma once

#include "dialog/Dialog.h"
#include "dialog/DialogSource.h"

#include <string>

namespace kestrow::cli {

bool CanRender();
// Draws the dialog into a PNG file; returns why it could not, or an empty text.
std::string RenderDialogFile(const host::Dialog& dialog, const host::DialogSource* icons, const std::string& path);

}  // namespace kestrow::cli

#include "DialogRender.h"

#ifdef KESTROW_HAVE_RENDER
#include "render/DialogRenderer.h"
#endif

namespace kestrow::cli {

#ifdef KESTROW_HAVE_RENDER

bool CanRender() { return true; }

std::string RenderDialogFile(const host::Dialog& dialog, const host::DialogSource* icons, const std::string& path)
{
    try {
        render::RenderDialogPng(dialog, icons, path);
        return "";
    } catch (const render::RenderError& error) {
        return error.what();
    }
}

#else

bool CanRender() { return false; }

std::string RenderDialogFile(const host::Dialog&, const host::DialogSource*, const std::string& path)
{
    return "cannot draw " + path + ": this kestrow was built without the dialog renderer (cairo)";
}

#endif

}  // namespace kestrow::cli

#include "render/DialogRenderer.h"

#include "render/ItemPainter.h"

namespace kestrow::render {
namespace {

void PaintWindow(const CairoCanvas& canvas, const host::Dialog& dialog, const DialogUnits& units)
{
    const PixelRect window{0, 0, canvas.Width(), canvas.Height()};
    canvas.FillRect(window, colours::kFace);
    canvas.Edge(window, colours::kFace, colours::kDarkShadow);
    canvas.Edge(Inset(window, 1), colours::kHighlight, colours::kShadow);

    const PixelRect bar{kWindowBorder, kWindowBorder, canvas.Width() - 2 * kWindowBorder, kCaptionHeight - 1};
    cairo_t* cr = canvas.Context();
    cairo_pattern_t* gradient = cairo_pattern_create_linear(bar.x, 0, bar.x + bar.width, 0);
    cairo_pattern_add_color_stop_rgb(gradient, 0, colours::kCaptionLeft.r, colours::kCaptionLeft.g,
                                     colours::kCaptionLeft.b);
    cairo_pattern_add_color_stop_rgb(gradient, 1, colours::kCaptionRight.r, colours::kCaptionRight.g,
                                     colours::kCaptionRight.b);
    cairo_set_source(cr, gradient);
    cairo_rectangle(cr, bar.x, bar.y, bar.width, bar.height);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);

    const TextPainter caption(canvas, units, dialog.FontPoints(), true);
    caption.Line(TextPainter::Literal(dialog.Caption()), bar.x + 4, bar.y + (bar.height - caption.LineHeight()) / 2, colours::kHighlight);
}

}  // namespace

Picture RenderDialog(const host::Dialog& dialog, const host::DialogSource* icons)
{
    const DialogUnits units(dialog.FontPoints());
    const int clientWidth = units.X(dialog.Width());
    const int clientHeight = units.Y(dialog.Height());
    if (clientWidth <= 0 || clientHeight <= 0)
        throw RenderError("the dialog \"" + dialog.Name() + "\" has no size to draw (it was built without a template)");
    CairoCanvas canvas(clientWidth + 2 * kWindowBorder, clientHeight + kCaptionHeight + 2 * kWindowBorder);
    PaintWindow(canvas, dialog, units);

    cairo_t* cr = canvas.Context();
    cairo_save(cr);
    cairo_translate(cr, kWindowBorder, kWindowBorder + kCaptionHeight);
    cairo_rectangle(cr, 0, 0, clientWidth, clientHeight);
    cairo_clip(cr);
    const TextPainter text(canvas, units, dialog.FontPoints());
    const ItemPainter painter(canvas, text, icons);
    // Frames first: the controls drawn inside them and the titles laid on
    // their edges come after.
    for (const auto& item : dialog.Items())
        if (item->Kind() == host::ItemKind::Group) painter.Paint(*item, units.Rect(item->Layout().bounds));
    for (const auto& item : dialog.Items())
        if (item->Kind() != host::ItemKind::Group) painter.Paint(*item, units.Rect(item->Layout().bounds));
    cairo_restore(cr);
    return canvas.Take();
}

void RenderDialogPng(const host::Dialog& dialog, const host::DialogSource* icons, const std::string& path)
{
    WritePng(RenderDialog(dialog, icons), path);
}

}  // namespace kestrow::render

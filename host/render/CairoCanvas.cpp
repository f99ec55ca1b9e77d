#include "render/CairoCanvas.h"

#include <cstring>

namespace kestrow::render {
namespace {

void Check(cairo_surface_t* surface, const std::string& what)
{
    const cairo_status_t status = cairo_surface_status(surface);
    if (status != CAIRO_STATUS_SUCCESS) throw RenderError(what + ": " + cairo_status_to_string(status));
}

}  // namespace

PixelRect Inset(const PixelRect& rect, int by)
{
    return PixelRect{rect.x + by, rect.y + by, rect.width - 2 * by, rect.height - 2 * by};
}

CairoCanvas::CairoCanvas(int width, int height)
    : width_(width), height_(height), surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height))
{
    Check(surface_.get(), "cannot make a picture of " + std::to_string(width) + " x " + std::to_string(height));
    context_.reset(cairo_create(surface_.get()));
    if (cairo_status(context_.get()) != CAIRO_STATUS_SUCCESS)
        throw RenderError(std::string("cannot draw: ") + cairo_status_to_string(cairo_status(context_.get())));
}

void CairoCanvas::SetColour(Colour colour) const { cairo_set_source_rgb(context_.get(), colour.r, colour.g, colour.b); }

void CairoCanvas::FillRect(const PixelRect& rect, Colour colour) const
{
    if (rect.width <= 0 || rect.height <= 0) return;
    SetColour(colour);
    cairo_rectangle(context_.get(), rect.x, rect.y, rect.width, rect.height);
    cairo_fill(context_.get());
}

void CairoCanvas::Edge(const PixelRect& rect, Colour topLeft, Colour bottomRight) const
{
    if (rect.width <= 0 || rect.height <= 0) return;
    FillRect({rect.x, rect.y, rect.width, 1}, topLeft);
    FillRect({rect.x, rect.y, 1, rect.height}, topLeft);
    FillRect({rect.x, rect.y + rect.height - 1, rect.width, 1}, bottomRight);
    FillRect({rect.x + rect.width - 1, rect.y, 1, rect.height}, bottomRight);
}

void CairoCanvas::Raised(const PixelRect& rect) const
{
    Edge(rect, colours::kHighlight, colours::kDarkShadow);
    Edge(Inset(rect, 1), colours::kFace, colours::kShadow);
}

void CairoCanvas::Sunken(const PixelRect& rect) const
{
    Edge(rect, colours::kShadow, colours::kHighlight);
    Edge(Inset(rect, 1), colours::kDarkShadow, colours::kFace);
}

Picture CairoCanvas::Take() const
{
    cairo_surface_flush(surface_.get());
    Picture picture;
    picture.width = width_;
    picture.height = height_;
    picture.pixels.resize(static_cast<size_t>(width_) * height_);
    const unsigned char* data = cairo_image_surface_get_data(surface_.get());
    const int stride = cairo_image_surface_get_stride(surface_.get());
    for (int y = 0; y < height_; ++y)
        std::memcpy(&picture.pixels[static_cast<size_t>(y) * width_], data + static_cast<size_t>(y) * stride,
                    static_cast<size_t>(width_) * 4);
    return picture;
}

}  // namespace kestrow::render

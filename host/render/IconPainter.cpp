#include "render/IconPainter.h"

#include "resources/ResourceError.h"

#include <memory>

namespace kestrow::render {
namespace {

namespace res = kestrow::resources;

const res::IconImage* Choose(const res::Icon& icon, const PixelRect& rect)
{
    const res::IconImage* best = nullptr;
    for (const res::IconImage& image : icon.images) {
        const bool fits = image.width <= rect.width && image.height <= rect.height;
        if (!best) {
            best = &image;
            continue;
        }
        const bool bestFits = best->width <= rect.width && best->height <= rect.height;
        if (fits != bestFits) {
            if (fits) best = &image;
            continue;
        }
        const int area = image.width * image.height;
        const int bestArea = best->width * best->height;
        // Among images that fit take the largest, among those that do not the smallest.
        if (area != bestArea) {
            if (fits ? area > bestArea : area < bestArea) best = &image;
        } else if (image.bitCount > best->bitCount) {
            best = &image;
        }
    }
    return best;
}

}  // namespace

void PaintIcon(const CairoCanvas& canvas, const host::DialogSource* source, int32_t iconId, const PixelRect& rect)
{
    if (!source) return;
    std::optional<res::Icon> icon;
    try {
        icon = source->FindIcon(iconId);
    } catch (const res::ResourceError& error) {
        throw RenderError("icon " + std::to_string(iconId) + ": " + error.what());
    }
    if (!icon) return;
    const res::IconImage* image = Choose(*icon, rect);
    if (!image || image->width <= 0 || image->height <= 0) return;

    struct SurfaceRelease {
        void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
    };
    std::unique_ptr<cairo_surface_t, SurfaceRelease> surface(
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, image->width, image->height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        throw RenderError("icon " + std::to_string(iconId) + ": cannot make its picture");
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < image->height; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < image->width; ++x) {
            const uint8_t* p = &image->rgba[(static_cast<size_t>(y) * image->width + x) * 4];
            const uint32_t a = p[3];
            // Cairo keeps colours multiplied by their alpha.
            const uint32_t r = p[0] * a / 255, g = p[1] * a / 255, b = p[2] * a / 255;
            row[x] = (a << 24) | (r << 16) | (g << 8) | b;
        }
    }
    cairo_surface_mark_dirty(surface.get());

    cairo_t* cr = canvas.Context();
    const int left = rect.x + (rect.width - image->width) / 2;
    const int top = rect.y + (rect.height - image->height) / 2;
    cairo_save(cr);
    cairo_set_source_surface(cr, surface.get(), left, top);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_rectangle(cr, left, top, image->width, image->height);
    cairo_fill(cr);
    cairo_restore(cr);
}

}  // namespace kestrow::render

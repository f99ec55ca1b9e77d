// PNG files of rendered pictures, written and read through cairo.
#include "render/Picture.h"

#include <cairo.h>

#include <cstring>
#include <memory>

namespace kestrow::render {
namespace {

struct SurfaceRelease {
    void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using SurfacePtr = std::unique_ptr<cairo_surface_t, SurfaceRelease>;

void Check(cairo_surface_t* surface, const std::string& what)
{
    const cairo_status_t status = cairo_surface_status(surface);
    if (status != CAIRO_STATUS_SUCCESS) throw RenderError(what + ": " + cairo_status_to_string(status));
}

}  // namespace

void WritePng(const Picture& picture, const std::string& path)
{
    SurfacePtr surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, picture.width, picture.height));
    Check(surface.get(), "cannot make a picture to write " + path);
    cairo_surface_flush(surface.get());
    unsigned char* data = cairo_image_surface_get_data(surface.get());
    const int stride = cairo_image_surface_get_stride(surface.get());
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(data + static_cast<size_t>(y) * stride, &picture.pixels[static_cast<size_t>(y) * picture.width],
                    static_cast<size_t>(picture.width) * 4);
    cairo_surface_mark_dirty(surface.get());
    const cairo_status_t status = cairo_surface_write_to_png(surface.get(), path.c_str());
    if (status != CAIRO_STATUS_SUCCESS)
        throw RenderError("cannot write " + path + ": " + cairo_status_to_string(status));
}

Picture ReadPng(const std::string& path)
{
    SurfacePtr surface(cairo_image_surface_create_from_png(path.c_str()));
    Check(surface.get(), "cannot read " + path);
    SurfacePtr converted(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(surface.get()),
                                                    cairo_image_surface_get_height(surface.get())));
    Check(converted.get(), "cannot read " + path);
    cairo_t* context = cairo_create(converted.get());
    cairo_set_source_surface(context, surface.get(), 0, 0);
    cairo_set_operator(context, CAIRO_OPERATOR_SOURCE);
    cairo_paint(context);
    cairo_destroy(context);
    cairo_surface_flush(converted.get());

    Picture picture;
    picture.width = cairo_image_surface_get_width(converted.get());
    picture.height = cairo_image_surface_get_height(converted.get());
    picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
    const unsigned char* data = cairo_image_surface_get_data(converted.get());
    const int stride = cairo_image_surface_get_stride(converted.get());
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(&picture.pixels[static_cast<size_t>(y) * picture.width], data + static_cast<size_t>(y) * stride,
                    static_cast<size_t>(picture.width) * 4);
    return picture;
}

}  // namespace kestrow::render

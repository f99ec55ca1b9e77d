// A cairo image surface and its drawing context, owned together, with the
// few drawing steps the dialog's controls are made of.
#pragma once

#include "render/DialogUnits.h"
#include "render/Picture.h"

#include <cairo.h>

#include <memory>

namespace kestrow::render {

struct Colour {
    double r, g, b;
};

// The classic grey dialog scheme.
namespace colours {
constexpr Colour kFace{0xD4 / 255.0, 0xD0 / 255.0, 0xC8 / 255.0};
constexpr Colour kHighlight{1, 1, 1};
constexpr Colour kShadow{0x80 / 255.0, 0x80 / 255.0, 0x80 / 255.0};
constexpr Colour kDarkShadow{0x40 / 255.0, 0x40 / 255.0, 0x40 / 255.0};
constexpr Colour kWindow{1, 1, 1};
constexpr Colour kText{0, 0, 0};
constexpr Colour kGreyText{0x80 / 255.0, 0x80 / 255.0, 0x80 / 255.0};
constexpr Colour kCaptionLeft{0x0A / 255.0, 0x24 / 255.0, 0x6A / 255.0};
constexpr Colour kCaptionRight{0xA6 / 255.0, 0xCA / 255.0, 0xF0 / 255.0};
}  // namespace colours

class CairoCanvas {
public:
    // Throws RenderError when cairo cannot make the surface.
    CairoCanvas(int width, int height);
    cairo_t* Context() const { return context_.get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void SetColour(Colour colour) const;
    void FillRect(const PixelRect& rect, Colour colour) const;
    // One-pixel lines along the rectangle's inside edges: `topLeft` on the
    // top and left, `bottomRight` on the bottom and right.
    void Edge(const PixelRect& rect, Colour topLeft, Colour bottomRight) const;
    // A raised (button) or sunken (field) two-pixel border.
    void Raised(const PixelRect& rect) const;
    void Sunken(const PixelRect& rect) const;

    Picture Take() const;

private:
    struct SurfaceRelease {
        void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
    };
    struct ContextRelease {
        void operator()(cairo_t* context) const { cairo_destroy(context); }
    };
    int width_;
    int height_;
    std::unique_ptr<cairo_surface_t, SurfaceRelease> surface_;
    std::unique_ptr<cairo_t, ContextRelease> context_;
};

// A rectangle shrunk by `by` pixels on every side.
PixelRect Inset(const PixelRect& rect, int by);

}  // namespace kestrow::render

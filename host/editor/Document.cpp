#include "editor/Document.h"

#include <cmath>
#include <stdexcept>

namespace kestrow::host {
namespace {
bool ValidSize(int32_t pixels) { return pixels >= kMinCanvasPixels && pixels <= kMaxCanvasPixels; }
}  // namespace

Document::Document(int32_t id, int32_t width, int32_t height, double resolution)
    : id_(id), width_(width), height_(height), resolution_(resolution)
{
    if (!ValidSize(width) || !ValidSize(height))
        throw std::invalid_argument("document size must be 1 to 300000 pixels");
    if (!(resolution >= kMinResolution && resolution <= kMaxResolution))
        throw std::invalid_argument("resolution must be 0.01 to 1000000 pixels per inch");
}

std::string Document::Title() const { return "Untitled-" + std::to_string(id_); }

void Document::Apply(const CanvasChange& change)
{
    width_ = change.newWidth;
    height_ = change.newHeight;
    imageX_ += change.offsetX;
    imageY_ += change.offsetY;
}

}  // namespace kestrow::host

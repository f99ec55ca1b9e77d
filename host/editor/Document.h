// An open document of the simulated editor: its canvas size in pixels, its
// resolution, where the image it was opened with now sits on the canvas, and
// its history states.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrow::host {

constexpr int32_t kMinCanvasPixels = 1;
constexpr int32_t kMaxCanvasPixels = 300000;
// Resolutions the editor takes, in pixels per inch: beyond them a document's
// measure in points is no longer a sensible (or even a finite) number.
constexpr double kMinResolution = 0.01;
constexpr double kMaxResolution = 1000000;

// One canvas-size change: the old and new size and where the old image's
// top-left corner landed on the new canvas.
struct CanvasChange {
    int32_t oldWidth, oldHeight;
    int32_t newWidth, newHeight;
    int32_t offsetX, offsetY;
};

struct HistoryState {
    std::string name;
    std::vector<CanvasChange> changes;
};

class Document {
public:
    // Throws std::invalid_argument for a size outside 1..300000 pixels or a
    // resolution outside kMinResolution..kMaxResolution (NaN included).
    Document(int32_t id, int32_t width, int32_t height, double resolution);

    int32_t Id() const { return id_; }
    std::string Title() const;
    int32_t Width() const { return width_; }
    int32_t Height() const { return height_; }
    double Resolution() const { return resolution_; }
    // Top-left of the image the document was opened with, on today's canvas.
    int32_t ImageX() const { return imageX_; }
    int32_t ImageY() const { return imageY_; }
    const std::vector<HistoryState>& History() const { return history_; }

    void Apply(const CanvasChange& change);
    void AddHistoryState(HistoryState state) { history_.push_back(std::move(state)); }

private:
    int32_t id_;
    int32_t width_;
    int32_t height_;
    double resolution_;
    int32_t imageX_ = 0;
    int32_t imageY_ = 0;
    std::vector<HistoryState> history_;
};

}  // namespace kestrow::host

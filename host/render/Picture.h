// A rendered picture: its pixels as 0xAARRGGBB words, row by row from the top.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrow::render {

// A picture that could not be drawn or written.
class RenderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

// Writes the picture as a PNG file; throws RenderError when it cannot.
void WritePng(const Picture& picture, const std::string& path);
// Reads a PNG file back; throws RenderError when it cannot.
Picture ReadPng(const std::string& path);

}  // namespace kestrow::render

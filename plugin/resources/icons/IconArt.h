// The anchor grid's pictures: reading the arrows' pixel art and writing the
// Windows icon files that the resource script includes.
#ifndef KESTROW_RESOURCES_ICONART_H
#define KESTROW_RESOURCES_ICONART_H

#include <cstdint>
#include <istream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrow::icons {

class ArtError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class Pixel { Transparent, Black, Edge };

// One arrow of the description: its icon number, direction and 16 x 16 pixels.
struct Arrow {
    int id = 0;
    std::string direction;
    std::vector<Pixel> pixels; // row by row from the top
};

constexpr int kArrowSize = 16;
constexpr int kGreyTwinOffset = 10;
constexpr int kBlankId = 130;

// Reads "arrow <id> <direction>" blocks of 16 rows of '#', '+' and '.';
// lines starting with '#' outside a block and empty lines are comments.
// Throws ArtError naming the line for anything else.
std::vector<Arrow> ParseArrows(std::istream& in);

// Every icon file of the grid, by icon number: each arrow (8 bits per pixel),
// its grey twin (4 bits) and the blank.
std::map<int, std::vector<uint8_t>> MakeGridIcons(const std::vector<Arrow>& arrows);

} // namespace kestrow::icons

#endif

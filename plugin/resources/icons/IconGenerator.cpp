// Writes the anchor grid's icon files from the arrows' pixel art:
//   IconGenerator Arrows.txt OUTPUT_DIRECTORY
#include "IconArt.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: IconGenerator ARROWS.txt OUTPUT_DIRECTORY\n";
        return 2;
    }
    try {
        std::ifstream in(argv[1]);
        if (!in)
            throw kestrow::icons::ArtError(std::string("cannot read ") + argv[1]);
        const auto icons = kestrow::icons::MakeGridIcons(kestrow::icons::ParseArrows(in));
        for (const auto& [id, bytes] : icons) {
            const std::string path = std::string(argv[2]) + "/" + std::to_string(id) + ".ico";
            std::ofstream out(path, std::ios::binary);
            out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
            if (!out)
                throw kestrow::icons::ArtError("cannot write " + path);
        }
    } catch (const std::exception& e) {
        std::cerr << "IconGenerator: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

#include "DialogItemNames.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace kestrow::cli {
namespace {

struct Named {
    const char* name;
    int32_t id;
};

// Item 1 is OK in both dialogs; the rest belong to one dialog each.
const Named kNames[] = {
    {"ok", 1},
    {"cancel", 2},
    {"about", 5},
    {"top", 16001},
    {"left", 16002},
    {"bottom", 16003},
    {"right", 16004},
    {"uniform", 16005},
    {"both", 16010},
    {"relativeUnits", 16011},
    {"horizontal", 16014},
    {"vertical", 16015},
    {"newWidth", 16017},
    {"newHeight", 16018},
    {"currentWidth", 16019},
    {"currentHeight", 16020},
    {"anchor1", 16021},
    {"anchor2", 16022},
    {"anchor3", 16023},
    {"anchor4", 16024},
    {"anchor5", 16025},
    {"anchor6", 16026},
    {"anchor7", 16027},
    {"anchor8", 16028},
    {"anchor9", 16029},
    {"width", 16030},
    {"height", 16031},
    {"absoluteUnits", 16032},
    {"absolute", 16034},
    {"relative", 16035},
    {"webAddress", 18002},
};

bool SameName(const std::string& a, const char* b)
{
    const std::string other(b);
    return a.size() == other.size() && std::equal(a.begin(), a.end(), other.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::optional<int32_t> DialogItemNumber(const std::string& word)
{
    for (const Named& named : kNames)
        if (SameName(word, named.name)) return named.id;
    if (word.empty()) return std::nullopt;
    char* end = nullptr;
    const long number = std::strtol(word.c_str(), &end, 10);
    if (*end != '\0' || number < INT32_MIN || number > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(number);
}

std::string DialogItemName(int32_t id)
{
    for (const Named& named : kNames)
        if (named.id == id) return named.name;
    return "";
}

}  // namespace kestrow::cli

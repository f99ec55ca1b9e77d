// What a dialog is built from: its caption, size and font, and its items
// with their numbers, kinds, starting texts, places and styles. The module's
// dialog resources are read into this form (ModuleDialogSource); tests can
// also hand one in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrow::host {

enum class ItemKind { Text, Edit, Button, Radio, Checkbox, PictureButton, Popup, Group, Picture, Other };

enum class TextAlign { Left, Centre, Right };

// A place and size in dialog units, from the top left of the client area.
struct DialogRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

struct DialogItemTemplate {
    int32_t id;
    ItemKind kind;
    std::string text;
    bool enabled = true;
    DialogRect bounds{};
    bool startsGroup = false;  // the first item of a group: radio buttons group up to the next such item
    bool isDefault = false;    // the default push button, drawn with a heavier frame
    bool border = false;       // an edit field drawn with a border
    TextAlign align = TextAlign::Left;
};

struct DialogTemplate {
    int32_t resourceId = 0;
    std::string name;
    std::vector<DialogItemTemplate> items;
    std::string caption{};
    int32_t width = 0;   // client area, dialog units
    int32_t height = 0;
    int32_t fontPoints = 8;
    std::string typeface{};
};

}  // namespace kestrow::host

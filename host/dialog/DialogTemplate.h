// What a dialog is built from: its items with their numbers, kinds and
// starting texts. The module's dialog resources will be read into this form;
// tests and the command can also hand one in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kestrow::host {

enum class ItemKind { Text, Edit, Button, Radio, Checkbox, PictureButton, Popup, Group, Picture };

struct DialogItemTemplate {
    int32_t id;
    ItemKind kind;
    std::string text;
    bool enabled = true;
};

struct DialogTemplate {
    int32_t resourceId = 0;
    std::string name;
    std::vector<DialogItemTemplate> items;
};

}  // namespace kestrow::host

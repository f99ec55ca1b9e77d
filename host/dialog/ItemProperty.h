// The properties of an item a script can check and a report shows: its
// text, enabled state, on/off value and picture numbers, each as text.
#pragma once

#include "dialog/Dialog.h"

#include <optional>
#include <string>

namespace kestrow::host {

enum class ItemProperty { Text, Enabled, Value, Picture, SelectedPicture, DisabledPicture };

// "text", "enabled", "value", "picture", "selectedPicture", "disabledPicture".
const char* ItemPropertyName(ItemProperty property);
// The property named so (case does not matter), or nothing.
std::optional<ItemProperty> ItemPropertyNamed(const std::string& name);

// The property as text: the text shown (a popup shows its chosen entry's),
// "true"/"false" for enabled, "on"/"off" for the value (a popup: the chosen
// entry's position, -1 for none), picture numbers in decimal.
std::string ItemPropertyText(const DialogItem& item, ItemProperty property);

// Whether the property holds `expected`: texts compare exactly; booleans
// also take 1/0, on/off, true/false and yes/no; numbers compare as numbers.
bool ItemPropertyIs(const DialogItem& item, ItemProperty property, const std::string& expected);

}  // namespace kestrow::host

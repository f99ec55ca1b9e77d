#include "dialog/ItemProperty.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace kestrow::host {
namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

std::optional<bool> BooleanFrom(const std::string& text)
{
    const std::string word = Lower(text);
    if (word == "1" || word == "on" || word == "true" || word == "yes") return true;
    if (word == "0" || word == "off" || word == "false" || word == "no") return false;
    return std::nullopt;
}

std::optional<long> IntegerFrom(const std::string& text)
{
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0') return std::nullopt;
    return value;
}

int32_t ChosenIndex(const DialogItem& item)
{
    const ItemList* list = item.List();
    return list && list->Active() ? list->IndexOf(*list->Active()) : -1;
}

}  // namespace

const char* ItemPropertyName(ItemProperty property)
{
    switch (property) {
    case ItemProperty::Text: return "text";
    case ItemProperty::Enabled: return "enabled";
    case ItemProperty::Value: return "value";
    case ItemProperty::Picture: return "picture";
    case ItemProperty::SelectedPicture: return "selectedPicture";
    case ItemProperty::DisabledPicture: return "disabledPicture";
    }
    return "text";
}

std::optional<ItemProperty> ItemPropertyNamed(const std::string& name)
{
    const ItemProperty all[] = {ItemProperty::Text, ItemProperty::Enabled, ItemProperty::Value,
                                ItemProperty::Picture, ItemProperty::SelectedPicture, ItemProperty::DisabledPicture};
    for (ItemProperty property : all)
        if (Lower(ItemPropertyName(property)) == Lower(name)) return property;
    return std::nullopt;
}

std::string ItemPropertyText(const DialogItem& item, ItemProperty property)
{
    switch (property) {
    case ItemProperty::Text:
        if (item.List()) return item.List()->Active() ? item.List()->Active()->text : "";
        return item.text;
    case ItemProperty::Enabled: return item.enabled ? "true" : "false";
    case ItemProperty::Value:
        if (item.List()) return std::to_string(ChosenIndex(item));
        return item.value ? "on" : "off";
    case ItemProperty::Picture: return std::to_string(item.pictureId);
    case ItemProperty::SelectedPicture: return std::to_string(item.selectedPictureId);
    case ItemProperty::DisabledPicture: return std::to_string(item.disabledPictureId);
    }
    return "";
}

bool ItemPropertyIs(const DialogItem& item, ItemProperty property, const std::string& expected)
{
    switch (property) {
    case ItemProperty::Text: return ItemPropertyText(item, property) == expected;
    case ItemProperty::Enabled: {
        const auto wanted = BooleanFrom(expected);
        return wanted && *wanted == item.enabled;
    }
    case ItemProperty::Value: {
        if (item.List()) {
            const auto wanted = IntegerFrom(expected);
            return wanted && *wanted == ChosenIndex(item);
        }
        const auto wanted = BooleanFrom(expected);
        return wanted && *wanted == item.value;
    }
    default: {
        const auto wanted = IntegerFrom(expected);
        return wanted && std::to_string(*wanted) == ItemPropertyText(item, property);
    }
    }
}

}  // namespace kestrow::host

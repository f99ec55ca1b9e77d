#include "validate/DialogView.h"

#include "validate/DialogItems.h"

#include <cstdlib>

namespace kestrow::validate {
namespace {

int32_t ChosenPosition(const host::Dialog& dialog, int32_t popup)
{
    const host::DialogItem* item = dialog.Item(popup);
    if (!item || !item->List() || !item->List()->Active()) return -1;
    return item->List()->IndexOf(*item->List()->Active());
}

}  // namespace

DialogView DialogView::Read(const host::Dialog& dialog)
{
    DialogView view;
    for (const auto& item : dialog.Items())
        view.items[item->Id()] = ItemView{item->text, item->enabled, item->value};
    view.relativeUnit = ChosenPosition(dialog, item::kRelativeUnits);
    view.absoluteUnit = ChosenPosition(dialog, item::kAbsoluteUnits);
    return view;
}

const ItemView* DialogView::Find(int32_t id) const
{
    auto it = items.find(id);
    return it == items.end() ? nullptr : &it->second;
}

double DialogView::EditNumber(int32_t id) const
{
    const ItemView* edit = Find(id);
    return edit ? std::strtod(edit->text.c_str(), nullptr) : 0;
}

std::optional<SizeLabel> ParseSizeLabel(const std::string& text)
{
    const char* start = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(start, &end);
    if (end == start || *end != ' ' || end[1] == '\0') return std::nullopt;
    return SizeLabel{value, std::string(end + 1)};
}

const char* DisplayLabel(int32_t unitsIndex)
{
    static const char* const labels[7] = {"pixels", "%", "mm", "cm", "inches", "points", "picas"};
    return unitsIndex >= 0 && unitsIndex < 7 ? labels[unitsIndex] : nullptr;
}

}  // namespace kestrow::validate

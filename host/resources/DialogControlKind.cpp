// Telling controls apart: predefined classes by their low style bits, the
// dialog manager's picture button by its class name.
#include "resources/DialogControlKind.h"

namespace kestrow::resources {
namespace {

ControlKind ButtonKind(uint32_t style)
{
    switch (style & 0xF) {
    case 0x1: return ControlKind::DefaultPushButton;
    case 0x2: case 0x3: case 0x5: case 0x6: return ControlKind::CheckBox;
    case 0x4: case 0x9: return ControlKind::RadioButton;
    case 0x7: return ControlKind::GroupFrame;
    default: return ControlKind::PushButton;
    }
}

}  // namespace

ControlKind KindOf(const DialogResourceItem& item)
{
    if (!item.windowClass.IsNumber())
        return EqualIgnoringCase(item.windowClass.Text(), kPictureButtonClass) ? ControlKind::PictureButton
                                                                               : ControlKind::Custom;
    switch (item.windowClass.Number()) {
    case classes::kButton: return ButtonKind(item.style);
    case classes::kEdit: return ControlKind::EditField;
    case classes::kStatic: return ControlKind::Label;
    case classes::kListBox: return ControlKind::ListBox;
    case classes::kScrollBar: return ControlKind::ScrollBar;
    case classes::kComboBox: return (item.style & 0x3) == 0x3 ? ControlKind::PopupList : ControlKind::ComboBox;
    default: return ControlKind::Custom;
    }
}

const char* ControlKindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton: return "push button";
    case ControlKind::DefaultPushButton: return "default push button";
    case ControlKind::CheckBox: return "checkbox";
    case ControlKind::RadioButton: return "radio button";
    case ControlKind::GroupFrame: return "group frame";
    case ControlKind::Label: return "label";
    case ControlKind::EditField: return "edit field";
    case ControlKind::PopupList: return "popup list";
    case ControlKind::ComboBox: return "combo box";
    case ControlKind::ListBox: return "list box";
    case ControlKind::ScrollBar: return "scroll bar";
    case ControlKind::PictureButton: return "picture button";
    case ControlKind::Custom: return "custom control";
    }
    return "custom control";
}

TextAlignment AlignmentOf(const DialogResourceItem& item)
{
    if (KindOf(item) != ControlKind::Label)
        return TextAlignment::Left;
    switch (item.style & 0x3) {
    case 0x1: return TextAlignment::Centre;
    case 0x2: return TextAlignment::Right;
    default: return TextAlignment::Left;
    }
}

}  // namespace kestrow::resources

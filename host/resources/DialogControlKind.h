// What kind of control a dialog item is, from its window class and style:
// the vocabulary the dialog manager and the command use.
#pragma once

#include "resources/DialogResource.h"

namespace kestrow::resources {

enum class ControlKind {
    PushButton,
    DefaultPushButton,
    CheckBox,
    RadioButton,
    GroupFrame,
    Label,
    EditField,
    PopupList,
    ComboBox,
    ListBox,
    ScrollBar,
    PictureButton,
    Custom,
};

enum class TextAlignment { Left, Centre, Right };

// The dialog manager's own item class; class names compare without regard to case.
constexpr const char* kPictureButtonClass = "ADM Picture Push Button Type";

ControlKind KindOf(const DialogResourceItem& item);
// "push button", "edit field", "picture button", ...
const char* ControlKindName(ControlKind kind);
// How a label aligns its text; other kinds are left-aligned.
TextAlignment AlignmentOf(const DialogResourceItem& item);

}  // namespace kestrow::resources

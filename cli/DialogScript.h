// A dialog script: the steps a person takes in the plug-in's dialog, one a
// line, words as in session files ('#' comments, double quotes for blanks):
//
//   type ITEM TEXT          replace an edit field's text as typed
//   click ITEM              push button, radio button, checkbox or picture button
//   choose ITEM ENTRY       a popup's entry by position (0 ...) or by its text
//   modifier down|up        press or release the reset modifier
//   render FILE.png         draw the open dialog as it looks now
//   expect ITEM PROPERTY = VALUE
//                           fail unless the item's text, enabled, value,
//                           picture, selectedPicture or disabledPicture is VALUE
//
// ITEM is an item number (16001) or a name (top, width, ok, cancel, ...).
// In a TEXT or VALUE, \r and \n stand for a carriage return and a line feed.
#pragma once

#include "dialog/ScriptPlayer.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrow::cli {

struct DialogScriptParse {
    std::vector<host::ScriptStep> steps;
    std::string error;  // "FILE:LINE: what is wrong"; empty when the whole script is good
};

DialogScriptParse ParseDialogScript(std::string_view text, const std::string& fileName);

// One step from the words of its line; the reason when they are not one.
std::string ReadDialogStep(const std::vector<std::string>& words, host::ScriptStep& step);

}  // namespace kestrow::cli

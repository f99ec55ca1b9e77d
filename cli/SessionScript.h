// A session file: several steps run in one module lifetime.
//
//   # a comment line
//   document 1200x800@300      # a new target document
//   play Top=20 Left=int:10 Wdth=unit:#Pxl:800
//   play --empty
//   call "SP Interface" About
//   dialog Top=5              # a run with the dialog, its steps up to "end"
//     type top 20            # (the steps of a dialog script)
//     click ok
//   end
//
// Words are separated by blanks; a double-quoted part may hold blanks, and
// \" and \\ inside quotes stand for a quote and a backslash. A word that
// starts with # outside quotes begins a comment to the end of the line; a #
// inside a word ('#Pxl') is part of it.
#pragma once

#include "DocumentSpec.h"
#include "dialog/ScriptPlayer.h"
#include "model/Descriptor.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrow::cli {

struct SessionStep {
    enum class Kind { Document, Play, Call, Dialog };
    Kind kind;
    int line;
    DocumentSpec document;                   // Document
    std::optional<host::Descriptor> descriptor;  // Play, Dialog: nullopt hands in no descriptor
    std::string caller;                      // Call
    std::string selector;                    // Call
    std::vector<host::ScriptStep> dialogSteps{};  // Dialog: the steps of its block
};

struct SessionParse {
    std::vector<SessionStep> steps;
    std::string error;  // "FILE:LINE: what is wrong"; empty when the whole file is good
};

SessionParse ParseSession(std::string_view text, const std::string& fileName);

// Splits one line into words; nullopt with `error` set for an unclosed quote.
std::optional<std::vector<std::string>> SplitWords(std::string_view line, std::string& error);

}  // namespace kestrow::cli

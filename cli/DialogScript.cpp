#include "DialogScript.h"

#include "DialogItemNames.h"
#include "SessionScript.h"

#include <cctype>

namespace kestrow::cli {
namespace {

using Kind = host::ScriptStep::Kind;

// The item a word names; an error text when it names none.
std::string ReadItem(const std::string& word, host::ScriptStep& step)
{
    const auto id = DialogItemNumber(word);
    if (!id) return "unknown item '" + word + "' (give its number or a name such as top, width, ok)";
    step.item = word;
    step.itemId = *id;
    return "";
}

// "\r" and "\n" in a typed or expected text stand for a carriage return
// and a line feed, as reports show them.
std::string WithLineBreaks(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'r' || text[i + 1] == 'n')) {
            out.push_back(text[++i] == 'r' ? '\r' : '\n');
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

bool AllDigits(const std::string& word)
{
    if (word.empty()) return false;
    for (char c : word)
        if (!std::isdigit(static_cast<unsigned char>(c))) return false;
    return true;
}

}  // namespace

std::string ReadDialogStep(const std::vector<std::string>& words, host::ScriptStep& step)
{
    const std::string& command = words[0];
    const size_t count = words.size();
    if (command == "type") {
        if (count != 3) return "type takes an ITEM and one TEXT (quote a text with blanks, \"\" for none)";
        step.kind = Kind::Type;
        step.text = WithLineBreaks(words[2]);
        return ReadItem(words[1], step);
    }
    if (command == "click") {
        if (count != 2) return "click takes one ITEM";
        step.kind = Kind::Click;
        return ReadItem(words[1], step);
    }
    if (command == "choose") {
        if (count != 3) return "choose takes an ITEM and an entry's position or text";
        step.kind = Kind::Choose;
        if (AllDigits(words[2]) && words[2].size() < 9) step.index = std::stoi(words[2]);
        else step.text = words[2];
        return ReadItem(words[1], step);
    }
    if (command == "modifier") {
        if (count != 2 || (words[1] != "down" && words[1] != "up")) return "modifier takes down or up";
        step.kind = words[1] == "down" ? Kind::ModifierDown : Kind::ModifierUp;
        return "";
    }
    if (command == "render") {
        if (count != 2 || words[1].empty()) return "render takes one FILE";
        step.kind = Kind::Render;
        step.text = words[1];
        return "";
    }
    if (command == "expect") {
        const bool withEquals = count == 5 && words[3] == "=";
        if (!withEquals && count != 4)
            return "expect takes ITEM PROPERTY = VALUE (quote a value with blanks, \"\" for none)";
        step.kind = Kind::Expect;
        const auto property = host::ItemPropertyNamed(words[2]);
        if (!property)
            return "unknown property '" + words[2] +
                   "' (expected text, enabled, value, picture, selectedPicture or disabledPicture)";
        step.property = *property;
        step.text = WithLineBreaks(words[count - 1]);
        return ReadItem(words[1], step);
    }
    return "unknown dialog step '" + command + "' (expected type, click, choose, modifier, render or expect)";
}

DialogScriptParse ParseDialogScript(std::string_view text, const std::string& fileName)
{
    DialogScriptParse parse;
    int lineNumber = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;

        std::string error;
        const auto words = SplitWords(line, error);
        if (words && words->empty()) continue;
        host::ScriptStep step;
        step.line = lineNumber;
        if (words) error = ReadDialogStep(*words, step);
        if (!error.empty()) {
            parse.steps.clear();
            parse.error = fileName + ":" + std::to_string(lineNumber) + ": " + error;
            return parse;
        }
        parse.steps.push_back(std::move(step));
    }
    return parse;
}

}  // namespace kestrow::cli

#include "SessionScript.h"

#include "DialogScript.h"
#include "ItemParser.h"

namespace kestrow::cli {

std::optional<std::vector<std::string>> SplitWords(std::string_view line, std::string& error)
{
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\')) word.push_back(line[++i]);
            else if (c == '"') quoted = false;
            else word.push_back(c);
        } else if (c == '#' && !inWord) {
            break;
        } else if (c == '"') {
            quoted = inWord = true;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            word.push_back(c);
            inWord = true;
        }
    }
    if (quoted) {
        error = "unclosed double quote";
        return std::nullopt;
    }
    if (inWord) words.push_back(std::move(word));
    return words;
}

namespace {

// Reads one step from its words; an error text when they are not one.
std::string ReadStep(const std::vector<std::string>& words, SessionStep& step)
{
    const std::string& command = words[0];
    if (command == "document") {
        if (words.size() != 2) return "document takes one WIDTHxHEIGHT[@PPI]";
        DocumentSpecParse parsed = ParseDocumentSpec(words[1]);
        if (!parsed.size) return parsed.error;
        step.kind = SessionStep::Kind::Document;
        step.document = *parsed.size;
        return "";
    }
    if (command == "play" || command == "dialog") {
        std::vector<std::string> items(words.begin() + 1, words.end());
        bool empty = false;
        if (!items.empty() && items[0] == "--empty") {
            empty = true;
            items.erase(items.begin());
        }
        DescriptorParse parsed = BuildDescriptor(items, empty);
        if (!parsed.error.empty()) return parsed.error;
        step.kind = command == "play" ? SessionStep::Kind::Play : SessionStep::Kind::Dialog;
        step.descriptor = std::move(parsed.descriptor);
        return "";
    }
    if (command == "call") {
        if (words.size() != 3) return "call takes a CALLER and a SELECTOR";
        step.kind = SessionStep::Kind::Call;
        step.caller = words[1];
        step.selector = words[2];
        return "";
    }
    if (command == "end") return "end without a dialog block";
    return "unknown step '" + command + "' (expected document, play, dialog or call)";
}

}  // namespace

SessionParse ParseSession(std::string_view text, const std::string& fileName)
{
    SessionParse parse;
    int lineNumber = 0;
    // The position of the dialog step whose block of steps is still open.
    const size_t kNoBlock = static_cast<size_t>(-1);
    size_t block = kNoBlock;
    auto fail = [&](int line, const std::string& error) {
        parse.steps.clear();
        parse.error = fileName + ":" + std::to_string(line) + ": " + error;
        return parse;
    };
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;

        const size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#') continue;
        std::string error;
        const auto words = SplitWords(line, error);
        if (words && words->empty()) continue;
        if (words && block != kNoBlock) {
            if (words->size() == 1 && (*words)[0] == "end") {
                block = kNoBlock;
                continue;
            }
            host::ScriptStep dialogStep;
            dialogStep.line = lineNumber;
            error = ReadDialogStep(*words, dialogStep);
            if (!error.empty()) return fail(lineNumber, error);
            parse.steps[block].dialogSteps.push_back(std::move(dialogStep));
            continue;
        }
        SessionStep step{SessionStep::Kind::Play, lineNumber, {}, std::nullopt, {}, {}};
        if (words) error = ReadStep(*words, step);
        if (!error.empty()) return fail(lineNumber, error);
        parse.steps.push_back(std::move(step));
        if (parse.steps.back().kind == SessionStep::Kind::Dialog) block = parse.steps.size() - 1;
    }
    if (block != kNoBlock) return fail(parse.steps[block].line, "the dialog block has no end");
    return parse;
}

}  // namespace kestrow::cli

#include "ReportText.h"

#include "ItemParser.h"
#include "model/FourCodeText.h"
#include "model/StatusCodes.h"

namespace kestrow::cli {

std::string Quoted(const std::string& text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '\r') out += "\\r";
        else if (c == '\n') out += "\\n";
        else if (c == '"' || c == '\\') out += std::string("\\") + c;
        else out += c;
    }
    return out + "\"";
}

namespace {

std::string ItemsText(const std::vector<host::Item>& items)
{
    if (items.empty()) return "(no items)";
    std::string text;
    for (const auto& item : items) text += (text.empty() ? "" : " ") + FormatItem(item);
    return text;
}

}  // namespace

void PrintReport(const host::RunReport& report, std::ostream& out)
{
    out << report.caller << " / " << report.selector;
    if (report.parametersPassed) out << " (play option " << report.playOption << ")";
    out << ": result " << report.result << (report.result == -128 ? " (cancelled)" : "") << "\n";
    for (const auto& dialog : report.dialogs) {
        out << "  dialog \"" << dialog.name << "\" " << dialog.resourceId << " ended with " << dialog.result
            << (dialog.built ? "" : " (no dialog resource: no items)") << "\n";
    }
    for (const auto& event : report.events) {
        out << "  event " << host::FourCodeText(event.event);
        if (event.status != 0) out << " refused, " << host::status::StatusText(event.status) << ": " << event.reason;
        out << "\n    " << ItemsText(event.items) << "\n";
    }
    if (report.events.empty()) out << "  no events played\n";
    if (report.document) {
        out << "  document " << report.document->width << " x " << report.document->height << " pixels at "
            << FormatNumber(report.document->resolution) << " ppi\n";
    } else {
        out << "  no document open\n";
    }
    for (const auto& name : report.history) out << "  history state \"" << name << "\"\n";
    if (report.recorded) {
        out << "  recorded " << ItemsText(report.recorded->Items()) << " (record option " << report.recordOption << ")\n";
    } else if (report.parametersPassed) {
        out << "  nothing recorded\n";
    }
    for (const auto& problem : report.Problems()) out << "  problem: " << problem << "\n";
}

}  // namespace kestrow::cli

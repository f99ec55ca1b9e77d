#include "render/TextPainter.h"

#include <algorithm>
#include <vector>

namespace kestrow::render {
namespace {

// A sans face of about the classic dialog font's width; fontconfig falls
// back to any sans face where it is missing.
constexpr const char* kTypeface = "DejaVu Sans Condensed";

struct Marked {
    std::string shown;
    size_t underline = std::string::npos;  // byte position of the mnemonic in `shown`
};

Marked ParseMnemonic(const std::string& text)
{
    Marked marked;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != '&' && marked.underline == std::string::npos) marked.underline = marked.shown.size();
        }
        marked.shown.push_back(text[i]);
    }
    return marked;
}

// Lines broken at CR, LF or CR LF.
std::vector<std::string> BreakLines(const std::string& text)
{
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            lines.emplace_back();
        } else {
            lines.back().push_back(text[i]);
        }
    }
    return lines;
}

}  // namespace

TextPainter::TextPainter(const CairoCanvas& canvas, const DialogUnits& units, int points, bool bold)
    : canvas_(canvas), pixelSize_((points > 0 ? points : 8) * 96.0 / 72.0), bold_(bold),
      lineHeight_(units.BaseHeight())
{
    Select();
    cairo_font_extents_t extents;
    cairo_font_extents(canvas_.Context(), &extents);
    ascent_ = extents.ascent;
}

void TextPainter::Select() const
{
    cairo_t* cr = canvas_.Context();
    cairo_select_font_face(cr, kTypeface, CAIRO_FONT_SLANT_NORMAL,
                           bold_ ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, pixelSize_);
}

std::string TextPainter::Shown(const std::string& text) { return ParseMnemonic(text).shown; }

std::string TextPainter::Literal(const std::string& text)
{
    std::string literal;
    for (char c : text) literal += c == '&' ? std::string("&&") : std::string(1, c);
    return literal;
}

double TextPainter::Width(const std::string& text) const
{
    Select();
    cairo_text_extents_t extents;
    cairo_text_extents(canvas_.Context(), Shown(text).c_str(), &extents);
    return extents.x_advance;
}

void TextPainter::Line(const std::string& text, double x, double y, Colour colour) const
{
    const Marked marked = ParseMnemonic(text);
    cairo_t* cr = canvas_.Context();
    Select();
    canvas_.SetColour(colour);
    const double baseline = y + ascent_;
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, marked.shown.c_str());
    if (marked.underline == std::string::npos) return;

    cairo_text_extents_t before;
    cairo_text_extents_t letter;
    cairo_text_extents(cr, marked.shown.substr(0, marked.underline).c_str(), &before);
    cairo_text_extents(cr, marked.shown.substr(marked.underline, 1).c_str(), &letter);
    const double left = static_cast<int>(x + before.x_advance);
    cairo_rectangle(cr, left, static_cast<int>(baseline) + 1, std::max(1.0, letter.x_advance), 1);
    cairo_fill(cr);
}

void TextPainter::Placed(const std::string& text, const PixelRect& rect, double y, host::TextAlign align,
                         bool enabled) const
{
    double x = rect.x;
    if (align != host::TextAlign::Left) {
        const double spare = rect.width - Width(text);
        x += align == host::TextAlign::Right ? spare : spare / 2;
    }
    x = static_cast<int>(x);
    if (enabled) {
        Line(text, x, y, colours::kText);
    } else {
        Line(text, x + 1, y + 1, colours::kHighlight);
        Line(text, x, y, colours::kGreyText);
    }
}

void TextPainter::Single(const std::string& text, const PixelRect& rect, host::TextAlign align, bool enabled) const
{
    const double y = rect.y + (rect.height - lineHeight_) / 2;
    Placed(text, rect, static_cast<int>(y), align, enabled);
}

void TextPainter::Block(const std::string& text, const PixelRect& rect, host::TextAlign align, bool enabled) const
{
    double y = rect.y;
    for (const std::string& paragraph : BreakLines(text)) {
        // Each piece is a word with the blanks before it. A line takes as
        // many pieces as fit; a piece that starts a new line drops its
        // blanks, and one wider than the label stands alone and is clipped.
        std::string line;
        size_t at = 0;
        while (at < paragraph.size()) {
            size_t end = paragraph.find_first_not_of(' ', at);
            end = end == std::string::npos ? paragraph.size() : paragraph.find(' ', end);
            if (end == std::string::npos) end = paragraph.size();
            const std::string piece = paragraph.substr(at, end - at);
            if (!line.empty() && Width(line + piece) > rect.width) {
                Placed(line, rect, y, align, enabled);
                y += lineHeight_;
                const size_t word = piece.find_first_not_of(' ');
                line = word == std::string::npos ? "" : piece.substr(word);
            } else {
                line += piece;
            }
            at = end;
        }
        Placed(line, rect, y, align, enabled);
        y += lineHeight_;
    }
}

}  // namespace kestrow::render

// Text in the dialog font: a mnemonic (the character after '&') underlined,
// "&&" shown as one '&', labels broken at carriage returns and line feeds
// and wrapped at blanks, disabled text greyed with a light emboss.
#pragma once

#include "dialog/DialogTemplate.h"
#include "render/CairoCanvas.h"

#include <string>

namespace kestrow::render {

class TextPainter {
public:
    TextPainter(const CairoCanvas& canvas, const DialogUnits& units, int points, bool bold = false);

    // The text as shown, without mnemonic markers.
    static std::string Shown(const std::string& text);
    // A text to show as it is, every '&' doubled (edit fields, list entries, captions).
    static std::string Literal(const std::string& text);
    double Width(const std::string& text) const;
    int LineHeight() const { return lineHeight_; }

    // One line with its left edge at x and its top at y.
    void Line(const std::string& text, double x, double y, Colour colour) const;
    // One line placed in `rect` by `align`, centred from top to bottom.
    void Single(const std::string& text, const PixelRect& rect, host::TextAlign align, bool enabled) const;
    // A label's text from the top of `rect`, broken and wrapped to its width.
    void Block(const std::string& text, const PixelRect& rect, host::TextAlign align, bool enabled) const;

private:
    void Select() const;
    void Placed(const std::string& text, const PixelRect& rect, double y, host::TextAlign align, bool enabled) const;
    const CairoCanvas& canvas_;
    double pixelSize_;
    bool bold_;
    double ascent_ = 0;
    int lineHeight_;
};

}  // namespace kestrow::render

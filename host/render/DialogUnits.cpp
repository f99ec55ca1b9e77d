#include "render/DialogUnits.h"

namespace kestrow::render {
namespace {

// value * numerator / denominator, rounded half away from zero.
int Scale(int value, int numerator, int denominator)
{
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator : -((-product + half) / denominator));
}

}  // namespace

// 8 points at 96 dpi: 6 x 13 pixels, the measure of the classic dialog font;
// other sizes scale from it.
DialogUnits::DialogUnits(int points)
    : baseWidth_(points > 0 ? Scale(6, points, 8) : 6), baseHeight_(points > 0 ? Scale(13, points, 8) : 13)
{
}

int DialogUnits::X(int units) const { return Scale(units, baseWidth_, 4); }

int DialogUnits::Y(int units) const { return Scale(units, baseHeight_, 8); }

PixelRect DialogUnits::Rect(const host::DialogRect& rect) const
{
    const int left = X(rect.x);
    const int top = Y(rect.y);
    return PixelRect{left, top, X(rect.x + rect.width) - left, Y(rect.y + rect.height) - top};
}

}  // namespace kestrow::render

// The main dialog's item numbers, as its dialog resource gives them: the
// validator drives and reads the dialog by these alone.
#pragma once

#include <cstdint>

namespace kestrow::validate::item {

constexpr int32_t kMainDialog = 16000;
constexpr int32_t kAboutDialog = 18000;

constexpr int32_t kOk = 1;
constexpr int32_t kCancel = 2;
constexpr int32_t kAbout = 5;
constexpr int32_t kTop = 16001;
constexpr int32_t kLeft = 16002;
constexpr int32_t kBottom = 16003;
constexpr int32_t kRight = 16004;
constexpr int32_t kUniform = 16005;
constexpr int32_t kBoth = 16010;
constexpr int32_t kRelativeUnits = 16011;
constexpr int32_t kHorizontal = 16014;
constexpr int32_t kVertical = 16015;
constexpr int32_t kNewWidth = 16017;
constexpr int32_t kNewHeight = 16018;
constexpr int32_t kCurrentWidth = 16019;
constexpr int32_t kCurrentHeight = 16020;
constexpr int32_t kAnchorBase = 16020;  // anchor n is 16020 + n
constexpr int32_t kWidth = 16030;
constexpr int32_t kHeight = 16031;
constexpr int32_t kAbsoluteUnits = 16032;
constexpr int32_t kAbsolute = 16034;
constexpr int32_t kRelative = 16035;

// Edits take at most this many characters; every text the module sets fits
// its 260-byte buffer.
constexpr size_t kEditLength = 10;
constexpr size_t kTextBuffer = 260;

}  // namespace kestrow::validate::item

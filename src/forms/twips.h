// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The window was laid out in twips; at 96 dpi fifteen of them make a pixel.
namespace forms {

constexpr int kTwipsPerPixel = 15;

constexpr int px(int twips) { return twips / kTwipsPerPixel; }
constexpr double pxF(int twips) { return double(twips) / kTwipsPerPixel; }

} // namespace forms

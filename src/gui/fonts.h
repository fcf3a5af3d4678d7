#pragma once

#include <QFont>

namespace bexlan {

// The two faces every window draws its texts with: "Arial", thin, 17 and 11 pixels high.
struct Fonts {
    QFont LargeFont;
    QFont SmallFont;
};

// Maps the Windows faces the skins were designed for onto the fonts of this system:
// "Arial" to Liberation Sans (metric-compatible) and "SimSun"/"宋体" to AR PL UMing, a
// Song-style CJK face. Must run before the first font is resolved; calling it again is
// harmless.
void InstallFontSubstitutions();

// Builds LargeFont and SmallFont (after InstallFontSubstitutions).
Fonts CreateFonts();

} // namespace bexlan

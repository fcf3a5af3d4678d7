#pragma once

#include <QColor>

// The colours of the skins. The blues are the ones the program uses for its own drawing
// (menu frame, selected menu item, language box, inactive button text), so the art and the
// run-time drawing read as one piece.
namespace skingen::palette {

// Mask colours: outside is the window's colour key and must never appear inside a skin.
inline const QColor kMaskOutside{255, 0, 255};
inline const QColor kMaskInside{255, 255, 255};

inline const QColor kWindow{12, 14, 19};
inline const QColor kTitleTop{26, 33, 47};
inline const QColor kTitleBottom{13, 16, 22};
inline const QColor kOutline{44, 58, 82};
inline const QColor kOutlineInner{24, 30, 40};

inline const QColor kCard{19, 23, 30};
inline const QColor kCardBorder{36, 44, 57};
inline const QColor kCardHeader{23, 28, 37};
inline const QColor kDivider{31, 38, 50};

inline const QColor kControl{26, 31, 40};
inline const QColor kControlLow{18, 21, 28};
inline const QColor kControlBorder{54, 63, 80};
inline const QColor kField{6, 8, 11};
inline const QColor kFieldBorder{44, 52, 66};
inline const QColor kZebra{11, 13, 18};

inline const QColor kMark{112, 121, 136};
inline const QColor kGlyph{150, 158, 172};
inline const QColor kTick{66, 76, 92};

inline const QColor kAccent{0, 120, 250};       // selected item, inactive button text
inline const QColor kAccentCombo{57, 123, 234}; // language box
inline const QColor kAccentDeep{7, 111, 184};   // menu frame
inline const QColor kAccentBright{92, 166, 255};
inline const QColor kHotFill{20, 35, 58};
inline const QColor kClose{206, 45, 56};

inline const QColor kTextGrey{180, 180, 180};
inline const QColor kWhite{255, 255, 255};

} // namespace skingen::palette

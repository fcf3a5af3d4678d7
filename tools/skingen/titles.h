#pragma once

#include "model/language_tables.h"
#include "widgets.h"

#include <QImage>

namespace skingen {

enum class MacroTitle { Editor, Chooser };

// The main window's title picture, laid opaque onto the title bar at its place.
QImage drawMainTitle(bexlan::Language language);

// The title picture of the macro editor or the macro chooser, in `language`.
QImage drawMacroTitle(MacroTitle which, bexlan::Language language);

// The slider thumb (8 x 16, drawn unscaled): pure black around it is its transparent colour.
QImage drawThumb(Direction direction);

} // namespace skingen

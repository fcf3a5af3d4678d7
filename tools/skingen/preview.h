#pragma once

#include "skin_set.h"

#include <QString>

#include <vector>

namespace skingen {

// Writes a PNG of every skin and composed frames of each window as the program draws them
// (labels, values, the looks of set and pointed regions, the mask laid over), in every
// language, so the art can be checked against the regions by eye. Returns an error message,
// empty on success.
QString writePreviews(const std::vector<Skin>& skins, const QString& directory);

} // namespace skingen

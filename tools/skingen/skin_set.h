#pragma once

#include "model/skin_files.h"

#include <QImage>
#include <QString>

#include <array>
#include <vector>

namespace skingen {

inline constexpr int kSkinCount = bexlan::kSkinSlotCount;

struct Skin {
    int slot;
    QString fileName;
    QImage image;
};

// Draws all 31 pictures.
std::vector<Skin> renderSkins();

// Writes each picture into `directory` in the format its name asks for: BMP (lossless, for
// masks and the slider thumbs) or JPEG. Each file is replaced whole or not at all. Returns
// an error message, empty on success.
QString writeSkins(const std::vector<Skin>& skins, const QString& directory);

} // namespace skingen

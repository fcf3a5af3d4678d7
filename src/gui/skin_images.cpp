#include "gui/skin_images.h"

#include <QFile>
#include <QImageReader>

#include <cstdio>
#include <system_error>

namespace bexlan {

SkinImages::SkinImages(std::filesystem::path skinsDirectory)
    : m_directory(std::move(skinsDirectory))
{
}

SkinImages::~SkinImages() = default;

std::filesystem::path SkinImages::pathOf(int slot) const
{
    if (slot < 0 || slot >= kSkinSlotCount) {
        return {};
    }
    return m_directory / SkinFileNames[static_cast<size_t>(slot)];
}

std::optional<int> SkinImages::firstMissing() const
{
    for (int slot = 0; slot < kSkinSlotCount; ++slot) {
        std::error_code error;
        if (!std::filesystem::exists(pathOf(slot), error)) {
            return slot;
        }
    }
    return std::nullopt;
}

const QImage& SkinImages::image(int slot)
{
    static const QImage none;
    if (slot < 0 || slot >= kSkinSlotCount) {
        return none;
    }
    auto& cached = m_images[static_cast<size_t>(slot)];
    if (!cached) {
        const QString path = QFile::decodeName(pathOf(slot).native().c_str());
        QImageReader reader(path);
        QImage decoded = reader.read();
        if (decoded.isNull()) {
            std::fprintf(stderr, "bexlan: cannot decode %s: %s\n", pathOf(slot).c_str(),
                         qUtf8Printable(reader.errorString()));
        } else if (decoded.format() != QImage::Format_RGB32) {
            decoded.convertTo(QImage::Format_RGB32);
        }
        cached = std::move(decoded);
    }
    return *cached;
}

const WindowMask* SkinImages::mask(int slot)
{
    if (slot < 0 || slot >= kSkinSlotCount) {
        return nullptr;
    }
    auto& cached = m_masks[static_cast<size_t>(slot)];
    if (!cached) {
        const QImage& picture = image(slot);
        if (picture.isNull()) {
            return nullptr;
        }
        cached = std::make_unique<WindowMask>(picture);
    }
    return cached.get();
}

} // namespace bexlan

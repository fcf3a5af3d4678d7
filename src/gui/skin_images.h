#pragma once

#include "model/skin_files.h"

#include "gui/window_mask.h"

#include <QImage>
#include <QString>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>

namespace bexlan {

// Slots of the skin images; other windows find their pictures by these numbers.
enum SkinSlot : int {
    MainMask = 0,
    MainNormal = 1,
    MainOver = 2,
    MainDown = 3,
    AdvancedNormal = 4,
    AdvancedOver = 5,
    AdvancedDown = 6,
    ColorNormal = 7,
    ColorOver = 8,
    ColorDown = 9,
    SingleKeyMask = 10,
    SingleKeyNormal = 11,
    SingleKeyOver = 12,
    SingleKeyDown = 13,
    MacroMask = 14,
    MacroDown = 15,
    MacroNormal = 16,
    MacroChoice = 17,
    ArrowUp = 18,
    ArrowDown = 19,
    ButtonFrames = 20,
    CheckFrames = 21,
    // A worded picture is found as the first slot of its group + the language.
    MainIconFirst = 22,
    MacroIconFirst = 25,
    MacroSelectFirst = 28,
};

// The 31 skin images of a skins folder. Start-up only checks that every file exists; a
// picture is decoded the first time it is asked for and kept until the object goes away,
// so no file is decoded twice and pages never shown cost nothing.
class SkinImages {
public:
    explicit SkinImages(std::filesystem::path skinsDirectory);
    ~SkinImages();
    SkinImages(const SkinImages&) = delete;
    SkinImages& operator=(const SkinImages&) = delete;

    const std::filesystem::path& directory() const { return m_directory; }
    std::filesystem::path pathOf(int slot) const;

    // The first slot, in slot order, whose file does not exist; nullopt when all do.
    std::optional<int> firstMissing() const;

    // The decoded picture of a slot, as QImage::Format_RGB32. A file that exists but does
    // not decode yields a null image (and a warning on stderr once); drawing code treats a
    // null picture as absent. A slot outside 0-30 yields a null image too.
    const QImage& image(int slot);

    // True when the slot's file decoded; decodes it if that has not happened yet.
    bool decoded(int slot) { return !image(slot).isNull(); }

    // The shape and overlay of a mask slot (0, 10 or 14), derived once from its picture.
    // nullptr when the mask does not decode.
    const WindowMask* mask(int slot);

private:
    std::filesystem::path m_directory;
    std::array<std::optional<QImage>, kSkinSlotCount> m_images;
    std::array<std::unique_ptr<WindowMask>, kSkinSlotCount> m_masks;
};

} // namespace bexlan

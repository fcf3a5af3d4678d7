// What each region of the main window shows for a state: texts, numbers, thumbs, looks, and
// the macro list, checked without pixels.
#include "gui/region_drawing.h"
#include "support/test_window.h"

#include <gtest/gtest.h>

namespace bexlan {
namespace {

class RegionDrawingTest : public testing::Test {
protected:
    RegionDrawingTest() { m_state->settings.RegionValues = DefaultSettings; }

    MainWindowState& state() { return *m_state; }
    RegionDrawing describe(int region) { return DescribeRegion(*m_state, region); }
    QString textOf(int region) { return describe(region).text; }

private:
    std::unique_ptr<MainWindowState> m_state = std::make_unique<MainWindowState>();
};

TEST_F(RegionDrawingTest, ButtonsShowTheirFunctionInTheCurrentLanguage)
{
    state().settings[Button4] = 37;
    EXPECT_EQ(textOf(Button4), QStringLiteral("Ses +"));
    state().LanguageIndex = Language::English;
    EXPECT_EQ(textOf(Button4), QStringLiteral("Vol+"));
    EXPECT_EQ(describe(Button4).textFlags & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST_F(RegionDrawingTest, KeyboardButtonsShowTheirCombinationInEveryLanguage)
{
    state().settings[Button3] = 7;
    EXPECT_EQ(textOf(Button3), QString()) << "an empty combination draws nothing";

    state().settings.KeyCombo[Button3] = KeyCombination{70, FindKeyIndex('A')};
    for (Language language : {Language::Turkish, Language::TraditionalChinese, Language::English}) {
        state().LanguageIndex = language;
        EXPECT_EQ(textOf(Button3), QStringLiteral("LCtrl+A"));
    }
}

TEST_F(RegionDrawingTest, NumbersAndThumbsStayOnTheirTablesAndTracks)
{
    struct Case {
        Region value;
        int32_t stored;
        int numberRegion;
        QString shown;
        int sliderRegion; // kNoRegion: no slider
        int thumbOffset;
    };
    const Case cases[] = {
        {XDpi, 1, 55, "1600", 51, 70},
        {XDpi, 4, 55, "4000", 51, 190},
        {XDpi, 5, 55, "4000", 51, 230},
        {XDpi, 9, 55, "4000", 51, 230}, // from a profile: the last level
        {XDpi, -3, 55, "800", 51, 30},  // the first level
        {XSpeed, 4, 82, "5", 78, 96},
        {XSpeed, 10, 82, "11", 78, 234}, // the click at the end of the track
        {XScroll, 40, 83, "41", 79, 234},
        {XDblClk, -1, 84, "0", 80, 4},
        {HShine, 1, 36, "4", kNoRegion, 0},
        {HShine, 7, 36, "26", kNoRegion, 0},
        {HShine, 99, 36, "26", kNoRegion, 0},
        {HShine, -5, 36, "2", kNoRegion, 0},
        {RLED, 16, 37, "16", kNoRegion, 0},
        {GLED, 3, 39, "3", kNoRegion, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "region " << c.value << " = " << c.stored);
        state().settings[c.value] = c.stored;
        const RegionDrawing number = describe(c.numberRegion);
        EXPECT_EQ(number.text, c.shown);
        EXPECT_EQ(number.textFlags & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        if (c.sliderRegion != kNoRegion) {
            const RegionDrawing slider = describe(c.sliderRegion);
            ASSERT_EQ(slider.content, RegionContent::Thumb);
            EXPECT_EQ(slider.thumbAt, QPoint(RegionRect(c.sliderRegion).left + c.thumbOffset,
                                             RegionRect(c.sliderRegion).top));
        }
    }
}

TEST_F(RegionDrawingTest, CaptionsLoseTheirSpacesAndKeepTheirAlignment)
{
    state().LanguageIndex = Language::English;
    struct Case {
        int region;
        QString text;
        Qt::Alignment alignment;
        int indent;
    };
    const Case cases[] = {
        {65, "Save", Qt::AlignHCenter, 0},
        {130, "Cancel", Qt::AlignHCenter, 0},
        {125, "Basic configuration", Qt::AlignHCenter, 0},
        {11, "Reporting Rate", Qt::AlignHCenter, 0},
        {15, "Colorful", Qt::AlignLeft, 18},
        {33, "Always on 3", Qt::AlignLeft, 18},
        {114, "Quick Setup", Qt::AlignLeft, 0},
        {13, "800     1600     2400      3000     4000", Qt::AlignHCenter, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.region);
        const RegionDrawing drawing = describe(c.region);
        EXPECT_EQ(drawing.text, c.text);
        EXPECT_EQ(drawing.textFlags & Qt::AlignHorizontal_Mask, c.alignment);
        EXPECT_EQ(drawing.textRect.left(), drawing.rect.left() + c.indent);
        EXPECT_TRUE(drawing.textFlags & Qt::TextSingleLine);
    }
    EXPECT_EQ(describe(81).content, RegionContent::Nothing) << "NameEdit lies there";
    EXPECT_EQ(describe(19).content, RegionContent::Nothing) << "no label";
}

TEST_F(RegionDrawingTest, MacroListCaptionCountsTheLibrary)
{
    state().LanguageIndex = Language::English;
    EXPECT_EQ(textOf(63), QStringLiteral("Macros List 0/300"));
    FillLibrary(state().library, 12);
    EXPECT_EQ(textOf(63), QStringLiteral("Macros List 12/300"));
    EXPECT_EQ(describe(63).textFlags & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

TEST_F(RegionDrawingTest, LooksAndTextColours)
{
    state().settings[Rate500Hz] = 1;
    state().settings[Rate125Hz] = 0;
    struct Case {
        int hot;
        int region;
        RegionLook look;
        QColor pen;
    };
    const Case cases[] = {
        {22, 22, RegionLook::On, kTextWhite}, // set, even under the cursor
        {3, 3, RegionLook::Hot, kTextWhite},  // buttons hold codes, never "on"
        {kNoRegion, 3, RegionLook::Normal, kTextGrey},
        {kNoRegion, 20, RegionLook::Normal, kTextGrey},
        {kNoRegion, 120, RegionLook::Normal, kTextWhite},
        {kNoRegion, 129, RegionLook::Normal, kTextWhite},
        {kNoRegion, 125, RegionLook::On, kTextWhite}, // BasicPage is set
        {kNoRegion, 126, RegionLook::Normal, kTextGrey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.region);
        state().HotRegion = c.hot;
        const RegionDrawing drawing = describe(c.region);
        EXPECT_EQ(drawing.look, c.look);
        EXPECT_EQ(drawing.pen, c.pen);
    }
    EXPECT_EQ(describe(125).font, RegionFont::Large);
    EXPECT_EQ(describe(124).font, RegionFont::Small);
}

TEST_F(RegionDrawingTest, StatusNamesTheSelectedMacroAndTheFile)
{
    FillLibrary(state().library, 3);
    state().library.SelectedMacro = 2;
    state().library.MacroSlots[2].Append(MacroEvent::Delay(5));
    for (const char* path : {"/home/u/macros/set.mac", "C:\\m\\set.mac", "set.mac"}) {
        state().library.MacroFilePath = path;
        EXPECT_EQ(textOf(85), QStringLiteral("Index: 3\nNumber:2\nFile:set.mac")) << path;
    }
    EXPECT_TRUE(describe(85).textFlags & Qt::TextWordWrap);
}

QStringList rowTexts(const MacroLibrary& library)
{
    QStringList texts;
    for (const MacroListRow& row : DescribeMacroList(library)) {
        texts << row.text;
    }
    return texts;
}

TEST_F(RegionDrawingTest, MacroListEndsAtTheFirstEmptySlot)
{
    MacroLibrary& library = state().library;
    EXPECT_EQ(rowTexts(library), QStringList{QStringLiteral("<yeni makro>")});

    FillLibrary(library, 25);
    library.MacroListTop = 6;
    const QStringList shown = rowTexts(library);
    ASSERT_EQ(shown.size(), 20);
    EXPECT_EQ(shown.front(), QStringLiteral("m7"));
    EXPECT_EQ(shown.back(), QStringLiteral("<yeni makro>"));

    const std::vector<MacroListRow> rows = DescribeMacroList(library);
    const Rect list = RegionRect(86);
    EXPECT_EQ(rows[0].rect, QRect(list.left + 2, list.top + 1, list.width() - 4, 12));
    EXPECT_EQ(rows[19].rect.top(), list.top + 1 + 19 * 12);

    FillLibrary(library, 300);
    library.MacroListTop = 290;
    EXPECT_EQ(rowTexts(library).size(), 10) << "a full library has no row for a new macro";
    EXPECT_EQ(rowTexts(library).back(), QStringLiteral("m300"));

    library.MacroListTop = 5000;
    EXPECT_TRUE(rowTexts(library).isEmpty());
}

TEST_F(RegionDrawingTest, MacroListLightsTheHotAndTheSelectedRow)
{
    MacroLibrary& library = state().library;
    FillLibrary(library, 4);
    library.MacroNames[1].clear();
    library.SelectedMacro = 0;
    library.HotMacroRow = 4;
    const std::vector<MacroListRow> rows = DescribeMacroList(library);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1].text, QStringLiteral("Macro 2")) << "an unnamed macro gets its number";
    const std::vector<QColor> pens{kTextWhite, kTextGrey, kTextGrey, kTextGrey, kTextWhite};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].pen, pens[i]) << i;
    }
}

} // namespace
} // namespace bexlan

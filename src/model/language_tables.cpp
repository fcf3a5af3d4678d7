#include "model/language_tables.h"

#include <array>
#include <cstddef>
#include <iterator>
#include <span>

namespace bexlan {
namespace {

using TextRow = std::array<std::u8string_view, kLanguageCount>;

// Number of UTF-16 units the text takes in a fixed-width entry, or -1 when it is not
// well-formed UTF-8 (overlong forms, surrogates and values past U+10FFFF included).
constexpr int utf16Length(std::u8string_view text)
{
    int units = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned lead = text[i];
        std::size_t extra = 0;
        char32_t codePoint = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            codePoint = lead;
        } else if ((lead & 0xE0) == 0xC0) {
            extra = 1;
            codePoint = lead & 0x1F;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            extra = 2;
            codePoint = lead & 0x0F;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            extra = 3;
            codePoint = lead & 0x07;
            minimum = 0x10000;
        } else {
            return -1;
        }
        if (text.size() - i <= extra) {
            return -1;
        }
        for (std::size_t k = 1; k <= extra; ++k) {
            const unsigned next = text[i + k];
            if ((next & 0xC0) != 0x80) {
                return -1;
            }
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (codePoint < minimum || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
            return -1;
        }
        units += codePoint >= 0x10000 ? 2 : 1;
        i += extra + 1;
    }
    return units;
}

// True when every text is UTF-8 and leaves room for the terminating zero of a W-wide entry.
constexpr bool fitsWidth(std::span<const TextRow> rows, int width)
{
    for (const TextRow& row : rows) {
        for (std::u8string_view text : row) {
            const int length = utf16Length(text);
            if (length < 0 || length > width - 1) {
                return false;
            }
        }
    }
    return true;
}

// The texts are kept exactly as the original program shows and writes them, misspellings
// and odd spacing included: region labels double as key names in profile files, so changing
// one would stop older files from loading.
// clang-format off

// "800", 5 spaces, "1600", 5, "2400", 6, "3000", 5, "4000", 9 trailing spaces: the numbers
// line up with the DPI marks of the skin. 49 characters, the most a 50-wide entry holds.
constexpr std::u8string_view kDpiScaleLabel = u8"800     1600     2400      3000     4000         ";

// Entry r labels main-window region r. A label starting with B, S, X, C, H, R, Y or G is a
// display-type code, not text, which is why some texts start with a space. Turkish entries
// 97-99 are Simplified Chinese: their regions are never drawn, only used as key names.
// Entries 132-134 are key names of the profile file, not regions.
constexpr TextRow kRegionLabels[] = {
    /*   0 */ {u8"Button1", u8"Button1", u8"Button1"},
    /*   1 */ {u8"Button2", u8"Button2", u8"Button2"},
    /*   2 */ {u8"Button3", u8"Button3", u8"Button3"},
    /*   3 */ {u8"Button4", u8"Button4", u8"Button4"},
    /*   4 */ {u8"Button5", u8"Button5", u8"Button5"},
    /*   5 */ {u8"Button6", u8"Button6", u8"Button6"},
    /*   6 */ {u8"Button7", u8"Button7", u8"Button7"},
    /*   7 */ {u8"Button8", u8"Button8", u8"Button8"},
    /*   8 */ {u8"Button9", u8"Button9", u8"Button9"},
    /*   9 */ {u8"Button10", u8"Button10", u8"Button10"},
    /*  10 */ {u8"TÜRKÇE", u8"呼吸燈設置", u8" Breathing light Settings"},
    /*  11 */ {u8" Rapor oranı", u8"報告率", u8" Reporting Rate"},
    /*  12 */ {u8" DPI ayarları", u8"DPI 設置", u8" DPI Settings"},
    /*  13 */ {kDpiScaleLabel, kDpiScaleLabel, kDpiScaleLabel},
    /*  14 */ {u8"Tek renk", u8"單色", u8" Single Color"},
    /*  15 */ {u8" Renkli", u8"七彩", u8" Colorful"},
    /*  16 */ {u8"Duraklama", u8"呼吸", u8" Breathing"},
    /*  17 */ {u8"", u8"", u8""},
    /*  18 */ {u8"", u8"", u8""},
    /*  19 */ {u8"", u8"", u8""},
    /*  20 */ {u8"125Hz", u8"125Hz", u8"125Hz"},
    /*  21 */ {u8"250Hz", u8"250Hz", u8"250Hz"},
    /*  22 */ {u8"500Hz", u8"500Hz", u8"500Hz"},
    /*  23 */ {u8"1000Hz", u8"1000Hz", u8"1000Hz"},
    /*  24 */ {u8"Işığı kapat1", u8"熄滅1", u8"Light off 1"},
    /*  25 */ {u8"Işığı açık bırak1", u8"常亮1", u8"Always on 1"},
    /*  26 */ {u8"", u8"", u8""},
    /*  27 */ {u8"", u8"", u8""},
    /*  28 */ {u8"Işığı kapat2", u8"熄滅2", u8"Light off 2"},
    /*  29 */ {u8"Işığı açık bırak2", u8"常亮2", u8"Always on 2"},
    /*  30 */ {u8"", u8"", u8""},
    /*  31 */ {u8"", u8"", u8""},
    /*  32 */ {u8"Işığı kapat3", u8"熄滅3", u8"Light off 3"},
    /*  33 */ {u8"Işığı açık bırak3", u8"常亮3", u8"Always on 3"},
    /*  34 */ {u8"", u8"", u8""},
    /*  35 */ {u8"", u8"", u8""},
    /*  36 */ {u8"HShine", u8"HShine", u8"HShine"},
    /*  37 */ {u8"RLED", u8"RLED", u8"RLED"},
    /*  38 */ {u8"YLED", u8"YLED", u8"YLED"},
    /*  39 */ {u8"GLED", u8"GLED", u8"GLED"},
    /*  40 */ {u8"", u8"", u8""},
    /*  41 */ {u8"", u8"", u8""},
    /*  42 */ {u8"", u8"", u8""},
    /*  43 */ {u8"", u8"", u8""},
    /*  44 */ {u8"", u8"", u8""},
    /*  45 */ {u8"", u8"", u8""},
    /*  46 */ {u8"", u8"", u8""},
    /*  47 */ {u8"", u8"", u8""},
    /*  48 */ {u8"", u8"", u8""},
    /*  49 */ {u8"", u8"", u8""},
    /*  50 */ {u8"", u8"", u8""},
    /*  51 */ {u8"S", u8"S", u8"S"},
    /*  52 */ {u8"", u8"", u8""},
    /*  53 */ {u8"", u8"", u8""},
    /*  54 */ {u8"", u8"", u8""},
    /*  55 */ {u8"XDpi", u8"XDpi", u8"XDpi"},
    /*  56 */ {u8"", u8"", u8""},
    /*  57 */ {u8"Mouse hızı", u8"滑鼠速度", u8"Mouse Speed"},
    /*  58 */ {u8" Scroll hız", u8"滑鼠滾輪速度", u8"Wheel Speed"},
    /*  59 */ {u8"Çift tıklama hızı", u8"雙擊速度", u8"Double-click speed"},
    /*  60 */ {u8"Macro ayarları", u8"巨集設置", u8"Macros Settings"},
    /*  61 */ {u8"İsim", u8"名稱", u8"Name"},
    /*  62 */ {u8"Macro mesajı", u8"巨集訊息", u8"Macro message"},
    /*  63 */ {u8"Macro yöneticisi", u8"巨集列表", u8"Macros List"},
    /*  64 */ {u8"Aç", u8"打開", u8"Turn On"},
    /*  65 */ {u8"Kaydet", u8"保存", u8" Save"},
    /*  66 */ {u8"Farklı kaydet", u8"另存", u8" Save as"},
    /*  67 */ {u8"Macroyu sil", u8"刪除巨集", u8"Delect"},
    /*  68 */ {u8"Düzelt", u8"編輯", u8"Edit"},
    /*  69 */ {u8" Gelişmiş odaklama", u8"增強指標的準確性", u8"Enhanced pointer precision"},
    /*  70 */ {u8"", u8"", u8""},
    /*  71 */ {u8"Tek scroll tek ekran", u8"一次滾動一個屏幕", u8"To scroll one screen"},
    /*  72 */ {u8"", u8"", u8""},
    /*  73 */ {u8"", u8"", u8""},
    /*  74 */ {u8"", u8"", u8""},
    /*  75 */ {u8"", u8"", u8""},
    /*  76 */ {u8"", u8"", u8""},
    /*  77 */ {u8"", u8"", u8""},
    /*  78 */ {u8"S", u8"S", u8"S"},
    /*  79 */ {u8"S", u8"S", u8"S"},
    /*  80 */ {u8"S", u8"S", u8"S"},
    /*  81 */ {u8"", u8"", u8""},
    /*  82 */ {u8"XSpeed", u8"XSpeed", u8"XSpeed"},
    /*  83 */ {u8"XScroll", u8"XScroll", u8"XScroll"},
    /*  84 */ {u8"XDblClk", u8"XDblClk", u8"XDblClk"},
    /*  85 */ {u8"", u8"", u8""},
    /*  86 */ {u8"", u8"", u8""},
    /*  87 */ {u8"", u8"", u8""},
    /*  88 */ {u8"yüksek", u8"高", u8"High"},
    /*  89 */ {u8"orta", u8"中", u8"Middle"},
    /*  90 */ {u8"düşük", u8"低", u8"Low"},
    /*  91 */ {u8"kapat", u8"關", u8"Off"},
    /*  92 */ {u8"hızlı", u8"快", u8"Quick"},
    /*  93 */ {u8"orta", u8"中", u8"Middle"},
    /*  94 */ {u8"yavaş", u8"慢", u8"Slow"},
    /*  95 */ {u8"kapat", u8"關", u8"Off"},
    /*  96 */ {u8"", u8"", u8""},
    /*  97 */ {u8"灯光亮度设置", u8"燈光亮度設置", u8"燈光亮度設置"},
    /*  98 */ {u8"呼吸灯频率设置", u8"呼吸頻率設置", u8"呼吸頻率設置"},
    /*  99 */ {u8"自定义颜色", u8"自定義顏色", u8"自定義顏色"},
    /* 100 */ {u8"", u8"持續顏色", u8"持續顏色"},
    /* 101 */ {u8"", u8"", u8""},
    /* 102 */ {u8"", u8"", u8""},
    /* 103 */ {u8"", u8"", u8""},
    /* 104 */ {u8"C0", u8"C0", u8"C0"},
    /* 105 */ {u8"C1", u8"C1", u8"C1"},
    /* 106 */ {u8"C2", u8"C2", u8"C2"},
    /* 107 */ {u8"C3", u8"C3", u8"C3"},
    /* 108 */ {u8"C4", u8"C4", u8"C4"},
    /* 109 */ {u8"C5", u8"C5", u8"C5"},
    /* 110 */ {u8"C6", u8"C6", u8"C6"},
    /* 111 */ {u8"C7", u8"C7", u8"C7"},
    /* 112 */ {u8"C8", u8"C8", u8"C8"},
    /* 113 */ {u8"", u8"", u8""},
    /* 114 */ {u8" Hızlı kurulum", u8"快速設置", u8"Quick Setup"},
    /* 115 */ {u8"Ayarlar1", u8"配置1", u8" Settings 1"},
    /* 116 */ {u8"Ayarlar2", u8"配置2", u8" Settings 2"},
    /* 117 */ {u8"Ayarlar3", u8"配置3", u8" Settings 3"},
    /* 118 */ {u8"Ayarlar4", u8"配置4", u8" Settings 4"},
    /* 119 */ {u8"Ayarlar5", u8"配置5", u8" Settings 5"},
    /* 120 */ {u8"Ayarları yükle", u8"加載配置", u8"Load Configuration"},
    /* 121 */ {u8"Ayarları kaydet", u8"保存配置", u8" Save Configuration"},
    /* 122 */ {u8"Fabrika ayarları", u8"出廠配置", u8"Factory Configuration"},
    /* 123 */ {u8"", u8"", u8""},
    /* 124 */ {u8"", u8"", u8""},
    /* 125 */ {u8"Temel ayarlar", u8"基本配置", u8" Basic configuration"},
    /* 126 */ {u8" Gelişmiş ayarlar", u8"進階配置", u8"Advanced configuration"},
    /* 127 */ {u8"", u8"", u8""},
    /* 128 */ {u8"Tamam", u8"確定", u8"OK"},
    /* 129 */ {u8"Uygulama", u8"應用", u8"Application"},
    /* 130 */ {u8"İptal", u8"取消", u8" Cancel"},
    /* 131 */ {u8"", u8"", u8""},
    /* 132 */ {u8"makro dosyası", u8"巨集文件", u8"Macros Files"},
    /* 133 */ {u8"tuş ayarları", u8"按鍵設置", u8"Keyboard Settings"},
    /* 134 */ {u8"Macro ayarları", u8"巨集設置", u8"Macros Settings"},
};

// Entry c (1-39) names button function c and its menu item; 40-45 are the save-profile
// menu. The gap in Turkish entry 40 is a no-break space, escaped so it stays visible.
constexpr TextRow kFunctionNames[] = {
    /*  0 */ {u8"", u8"", u8""},
    /*  1 */ {u8"Sol tuş", u8"左鍵", u8"LEFT"},
    /*  2 */ {u8"Sağ tuş", u8"右鍵", u8"RIGHT"},
    /*  3 */ {u8"Aşağı kaydırma", u8"中鍵", u8"MID"},
    /*  4 */ {u8"Geri", u8"後退", u8"BACK"},
    /*  5 */ {u8"İleri", u8"前進", u8"FORWARD"},
    /*  6 */ {u8"Çift tıklama", u8"雙擊", u8"DoubleClick"},
    /*  7 */ {u8"Klavye", u8"鍵盤按鍵", u8"Keyboard"},
    /*  8 */ {u8"Macrolar", u8"巨集", u8"Macro"},
    /*  9 */ {u8"Temel komutlar", u8"基本命令", u8"BaseCommand"},
    /* 10 */ {u8"Gelişmiş komutlar", u8"進階命令", u8"AdvancedCommand"},
    /* 11 */ {u8"Multimedya", u8"多媒體命令", u8"MediaCommand"},
    /* 12 */ {u8"Tuşları kapat", u8"按鍵關", u8"ButtonClose"},
    /* 13 */ {u8"Kopyala", u8"複製", u8"Copy"},
    /* 14 */ {u8"Yapıştır", u8"貼上", u8"Paste"},
    /* 15 */ {u8"Kes", u8"剪下", u8"Cut"},
    /* 16 */ {u8"Tümünü seç", u8"全選", u8"SelectAll"},
    /* 17 */ {u8"Ara", u8"尋找", u8"Search"},
    /* 18 */ {u8"Yeni ekle", u8"新建", u8"New"},
    /* 19 */ {u8"Yazdır", u8"列印", u8"Print"},
    /* 20 */ {u8"Kaydet", u8"保存", u8"Save"},
    /* 21 */ {u8"İptal", u8"撤銷", u8"Undo"},
    /* 22 */ {u8"Tarayıcı", u8"IE快捷鍵", u8"IE Key"},
    /* 23 */ {u8"Başlat menüsü", u8"開始菜單鍵", u8"StartMenu"},
    /* 24 */ {u8"DPI+", u8"DPI+", u8"DPI+"},
    /* 25 */ {u8"DPI-", u8"DPI-", u8"DPI-"},
    /* 26 */ {u8"DPI tuşu", u8"DPI切換", u8"Switch DPI"},
    /* 27 */ {u8"Alt+Tab", u8"Alt+Tab", u8"Alt+Tab"},
    /* 28 */ {u8"Pencereyi kapat", u8"關閉窗口", u8"Close Window"},
    /* 29 */ {u8"Bilgisayarim", u8"資源管理器", u8"Control Panel"},
    /* 30 */ {u8"Çalıştır", u8"運行", u8"CMD"},
    /* 31 */ {u8"Masaüstünü göster", u8"顯示桌面", u8"Desktop"},
    /* 32 */ {u8"Bilgisayarı kilitle", u8"鎖定電腦", u8"LockComputer"},
    /* 33 */ {u8"Oynat/Duraklat", u8"播放/暫停", u8"Play/Pause"},
    /* 34 */ {u8"Dur", u8"停止", u8"Stop"},
    /* 35 */ {u8"Sonraki", u8"下一曲", u8"Next Track"},
    /* 36 */ {u8"Önceki", u8"上一曲", u8"Last Track"},
    /* 37 */ {u8"Ses +", u8"音量+", u8"Vol+"},
    /* 38 */ {u8"Ses -", u8"音量-", u8"Vol-"},
    /* 39 */ {u8"Sessiz", u8"靜音", u8"Mute"},
    /* 40 */ {u8"Farklı\u00A0Kaydet", u8"配置另存為", u8"Setting Save As"},
    /* 41 */ {u8"kaydet 1", u8"存為配置1", u8"Save Setting1"},
    /* 42 */ {u8"kaydet 2", u8"存為配置2", u8"Save Setting2"},
    /* 43 */ {u8"kaydet 3", u8"存為配置3", u8"Save Setting3"},
    /* 44 */ {u8"kaydet 4", u8"存為配置4", u8"Save Setting4"},
    /* 45 */ {u8"kaydet 5", u8"存為配置5", u8"Save Setting5"},
};

// The "！" endings are the full-width exclamation mark U+FF01.
constexpr TextRow kMessages[] = {
    /*  0 */ {u8"dil seçenekleri", u8"语言", u8"Language"},
    /*  1 */ {u8"bitir", u8"完成", u8"Finish"},
    /*  2 */ {u8"hata", u8"錯誤", u8"Error"},
    /*  3 */ {u8"başarısız", u8"失敗", u8"Fail"},
    /*  4 */ {u8"tamamlandı", u8"成功", u8"Succeed"},
    /*  5 */ {u8"indirme başarısız", u8"下載失敗", u8"Download failed"},
    /*  6 */ {u8"dosya kaydedildi", u8"文件已保存", u8"The file has been saved"},
    /*  7 */ {u8"dosyayı kaydetme başarısız", u8"文件保存失敗", u8"The file save failed"},
    /*  8 */ {u8"ayarları kurmada başarısız！", u8"设置数据失敗！", u8"Failed to set datafor!"},
    /*  9 */ {u8"bilgi alma başarısız！", u8"獲取信息失敗！", u8"Failed to get the data!"},
    /* 10 */ {u8"program hatalarını indir！", u8"下載程序失敗！", u8"Download the program failure!"},
    /* 11 */ {u8"cihaz açılamıyor！", u8"無法打開設備！", u8"Unable to open the equipment!"},
    /* 12 */ {u8"dosya kaydedildi", u8"文件已保存", u8"The file has been saved"},
    /* 13 */ {u8"dosyayı kaydetme başarısız", u8"文件保存失敗", u8"The file save failed"},
    /* 14 */ {u8"program indirme tamamlandı！", u8"下載程序完成！", u8"Download the program to complete"},
    /* 15 */ {u8"program hatalarını indir！", u8"下載程序失敗！", u8"Download the program failure!"},
    /* 16 */ {u8"eksik dosya", u8"丟失文件", u8"file is missing"},
};

constexpr TextRow kChooserTexts[] = {
    /* 0 */ {u8"Macro yöneticisi", u8"巨集列表", u8"Macros List"},
    /* 1 */ {u8"Macro ayarları", u8"巨集設置", u8"Macros Settings"},
    /* 2 */ {u8"", u8"", u8""},
    /* 3 */ {u8"", u8"", u8""},
    /* 4 */ {u8"", u8"", u8""},
    /* 5 */ {u8"", u8"", u8""},
    /* 6 */ {u8"Tamam", u8"確定", u8"OK"},
    /* 7 */ {u8"İptal", u8"取消", u8"Cancel"},
};

constexpr TextRow kMouseButtonNames[] = {
    /* 0 */ {u8"sol tuş", u8"滑鼠左鍵", u8"Left mouse button"},
    /* 1 */ {u8"sağ tuş", u8"滑鼠右鍵", u8"Right mouse button"},
    /* 2 */ {u8"orta tuş", u8"滑鼠中鍵", u8"Middle mouse button"},
    /* 3 */ {u8"beşinci tuş", u8"滑鼠鍵五", u8"Mouse button five"},
    /* 4 */ {u8"dördüncü tuş", u8"滑鼠鍵四", u8"Mouse button four"},
    /* 5 */ {u8"yukarıkaydırma", u8"滾輪上滾", u8"Rolling up"},
    /* 6 */ {u8"aşağıkaydırma", u8"滾輪下滾", u8"Rolling down"},
};

constexpr TextRow kChooserEventKinds[] = {
    /* 0 */ {u8"basın", u8"按下", u8"Key Down"},
    /* 1 */ {u8"ateşle", u8"彈起", u8"Key Up"},
    /* 2 */ {u8"bekleme süresi", u8"延時", u8"Delay"},
    /* 3 */ {u8"mouse", u8"滑鼠", u8"Mouse"},
    /* 4 */ {u8"tuşa basarak aşağı kaydır", u8"按鍵按下", u8"Hold down the button"},
};

constexpr TextRow kEditorTexts[] = {
    /*  0 */ {u8"", u8"", u8""},
    /*  1 */ {u8"", u8"", u8""},
    /*  2 */ {u8"tuşa bastıktan sonra bekleme süresi", u8"按下后插入延時", u8"After pressing the insert time delay"},
    /*  3 */ {u8"ateş ettikten sonra bekleme süresi", u8"彈起后插入延時", u8"Insert delay after bounce"},
    /*  4 */ {u8"bekleme süresi ekle", u8"插入延時", u8"Inster delay"},
    /*  5 */ {u8"sil", u8"刪除", u8"Delete"},
    /*  6 */ {u8"temizle", u8"清除", u8"Clear"},
    /*  7 */ {u8"sol tuş", u8"滑鼠左鍵", u8"Left mouse button"},
    /*  8 */ {u8"sağ tuş", u8"滑鼠右鍵", u8"Right mouse button"},
    /*  9 */ {u8"orta tuş", u8"滑鼠中鍵", u8"Middle mouse button"},
    /* 10 */ {u8"beşinci tuş", u8"滑鼠鍵五", u8"Mouse button five"},
    /* 11 */ {u8"dördüncü tuş", u8"滑鼠鍵四", u8"Mouse button four"},
    /* 12 */ {u8"yukarı kaydırma", u8"滾輪上滾", u8"Rolling up"},
    /* 13 */ {u8"aşağı kaydırma", u8"滾輪下滾", u8"Rolling down"},
    /* 14 */ {u8"", u8"", u8""},
    /* 15 */ {u8"", u8"", u8""},
    /* 16 */ {u8"", u8"", u8""},
    /* 17 */ {u8"", u8"", u8""},
    /* 18 */ {u8"tamam", u8"確定", u8"OK"},
    /* 19 */ {u8"iptal", u8"取消", u8"CANCEL"},
};

constexpr TextRow kEditorEventKinds[] = {
    /* 0 */ {u8"basın", u8"按下", u8"Key Down"},
    /* 1 */ {u8"aşağı kaydır", u8"彈起", u8"Key Up"},
    /* 2 */ {u8"bekleme süresi", u8"延時", u8"Delay"},
    /* 3 */ {u8"mouse", u8"滑鼠", u8"Mouse"},
    /* 4 */ {u8"tuşa basarak aşağı kaydır", u8"按鍵按下", u8"Hold down the button"},
};

constexpr TextRow kKeyWindowTexts[] = {
    /* 0 */ {u8"Tamam", u8"確定", u8"OK"},
    /* 1 */ {u8"İptal", u8"取消", u8" Cancel"},
    /* 2 */ {u8"", u8"", u8""},
};

// clang-format on

static_assert(std::size(kRegionLabels) == 135);
static_assert(std::size(kFunctionNames) == 46);
static_assert(std::size(kMessages) == 17);
static_assert(std::size(kChooserTexts) == 8);
static_assert(std::size(kMouseButtonNames) == 7);
static_assert(std::size(kChooserEventKinds) == 5);
static_assert(std::size(kEditorTexts) == 20);
static_assert(std::size(kEditorEventKinds) == 5);
static_assert(std::size(kKeyWindowTexts) == 3);

// A text that does not fit its entry would be cut by the fixed-width layout; refuse to build.
static_assert(fitsWidth(kRegionLabels, 50), "RegionLabelTable text too long or not UTF-8");
static_assert(fitsWidth(kFunctionNames, 40), "FunctionNameTable text too long or not UTF-8");
static_assert(fitsWidth(kMessages, 40), "MessageTable text too long or not UTF-8");
static_assert(fitsWidth(kChooserTexts, 100), "ChooserTextTable text too long or not UTF-8");
static_assert(fitsWidth(kMouseButtonNames, 30), "MouseButtonNameTable text too long or not UTF-8");
static_assert(fitsWidth(kChooserEventKinds, 40),
              "ChooserEventKindTable text too long or not UTF-8");
static_assert(fitsWidth(kEditorTexts, 40), "EditorTextTable text too long or not UTF-8");
static_assert(fitsWidth(kEditorEventKinds, 40), "EditorEventKindTable text too long or not UTF-8");
static_assert(fitsWidth(kKeyWindowTexts, 20), "KeyWindowTextTable text too long or not UTF-8");

struct TableInfo {
    TextTable table;
    std::string_view name;
    int width;
    std::span<const TextRow> rows;
};

constexpr std::array<TableInfo, kTextTableCount> kTables{{
    {TextTable::RegionLabelTable, "RegionLabelTable", 50, kRegionLabels},
    {TextTable::FunctionNameTable, "FunctionNameTable", 40, kFunctionNames},
    {TextTable::MessageTable, "MessageTable", 40, kMessages},
    {TextTable::ChooserTextTable, "ChooserTextTable", 100, kChooserTexts},
    {TextTable::MouseButtonNameTable, "MouseButtonNameTable", 30, kMouseButtonNames},
    {TextTable::ChooserEventKindTable, "ChooserEventKindTable", 40, kChooserEventKinds},
    {TextTable::EditorTextTable, "EditorTextTable", 40, kEditorTexts},
    {TextTable::EditorEventKindTable, "EditorEventKindTable", 40, kEditorEventKinds},
    {TextTable::KeyWindowTextTable, "KeyWindowTextTable", 20, kKeyWindowTexts},
}};

constexpr bool tablesInEnumOrder()
{
    for (int i = 0; i < kTextTableCount; ++i) {
        if (static_cast<int>(kTables[i].table) != i) {
            return false;
        }
    }
    return true;
}
static_assert(tablesInEnumOrder());

// The widths reported to callers are checked too, so a descriptor cannot promise less room
// than the checks above allowed.
constexpr bool descriptorsFit()
{
    for (const TableInfo& info : kTables) {
        if (!fitsWidth(info.rows, info.width)) {
            return false;
        }
    }
    return true;
}
static_assert(descriptorsFit());

const TableInfo* findTable(TextTable table)
{
    const int index = static_cast<int>(table);
    if (index < 0 || index >= kTextTableCount) {
        return nullptr;
    }
    return &kTables[static_cast<std::size_t>(index)];
}

constexpr std::array<std::string_view, kLanguageCount> kLanguageCodes{"tr", "zh", "en"};

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        char c = a[i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != b[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string_view LookupText(TextTable table, int entry, Language language)
{
    const TableInfo* info = findTable(table);
    const int languageIndex = static_cast<int>(language);
    if (info == nullptr || entry < 0 || entry >= static_cast<int>(info->rows.size()) ||
        languageIndex < 0 || languageIndex >= kLanguageCount) {
        return {};
    }
    const std::u8string_view text =
        info->rows[static_cast<std::size_t>(entry)][static_cast<std::size_t>(languageIndex)];
    return {reinterpret_cast<const char*>(text.data()), text.size()};
}

int TextTableEntries(TextTable table)
{
    const TableInfo* info = findTable(table);
    return info == nullptr ? 0 : static_cast<int>(info->rows.size());
}

int TextTableWidth(TextTable table)
{
    const TableInfo* info = findTable(table);
    return info == nullptr ? 0 : info->width;
}

std::string_view TextTableName(TextTable table)
{
    const TableInfo* info = findTable(table);
    return info == nullptr ? std::string_view{} : info->name;
}

std::optional<TextTable> ParseTextTableName(std::string_view name)
{
    for (const TableInfo& info : kTables) {
        if (info.name == name) {
            return info.table;
        }
    }
    return std::nullopt;
}

std::optional<Language> ParseLanguage(std::string_view code)
{
    for (int i = 0; i < kLanguageCount; ++i) {
        if (equalsIgnoringAsciiCase(code, kLanguageCodes[static_cast<std::size_t>(i)])) {
            return static_cast<Language>(i);
        }
    }
    return std::nullopt;
}

std::string_view LanguageCode(Language language)
{
    const auto index = LanguageFromIndex(static_cast<int>(language));
    return index ? kLanguageCodes[static_cast<std::size_t>(*index)] : std::string_view{};
}

std::optional<Language> LanguageFromIndex(int index)
{
    if (index < 0 || index >= kLanguageCount) {
        return std::nullopt;
    }
    return static_cast<Language>(index);
}

} // namespace bexlan

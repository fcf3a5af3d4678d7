#pragma once

#include "model/language_tables.h"
#include "model/menu_model.h"

#include <QColor>
#include <QFont>
#include <QMenu>
#include <QPoint>
#include <QSize>

#include <memory>
#include <optional>

class QPainter;
class QProxyStyle;

namespace bexlan {

// One owner-drawn popup menu of the main window: every item is a box of one fixed size,
// a blue frame around a black field with white text, blue with orange text while selected.
// No check marks, icons, separators or submenu arrows. A chosen item's command (5000-5046)
// is the data of its action.
class CMyMenu : public QMenu {
    Q_OBJECT
public:
    static constexpr QRgb kFrameColour = qRgb(7, 111, 184);
    static constexpr QRgb kFieldColour = qRgb(0, 0, 0);
    static constexpr QRgb kTextColour = qRgb(255, 255, 255);
    static constexpr QRgb kSelectedFieldColour = qRgb(0, 120, 250);
    static constexpr QRgb kSelectedTextColour = qRgb(250, 120, 0);

    enum class ItemLook { Normal, Selected };

    explicit CMyMenu(MenuKind kind, QWidget* parent = nullptr);
    ~CMyMenu() override;

    MenuKind kind() const { return m_kind; }

    // An item that sends `command`.
    QAction* appendItem(int command, const QString& text);
    // An entry that opens `submenu`, which this menu then owns.
    QAction* appendSubmenu(std::unique_ptr<CMyMenu> submenu, const QString& text);

    // The size of every item of this menu.
    QSize MeasureItem() const;
    // One item in `rect`: the frame colour, then the field 1 pixel in from the left and top
    // and 2 from the right and bottom, then the text centred on one line in the field.
    void DrawItem(QPainter& painter, const QRect& rect, const QString& text, ItemLook look) const;

    // The command of an action of this menu or its submenus; nullopt for a submenu entry.
    static std::optional<int> CommandOf(const QAction* action);

private:
    MenuKind m_kind;
    QFont m_font;
    std::unique_ptr<QProxyStyle> m_style;
};

// The menus as they open, in `language`: the function menu with its three submenus, and
// the save menu. Their owner is `parent`.
std::unique_ptr<CMyMenu> BuildFunctionMenu(Language language, QWidget* parent);
std::unique_ptr<CMyMenu> BuildSaveMenu(Language language, QWidget* parent);

// Builds the menu, shows it with its top left corner at `screenPoint` and waits until it
// closes: the command of the chosen item, nullopt when the menu closed without a choice.
std::optional<int> ShowFunctionMenu(QWidget* owner, QPoint screenPoint, Language language);
std::optional<int> ShowSaveMenu(QWidget* owner, QPoint screenPoint, Language language);

// The menus' face: "宋体" (SimSun) 12 pixels high.
QFont MenuFont();

} // namespace bexlan

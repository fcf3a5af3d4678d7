#include "gui/popup_menu.h"

#include <QAction>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace bexlan {

namespace {

// The menu's metrics and drawing: no frame, no margins, every item the menu's item size,
// each drawn by the menu itself.
class MenuItemStyle : public QProxyStyle {
public:
    explicit MenuItemStyle(const CMyMenu& menu)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), m_menu(menu)
    {
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override
    {
        switch (metric) {
        case PM_MenuPanelWidth:
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuDesktopFrameWidth:
        case PM_SubMenuOverlap:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        if (type == CT_MenuItem) {
            return m_menu.MeasureItem();
        }
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        if (element == PE_PanelMenu || element == PE_FrameMenu) {
            return; // the items cover the whole menu
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_MenuEmptyArea) {
            return;
        }
        if (element == CE_MenuItem) {
            if (const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
                QString text = item->text;
                text.replace(QStringLiteral("&&"), QStringLiteral("&"));
                const bool selected = item->state.testFlag(State_Selected);
                m_menu.DrawItem(*painter, item->rect, text,
                                selected ? CMyMenu::ItemLook::Selected : CMyMenu::ItemLook::Normal);
            }
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

private:
    const CMyMenu& m_menu;
};

QString escapeMnemonics(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void fillFromModel(CMyMenu& menu, Language language)
{
    for (const MenuItem& item : MenuItems(menu.kind(), language)) {
        const QString text = QString::fromStdString(item.text);
        if (item.submenu) {
            auto submenu = std::make_unique<CMyMenu>(*item.submenu);
            fillFromModel(*submenu, language);
            menu.appendSubmenu(std::move(submenu), text);
        } else {
            menu.appendItem(item.command, text);
        }
    }
}

std::optional<int> track(std::unique_ptr<CMyMenu> menu, QPoint screenPoint)
{
    // exec() returns the item chosen in the menu or in any of its submenus.
    return CMyMenu::CommandOf(menu->exec(screenPoint));
}

} // namespace

QFont MenuFont()
{
    // The families after the first are for systems without the substitution of "宋体".
    QFont font;
    font.setFamilies(
        {QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("AR PL UMing TW")});
    font.setPixelSize(12);
    return font;
}

CMyMenu::CMyMenu(MenuKind kind, QWidget* parent)
    : QMenu(parent), m_kind(kind), m_font(MenuFont()),
      m_style(std::make_unique<MenuItemStyle>(*this))
{
    setObjectName(QStringLiteral("CMyMenu%1").arg(static_cast<int>(kind)));
    setFont(m_font);
    setStyle(m_style.get());
    setSeparatorsCollapsible(false);
}

CMyMenu::~CMyMenu()
{
    // Back to the application's style before ours goes away.
    setStyle(nullptr);
}

QAction* CMyMenu::appendItem(int command, const QString& text)
{
    QAction* action = addAction(escapeMnemonics(text));
    action->setData(command);
    return action;
}

QAction* CMyMenu::appendSubmenu(std::unique_ptr<CMyMenu> submenu, const QString& text)
{
    CMyMenu* owned = submenu.release();
    owned->setParent(this, owned->windowFlags());
    QAction* action = addMenu(owned);
    action->setText(escapeMnemonics(text));
    return action;
}

QSize CMyMenu::MeasureItem() const
{
    const MenuItemSize size = MenuItemSizeOf(m_kind);
    return QSize(size.width, size.height);
}

void CMyMenu::DrawItem(QPainter& painter, const QRect& rect, const QString& text,
                       ItemLook look) const
{
    painter.save();
    painter.fillRect(rect, QColor(kFrameColour));
    const QRect field = rect.adjusted(1, 1, -2, -2);
    const bool selected = look == ItemLook::Selected;
    painter.fillRect(field, QColor(selected ? kSelectedFieldColour : kFieldColour));
    painter.setFont(m_font);
    painter.setPen(QColor(selected ? kSelectedTextColour : kTextColour));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(field, Qt::AlignCenter | Qt::TextSingleLine, text);
    painter.restore();
}

std::optional<int> CMyMenu::CommandOf(const QAction* action)
{
    if (action == nullptr || action->menu() != nullptr) {
        return std::nullopt;
    }
    bool ok = false;
    const int command = action->data().toInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return command;
}

std::unique_ptr<CMyMenu> BuildFunctionMenu(Language language, QWidget* parent)
{
    auto menu = std::make_unique<CMyMenu>(MenuKind::MainMenu, parent);
    fillFromModel(*menu, language);
    return menu;
}

std::unique_ptr<CMyMenu> BuildSaveMenu(Language language, QWidget* parent)
{
    auto menu = std::make_unique<CMyMenu>(MenuKind::SaveMenu, parent);
    fillFromModel(*menu, language);
    return menu;
}

std::optional<int> ShowFunctionMenu(QWidget* owner, QPoint screenPoint, Language language)
{
    return track(BuildFunctionMenu(language, owner), screenPoint);
}

std::optional<int> ShowSaveMenu(QWidget* owner, QPoint screenPoint, Language language)
{
    return track(BuildSaveMenu(language, owner), screenPoint);
}

} // namespace bexlan

#include "gui/main_window.h"

#include "device/app_paths.h"
#include "device/device_monitor.h"
#include "device/pointer_settings.h"
#include "gui/busy_cursor.h"
#include "gui/click_dispatcher.h"
#include "gui/device_watcher.h"
#include "gui/drawing.h"
#include "gui/prompts.h"
#include "gui/region_drawing.h"
#include "gui/skin_images.h"
#include "model/profile.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QSignalBlocker>

namespace bexlan {

namespace {

constexpr int kNameEditRegion = 81;
// The language box sits in the title bar, left of the minimise box.
constexpr QRect kLanguageComboRect(598, 17, 104, 20);

const char* const kNameEditStyle = "QLineEdit { background: black; color: white; border: none; }";
const char* const kLanguageComboStyle =
    "QComboBox { background: rgb(57,123,234); color: white; border: none; padding-left: 6px; }"
    "QComboBox::drop-down { border: none; width: 16px; }"
    "QComboBox QAbstractItemView { background: rgb(57,123,234); color: white;"
    " selection-background-color: rgb(7,111,184); selection-color: white; border: none; }";

QRect toQRect(const Rect& rect)
{
    return QRect(rect.left, rect.top, rect.width(), rect.height());
}

bool sameLibraryContents(const MacroLibrary& a, const MacroLibrary& b)
{
    return a.MacroCount == b.MacroCount && a.MacroFilePath == b.MacroFilePath &&
           a.MacroNameFilePath == b.MacroNameFilePath && a.MacroNames == b.MacroNames &&
           a.MacroSlots == b.MacroSlots;
}

bool sameSettings(const SettingsRecord& a, const SettingsRecord& b)
{
    // The page tabs are window state kept in the record; switching pages changes no setting.
    auto valuesA = a.RegionValues;
    auto valuesB = b.RegionValues;
    for (Region page : {BasicPage, AdvancedPage, ColorPage}) {
        valuesA[page] = valuesB[page] = 0;
    }
    return valuesA == valuesB && a.KeyCombo == b.KeyCombo && a.MacroImage == b.MacroImage &&
           a.MacroImageLength == b.MacroImageLength && a.MacroFilePath == b.MacroFilePath;
}

} // namespace

struct CBexlanDlg::StartSnapshot {
    SettingsRecord settings;
    MacroLibrary library;
};

CBexlanDlg::CBexlanDlg(const MainWindowServices& services, QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint), m_services(services),
      m_state(std::make_unique<MainWindowState>()), m_device(services.backend),
      m_painter(services.skins, services.fonts),
      m_dispatcher(std::make_unique<ClickDispatcher>(*this))
{
    setObjectName(QStringLiteral("CBexlanDlg"));
    setWindowTitle(QStringLiteral("ZERU Gaming Mouse Driver"));
    // Every paint recomposes the whole frame, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    createControls();
}

CBexlanDlg::~CBexlanDlg() = default;

void CBexlanDlg::createControls()
{
    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("NameEdit"));
    m_nameEdit->setStyleSheet(QString::fromLatin1(kNameEditStyle));
    m_nameEdit->setFont(m_services.fonts.SmallFont);
    m_nameEdit->setFrame(false);
    m_nameEdit->hide();

    m_languageCombo = new QComboBox(this);
    m_languageCombo->setObjectName(QStringLiteral("LanguageCombo"));
    m_languageCombo->setStyleSheet(QString::fromLatin1(kLanguageComboStyle));
    m_languageCombo->setFont(m_services.fonts.SmallFont);
    m_languageCombo->setFocusPolicy(Qt::ClickFocus);
    m_languageCombo->setGeometry(kLanguageComboRect);
    // The position of an item is its language, so the list never reorders.
    m_languageCombo->addItems(
        {QStringLiteral("TÜRKÇE"), QStringLiteral("繁體中文"), QStringLiteral("English")});
    connect(m_languageCombo, &QComboBox::currentIndexChanged, this, &CBexlanDlg::onLanguageChosen);
}

void CBexlanDlg::initialise()
{
    MainWindowState& state = *m_state;
    if (const WindowMask* mask = m_services.skins.mask(MainMask)) {
        state.WindowRect = ShapeFromMask(*this, *mask);
    }

    state.CurrentPage = Page::Basic;
    state.Dragging = DragState::Idle;
    state.HotRegion = state.LastHotRegion = state.LastClickedRegion = kNoRegion;
    state.SelectedSwatch = 0;
    state.library.Clear();
    ClearKeysAndMacros(state.settings);
    state.LanguageIndex = Language::Turkish;

    ReadBackResult result;
    const bool read = readMouse(state.settings, state.library, result);
    if (result.message) {
        ShowMessage(m_services.prompts, nullptr, *result.message, state.LanguageIndex);
    }
    m_startSource = read ? StartSource::Mouse : StartSource::FactoryProfile;
    if (!read) {
        LoadProfile(m_services.paths.factoryProfile(), state.LanguageIndex,
                    static_cast<int>(state.CurrentPage), state.settings, state.library);
    }
    TakePointerValues(state.settings, m_services.pointer.read());

    if (!read) {
        m_startSnapshot = std::make_unique<StartSnapshot>();
        m_startSnapshot->settings = state.settings;
        m_startSnapshot->library = state.library;
        m_watcher = new DeviceWatcher(m_device.RegisterDeviceEvents(), this);
        connect(m_watcher, &DeviceWatcher::mouseArrived, this, &CBexlanDlg::onMouseArrived);
    }

    m_nameEdit->setGeometry(toQRect(RegionRect(kNameEditRegion)));
    m_nameEdit->hide();
    {
        const QSignalBlocker quiet(m_languageCombo);
        m_languageCombo->setCurrentIndex(static_cast<int>(Language::Turkish));
    }
    invalidateAll();
}

bool CBexlanDlg::readMouse(SettingsRecord& settings, MacroLibrary& library, ReadBackResult& result)
{
    {
        const BusyCursor busy;
        TransferContext context = transferContext();
        // The desktop's pointer settings are the user's: reading the mouse leaves them alone.
        result = ReadBackSettings(context, settings, library, PointerMode::Leave);
    }
    if (result.ok() && result.macrosDecoded) {
        m_nameEdit->setText(QString::fromLatin1(kNewMacroText));
    }
    return result.ok();
}

TransferContext CBexlanDlg::transferContext()
{
    return TransferContext{m_device, m_services.pointer, m_services.clock,
                           m_services.paths.downloadFile(), m_services.backups};
}

bool CBexlanDlg::unchangedSinceStart() const
{
    return m_startSnapshot && sameSettings(m_startSnapshot->settings, m_state->settings) &&
           sameLibraryContents(m_startSnapshot->library, m_state->library);
}

void CBexlanDlg::onMouseArrived()
{
    if (!m_startSnapshot) {
        return;
    }
    if (!unchangedSinceStart()) {
        // The user has made this session's settings their own; a mouse plugged in now gets
        // them on Apply rather than overwriting them.
        m_startSnapshot.reset();
        return;
    }
    // Read into copies, so a failed read leaves nothing half-decoded behind.
    auto settings = std::make_unique<SettingsRecord>(m_state->settings);
    auto library = std::make_unique<MacroLibrary>();
    ClearKeysAndMacros(*settings);
    ReadBackResult result;
    if (!readMouse(*settings, *library, result)) {
        if (result.message) {
            ShowMessage(m_services.prompts, this, *result.message, m_state->LanguageIndex);
        }
        return;
    }
    TakePointerValues(*settings, m_services.pointer.read());
    // Only the mouse's settings are taken; the page shown stays.
    for (Region page : {BasicPage, AdvancedPage, ColorPage}) {
        (*settings)[page] = m_state->settings[page];
    }
    m_state->settings = std::move(*settings);
    m_state->library = std::move(*library);
    m_startSource = StartSource::Mouse;
    m_startSnapshot.reset();
    invalidateAll();
}

void CBexlanDlg::invalidateRegion(int region)
{
    if (region < 0 || region >= kRegionTableSize) {
        return;
    }
    const QRect rect = toQRect(RegionRect(region));
    if (!rect.isEmpty()) {
        update(rect);
    }
}

void CBexlanDlg::invalidateAll()
{
    update();
}

void CBexlanDlg::showPage(Page page)
{
    m_state->CurrentPage = page;
    m_nameEdit->setVisible(page != Page::Basic);
    SelectRadio(m_state->settings, BasicPage + static_cast<int>(page));
    invalidateAll();
}

void CBexlanDlg::setLanguage(Language language)
{
    m_state->LanguageIndex = language;
    const int index = static_cast<int>(language);
    if (m_languageCombo->currentIndex() != index) {
        const QSignalBlocker quiet(m_languageCombo);
        m_languageCombo->setCurrentIndex(index);
    }
    invalidateAll();
}

void CBexlanDlg::onLanguageChosen(int index)
{
    if (const std::optional<Language> language = LanguageFromIndex(index)) {
        m_state->LanguageIndex = *language;
    }
    invalidateAll();
    // Back to the face, so Space repeats the last click instead of stepping the list.
    setFocus(Qt::OtherFocusReason);
}

const QImage& CBexlanDlg::composeFrame()
{
    m_painter.compose(m_frame, *m_state);
    return m_frame;
}

QImage CBexlanDlg::screenshot()
{
    const QImage shot = grab().toImage();
    const WindowMask* mask = m_services.skins.mask(MainMask);
    return mask ? mask->cutOut(shot) : shot;
}

void CBexlanDlg::paintEvent(QPaintEvent* event)
{
    composeFrame();
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(event->rect(), m_frame, event->rect());
}

void CBexlanDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    setFocus(Qt::OtherFocusReason);
}

} // namespace bexlan

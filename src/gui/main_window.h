#pragma once

#include "device/hid_mouse_device.h"
#include "device/transfer_sequences.h"
#include "gui/fonts.h"
#include "gui/main_frame_painter.h"
#include "gui/main_window_state.h"

#include <QDialog>
#include <QImage>

#include <memory>
#include <optional>

class QComboBox;
class QLineEdit;

namespace bexlan {

class AppPaths;
class BackupStore;
class ClickDispatcher;
class DeviceWatcher;
class HidBackend;
class PointerSettings;
class Prompts;
class SkinImages;

// What the main window works with; everything outlives the window.
struct MainWindowServices {
    SkinImages& skins;
    const Fonts& fonts;
    Prompts& prompts;
    HidBackend& backend;
    PointerSettings& pointer;
    Clock& clock;
    const AppPaths& paths;
    // Where read-backs are kept; null: not kept.
    BackupStore* backups = nullptr;
};

// How the window's start-up read-back went.
enum class StartSource { Mouse, FactoryProfile };

// The main window: a frameless, shaped, owner-drawn dialog. It owns the settings, the macro
// library and the device for the whole run; painting composes every frame from its state,
// and a release on a region goes to the ClickDispatcher.
class CBexlanDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBexlanDlg(const MainWindowServices& services, QWidget* parent = nullptr);
    ~CBexlanDlg() override;

    // Shapes and centres the window, reads the mouse back (or loads DefSet.ini when that
    // fails), takes the desktop's pointer settings, and starts in Turkish on the basic page.
    // Messages of the read-back go through the prompts before the window shows.
    void initialise();

    MainWindowState& state() { return *m_state; }
    const MainWindowState& state() const { return *m_state; }
    const MainWindowServices& services() const { return m_services; }
    HidMouseDevice& device() { return m_device; }
    ClickDispatcher& dispatcher() { return *m_dispatcher; }
    StartSource startSource() const { return m_startSource; }
    // True while a mouse plugged in now would be read: the window opened without one and
    // nothing has been changed since.
    bool awaitingMouse() const { return m_startSnapshot != nullptr; }

    // The child controls: the macro name entry over region 81 and the language choice.
    QLineEdit* NameEdit() const { return m_nameEdit; }
    QComboBox* LanguageCombo() const { return m_languageCombo; }

    // The device, pointer settings, clock and files a transfer needs.
    TransferContext transferContext();

    // Repaint requests; the next paint recomposes the whole frame.
    void invalidateRegion(int region);
    void invalidateAll();

    // Shows `page`: CurrentPage, the page tabs as a radio group, NameEdit only on the
    // advanced page, and a repaint of everything.
    void showPage(Page page);

    // The language every text is drawn in, as if chosen in LanguageCombo.
    void setLanguage(Language language);

    // Sets HotRegion (and HotMacroRow over the list) for a client point, repainting what
    // changed.
    void HitTest(int px, int py);

    // The frame exactly as the paint handler composes it (without the child controls).
    const QImage& composeFrame();

    // The window as it looks on the desktop, child controls included, with everything
    // outside its shape transparent.
    QImage screenshot();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void onLanguageChosen(int index);
    void onMouseArrived();
    void releaseAt(int px, int py);
    bool unchangedSinceStart() const;
    // The read-back with a busy cursor; true when both reports were read.
    bool readMouse(SettingsRecord& settings, MacroLibrary& library, ReadBackResult& result);

    MainWindowServices m_services;
    std::unique_ptr<MainWindowState> m_state;
    HidMouseDevice m_device;
    MainFramePainter m_painter;
    QImage m_frame;
    std::unique_ptr<ClickDispatcher> m_dispatcher;
    QLineEdit* m_nameEdit = nullptr;
    QComboBox* m_languageCombo = nullptr;
    DeviceWatcher* m_watcher = nullptr;
    StartSource m_startSource = StartSource::FactoryProfile;
    // The settings and library as the window opened without a mouse; a mouse plugged in
    // later is read only while nothing differs from them.
    struct StartSnapshot;
    std::unique_ptr<StartSnapshot> m_startSnapshot;
};

} // namespace bexlan

#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "device/backup_store.h"
#include "device/clock.h"
#include "device/hid_mouse_device.h"
#include "model/app_texts.h"
#include "model/device_reports.h"
#include "model/macro_library.h"
#include "model/settings_record.h"

namespace bexlan {

class PointerSettings;

// The two transfers with the mouse: the upload of the settings and the read-back of what
// the mouse holds. Both open the device per report and leave it closed on every path, and
// both report their outcome as a value; the caller shows the message, if any.

inline constexpr int kTransferAttempts = 5;
// Pause after each refused set and between the two reports.
inline constexpr Clock::Duration kTransferWait{300};

// Whether a transfer touches the desktop's pointer settings.
enum class PointerMode { Apply, Leave };

struct TransferContext {
    HidMouseDevice& device;
    PointerSettings& pointer;
    Clock& clock;
    // Where each report 4 about to be sent is copied; empty: not written.
    std::filesystem::path downloadBin;
    // Where each successful read-back is kept; null: not kept.
    BackupStore* backups = nullptr;
};

enum class ApplyStatus {
    Done,                 // both reports sent
    NoMouse,              // no interface for report 3: the mouse was not touched
    NoButtonMapInterface, // report 3 sent, no interface for report 4: the button map is old
    Failed,               // a report was refused or could not be read back; see message
    DoesNotFit,           // the button records exceed the mouse's memory; nothing was sent
};

enum class TransferStep { None, SetReport3, GetReport3, SetReport4, GetReport4 };

struct ApplyResult {
    ApplyStatus status = ApplyStatus::NoMouse;
    std::optional<UserMessage> message;
    int overflowButton = 0; // with DoesNotFit: the first button (2..10) that does not fit
    TransferStep failedStep = TransferStep::None;
    std::string detail; // the backend's words about the failed transfer
    // What was built for the mouse.
    SettingsReport report3{};
    ButtonMapReport report4{};
};

// Applies the pointer settings of `settings` (with PointerMode::Apply, whether or not a
// mouse is there), then sends report 3 and report 4 built from it: each set is tried up to
// five times with 300 ms after every refusal; report 3 is read back 300 ms after it was
// taken; report 4 is copied to downloadBin before it is sent. Settings whose button records
// do not fit are not sent at all.
ApplyResult ApplySettings(TransferContext& context, const SettingsRecord& settings,
                          PointerMode pointerMode);

// The device part of ApplySettings for reports already built, e.g. a backup put back.
ApplyResult UploadReports(TransferContext& context, const SettingsReport& report3,
                          const ButtonMapReport& report4);

enum class ReadBackStatus {
    Done,
    NoMouse,              // no interface for report 3
    NoButtonMapInterface, // report 3 read, no interface for report 4
    Failed,               // a report could not be read; see message
};

struct ReadBackResult {
    ReadBackStatus status = ReadBackStatus::NoMouse;
    std::optional<UserMessage> message;
    TransferStep failedStep = TransferStep::None;
    std::string detail;
    // The reports as read; report4 is all zero unless status is Done.
    SettingsReport report3{};
    ButtonMapReport report4{};
    // Where the reports were kept, when a backup store was given and the write worked.
    std::optional<BackupEntry> backup;
    // At least one button came back as a macro: the window's macro-name field shows the
    // text of a new macro afterwards.
    bool macrosDecoded = false;

    bool ok() const { return status == ReadBackStatus::Done; }
};

// Fills `settings` and `library` with what the mouse holds: resets the record to the
// defaults (and, with PointerMode::Apply, the desktop to their pointer settings), reads
// report 3, waits 300 ms, reads report 4, and decodes both. On failure the record holds the
// defaults and whatever of report 3 was decoded.
ReadBackResult ReadBackSettings(TransferContext& context, SettingsRecord& settings,
                                MacroLibrary& library, PointerMode pointerMode);

// The reports alone, with the same steps and waits as ReadBackSettings, no decoding and no
// backup: for checking an upload.
ReadBackResult ReadReports(TransferContext& context);

} // namespace bexlan

#include "device/transfer_sequences.h"

#include <functional>
#include <string>

#include "device/mouse_ids.h"
#include "device/pointer_settings.h"
#include "model/atomic_file.h"
#include "model/report_decoder.h"

namespace bexlan {
namespace {

// Every path out of a sequence leaves the device closed.
class CloseOnExit {
public:
    explicit CloseOnExit(HidMouseDevice& device) : m_device(device) {}
    ~CloseOnExit() { m_device.CloseDevice(); }
    CloseOnExit(const CloseOnExit&) = delete;
    CloseOnExit& operator=(const CloseOnExit&) = delete;

private:
    HidMouseDevice& m_device;
};

bool sendWithRetries(TransferContext& context, std::span<const uint8_t> report)
{
    for (int attempt = 0; attempt < kTransferAttempts; ++attempt) {
        if (context.device.SetFeatureReport(report)) {
            return true;
        }
        context.clock.sleepFor(kTransferWait);
    }
    return false;
}

template <typename Result>
void fail(Result& result, HidMouseDevice& device, TransferStep step, int messageEntry)
{
    result.status = decltype(result.status)::Failed;
    result.failedStep = step;
    result.detail = device.lastTransfer().error;
    result.message = TableMessage(messageEntry, MessageFail, MessageIcon::Error);
    device.CloseDevice();
}

// Reads report 3, hands it to `onSettingsReport`, waits, and reads report 4.
ReadBackResult readSequence(TransferContext& context,
                            const std::function<void(const SettingsReport&)>& onSettingsReport)
{
    ReadBackResult result;
    HidMouseDevice& device = context.device;
    CloseOnExit closer(device);

    if (!device.OpenDevice(kSettingsInterfaceLength)) {
        result.status = ReadBackStatus::NoMouse;
        return result;
    }
    SettingsReport report3{};
    report3[0] = kSettingsReportId;
    if (!device.GetFeatureReport(report3)) {
        fail(result, device, TransferStep::GetReport3, MessageGetDataFailed);
        return result;
    }
    result.report3 = report3;
    if (onSettingsReport) {
        onSettingsReport(report3);
    }

    context.clock.sleepFor(kTransferWait);
    device.CloseDevice();
    if (!device.OpenDevice(kButtonMapInterfaceLength)) {
        result.status = ReadBackStatus::NoButtonMapInterface;
        return result;
    }
    ButtonMapReport report4{};
    report4[0] = kButtonMapReportId;
    if (!device.GetFeatureReport(report4)) {
        fail(result, device, TransferStep::GetReport4, MessageGetDataFailed);
        return result;
    }
    result.report4 = report4;
    result.status = ReadBackStatus::Done;
    return result;
}

} // namespace

ApplyResult UploadReports(TransferContext& context, const SettingsReport& report3,
                          const ButtonMapReport& report4)
{
    ApplyResult result;
    result.report3 = report3;
    result.report4 = report4;
    HidMouseDevice& device = context.device;
    CloseOnExit closer(device);

    if (!device.OpenDevice(kSettingsInterfaceLength)) {
        result.status = ApplyStatus::NoMouse;
        return result;
    }
    if (!sendWithRetries(context, report3)) {
        fail(result, device, TransferStep::SetReport3, MessageSetDataFailed);
        return result;
    }
    // The mouse needs a moment before it answers; what it answers is not compared.
    context.clock.sleepFor(kTransferWait);
    SettingsReport readBack{};
    readBack[0] = kSettingsReportId;
    if (!device.GetFeatureReport(readBack)) {
        fail(result, device, TransferStep::GetReport3, MessageGetDataFailed);
        return result;
    }
    device.CloseDevice();

    if (!device.OpenDevice(kButtonMapInterfaceLength)) {
        result.status = ApplyStatus::NoButtonMapInterface;
        return result;
    }
    if (!context.downloadBin.empty()) {
        // Only a copy for the curious; a failed write must not stop the upload.
        WriteFileAtomically(context.downloadBin, report4);
    }
    if (!sendWithRetries(context, report4)) {
        fail(result, device, TransferStep::SetReport4, MessageDownloadFailure);
        return result;
    }
    result.status = ApplyStatus::Done;
    result.message = TableMessage(MessageDownloadComplete, MessageSucceed, MessageIcon::None);
    return result;
}

ApplyResult ApplySettings(TransferContext& context, const SettingsRecord& settings,
                          PointerMode pointerMode)
{
    if (pointerMode == PointerMode::Apply) {
        context.pointer.apply(PointerValuesFromRecord(settings));
    }
    // Checked before the mouse is touched, so a configuration that cannot fit never leaves
    // the mouse half updated.
    const ButtonMapBuild buttonMap = BuildButtonMapReport(settings);
    if (buttonMap.status == BuildStatus::DoesNotFit) {
        ApplyResult result;
        result.status = ApplyStatus::DoesNotFit;
        result.overflowButton = buttonMap.overflowButton;
        result.report3 = BuildSettingsReport(settings);
        result.message =
            OwnMessage(AppTextId::ButtonDoesNotFit, std::to_string(buttonMap.overflowButton),
                       MessageFail, MessageIcon::Error);
        return result;
    }
    return UploadReports(context, BuildSettingsReport(settings), buttonMap.report);
}

ReadBackResult ReadReports(TransferContext& context)
{
    return readSequence(context, nullptr);
}

ReadBackResult ReadBackSettings(TransferContext& context, SettingsRecord& settings,
                                MacroLibrary& library, PointerMode pointerMode)
{
    ResetToDefaults(settings);
    if (pointerMode == PointerMode::Apply) {
        context.pointer.apply(PointerValuesFromRecord(settings));
    }
    ReadBackResult result = readSequence(context, [&settings](const SettingsReport& report) {
        DecodeSettingsReport(report, settings);
    });
    if (!result.ok()) {
        return result;
    }
    const ButtonMapDecode decoded = DecodeButtonMapReport(result.report4, settings, library);
    result.macrosDecoded = decoded.macroButtons > 0;
    if (context.backups) {
        // A backup that cannot be written does not make the read-back fail.
        result.backup = context.backups->save(DeviceBackup{result.report3, result.report4},
                                              std::chrono::system_clock::now());
    }
    return result;
}

} // namespace bexlan

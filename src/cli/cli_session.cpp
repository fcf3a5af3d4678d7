#include "cli/cli_session.h"

#include <utility>

#include "device/hidapi_backend.h"
#include "device/virtual_mouse.h"

namespace bexlan {

CliSession::CliSession(GlobalOptions options, const CliEnvironment& environment, std::ostream& out,
                       std::ostream& err)
    : m_options(std::move(options)), m_environment(environment), m_out(out), m_err(err)
{
}

CliSession::~CliSession() = default;

int CliSession::fail(int code, std::string_view message)
{
    m_err << "bexlanctl: " << message << '\n';
    return code;
}

int CliSession::usage(std::string_view command, std::string_view message)
{
    m_err << "bexlanctl: " << (command.empty() ? "" : std::string(command) + ": ") << message
          << " (see 'bexlanctl " << (command.empty() ? "" : std::string(command) + " ")
          << "--help')\n";
    return ExitUsage;
}

const AppPaths& CliSession::paths()
{
    if (!m_paths) {
        if (m_environment.environment) {
            m_paths = AppPaths::Resolve(m_environment.exeDirectory, m_options.paths,
                                        m_environment.environment);
        } else {
            m_paths = AppPaths::Detect(m_options.paths);
        }
    }
    return *m_paths;
}

HidBackend* CliSession::backend(int& exitCode)
{
    if (m_environment.backend) {
        return m_environment.backend;
    }
    if (m_ownBackend) {
        return m_ownBackend.get();
    }
    if (!m_options.virtualMouse) {
        m_ownBackend = std::make_unique<HidapiBackend>();
        return m_ownBackend.get();
    }
    auto mouse = std::make_unique<VirtualMouse>();
    std::filesystem::path state = *m_options.virtualMouse;
    if (state.empty()) {
        state = paths().virtualMouseStateFile();
        std::error_code error;
        if (!paths().ensureWritableDirectories(&error)) {
            exitCode = fail(ExitDeviceFailure, "cannot create " + state.parent_path().string() +
                                                   ": " + error.message());
            return nullptr;
        }
    }
    const StateResult attached = mouse->attachStateFile(state);
    if (!attached.ok()) {
        exitCode =
            fail(attached.status == StateStatus::WriteFailed ? ExitDeviceFailure : ExitBadInput,
                 "virtual mouse: " + attached.message);
        return nullptr;
    }
    m_ownBackend = std::move(mouse);
    return m_ownBackend.get();
}

Clock& CliSession::clock()
{
    if (m_environment.clock) {
        return *m_environment.clock;
    }
    if (!m_ownClock) {
        m_ownClock = std::make_unique<SystemClock>();
    }
    return *m_ownClock;
}

PointerSettings& CliSession::pointer()
{
    if (m_environment.pointer) {
        return *m_environment.pointer;
    }
    if (!m_ownPointer) {
        // The stored backend writes into the user folder; without it a set just fails.
        paths().ensureWritableDirectories();
        m_ownPointer = OpenPointerSettings(paths().pointerSettingsFile());
    }
    return *m_ownPointer;
}

Language CliSession::messageLanguage() const
{
    return m_options.language.value_or(Language::English);
}

Language CliSession::profileWriteLanguage() const
{
    return m_options.language.value_or(Language::Turkish);
}

std::string CliSession::text(const UserMessage& message) const
{
    return MessageText(message, messageLanguage());
}

} // namespace bexlan

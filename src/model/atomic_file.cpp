#include "model/atomic_file.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace bexlan {
namespace {

namespace fs = std::filesystem;

void setError(std::error_code* error, int value)
{
    if (error != nullptr) {
        *error = std::error_code(value, std::generic_category());
    }
}

bool writeAll(int fd, std::span<const uint8_t> bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// The file a write to `target` must replace: the end of a chain of symbolic links, so that a
// link keeps pointing at the profile instead of being replaced by a plain file.
fs::path resolveTarget(const fs::path& target)
{
    fs::path current = target;
    for (int depth = 0; depth < 40; ++depth) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(current, ec))) {
            return current;
        }
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) {
            return current;
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return current;
}

// Opens a new file beside `target` that nobody else uses. Created with 0666 so the umask
// decides the permissions of a new file, as for any file the user creates.
int createTemporary(const fs::path& target, fs::path& temporary)
{
    static std::atomic<unsigned> counter{0};
    const fs::path folder = target.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        // Built by appending: GCC 12 warns falsely about chained std::string additions.
        std::string name = ".";
        name += target.filename().string();
        name += '.';
        name += std::to_string(::getpid());
        name += '.';
        name += std::to_string(counter.fetch_add(1));
        name += ".tmp";
        temporary = folder.empty() ? fs::path(name) : folder / name;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    errno = EEXIST;
    return -1;
}

void syncFolder(const fs::path& folder)
{
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool WriteFileAtomically(const fs::path& target, std::span<const uint8_t> bytes,
                         std::error_code* error)
{
    if (target.empty() || !target.has_filename()) {
        setError(error, EINVAL);
        return false;
    }
    const fs::path real = resolveTarget(target);

    struct stat old {};
    const bool replacing = ::stat(real.c_str(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode)) {
        // Renaming over a folder or a device would destroy or fail on it; refuse up front.
        setError(error, S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
        return false;
    }
    if (replacing && ((old.st_mode & 0222) == 0 || ::access(real.c_str(), W_OK) != 0)) {
        // A file marked read-only is kept, as a direct write would have to keep it.
        setError(error, EACCES);
        return false;
    }

    fs::path temporary;
    const int fd = createTemporary(real, temporary);
    if (fd < 0) {
        setError(error, errno);
        return false;
    }
    bool ok = writeAll(fd, bytes);
    if (ok && replacing) {
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    if (ok) {
        ok = ::fsync(fd) == 0;
    }
    int failure = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        failure = errno;
    }
    if (ok && ::rename(temporary.c_str(), real.c_str()) != 0) {
        ok = false;
        failure = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        setError(error, failure);
        return false;
    }
    syncFolder(real.parent_path());
    if (error != nullptr) {
        error->clear();
    }
    return true;
}

std::optional<std::vector<uint8_t>> ReadFileBytes(const fs::path& path, std::size_t maxBytes)
{
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes;
    // Read in pieces and stop past the limit, so a file that grows meanwhile cannot push the
    // memory use beyond it.
    char buffer[65536];
    while (in) {
        in.read(buffer, sizeof buffer);
        const auto got = static_cast<std::size_t>(in.gcount());
        if (bytes.size() + got > maxBytes) {
            return std::nullopt;
        }
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace bexlan

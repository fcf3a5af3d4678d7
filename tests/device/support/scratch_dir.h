#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace bexlan {

// A fresh empty folder under the system's temporary folder, removed with everything in it
// when the object goes.
class ScratchDir {
public:
    ScratchDir()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "bexlan-test-XXXXXX").string();
        if (!mkdtemp(pattern.data())) {
            std::abort();
        }
        m_path = pattern;
    }
    ~ScratchDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace bexlan

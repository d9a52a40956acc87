// A private directory for the files a test writes; removed with everything in it.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace monit12::test {

class TempDir
{
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "monit12-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    std::string path(const std::string &name) const { return (m_path / name).string(); }

    std::string write(const std::string &name, std::string_view bytes) const
    {
        const std::string file = path(name);
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        if (!out)
            throw std::runtime_error("cannot write " + file);
        return file;
    }

private:
    std::filesystem::path m_path;
};

} // namespace monit12::test

#pragma once

#include "platform/FilePath.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace solvo::test {

/// A fresh folder under the system's temporary folder, removed afterwards.
class TemporaryFolder {
public:
    TemporaryFolder()
        : path_(std::filesystem::temp_directory_path() /
                ("solvo-test-" + std::to_string(std::random_device{}())))
    {
        std::filesystem::create_directories(path_);
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    /// name is UTF-8, as the tests spell names with any character.
    std::filesystem::path Write(const std::string& name, const std::string& bytes) const
    {
        const auto file = path_ / FilePath::FromUtf8(name).Native();
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    std::string Read(const std::string& name) const
    {
        std::ifstream stream(path_ / FilePath::FromUtf8(name).Native(), std::ios::binary);
        return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path path_;
};

} // namespace solvo::test

#include "app/RecentFileList.h"

#include <algorithm>

namespace solvo {

namespace {

std::string KeyOf(std::size_t position)
{
    return "File" + std::to_string(position + 1);
}

} // namespace

void RecentFileList::Read(const SettingsStore& store)
{
    files_.clear();
    for (std::size_t position = 0; position < kMaxFiles; ++position) {
        std::string path = store.ReadString(kSection, KeyOf(position), {});
        if (!path.empty() && std::find(files_.begin(), files_.end(), path) == files_.end())
            files_.push_back(std::move(path));
    }
}

void RecentFileList::Write(SettingsStore& store) const
{
    for (std::size_t position = 0; position < kMaxFiles; ++position)
        store.WriteString(kSection, KeyOf(position),
                          position < files_.size() ? files_[position] : std::string());
}

void RecentFileList::Add(std::string_view path)
{
    if (path.empty())
        return;
    Remove(path);
    files_.insert(files_.begin(), std::string(path));
    if (files_.size() > kMaxFiles)
        files_.resize(kMaxFiles);
}

void RecentFileList::Remove(std::string_view path)
{
    std::erase(files_, path);
}

} // namespace solvo

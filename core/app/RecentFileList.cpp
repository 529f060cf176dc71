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
        FilePath path = store.ReadPath(kSection, KeyOf(position));
        if (!path.Empty() && std::find(files_.begin(), files_.end(), path) == files_.end())
            files_.push_back(std::move(path));
    }
}

void RecentFileList::Write(SettingsStore& store) const
{
    for (std::size_t position = 0; position < kMaxFiles; ++position)
        store.WritePath(kSection, KeyOf(position),
                        position < files_.size() ? files_[position] : FilePath());
}

void RecentFileList::Add(const FilePath& path)
{
    if (path.Empty())
        return;
    Remove(path);
    files_.insert(files_.begin(), path);
    if (files_.size() > kMaxFiles)
        files_.resize(kMaxFiles);
}

void RecentFileList::Remove(const FilePath& path)
{
    std::erase(files_, path);
}

} // namespace solvo

#include "forms/drive_list.h"

#include <cwctype>
#include <vector>

namespace taverel::forms {

namespace {

// "c:\" "d:\" ... as the system lists them, lower-cased without the slash.
std::vector<std::wstring> LogicalDrives() {
    std::vector<std::wstring> drives;
    const DWORD needed = GetLogicalDriveStringsW(0, nullptr);
    if (needed == 0)
        return drives;
    std::vector<wchar_t> buffer(needed + 1, L'\0');
    const DWORD length = GetLogicalDriveStringsW(needed, buffer.data());
    for (DWORD i = 0; i < length && buffer[i];) {
        std::wstring root(&buffer[i]);
        i += static_cast<DWORD>(root.size()) + 1;
        if (root.size() >= 2)
            drives.push_back({static_cast<wchar_t>(std::towlower(root[0])), L':'});
    }
    return drives;
}

}  // namespace

DriveList::DriveList() : ControlOfClass(ComboStyle::DropDownList) {
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    const wchar_t current_drive = static_cast<wchar_t>(std::towlower(current[0]));
    for (const std::wstring& drive : LogicalDrives()) {
        if (drive[0] == current_drive)
            list_index_ = static_cast<int>(items_.size());
        items_.push_back(drive);
    }
    if (list_index_ < 0 && !items_.empty())
        list_index_ = 0;
}

std::wstring DriveList::Drive() const {
    const int index = ListIndex();
    if (index < 0 || index >= static_cast<int>(items_.size()))
        return {};
    return items_[static_cast<std::size_t>(index)];
}

}  // namespace taverel::forms

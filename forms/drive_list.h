// A drive list: a drop-down list of the drive letters of the machine
// ("c:", "d:" ...), the current drive selected. Click runs on a new choice.
#pragma once

#include "forms/combo_box.h"

#include <string>

namespace taverel::forms {

inline constexpr wchar_t kDriveListClass[] = L"ThunderRT6DriveListBox";

class DriveList : public ComboBox {
public:
    DriveList();
    static void RegisterClass();

    // The selected drive ("c:"), empty when none.
    std::wstring Drive() const;

protected:
    const wchar_t* ClassName() const override;
    void RegisterWindowClass() const override { RegisterClass(); }
};

}  // namespace taverel::forms

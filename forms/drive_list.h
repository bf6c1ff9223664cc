// A drive list: a drop-down list of the drive letters of the machine
// ("c:", "d:" ...), the current drive selected. Click runs on a new choice.
#pragma once

#include "forms/combo_box.h"
#include "forms/control_of_class.h"

#include <string>

namespace taverel::forms {

class DriveList : public ControlOfClass<kDriveListClass, ComboBox> {
public:
    DriveList();

    // The selected drive ("c:"), empty when none.
    std::wstring Drive() const;
};

}  // namespace taverel::forms

// A font as a form describes it (face, size in points, style, character set)
// and the GDI font made from it for a given DPI.
#pragma once

#include "forms/units.h"
#include "platform/handles.h"

#include <string>

namespace taverel::forms {

struct FontSpec {
    std::wstring face = L"宋体";
    double points = 9;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    BYTE charset = GB2312_CHARSET;
};

platform::Font CreateFontFromSpec(const FontSpec& spec, Dpi dpi);

}  // namespace taverel::forms

#include "forms/font.h"

#include <cwchar>

namespace taverel::forms {

platform::Font CreateFontFromSpec(const FontSpec& spec, Dpi dpi) {
    LOGFONTW font{};
    font.lfHeight = PointsToFontHeight(spec.points, dpi.y);
    font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    font.lfItalic = spec.italic ? TRUE : FALSE;
    font.lfUnderline = spec.underline ? TRUE : FALSE;
    font.lfCharSet = spec.charset;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    wcsncpy(font.lfFaceName, spec.face.c_str(), LF_FACESIZE - 1);
    return platform::Font(CreateFontIndirectW(&font));
}

}  // namespace taverel::forms

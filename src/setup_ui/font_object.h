// A GDI font made from a font spec text of the configuration.
#pragma once

#include <windows.h>

#include <string>

#include "package/font_spec.h"

namespace sk {

LOGFONTA ToLogFont(const FontSpec& spec);
// The caller deletes the font (DeleteObject); null when the system makes none.
HFONT CreateFontFromSpec(const std::string& text);

}  // namespace sk

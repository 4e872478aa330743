#include "toolkit/Font.h"

#include "toolkit/Text.h"

namespace toolkit {

UniqueFont CreateUiFont(std::string_view face, int height) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfQuality = DEFAULT_QUALITY;
  const std::wstring wideFace = Widen(face);
  wideFace.copy(font.lfFaceName, LF_FACESIZE - 1);
  return UniqueFont(::CreateFontIndirectW(&font));
}

UniqueFont CreateFixedPitchFont(std::string_view face, int height, BYTE charSet) {
  LOGFONTW font{};
  font.lfHeight = height;
  font.lfCharSet = charSet;
  font.lfPitchAndFamily = FIXED_PITCH;
  const std::wstring wideFace = Widen(face);
  wideFace.copy(font.lfFaceName, LF_FACESIZE - 1);
  return UniqueFont(::CreateFontIndirectW(&font));
}

}  // namespace toolkit

// Pictures read from files, of the kind their extension names in any letter
// case: .bmp (bitmap), .ico (icon), .wmf (placeable metafile) and .emf
// (enhanced metafile).
#pragma once

#include <string>

#include "toolkit/Graphic.h"

namespace toolkit {

// Throws FileError "ファイル <path> は開けません" when the file cannot be
// opened, FileError "拡張子 .<ext> の画像形式は処理できません" for any other
// extension, and std::runtime_error when the contents are not a picture of
// the kind.
Graphic LoadPictureFile(const std::wstring& path);

}  // namespace toolkit

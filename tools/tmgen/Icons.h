#pragma once
// The desktop's pictures of the editor: the application icon and the icons of
// the map (.tmm) and model (.tcm) file types, as PNG at the hicolor sizes.

#include <string>

namespace tessmoor {

inline constexpr const char* ApplicationIconName = "org.tessmoor.Editor";
inline constexpr const char* MapTypeIconName = "application-x-tessmoor-map";
inline constexpr const char* ModelTypeIconName = "application-x-tessmoor-model";
inline constexpr int IconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Writes <hicolor>/<N>x<N>/apps/ and .../mimetypes/ for every size. False, with
// `error` set, when a folder or file cannot be written.
bool WriteIcons(const std::string& hicolorDirectory, std::string& error);

}  // namespace tessmoor

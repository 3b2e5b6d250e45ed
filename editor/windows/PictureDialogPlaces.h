#pragma once
// Where the texture editor's picture dialog opens and which folders its side
// bar offers: the folder chosen from last (the program's GFX/ with the shipped
// pictures before the first choice), and every folder pictures are looked up in.

#include <string>
#include <vector>

namespace tessmoor {

struct PictureDialogPlaces {
  std::string start;
  std::vector<std::string> sideBar;
};

// Makes the user's own picture folder on its first use, so the side bar can offer it.
PictureDialogPlaces PicturePlaces(const std::string& programDirectory);
// The folder of `chosenFile` is where the next picture dialog opens, in this run and the next.
void RememberPictureFolder(const std::string& chosenFile);

}  // namespace tessmoor

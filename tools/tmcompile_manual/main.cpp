// tmcompile_manual: writes tmcompile's manual page, in English or German, as
// troff. The build runs it, so the pages say what tmcompile's --help says.
//
//   tmcompile_manual en|de VERSION FILE

#include <cstdio>
#include <fstream>
#include <string>

#include "TroffPage.h"

using namespace tessmoor;

int main(int argc, char** argv) {
  const std::string language = argc == 4 ? argv[1] : "";
  if (language != "en" && language != "de") {
    std::fputs("Usage: tmcompile_manual en|de VERSION FILE\n", stderr);
    return 2;
  }
  const ManualLanguage chosen = language == "de" ? ManualLanguage::German : ManualLanguage::English;
  std::ofstream out(argv[3], std::ios::binary);
  out << TroffPage(TmcompileManual(), chosen, argv[2]);
  out.close();
  if (!out) {
    std::fprintf(stderr, "tmcompile_manual: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}

#include "texts/StampTexts.h"

#include "texts/Translation.h"

namespace tessmoor {

std::string StampText(const StampOutcome& outcome) {
  switch (outcome.code) {
    case StampCode::NotSaved:
      return Fill(Tr("StampTexts", "Der Stempel kann nicht unter \"%1\" gespeichert werden."), {outcome.args.at(0)});
    case StampCode::Done:
    case StampCode::NoName:
    case StampCode::NotRemoved:
      break;
  }
  return std::string();
}

}  // namespace tessmoor

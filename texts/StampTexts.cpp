#include "texts/StampTexts.h"

namespace tessmoor {

std::string StampText(const StampOutcome& outcome) {
  switch (outcome.code) {
    case StampCode::NotSaved:
      return "Der Stempel kann nicht unter \"" + outcome.args.at(0) + "\" gespeichert werden.";
    case StampCode::Done:
    case StampCode::NoName:
    case StampCode::NotRemoved:
      break;
  }
  return std::string();
}

}  // namespace tessmoor

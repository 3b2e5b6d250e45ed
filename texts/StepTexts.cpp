#include "texts/StepTexts.h"

namespace tessmoor {

std::string StepText(StepName step) {
  switch (step) {
    case StepName::Paint:
      return "Malen";
    case StepName::Fill:
      return "Füllen";
    case StepName::Paste:
      return "Einfügen";
    case StepName::Properties:
      return "Eigenschaften";
    case StepName::StartPosition:
      return "Startposition";
    case StepName::EditSelection:
      return "Auswahl bearbeiten";
    case StepName::Ramp:
      return "Rampe";
    case StepName::Smooth:
      return "Glätten";
    case StepName::ReplaceCells:
      return "Suchen und Ersetzen";
    case StepName::AddTexture:
      return "Textur hinzufügen";
    case StepName::DeleteTexture:
      return "Textur löschen";
    case StepName::RenameTexture:
      return "Textur umbenennen";
    case StepName::Animation:
      return "Animationsart";
    case StepName::AddFrames:
      return "Bilder hinzufügen";
    case StepName::RemoveFrame:
      return "Bild entfernen";
    case StepName::MoveFrame:
      return "Bild verschieben";
    case StepName::ReplaceTexture:
      return "Textur ersetzen";
    case StepName::DeleteUnused:
      return "Unbenutzte Texturen löschen";
    case StepName::PlaceStamp:
      return "Stempel setzen";
    case StepName::Script:
      return "Skript";
  }
  return {};
}

std::string StepText(StepName step, const std::string& label) { return label.empty() ? StepText(step) : label; }

}  // namespace tessmoor

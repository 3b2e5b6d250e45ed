#include "texts/StepTexts.h"

#include "texts/Translation.h"

namespace tessmoor {

std::string StepText(StepName step) {
  switch (step) {
    case StepName::Paint:
      return Tr("StepTexts", "Malen");
    case StepName::Fill:
      return Tr("StepTexts", "Füllen");
    case StepName::Paste:
      return Tr("StepTexts", "Einfügen");
    case StepName::Properties:
      return Tr("StepTexts", "Eigenschaften");
    case StepName::StartPosition:
      return Tr("StepTexts", "Startposition");
    case StepName::EditSelection:
      return Tr("StepTexts", "Auswahl bearbeiten");
    case StepName::Ramp:
      return Tr("StepTexts", "Rampe");
    case StepName::Smooth:
      return Tr("StepTexts", "Glätten");
    case StepName::ReplaceCells:
      return Tr("StepTexts", "Suchen und Ersetzen");
    case StepName::AddTexture:
      return Tr("StepTexts", "Textur hinzufügen");
    case StepName::DeleteTexture:
      return Tr("StepTexts", "Textur löschen");
    case StepName::RenameTexture:
      return Tr("StepTexts", "Textur umbenennen");
    case StepName::Animation:
      return Tr("StepTexts", "Animationsart");
    case StepName::AddFrames:
      return Tr("StepTexts", "Bilder hinzufügen");
    case StepName::RemoveFrame:
      return Tr("StepTexts", "Bild entfernen");
    case StepName::MoveFrame:
      return Tr("StepTexts", "Bild verschieben");
    case StepName::ReplaceTexture:
      return Tr("StepTexts", "Textur ersetzen");
    case StepName::DeleteUnused:
      return Tr("StepTexts", "Unbenutzte Texturen löschen");
    case StepName::PlaceStamp:
      return Tr("StepTexts", "Stempel setzen");
    case StepName::SetTexture:
      return Tr("StepTexts", "Textur setzen");
    case StepName::Script:
      return Tr("StepTexts", "Skript");
  }
  return {};
}

std::string StepText(StepName step, const std::string& label) { return label.empty() ? StepText(step) : label; }

}  // namespace tessmoor

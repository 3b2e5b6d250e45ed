#include "texts/ScriptTexts.h"

#include "texts/CoreTexts.h"
#include "texts/Translation.h"

namespace tessmoor {

namespace {

std::string Arg(const std::vector<std::string>& args, size_t i) { return i < args.size() ? args[i] : std::string(); }

}  // namespace

std::string ScriptProblemText(const ScriptProblem& problem) {
  const auto arg = [&](size_t i) { return Arg(problem.args, i); };
  switch (problem.code) {
    case ScriptProblemCode::NotANumber:
      return Fill(Tr("ScriptTexts", "„%1“ muss eine Zahl sein"), {arg(0)});
    case ScriptProblemCode::NotAWholeNumber:
      return Fill(Tr("ScriptTexts", "„%1“ muss eine ganze Zahl sein, nicht %2"), {arg(0), arg(1)});
    case ScriptProblemCode::NotAString:
      return Fill(Tr("ScriptTexts", "„%1“ muss ein Text sein"), {arg(0)});
    case ScriptProblemCode::NotAnObject:
      return Fill(Tr("ScriptTexts", "„%1“ muss ein Objekt sein"), {arg(0)});
    case ScriptProblemCode::UnknownField:
      return Fill(Tr("ScriptTexts", "Ein Feld „%1“ hat eine Zelle nicht"), {arg(0)});
    case ScriptProblemCode::BadFieldValue:
      return Fill(Tr("ScriptTexts", "%1 passt nicht in das Feld „%2“"), {arg(1), arg(0)});
    case ScriptProblemCode::NotStorable:
      return Fill(Tr("ScriptTexts", "„%1“ enthält ein Zeichen, das die Karte nicht speichern kann"), {arg(0)});
    case ScriptProblemCode::NoWindow:
      return Tr("ScriptTexts", "Ohne Fenster gibt es keine Auswahl");
    case ScriptProblemCode::NoSuchStamp:
      return Fill(Tr("ScriptTexts", "Einen Stempel „%1“ gibt es nicht"), {arg(0)});
    case ScriptProblemCode::FilesRefused:
      return Fill(Tr("ScriptTexts", "Der Zugriff auf Dateien in „%1“ ist nicht erlaubt"), {arg(0)});
    case ScriptProblemCode::FileNotRead:
      return Fill(Tr("ScriptTexts", "„%1“ kann nicht gelesen werden"), {arg(0)});
    case ScriptProblemCode::FileNotWritten:
      return Fill(Tr("ScriptTexts", "„%1“ kann nicht geschrieben werden"), {arg(0)});
    case ScriptProblemCode::Stopped:
      return Tr("ScriptTexts", "Das Skript wurde angehalten");
    case ScriptProblemCode::TimedOut:
      return Fill(Tr("ScriptTexts", "Das Skript wurde nach dem Zeitlimit von %1 s angehalten"), {arg(0)});
  }
  return {};
}

std::string EditResultText(const EditResult& result) {
  const auto arg = [&](size_t i) { return Arg(result.args, i); };
  switch (result.code) {
    case EditCode::Done:
      return {};
    case EditCode::OutOfGrid:
      return Fill(Tr("ScriptTexts", "Die Zelle (%1, %2) liegt außerhalb der Karte"), {arg(0), arg(1)});
    case EditCode::NoBlockToPaste:
      return Tr("ScriptTexts", "Die Zwischenablage ist leer");
    case EditCode::NoSuchTexture:
      return Fill(Tr("ScriptTexts", "Eine Textur %1 gibt es nicht"), {arg(0)});
    case EditCode::NoSuchSlot:
      return Fill(Tr("ScriptTexts", "Ein Palettenfeld %1 gibt es nicht"), {arg(0)});
    case EditCode::TableRefused:
      return IsEmpty(result.reason) ? Tr("ScriptTexts", "Die Texturtabelle lässt das nicht zu")
                                    : CoreText(result.reason);
    case EditCode::Failed:
      return arg(0);
  }
  return {};
}

}  // namespace tessmoor

#include "texts/ScriptTexts.h"

#include "texts/CoreTexts.h"

namespace tessmoor {

namespace {

std::string Arg(const std::vector<std::string>& args, size_t i) { return i < args.size() ? args[i] : std::string(); }

}  // namespace

std::string ScriptProblemText(const ScriptProblem& problem) {
  const auto arg = [&](size_t i) { return Arg(problem.args, i); };
  switch (problem.code) {
    case ScriptProblemCode::NotANumber:
      return "„" + arg(0) + "“ muss eine Zahl sein";
    case ScriptProblemCode::NotAWholeNumber:
      return "„" + arg(0) + "“ muss eine ganze Zahl sein, nicht " + arg(1);
    case ScriptProblemCode::NotAString:
      return "„" + arg(0) + "“ muss ein Text sein";
    case ScriptProblemCode::NotAnObject:
      return "„" + arg(0) + "“ muss ein Objekt sein";
    case ScriptProblemCode::UnknownField:
      return "Ein Feld „" + arg(0) + "“ hat eine Zelle nicht";
    case ScriptProblemCode::BadFieldValue:
      return arg(1) + " passt nicht in das Feld „" + arg(0) + "“";
    case ScriptProblemCode::NotStorable:
      return "„" + arg(0) + "“ enthält ein Zeichen, das die Karte nicht speichern kann";
    case ScriptProblemCode::NoWindow:
      return "Ohne Fenster gibt es keine Auswahl";
    case ScriptProblemCode::NoSuchStamp:
      return "Einen Stempel „" + arg(0) + "“ gibt es nicht";
    case ScriptProblemCode::FilesRefused:
      return "Der Zugriff auf Dateien in „" + arg(0) + "“ ist nicht erlaubt";
    case ScriptProblemCode::FileNotRead:
      return "„" + arg(0) + "“ kann nicht gelesen werden";
    case ScriptProblemCode::FileNotWritten:
      return "„" + arg(0) + "“ kann nicht geschrieben werden";
    case ScriptProblemCode::Stopped:
      return "Das Skript wurde angehalten";
    case ScriptProblemCode::TimedOut:
      return "Das Skript wurde nach dem Zeitlimit von " + arg(0) + " s angehalten";
  }
  return {};
}

std::string EditResultText(const EditResult& result) {
  const auto arg = [&](size_t i) { return Arg(result.args, i); };
  switch (result.code) {
    case EditCode::Done:
      return {};
    case EditCode::OutOfGrid:
      return "Die Zelle (" + arg(0) + ", " + arg(1) + ") liegt außerhalb der Karte";
    case EditCode::NoBlockToPaste:
      return "Die Zwischenablage ist leer";
    case EditCode::NoSuchTexture:
      return "Eine Textur " + arg(0) + " gibt es nicht";
    case EditCode::NoSuchSlot:
      return "Ein Palettenfeld " + arg(0) + " gibt es nicht";
    case EditCode::TableRefused:
      return IsEmpty(result.reason) ? std::string("Die Texturtabelle lässt das nicht zu") : CoreText(result.reason);
    case EditCode::Failed:
      return arg(0);
  }
  return {};
}

}  // namespace tessmoor

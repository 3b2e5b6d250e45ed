#include "editor/commands/CommandMatch.h"

#include <QStringList>

namespace tessmoor {

namespace {

enum Rank { Prefix, WordStarts, Inside, InOrder };

bool IsWordStart(const QString& text, qsizetype i) { return i == 0 || !text[i - 1].isLetterOrNumber(); }

// Each letter of the query matches a word start, or continues the word the
// previous letter matched in ("gaka", "ganz k" for "Ganze Karte").
bool MatchesWordStarts(const QString& query, qsizetype q, const QString& text, qsizetype t) {
  if (q == query.size()) return true;
  for (qsizetype i = t; i < text.size(); ++i) {
    if (text[i] != query[q]) continue;
    const bool continues = i == t && t > 0 && text[t - 1].isLetterOrNumber();
    if ((IsWordStart(text, i) || continues) && MatchesWordStarts(query, q + 1, text, i + 1)) return true;
  }
  return false;
}

// On a keyboard without umlauts "ä" is typed "ae" and "ß" "ss". Both sides are
// folded alike, so either spelling in the query finds either one in the text.
QString Folded(const QString& text) {
  QString folded = text.toCaseFolded();
  folded.replace(QChar(0x00E4), QLatin1String("ae"));
  folded.replace(QChar(0x00F6), QLatin1String("oe"));
  folded.replace(QChar(0x00FC), QLatin1String("ue"));
  folded.replace(QChar(0x00DF), QLatin1String("ss"));
  return folded;
}

bool LettersInOrder(const QString& query, const QString& text) {
  qsizetype t = 0;
  for (const QChar letter : query) {
    t = text.indexOf(letter, t);
    if (t < 0) return false;
    ++t;
  }
  return true;
}

}  // namespace

std::optional<int> MatchRank(const QString& rawQuery, const QString& rawText) {
  QString query = Folded(rawQuery);
  query.remove(' ');
  const QString text = Folded(rawText);
  if (query.isEmpty()) return InOrder;
  if (text.startsWith(query) || QString(text).remove(' ').startsWith(query)) return Prefix;
  if (MatchesWordStarts(query, 0, text, 0)) return WordStarts;
  if (text.contains(query)) return Inside;
  if (LettersInOrder(query, text)) return InOrder;
  return std::nullopt;
}

}  // namespace tessmoor

#pragma once
// How the command search ranks a command's text against what the user typed.

#include <QString>
#include <optional>

namespace tessmoor {

// Null when `text` does not match `query`; otherwise a rank, lower is better:
// the text starts with the query, then the query's letters are word starts in
// order ("gk" for "Ganze Karte"), then the query stands inside a word, then its
// letters merely come in order. Case and spaces in the query do not count, and
// "ae", "oe", "ue", "ss" stand for "ä", "ö", "ü", "ß" and the other way round.
std::optional<int> MatchRank(const QString& query, const QString& text);

}  // namespace tessmoor

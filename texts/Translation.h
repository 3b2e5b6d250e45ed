#pragma once
// The texts library words messages in German, the source language. A program
// that speaks another language hands in a lookup once at start or at a switch
// of language; without one every text stays German.
//
// `Tr("Context", "German text")` is read by lupdate as a translate call, so the
// text lands in the translation file like any tr() of the editor.

#include <functional>
#include <initializer_list>
#include <string>

namespace tessmoor {

// The translation of `source` in `context`, or an empty string for none.
using TextLookup = std::function<std::string(const char* context, const char* source)>;

void SetTextLookup(TextLookup lookup);

// `source` in the current language.
std::string Tr(const char* context, const char* source);

// Replaces %1 .. %9 in `pattern` by `args`, once each, so an argument that
// itself holds "%2" stays as it is.
std::string Fill(const std::string& pattern, std::initializer_list<std::string> args);

}  // namespace tessmoor

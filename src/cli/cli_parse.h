#pragma once
// The option parser's side of the command line in French: number options that accept the
// decimal comma and refuse an empty value, and the parser's own errors said in French.

#include <CLI/CLI.hpp>
#include <string>

namespace brontaxe::cli {

// Checks and normalises a number option's text before the parser converts it: an empty
// value, or one that is no number, is refused; "12,5" becomes "12.5".
CLI::Validator numberText();
// The same for a whole number ("3", "3,0"); the value must fit the option's int.
CLI::Validator wholeNumberText();
// A text option (a file name) that may not be empty.
CLI::Validator nonEmptyText();

// The help screen in French: its captions, and the kind of each option's value in French
// words ("ENTIER (de 1 à 10000)" for the parser's "INT:INT in [1 - 10000]").
void frenchHelp(CLI::App& app);
std::string frenchTypeName(const std::string& typeName);

// The parser's error in French: which option, and what was wrong with it.
std::string frenchParseError(const CLI::ParseError& e);

}  // namespace brontaxe::cli

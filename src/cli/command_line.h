#pragma once

// The command line's parser (CLI11), set up so that it never hangs and
// never guesses, and its errors in the tool's own words: one line on
// standard error that starts "rolvanta-cli:", exit status 2.
//
// - An option's value is the next word only when that word does not look
//   like an option ("-" alone and "-5" are values, "-x" and "-.5" are
//   not): in
//   "--save --profile X" --save has no value and is refused, where the
//   parser would otherwise save to a file named "--profile". A value that
//   begins with "-" is given as "--save=-x" (or a file as "./-x").
// - An empty value is refused for every option: leaving the option out is
//   how "not given" is said.
// - No option groups: CLI11 2.1.2 takes an empty word ("") for the name of
//   a nameless option group and then parses the rest of the command line
//   in that group, where an option it does not own is never consumed, so
//   the parse loops for ever. Which options go together is checked after
//   the parse instead.

#include <optional>
#include <string>
#include <string_view>

namespace CLI {
class App;
class Option;
}  // namespace CLI

namespace rolvanta::cli {

constexpr int kSucceeded = 0;
constexpr int kFailed = 1;
constexpr int kUsageError = 2;
constexpr int kWarned = 3;

// The longest value a message echoes, in characters.
constexpr std::size_t kLongestShownValue = 60;

// A value as a message echoes it: a byte that is not UTF-8 or a control
// character is shown escaped ("\xFF"), and a value longer than longest
// characters is cut to that length, its last one "…".
std::string shownValue(std::string_view value, std::size_t longest = kLongestShownValue);

// Tells a usage error ("rolvanta-cli: " and the message) and gives
// kUsageError.
int usage(const std::string& message);

// Tells a failure and gives kFailed.
int fail(const std::string& message);

// An option of command that takes one value, shown in the help as
// valueText.
CLI::Option* addValueOption(CLI::App& command, const std::string& name, std::string& value,
                            const std::string& description, const std::string& valueText);

// A flag: it takes no value ("--strict=yes" is refused).
CLI::Option* addFlag(CLI::App& command, const std::string& name, bool& value,
                     const std::string& description);

// Parses the command line into app's options. Empty: go on with what was
// parsed; else the exit status of a command line that is answered (--help
// and --version on standard output) or refused (one line told).
std::optional<int> parseCommandLine(CLI::App& app, int argc, char** argv);

// True when the option was given on the command line.
bool given(const CLI::Option* option);

}  // namespace rolvanta::cli

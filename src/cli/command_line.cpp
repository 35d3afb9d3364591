#include "cli/command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <utility>
#include <vector>

namespace rolvanta::cli {

namespace {

constexpr const char* kProgram = "rolvanta-cli";
constexpr std::size_t kLongestParserMessage = 300;

// The length of the UTF-8 sequence at the start of text, or 0 when it is
// not one (a stray continuation byte, an overlong form, a surrogate, a
// truncated sequence, beyond U+10FFFF).
std::size_t utf8SequenceLength(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || text.size() < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return 0;
    }
    const unsigned char second = byte(1);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
        return 0;
    }
    return length;
}

std::string escapedByte(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "\\x%02X", byte);
    return text;
}

bool blank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n\v\f") == std::string::npos;
}

// As the parser tells an option from a value: "-" and a character that may
// begin a name ("--" and a name for a long one), where "-5" is a value.
bool looksLikeOption(const std::string& word) {
    const auto beginsName = [](char c) { return c != '-' && c != '!' && c != ' ' && c != '\n'; };
    if (word.size() > 2 && word[0] == '-' && word[1] == '-') return beginsName(word[2]);
    return word.size() > 1 && word[0] == '-' && beginsName(word[1]) &&
           !(word[1] >= '0' && word[1] <= '9');
}

// The command's words, "rolvanta-cli catalogue add".
std::string commandPath(const CLI::App& command) {
    const CLI::App* parent = command.get_parent();
    return parent == nullptr ? kProgram : commandPath(*parent) + " " + command.get_name();
}

// The same after the tool's name, "catalogue add"; empty for the tool.
std::string commandWords(const CLI::App& command) {
    const std::string path = commandPath(command);
    return path.substr(std::min(path.size(), std::strlen(kProgram) + 1));
}

// The deepest command given, whose help lists what it takes.
const CLI::App& givenCommand(const CLI::App& app) {
    const std::vector<CLI::App*> given = app.get_subcommands();
    return given.empty() ? app : givenCommand(*given.front());
}

std::string helpHint(const CLI::App& command) { return commandPath(command) + " --help"; }

// A word no option or command took, named with the command it was given to.
std::optional<std::string> unexpectedWord(const CLI::App& command) {
    const std::vector<std::string> left = command.remaining();
    if (!left.empty()) {
        const std::string words = commandWords(command);
        const std::string prefix = words.empty() ? "" : words + ": ";
        return prefix + (looksLikeOption(left.front()) ? "unknown option \"" : "unexpected \"") +
               shownValue(left.front()) + "\" (" + helpHint(command) + " lists what it takes)";
    }
    for (const CLI::App* sub : command.get_subcommands()) {
        if (auto found = unexpectedWord(*sub)) return found;
    }
    return std::nullopt;
}

// The first option, in the order given, whose value is empty.
std::optional<std::string> emptyValue(const CLI::App& command) {
    for (const CLI::Option* option : command.parse_order()) {
        if (option->get_expected_max() == 0) continue;  // a flag
        for (const std::string& value : option->results()) {
            if (!blank(value)) continue;
            if (option->get_positional()) {
                return commandWords(command) + " needs " + option->get_option_text() +
                       ", not an empty word";
            }
            return option->get_name() + " needs a value: " + option->get_option_text();
        }
    }
    for (const CLI::App* sub : command.get_subcommands()) {
        if (auto found = emptyValue(*sub)) return found;
    }
    return std::nullopt;
}

// What the deepest command given still needs: its command, or an option or
// argument it requires.
std::optional<std::string> missing(const CLI::App& app) {
    const CLI::App& command = givenCommand(app);
    const std::string hint = " (" + helpHint(command) + ")";
    const std::string words = commandWords(command);
    if (command.get_require_subcommand_min() > 0) {
        std::string names;
        const std::vector<const CLI::App*> subcommands =
            command.get_subcommands([](const CLI::App*) { return true; });
        for (std::size_t i = 0; i < subcommands.size(); ++i) {
            names += (i == 0                        ? ""
                      : i + 1 == subcommands.size() ? " or "
                                                    : ", ") +
                     subcommands[i]->get_name();
        }
        return (words.empty() ? "a command is needed: " : words + " needs a command: ") + names +
               hint;
    }
    for (const CLI::Option* option : command.get_options()) {
        if (!option->get_required() || given(option)) continue;
        const std::string what = option->get_positional()
                                     ? option->get_option_text()
                                     : option->get_name() + " " + option->get_option_text();
        return words + " needs " + what + hint;
    }
    return std::nullopt;
}

// The parser's own message on one line, with the command's help named.
std::string parserMessage(const CLI::App& app, const CLI::ParseError& error) {
    std::string text;
    for (const char c : std::string(error.what())) text += c == '\n' ? ' ' : c;
    // CLI11 names the flag without its dashes here.
    const std::string override = " was given a disallowed flag override";
    if (text.size() > override.size() &&
        text.compare(text.size() - override.size(), override.size(), override) == 0) {
        text = "--" + text.substr(0, text.size() - override.size()) + " takes no value";
    }
    // It echoes no value of ours at length; only its bytes are made safe.
    return shownValue(text, kLongestParserMessage) + " (" + helpHint(givenCommand(app)) + ")";
}

}  // namespace

std::string shownValue(std::string_view value, std::size_t longest) {
    // Each piece is a character as shown: a UTF-8 character, or an escape.
    std::vector<std::pair<std::string, std::size_t>> pieces;
    std::size_t characters = 0;
    while (!value.empty()) {
        const std::size_t length = utf8SequenceLength(value);
        const unsigned char lead = static_cast<unsigned char>(value[0]);
        if (length == 0 || lead < 0x20 || lead == 0x7F) {
            pieces.emplace_back(escapedByte(lead), 4);
            value.remove_prefix(1);
        } else {
            pieces.emplace_back(std::string(value.substr(0, length)), 1);
            value.remove_prefix(length);
        }
        characters += pieces.back().second;
        if (characters > longest) break;  // cut: the rest is not shown
    }
    std::string shown;
    std::size_t kept = 0;
    for (const auto& [piece, width] : pieces) {
        if (characters > longest && kept + width > longest - 1) {
            return shown + "\xE2\x80\xA6";  // "…"
        }
        shown += piece;
        kept += width;
    }
    return shown;
}

int usage(const std::string& message) {
    std::cerr << kProgram << ": " << message << '\n';
    return kUsageError;
}

int fail(const std::string& message) {
    std::cerr << kProgram << ": " << message << '\n';
    return kFailed;
}

CLI::Option* addValueOption(CLI::App& command, const std::string& name, std::string& value,
                            const std::string& description, const std::string& valueText) {
    // Up to one value, so that the parser takes the next word only when it
    // is not an option; none at all is then refused as an empty value.
    return command.add_option(name, value, description)->expected(0, 1)->option_text(valueText);
}

CLI::Option* addFlag(CLI::App& command, const std::string& name, bool& value,
                     const std::string& description) {
    return command.add_flag(name, value, description)->disable_flag_override();
}

std::optional<int> parseCommandLine(CLI::App& app, int argc, char** argv) {
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& answered) {  // --help, --help-all, --version
        return app.exit(answered);
    } catch (const CLI::ParseError& error) {
        // A word that nothing took (a mistyped option) explains what follows
        // from it, such as a source missing: it is told first.
        if (auto word = unexpectedWord(app)) return usage(*word);
        if (auto empty = emptyValue(app)) return usage(*empty);
        if (auto needed = missing(app)) return usage(*needed);
        return usage(parserMessage(app, error));
    }
    if (auto empty = emptyValue(app)) return usage(*empty);
    return std::nullopt;
}

bool given(const CLI::Option* option) { return option->count() > 0; }

}  // namespace rolvanta::cli

#include "cli/name_list.h"

#include "cli/encoding.h"

namespace rl::cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The window program tests the first byte alone, with the C white-space set.
bool startsWithWhiteSpace(std::string_view line) {
    switch (line.front()) {
    case ' ': case '\t': case '\n': case '\v': case '\f': case '\r': return true;
    default: return false;
    }
}

// A stray CR or NUL in a name would break the line it lands in, and the
// entry field could not have taken one; a tab it takes like any character.
bool hasControlCharacter(std::string_view line) {
    for (char c : line) {
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F) return true;
    }
    return false;
}

// Why a line cannot be a name, or nothing; `name` receives its CP949 bytes.
std::string checkName(std::string_view line, std::string& name) {
    if (startsWithWhiteSpace(line)) return "the name begins with white space";
    if (hasControlCharacter(line)) return "the name contains a control character";
    if (!isValidUtf8(line)) return "the name is not valid UTF-8";
    auto converted = utf8ToCp949(line);
    if (!converted) return "the name has a character that code page 949 cannot hold";
    if (converted->size() > kMaxNameBytes) {
        return "the name takes " + std::to_string(converted->size()) + " bytes in code page 949, more than " +
               std::to_string(kMaxNameBytes);
    }
    name = std::move(*converted);
    return {};
}

}  // namespace

NameList parseNameList(std::string_view bytes, std::size_t maxNames, std::string_view noun) {
    NameList list;
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    int lineNumber = 0;
    while (!bytes.empty()) {
        ++lineNumber;
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;

        std::string name;
        std::string problem = checkName(line, name);
        if (problem.empty() && list.names.size() == maxNames) {
            problem = "more than " + std::to_string(maxNames) + " " + std::string(noun);
        }
        if (!problem.empty()) {
            list.names.clear();
            list.errorLine = lineNumber;
            list.error = std::move(problem);
            return list;
        }
        list.names.push_back(std::move(name));
    }
    return list;
}

}  // namespace rl::cli

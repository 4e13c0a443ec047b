#include "event/placement.h"

#include <iterator>

#include "engine/limits.h"
#include "engine/seed_entry.h"
#include "event/refusal.h"

namespace rl::event {

namespace {

// Every row names its values by slot: {0} the name, {1} the group's letter,
// {2} the last group's letter, {3} the place or the name's bytes, {4} the
// group's places or the most bytes a name may take.
struct FaultWording {
    PlacementProblem problem;
    const char* english;
    const char* korean;
};

constexpr FaultWording kWordings[] = {
    {PlacementProblem::None, "", ""},
    {PlacementProblem::Malformed, "the line is not GROUP<TAB>NAME (a group letter, a tab, the name)",
     u8"줄이 '조<탭>이름' 꼴(조 글자, 탭, 이름)이 아닙니다."},
    {PlacementProblem::NoSuchGroup, "there is no group {1}: the groups are A to {2}",
     u8"{1}조가 없습니다. 조는 A조부터 {2}조까지입니다."},
    {PlacementProblem::GroupFull, "group {1} has {4} places: none is left for '{0}'",
     u8"{1}조는 {4}자리라서 '{0}' 선수의 자리가 없습니다."},
    {PlacementProblem::EmptyName, "the name is empty", u8"이름이 비어 있습니다."},
    {PlacementProblem::NameWhiteSpace, "the name begins with white space", u8"이름이 공백으로 시작합니다."},
    {PlacementProblem::NameControl, "the name contains a control character", u8"이름에 제어 문자가 있습니다."},
    {PlacementProblem::NotUtf8, "the name is not valid UTF-8", u8"이름이 UTF-8이 아닙니다."},
    {PlacementProblem::NotCp949, "the name has a character that code page 949 cannot hold",
     u8"이름에 코드 페이지 949에 없는 문자가 있습니다."},
    {PlacementProblem::NameTooLong, "the name takes {3} bytes in code page 949, more than {4}",
     u8"이름이 코드 페이지 949로 {3}바이트라서 {4}바이트를 넘습니다."},
    {PlacementProblem::NotRegistered, "'{0}' is not a registered participant (or is named more often than registered)",
     u8"'{0}' 선수는 등록된 참가자가 아닙니다(또는 등록된 것보다 여러 번 나옵니다)."},
    {PlacementProblem::NoGroup, "'{0}' has no group", u8"'{0}' 선수의 조가 정해지지 않았습니다."},
    {PlacementProblem::PlaceRange, "the places of group {1} are 1 to {4}", u8"{1}조의 순서는 1부터 {4}까지입니다."},
    {PlacementProblem::PlaceTaken, "'{0}' and another player both take place {3} of group {1}",
     u8"{1}조 {3}번 자리에 '{0}' 선수와 다른 선수가 함께 있습니다."},
    {PlacementProblem::PlaceSkipped, "place {3} of group {1} is empty before a taken one: a group's vacancies come last",
     u8"{1}조 {3}번 자리가 비어 있는데 뒤 자리에 선수가 있습니다. 조의 빈자리는 끝에 옵니다."},
    {PlacementProblem::MalformedRace, "the line is not GROUP<TAB>NAME<TAB>RACE (a group letter, the name, the race or nothing)",
     u8"줄이 '조<탭>이름<탭>종족' 꼴(조 글자, 이름, 종족 또는 빈칸)이 아닙니다."},
    // English in the command line's words for a race (seed_entry.h).
    {PlacementProblem::UnknownRace, nullptr,
     u8"'{0}'은(는) 종족이 아닙니다. 종족은 T, Z, P, R(테란, 저그, 프로토스, 랜덤) 중 하나로 쓰거나 비워 두세요."},
};

constexpr bool inOrder() {
    for (std::size_t i = 0; i < std::size(kWordings); ++i) {
        if (static_cast<std::size_t>(kWordings[i].problem) != i) return false;
    }
    return static_cast<std::size_t>(PlacementProblem::UnknownRace) + 1 == std::size(kWordings);  // the last kind
}
static_assert(inOrder(), "one wording for each kind of placement fault, in order");

std::string letterOf(int group) { return std::string(1, static_cast<char>('A' + group)); }

std::vector<std::string> values(const PlacementFault& f) {
    return {f.name, letterOf(f.group), letterOf(f.groups - 1), std::to_string(f.number), std::to_string(f.limit)};
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

PlacementFault fault(PlacementProblem problem, std::string name = {}) { return {problem, 0, std::move(name)}; }

PlacementFault readRace(std::string_view utf8, const PlacementCodec& codec, std::vector<Race>& races) {
    Race race = Race::None;
    PlacementFault f = checkListRace(utf8, codec, race);
    if (f.ok()) races.push_back(race);
    return f;
}

// One line: its group, its name (CP949) and, when `races` is given, its race.
PlacementFault readLine(std::string_view line, int groupCount, const PlacementCodec& codec, int& group, std::string& name,
                        std::vector<Race>* races) {
    const std::size_t tab = line.find('\t');
    const PlacementProblem malformed = races ? PlacementProblem::MalformedRace : PlacementProblem::Malformed;
    if (tab == std::string_view::npos) return fault(malformed);
    PlacementFault f = groupOfLetter(line.substr(0, tab), groupCount, group);
    if (f.ok() && group < 0) return fault(malformed);
    std::string_view rest = line.substr(tab + 1);
    const std::size_t raceTab = races ? rest.find('\t') : std::string_view::npos;
    if (raceTab != std::string_view::npos && rest.find('\t', raceTab + 1) != std::string_view::npos) return fault(malformed);
    if (f.ok()) f = checkListName(rest.substr(0, raceTab), codec, name);
    if (f.ok() && races) f = readRace(raceTab == std::string_view::npos ? "" : rest.substr(raceTab + 1), codec, *races);
    return f;
}

std::string shownName(const std::string& cp949, const PlacementCodec& codec) { return codec.toUtf8(cp949).value_or("?"); }

}  // namespace

std::string englishPlacementFault(const PlacementFault& fault) {
    if (fault.problem == PlacementProblem::UnknownRace) return raceEntryProblem(fault.name);
    return filledIn(kWordings[static_cast<std::size_t>(fault.problem)].english, values(fault));
}

std::string koreanPlacementFault(const PlacementFault& fault) {
    return filledIn(kWordings[static_cast<std::size_t>(fault.problem)].korean, values(fault));
}

PlacementFault checkListRace(std::string_view utf8, const PlacementCodec& codec, Race& race) {
    const auto cp949 = codec.isUtf8(utf8) ? codec.fromUtf8(utf8) : std::nullopt;
    const std::optional<Race> named = cp949 ? parseRace(*cp949) : std::nullopt;
    if (!named) return fault(PlacementProblem::UnknownRace, std::string(codec.isUtf8(utf8) ? trimmed(utf8) : "?"));
    race = *named;
    return {};
}

// The characters first, then the encoding, then the length in code page 949.
PlacementFault checkListName(std::string_view utf8, const PlacementCodec& codec, std::string& cp949) {
    switch (nameCharacterProblem(utf8)) {
    case TextProblem::None: break;
    case TextProblem::Empty: return fault(PlacementProblem::EmptyName);
    case TextProblem::BeginsWithWhiteSpace: return fault(PlacementProblem::NameWhiteSpace);
    case TextProblem::ControlCharacter:
    case TextProblem::TooLong: return fault(PlacementProblem::NameControl);
    }
    if (!codec.isUtf8(utf8)) return fault(PlacementProblem::NotUtf8);
    auto converted = codec.fromUtf8(utf8);
    if (!converted) return fault(PlacementProblem::NotCp949, std::string(utf8));
    if (nameProblem(*converted) == TextProblem::TooLong) {
        PlacementFault f = fault(PlacementProblem::NameTooLong, std::string(utf8));
        f.number = static_cast<int>(converted->size());
        f.limit = static_cast<int>(kMaxNameBytes);
        return f;
    }
    cp949 = std::move(*converted);
    return {};
}

PlacementFault groupOfLetter(std::string_view text, int groupCount, int& group) {
    text = trimmed(text);
    group = -1;
    if (text.empty()) return {};
    const char c = text.size() == 1 ? text[0] : '\0';
    const int g = c >= 'a' && c <= 'z' ? c - 'a' : c >= 'A' && c <= 'Z' ? c - 'A' : -1;
    if (g < 0) return fault(PlacementProblem::Malformed);
    if (g >= groupCount) {
        PlacementFault f = fault(PlacementProblem::NoSuchGroup);
        f.group = g, f.groups = groupCount;
        return f;
    }
    group = g;
    return {};
}

PlacementText readPlacementText(std::string_view bytes, int groupCount, int groupSize, const PlacementCodec& codec,
                                bool races) {
    PlacementText text;
    text.placement.groups.resize(static_cast<std::size_t>(groupCount));
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
    for (int number = 1; !bytes.empty(); ++number) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view content = trimmed(line);
        if (content.empty() || content.front() == '#') continue;
        int group = -1;
        std::string name;
        PlacementFault f = readLine(line, groupCount, codec, group, name, races ? &text.races : nullptr);
        if (f.ok() && text.placement.groups[static_cast<std::size_t>(group)].size() >= static_cast<std::size_t>(groupSize)) {
            f = fault(PlacementProblem::GroupFull, shownName(name, codec));
            f.group = group, f.limit = groupSize;
        }
        if (!f.ok()) {
            f.line = number;
            text.fault = std::move(f);
            return text;
        }
        text.placement.groups[static_cast<std::size_t>(group)].push_back(static_cast<Pos>(text.placement.participants.size()));
        text.placement.participants.push_back(std::move(name));
        text.lines.push_back(number);
    }
    return text;
}

PlacementFault marksFromText(const PlacementText& text, const std::vector<std::string>& participants,
                             const PlacementCodec& codec, std::vector<PlaceMark>& marks) {
    // Each line's group and place, taken in the text's order.
    std::vector<PlaceMark> lines(text.placement.participants.size());
    for (std::size_t g = 0; g < text.placement.groups.size(); ++g) {
        for (std::size_t p = 0; p < text.placement.groups[g].size(); ++p) {
            lines[static_cast<std::size_t>(text.placement.groups[g][p])] = {static_cast<int>(g), static_cast<int>(p) + 1};
        }
    }
    marks.assign(participants.size(), PlaceMark{});
    for (std::size_t line = 0; line < lines.size(); ++line) {
        const std::string& name = text.placement.participants[line];
        std::size_t i = 0;
        while (i < participants.size() && (participants[i] != name || marks[i].group >= 0)) ++i;
        if (i == participants.size()) {
            PlacementFault f = fault(PlacementProblem::NotRegistered, shownName(name, codec));
            f.line = text.lines[line];
            return f;
        }
        marks[i] = lines[line];
    }
    return {};
}

PlacementFault placementFromMarks(const std::vector<PlaceMark>& marks, const std::vector<std::string>& participants,
                                  int groupCount, int groupSize, const PlacementCodec& codec, Placement& out) {
    std::vector<std::vector<Pos>> places(static_cast<std::size_t>(groupCount),
                                         std::vector<Pos>(static_cast<std::size_t>(groupSize), kNone));
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const PlaceMark& m = marks[i];
        PlacementFault f = fault(PlacementProblem::None, shownName(participants[i], codec));
        f.group = m.group, f.number = m.place, f.groups = groupCount, f.limit = groupSize;
        if (m.group < 0) f.problem = PlacementProblem::NoGroup;
        else if (m.group >= groupCount) f.problem = PlacementProblem::NoSuchGroup;
        else if (m.place < 1 || m.place > groupSize) f.problem = PlacementProblem::PlaceRange;
        else if (places[static_cast<std::size_t>(m.group)][static_cast<std::size_t>(m.place - 1)] != kNone) f.problem = PlacementProblem::PlaceTaken;
        if (!f.ok()) return f;
        places[static_cast<std::size_t>(m.group)][static_cast<std::size_t>(m.place - 1)] = static_cast<Pos>(i);
    }
    out = Placement{participants, {}};
    for (std::size_t g = 0; g < places.size(); ++g) {
        out.groups.emplace_back();
        for (std::size_t p = 0; p < places[g].size(); ++p) {
            if (places[g][p] != kNone && p > out.groups.back().size()) {
                PlacementFault f = fault(PlacementProblem::PlaceSkipped);
                f.group = static_cast<int>(g), f.number = static_cast<int>(out.groups.back().size()) + 1;
                return f;
            }
            if (places[g][p] != kNone) out.groups.back().push_back(places[g][p]);
        }
    }
    return {};
}

}  // namespace rl::event

#include "cli/results_file.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "cli/encoding.h"

namespace rl::cli {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kBlanks = " \t";

// One result line as written, before the results of other lines are known.
struct Line {
    int number = 0;
    MatchKey key;
    std::optional<Score> score;  // "W:L"; otherwise winnerName
    std::string winnerName;      // UTF-8, as written
};

std::string_view trim(std::string_view text) {
    const std::size_t begin = text.find_first_not_of(kBlanks);
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(kBlanks) - begin + 1);
}

// The next blank-separated word, taken off the front of `rest`.
std::string_view takeWord(std::string_view& rest) {
    rest = trim(rest);
    const std::size_t end = std::min(rest.find_first_of(kBlanks), rest.size());
    const std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end);
    return word;
}

// The group's index for a letter A to Z in either case, or -1.
int groupOfLetter(std::string_view word) {
    if (word.size() != 1) return -1;
    const char c = word[0];
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a';
    return -1;
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Digits past what any count here needs read as a number out of range.
int smallNumber(std::string_view digits) {
    if (digits.size() > 6) return 1000000;
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

// "W:L", blanks allowed around the colon; anything else is a name.
std::optional<Score> parseScore(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    const std::string_view won = trim(text.substr(0, colon)), lost = trim(text.substr(colon + 1));
    if (!allDigits(won) || !allDigits(lost)) return std::nullopt;
    return Score{smallNumber(won), smallNumber(lost)};
}

std::string matchName(const MatchKey& key) {
    return "match " + std::to_string(key.number) + " of group " + static_cast<char>('A' + key.group);
}

std::string reason(ResultProblem problem, const Line& line, const AssignmentState& state) {
    const auto groups = static_cast<int>(state.groupTable.size());
    const std::string last(1, static_cast<char>('A' + groups - 1));
    const auto g = static_cast<std::size_t>(line.key.group);
    switch (problem) {
    case ResultProblem::NoSuchGroup:
        return std::string("there is no group ") + static_cast<char>('A' + line.key.group) + " in the draw (" +
               (groups == 1 ? "only A" : "A to " + last) + ")";
    case ResultProblem::NoSuchMatch: {
        const int count = g < state.matchCount.size() ? state.matchCount[g] : 0;
        return std::string("group ") + static_cast<char>('A' + line.key.group) + " has no match " +
               std::to_string(line.key.number) +
               (count == 0 ? " (it has no matches)" : " (its matches are 1 to " + std::to_string(count) + ")");
    }
    case ResultProblem::Bye: return matchName(line.key) + " is a bye: it has no result";
    case ResultProblem::PlayersNotKnown: return "the players of " + matchName(line.key) + " are not both known yet";
    case ResultProblem::ScoreOutOfRange:
        return "maps won must be whole numbers from 0 to " + std::to_string(kMaxMapsWon);
    case ResultProblem::Tie: return "a tie: one player must win more maps than the other";
    case ResultProblem::NotAPlayer: return "'" + line.winnerName + "' is neither player of " + matchName(line.key);
    case ResultProblem::BothPlayers:
        return "both players of " + matchName(line.key) + " are named '" + line.winnerName + "': give the score";
    case ResultProblem::None: break;
    }
    return {};
}

class Reader {
public:
    Reader(const AssignmentState& state, Host& host, const Results& earlier)
        : state_(state), host_(host), earlier_(earlier) {}

    // Everything a line can be refused for on its own; the players of a
    // knock-out match wait for the other lines.
    bool takeLine(int number, std::string_view text) {
        if (!isValidUtf8(text)) return fail(number, "the line is not valid UTF-8");
        text = trim(text);
        if (text.empty() || text.front() == '#') return true;
        const std::string_view group = takeWord(text), match = takeWord(text), score = trim(text);
        if (groupOfLetter(group) < 0 || !allDigits(match) || score.empty()) {
            return fail(number, "expected GROUP MATCH SCORE, such as 'A 1 2:0' or 'A 1 Quill'");
        }
        Line line{number, {groupOfLetter(group), smallNumber(match)}, parseScore(score), std::string(score)};
        ResultProblem problem = checkMatch(state_, Results(), line.key);
        if (problem == ResultProblem::PlayersNotKnown) problem = ResultProblem::None;
        if (problem == ResultProblem::None && line.score) problem = checkScore(*line.score);
        if (problem != ResultProblem::None) return fail(number, reason(problem, line, state_));
        for (const Line& earlier : lines_) {
            if (earlier.key == line.key) {
                return fail(number, "a second result for " + matchName(line.key) + " (the first is on line " +
                                        std::to_string(earlier.number) + ")");
            }
        }
        lines_.push_back(std::move(line));
        return true;
    }

    // In match order, so that every earlier round's results are in before
    // a later round's players are looked for.
    bool settle() {
        std::stable_sort(lines_.begin(), lines_.end(), [](const Line& a, const Line& b) { return a.key < b.key; });
        file_.results = earlier_;
        for (const Line& line : lines_) {
            Score score = line.score.value_or(Score{});
            ResultProblem problem = line.score ? checkResult(state_, file_.results, line.key, score)
                                               : nameProblem(line, score);
            if (problem != ResultProblem::None) return fail(line.number, reason(problem, line, state_));
            if (const Score* before = file_.results.find(line.key); before && winsFirst(*before) != winsFirst(score)) {
                takeAwayLaterResults(line.key);
            }
            file_.results.set(line.key, score);
        }
        return true;
    }

    ResultsFile take() { return std::move(file_); }

private:
    static bool winsFirst(Score score) { return score.first > score.second; }

    bool givenByALine(MatchKey key) const {
        return std::any_of(lines_.begin(), lines_.end(), [&](const Line& line) { return line.key == key; });
    }

    // The other player now goes on: what the old winner played later was
    // played by someone who should not have been there.
    void takeAwayLaterResults(MatchKey key) {
        for (int number : dependentResults(state_, file_.results, key)) {
            const MatchKey later{key.group, number};
            if (givenByALine(later)) continue;
            file_.results.clear(later);
            file_.takenAway.push_back(later);
        }
    }

    ResultProblem nameProblem(const Line& line, Score& score) {
        const auto name = utf8ToCp949(line.winnerName);
        if (!name) {
            const ResultProblem problem = checkMatch(state_, file_.results, line.key);
            return problem == ResultProblem::None ? ResultProblem::NotAPlayer : problem;
        }
        return scoreForWinner(state_, file_.results, host_, line.key, *name, score);
    }

    bool fail(int number, std::string error) {
        file_ = ResultsFile{};
        file_.errorLine = number;
        file_.error = std::move(error);
        return false;
    }

    const AssignmentState& state_;
    Host& host_;
    const Results& earlier_;
    std::vector<Line> lines_;
    ResultsFile file_;
};

}  // namespace

ResultsFile readResultsFile(std::string_view bytes, const AssignmentState& state, Host& host,
                            const Results& earlier) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
    Reader reader(state, host, earlier);
    int number = 0;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view text = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        if (!reader.takeLine(++number, text)) return reader.take();
    }
    reader.settle();
    return reader.take();
}

}  // namespace rl::cli

#pragma once
// What the page's parts share: escaping and small pieces of markup.
#include <string>
#include <string_view>

#include "page/page.h"

namespace rl::page::html {

// Text as it reads: markup characters become references, and control
// characters, which HTML does not allow, the replacement character.
void appendText(std::string& out, std::string_view text);

// <tag class="cls">text</tag>, the text escaped; no class when cls is empty.
void appendElement(std::string& out, std::string_view tag, std::string_view cls, std::string_view text);

// A player's name and, when known, their race's mark after it.
void appendName(std::string& out, std::string_view name, Race race);
// <tag class="cls">name and race mark</tag>.
void appendNamed(std::string& out, std::string_view tag, std::string_view cls, std::string_view name, Race race);

std::string number(int value);
// "2:1", or "vs" before the match is played.
std::string scoreText(const MatchView& m);
// A side as the texts write it: the name, or "<3경기 승자>" while unknown.
std::string sideText(const Side& side);

// "3전 2선승" (UTF-8).
std::string seriesLengthText(int bestOf);
// A series' length and its maps in game order, for a schedule's cell or a
// bracket's box; nothing for a match of one game.
void appendSeries(std::string& out, const MatchView& m);
bool anySeries(const PageView& view);
// Whether a series has a game as played.
bool anyGames(const PageView& view);

// The bracket of a knock-out group or of the playoff.
void appendBracket(std::string& out, const SectionView& section);

// A dual tournament group of three or four: its five matches in three
// columns, the lines that carry each winner and loser on, and its places.
void appendDualBracket(std::string& out, const SectionView& section);
// A match's box, as both kinds of bracket draw it.
void appendBox(std::string& out, const SectionView& section, const MatchView& match);

// "맵별 종족 전적": a row a map, its games and each matchup played on it,
// and the event's every game; nothing without races, maps or games.
void appendMapRaces(std::string& out, const PageView& view);
// The columns of each player's record against each race: the final
// standings' and a team league's players' records.
void appendAgainstHeads(std::string& out, const std::vector<Race>& races);
void appendAgainst(std::string& out, const std::vector<WonLost>& against);

// A team league's section: each team match with its sets and all-kills
// (a bracket's: those with any entered), its team table; the event's
// players' records.
void appendTeamSchedule(std::string& out, const SectionView& section);
void appendRoster(std::string& out, const std::vector<std::string>& players);
void appendTeamTable(std::string& out, const std::vector<RowView>& rows);
void appendPlayerRecords(std::string& out, const PageView& view);

// The style sheet, screen and print; the seeded draw's and the dual groups'
// rules only go into pages that have them.
extern const char* const kStyle;
extern const char* const kSeedStyle;
extern const char* const kChangeStyle;
extern const char* const kDualStyle;
extern const char* const kSeriesStyle;
extern const char* const kGamesStyle;
extern const char* const kRaceStyle;
extern const char* const kRaceStatsStyle;
extern const char* const kTeamStyle;
extern const char* const kTeamRaceStyle;

}  // namespace rl::page::html

#pragma once
// Why the event reader refused a file, as data: the kind, the place (a JSON
// pointer; empty for the file as a whole) and the values the message names.
// Each front end words it in its people's language from one table.
#include <string>
#include <string_view>
#include <vector>

#include "text/wording.h"  // filledIn, which every table of wordings reads its rows through

namespace rl::event {

enum class Refused {
    NotUtf8, NotJson, BinaryValue, KeyTwice, NestedTooDeep, NotJsonAtAll, TooLarge, OutOfMemory, NameNotBack,
    NoKey, NotObject, NotArray, NotBoolean, NotWhole, OutOfRange, NotString, NotOurFormat, NewerVersion,
    TooLong, NotDateTime, EmptyName, NameWhiteSpace, NameControl, NameNotCp949, NameTooLong, TooManyNames,
    SeedTextHash, SeedNotFromText, NoParticipants, ParticipantsDoNotFit, NoMaps, PotsCount, TagsCount,
    EmptyTag, TagControl, TagNotCp949, TagTooLong, GroupCount, PlaceCount, MemberSpread, MemberInTurn,
    EmptySpread, EmptyInTurn, PlacedTwice, NotAParticipant, MatchCount, ByeMap, MapsNotUsed, MapName,
    NotAMap, ScoreForm, ByeResult, PlayersNotKnown, Tie, CannotStand, PerGroup, PlayoffCannotBeMade,
    PlayoffMatchCount, PlayoffResult, NotAGroup, NotATie, NotAMember, FingerprintHash, WrongFingerprint,
    UnknownKey, EntryCount, NotWhatFollows, UnknownFormat, FormatNotKnockOut, FormatGroupSize, BestOf, PlayoffBestOf,
    SeriesMapCount, SeriesScore, WalkoverForm, UnknownRule, NotThatEntry, WithdrawnTwice,
    GameWinner, GamesCannotStand, PlacedAndSeeded, MemberAfterVacancy, NotPlaced, ChangeForm, NameTaken,
    TooManyChanges, PlayoffPairs, RacesCount, UnknownRace, RostersCount, RosterRacesCount, RosterTwice, NotOnRoster, NotATeamMatch,
    TeamRule,  // the last: see refusal.cpp
};

struct Refusal {
    Refused why = Refused::NotJsonAtAll;
    std::string place;                // a JSON pointer, UTF-8; empty: the file
    std::vector<std::string> values;  // UTF-8, as the message shows them
};

// The reader's message in English (what rosterloom-cli prints) and in
// Korean (what the window program shows), both UTF-8.
std::string englishRefusal(const Refusal& refusal);
std::string koreanRefusal(const Refusal& refusal);

}  // namespace rl::event

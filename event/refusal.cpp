#include "event/refusal.h"

#include <iterator>
#include <string_view>

namespace rl::event {

namespace {

// "{N}" is the message's value N; "{N|one|many}" is value N followed by the
// word for one or for many. A bare message names its own place (a byte
// offset) or none; any other follows its place, or "the file".
struct Wording {
    Refused why;
    bool bare;
    const char* english;
    const char* korean;
};

constexpr Wording kWordings[] = {
    {Refused::NotUtf8, true, "byte {0}: not UTF-8", u8"바이트 {0}: UTF-8이 아닙니다"},
    {Refused::NotJson, true, "byte {0}: not valid JSON: {1}", u8"바이트 {0}: 올바른 JSON이 아닙니다"},
    {Refused::BinaryValue, true, "binary values are not JSON", u8"이진 값은 JSON에 없습니다"},
    {Refused::KeyTwice, false, "the key appears twice", u8"같은 키가 두 번 나옵니다"},
    {Refused::NestedTooDeep, false, "nested more than {0} levels deep", u8"{0}단계보다 깊이 겹쳐 있습니다"},
    {Refused::NotJsonAtAll, true, "not valid JSON", u8"올바른 JSON이 아닙니다"},
    {Refused::TooLarge, true, "the file is larger than {0} MiB ({1} bytes)",
     u8"파일이 {1}바이트로, {0}메비바이트보다 큽니다"},
    {Refused::OutOfMemory, true, "out of memory", u8"메모리가 모자랍니다"},
    {Refused::NameNotBack, false, "a name does not convert back to UTF-8", u8"UTF-8로 되돌릴 수 없는 이름이 있습니다"},
    {Refused::NoKey, false, "has no key \"{0}\"", u8"\"{0}\" 키가 없습니다"},
    {Refused::NotObject, false, "must be an object", u8"객체여야 합니다"},
    {Refused::NotArray, false, "must be an array", u8"배열이어야 합니다"},
    {Refused::NotBoolean, false, "must be true or false", u8"참이나 거짓이어야 합니다"},
    {Refused::NotWhole, false, "must be a whole number", u8"정수여야 합니다"},
    {Refused::OutOfRange, false, "must be from {0} to {1}, not {2}", u8"{0}부터 {1}까지여야 하는데 {2}입니다"},
    {Refused::NotString, false, "must be a string", u8"문자열이어야 합니다"},
    {Refused::NotOurFormat, false, "is {0}, not \"{1}\": this is not a Rosterloom event",
     u8"\"{1}\"이어야 하는데 {0}입니다: 이 프로그램의 대회 파일이 아닙니다"},
    {Refused::NewerVersion, false, "version {0} is newer than this program reads ({1}): open it with a newer Rosterloom",
     u8"이 프로그램이 읽는 버전({1})보다 새로운 버전 {0}입니다: 새 버전의 프로그램으로 여십시오"},
    {Refused::TooLong, false, "is longer than {0} bytes", u8"{0}바이트보다 깁니다"},
    {Refused::NotDateTime, false, "must be a local date and time, YYYY-MM-DDTHH:MM:SS",
     u8"현지 날짜와 시각, YYYY-MM-DDTHH:MM:SS 꼴이어야 합니다"},
    {Refused::EmptyName, false, "a name cannot be empty", u8"이름이 비어 있으면 안 됩니다"},
    {Refused::NameWhiteSpace, false, "the name begins with white space", u8"이름이 공백으로 시작합니다"},
    {Refused::NameControl, false, "the name contains a control character", u8"이름에 제어 문자가 있습니다"},
    {Refused::NameNotCp949, false, "the name has a character that code page 949 cannot hold",
     u8"이름에 코드 페이지 949에 없는 문자가 있습니다"},
    {Refused::NameTooLong, false, "the name takes {0} bytes in code page 949, more than {1}",
     u8"이름이 코드 페이지 949로 {0}바이트라서 {1}바이트를 넘습니다"},
    {Refused::TooManyNames, false, "holds {0|name|names}, more than {1}", u8"이름이 {0}개라서 {1}개를 넘습니다"},
    {Refused::SeedTextHash, false, "its SHA-256 cannot be computed", u8"SHA-256을 계산할 수 없습니다"},
    {Refused::SeedNotFromText, false, "is {0}, but the seed that seedText gives is {1}",
     u8"{0}인데 시드 글이 주는 시드는 {1}입니다"},
    {Refused::NoParticipants, false, "there are no participants", u8"참가자가 없습니다"},
    {Refused::ParticipantsDoNotFit, false, "{0|participant|participants} do not fit in {1|group|groups} of {2}",
     u8"참가자 {0}명이 {2}자리 조 {1}개에 다 들어가지 않습니다"},
    {Refused::NoMaps, false, "maps are used, but there are none", u8"맵을 쓰는데 맵이 하나도 없습니다"},
    {Refused::PotsCount, false, "must hold one pot (or null) for each participant",
     u8"참가자마다 시드 하나(없으면 널)를 담아야 합니다"},
    {Refused::TagsCount, false, "must hold one tag (or null) for each participant",
     u8"참가자마다 소속 하나(없으면 널)를 담아야 합니다"},
    {Refused::EmptyTag, false, "an empty tag must be null", u8"빈 소속은 널이어야 합니다"},
    {Refused::TagControl, false, "the tag contains a control character", u8"소속에 제어 문자가 있습니다"},
    {Refused::TagNotCp949, false, "the tag has a character that code page 949 cannot hold",
     u8"소속에 코드 페이지 949에 없는 문자가 있습니다"},
    {Refused::TagTooLong, false, "the tag takes {0} bytes in code page 949, more than {1}",
     u8"소속이 코드 페이지 949로 {0}바이트라서 {1}바이트를 넘습니다"},
    {Refused::GroupCount, false, "holds {0|group|groups}, but the settings say {1}",
     u8"조가 {0}개인데 설정은 {1}개입니다"},
    {Refused::PlaceCount, false, "holds {0|place|places}, but each group has {1}",
     u8"자리가 {0}개인데 조마다 {1}자리입니다"},
    {Refused::MemberSpread, false,
     "must be a member: {0|participant|participants} in {1|group|groups} of {2}, vacancies spread, give group {3} {4} members",
     u8"참가자의 자리여야 합니다: 참가자 {0}명을 {2}자리 조 {1}개에 빈자리를 고르게 나누어 넣으면 {3}조는 {4}명입니다"},
    {Refused::MemberInTurn, false,
     "must be a member: {0|participant|participants} in {1|group|groups} of {2}, filled in turn, give group {3} {4} members",
     u8"참가자의 자리여야 합니다: 참가자 {0}명을 {2}자리 조 {1}개에 차례로 채우면 {3}조는 {4}명입니다"},
    {Refused::EmptySpread, false,
     "must be an empty place (null): {0|participant|participants} in {1|group|groups} of {2}, vacancies spread, give "
     "group {3} {4} members",
     u8"빈자리(널)여야 합니다: 참가자 {0}명을 {2}자리 조 {1}개에 빈자리를 고르게 나누어 넣으면 {3}조는 {4}명입니다"},
    {Refused::EmptyInTurn, false,
     "must be an empty place (null): {0|participant|participants} in {1|group|groups} of {2}, filled in turn, give "
     "group {3} {4} members",
     u8"빈자리(널)여야 합니다: 참가자 {0}명을 {2}자리 조 {1}개에 차례로 채우면 {3}조는 {4}명입니다"},
    {Refused::PlacedTwice, false, "{0} is placed twice", u8"{0}: 두 번 배정되었습니다"},
    {Refused::NotAParticipant, false, "{0} is not a participant", u8"{0}: 참가자 명단에 없는 이름입니다"},
    {Refused::MatchCount, false, "holds {0|match|matches}, but its {1|member|members} play {2}",
     u8"경기가 {0}개인데 조원 {1}명의 경기는 {2}개입니다"},
    {Refused::ByeMap, false, "a bye has no map (null)", u8"부전승에는 맵이 없습니다(널)"},
    {Refused::MapsNotUsed, false, "maps are not used: it must be null", u8"맵을 쓰지 않으므로 널이어야 합니다"},
    {Refused::MapName, false, "must be the name of a map in the map list", u8"맵 목록에 있는 맵의 이름이어야 합니다"},
    {Refused::NotAMap, false, "{0} is not in the map list", u8"{0}: 맵 목록에 없습니다"},
    {Refused::ScoreForm, false, "must be null or [W, L], the maps each player won",
     u8"널이거나 두 선수가 이긴 맵의 수 [W, L]이어야 합니다"},
    {Refused::ByeResult, false, "a bye has no result: it must be null", u8"부전승에는 결과가 없으므로 널이어야 합니다"},
    {Refused::PlayersNotKnown, false, "the players of this match are not both known yet",
     u8"이 경기의 두 선수가 아직 다 정해지지 않았습니다"},
    {Refused::Tie, false, "a tie: one player must win more maps than the other",
     u8"비겼습니다: 한 선수가 맵을 더 많이 이겨야 합니다"},
    {Refused::CannotStand, false, "this result cannot stand", u8"이 결과는 인정할 수 없습니다"},
    {Refused::PerGroup, false, "must be 1, 2 or 4", u8"1, 2, 4 가운데 하나여야 합니다"},
    {Refused::PlayoffCannotBeMade, false,
     "cannot be made: a group has matches to play, or a tie that decides who goes through is not settled, or the "
     "players are too few or too many",
     u8"본선을 만들 수 없습니다: 경기가 남은 조가 있거나, 진출을 가르는 동률 순위가 정해지지 않았거나, 선수가 너무 "
     u8"적거나 많습니다"},
    {Refused::PlayoffMatchCount, false, "holds {0|match|matches}, but the playoff has {1}",
     u8"경기가 {0}개인데 본선은 {1}경기입니다"},
    {Refused::PlayoffResult, false, "this result cannot stand (a bye, players not both known yet, or a tie)",
     u8"이 결과는 인정할 수 없습니다(부전승이거나, 두 선수가 아직 다 정해지지 않았거나, 비겼습니다)"},
    {Refused::NotAGroup, false, "is not a group of the draw", u8"배정에 없는 조입니다"},
    {Refused::NotATie, false, "does not settle members of group {0} that share a rank deciding who goes through",
     u8"{0}조에서 순위를 나누어 가진 조원들의 순서가 아닙니다"},
    {Refused::NotAMember, false, "{0} is not a member of group {1} (or is named twice)",
     u8"{0}: {1}조의 조원이 아닙니다(또는 두 번 나옵니다)"},
    {Refused::FingerprintHash, false, "SHA-256 cannot be computed", u8"SHA-256을 계산할 수 없습니다"},
    {Refused::WrongFingerprint, false, "is not the fingerprint of the file's inputs, which is \"{0}\"",
     u8"파일의 입력에서 나온 지문이 아닙니다: 지문은 \"{0}\"입니다"},
    {Refused::UnknownKey, false, "is not a key of the event file", u8"대회 파일에 없는 키입니다"},
    {Refused::EntryCount, false, "holds {0|entry|entries}, but the draw and results give {1}",
     u8"항목이 {0}개인데 배정과 결과로는 {1}개입니다"},
    {Refused::NotWhatFollows, false, "is {0}, but the draw and results give {1}", u8"{0}인데 배정과 결과로는 {1}입니다"},
    {Refused::UnknownFormat, false, "is {0}, not \"dual\"", u8"{0}입니다. 이 프로그램이 아는 조 방식은 듀얼 토너먼트뿐입니다"},
    {Refused::FormatNotKnockOut, false, "must be true: a dual tournament is a knock-out",
     u8"참이어야 합니다: 듀얼 토너먼트는 토너먼트입니다"},
    {Refused::FormatGroupSize, false, "must be 4: a dual tournament group has four places",
     u8"4여야 합니다: 듀얼 토너먼트의 조는 네 자리입니다"},
    {Refused::BestOf, false, "must be 3, 5 or 7 (a match of one game is written without it)",
     u8"3, 5, 7 가운데 하나여야 합니다(한 판 경기는 적지 않습니다)"},
    {Refused::PlayoffBestOf, false, "must be 1 to {0} lengths, each 1, 3, 5 or 7",
     u8"길이 1개부터 {0}개까지, 각각 1, 3, 5, 7 가운데 하나여야 합니다"},
    {Refused::SeriesMapCount, false, "holds {0|map|maps}, but a best-of-{1} match has one for each game",
     u8"맵이 {0}개인데 {1}전 경기는 세트마다 맵이 하나씩 있습니다"},
    {Refused::SeriesScore, false, "a best-of-{0} match is won with {1} maps: the winner has exactly that many, the loser fewer",
     u8"{0}전 {1}선승 경기입니다: 이긴 선수가 맵을 꼭 {1}개, 진 선수는 그보다 적게 이겨야 합니다"},
    {Refused::WalkoverForm, false, "must be true, or \"withdrawal\" for the walkover a withdrawal made",
     u8"참이거나, 기권으로 생긴 부전승이면 그 표시여야 합니다"},
    {Refused::UnknownRule, false, "is {0}, not \"walkovers\" or \"void\"",
     u8"{0}입니다. 이 프로그램이 아는 기권 규칙이 아닙니다"},
    {Refused::NotThatEntry, false, "is {0}, but place {1} of group {2} is {3}", u8"{0}인데 {2}조 {1}번 자리는 {3}입니다"},
    {Refused::WithdrawnTwice, false, "withdraws a player already withdrawn", u8"이미 기권한 참가자가 또 기권합니다"},
    {Refused::GameWinner, false, "{0} is neither player of the match", u8"{0}: 이 경기의 선수가 아닙니다"},
    {Refused::GamesCannotStand, false,
     "these games cannot stand (a bye, players not both known yet, a game past the match's length or after it was "
     "decided, or games that do not count to its score)",
     u8"이 세트 결과는 인정할 수 없습니다(부전승이거나, 두 선수가 아직 다 정해지지 않았거나, 경기 길이를 넘거나 승부가 "
     u8"난 뒤의 세트이거나, 경기 점수와 맞지 않습니다)"},
    {Refused::PlacedAndSeeded, false, "groups placed by hand have no seeded draw",
     u8"직접 편성한 조에는 시드 배정이 없습니다"},
    {Refused::MemberAfterVacancy, false, "a member cannot follow an empty place: a group's vacancies come last",
     u8"빈자리 뒤에 참가자가 올 수 없습니다: 조의 빈자리는 끝에 옵니다"},
    {Refused::NotPlaced, false, "{0} is in no group", u8"{0}: 어느 조에도 없습니다"},
    {Refused::ChangeForm, false,
     "must be a replacement {\"replaced\", \"by\"}, a swap {\"swapped\"} of two places or a move "
     "{\"moved\", \"to\", \"maps\"} to an empty place",
     u8"교체({\"replaced\", \"by\"}), 두 자리의 맞교환({\"swapped\"}), 빈자리로 옮김({\"moved\", \"to\", "
     u8"\"maps\"}) 중 하나여야 합니다"},
    {Refused::NameTaken, false, "{0} is a participant's name already", u8"{0}: 이미 참가자에게 있는 이름입니다"},
    {Refused::TooManyChanges, false, "holds more than {0} changes", u8"변경이 {0}개를 넘습니다"},
    {Refused::PlayoffPairs, false,
     "must be the first round from the top, pairs such as \"A1-D2\" and byes such as \"A1\", that seat each "
     "player of the playoff once",
     u8"첫 판 대진을 위에서부터 \"A1-D2\" 같은 대진과 \"A1\" 같은 부전승으로 적어, 본선에 오르는 선수를 한 번씩 "
     u8"앉혀야 합니다"},
    {Refused::RacesCount, false, "must hold one race (or null) for each participant the draw was drawn from",
     u8"조 추첨에 든 참가자마다 종족 하나(없으면 널)를 담아야 합니다"},
    {Refused::UnknownRace, false, "is {0}, not a race: \"T\", \"Z\", \"P\" or \"R\"",
     u8"{0}입니다. 종족은 \"T\", \"Z\", \"P\", \"R\" 가운데 하나입니다"},
    {Refused::RostersCount, false,
     "must hold one roster of 1 to {0} players for each team the draw was drawn from (and each team a replacement "
     "brought in)",
     u8"조 추첨에 든 팀(과 교체로 들어온 팀)마다 선수 1명부터 {0}명까지의 명단 하나를 담아야 합니다"},
    {Refused::RosterRacesCount, false, "must hold, roster by roster, one race (or null) for each player",
     u8"명단마다 선수 한 명에 종족 하나(없으면 널)씩 담아야 합니다"},
    {Refused::RosterTwice, false, "{0} is on the roster twice", u8"{0}: 선수 명단에 두 번 나옵니다"},
    {Refused::NotOnRoster, false, "{0} is not on the roster of {1}", u8"{0}은(는) {1} 팀의 선수 명단에 없습니다"},
    {Refused::NotATeamMatch, false, "is not a match of two known teams, or appears twice",
     u8"두 팀이 정해진 경기가 아니거나 두 번 나옵니다"},
    {Refused::TeamRule, false, "{0}", u8"{1}"},
};

// Every kind has its wording, in the kinds' order.
constexpr bool inOrder() {
    for (std::size_t i = 0; i < std::size(kWordings); ++i) {
        if (static_cast<std::size_t>(kWordings[i].why) != i) return false;
    }
    return static_cast<std::size_t>(Refused::TeamRule) + 1 == std::size(kWordings);  // the last kind
}
static_assert(inOrder(), "one wording for each kind of refusal, in order");

std::string worded(const Refusal& r, const char* Wording::*language, const char* wholeFile) {
    const Wording& w = kWordings[static_cast<std::size_t>(r.why)];
    const std::string text = filledIn(w.*language, r.values);
    if (w.bare) return text;
    return (r.place.empty() ? std::string(wholeFile) : r.place) + ": " + text;
}

}  // namespace

std::string englishRefusal(const Refusal& refusal) { return worded(refusal, &Wording::english, "the file"); }

std::string koreanRefusal(const Refusal& refusal) { return worded(refusal, &Wording::korean, u8"파일"); }

}  // namespace rl::event

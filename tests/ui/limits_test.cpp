// The window program at its limits: full lists typed through the entry
// fields, and the longest names (49 bytes) shown and exported whole.
#include <string>
#include <vector>

#include "engine/assignment.h"
#include "resources/strings.h"
#include "tests/ui/result_fixture.h"
#include "text/export_text.h"
#include "text/result_view.h"

namespace rl::ui::test {
namespace {

using Names = std::vector<std::string>;

constexpr int kMaxPlaces = 64;  // 8 groups of 8
constexpr const char* kSyllables[16] = {"가", "나", "다", "라", "마", "바", "사", "아",
                                        "자", "차", "카", "타", "파", "하", "한", "글"};

// 24 Hangul syllables and a letter, each name its own. Half put the letter
// first, so that a cut at 48 bytes would leave a lone lead byte behind.
Names longestNames(char kind, int count) {
    Names names;
    for (int i = 0; i < count; ++i) {
        std::string syllables;
        for (int k = 0; k < 22; ++k) syllables += kSyllables[(k + i) % 16];
        syllables += std::string(kSyllables[i / 16 % 16]) + kSyllables[i % 16];
        names.push_back(i % 2 ? kind + syllables : syllables + kind);
    }
    return names;
}

std::size_t occurrences(const std::string& text, const std::string& name) {
    std::size_t found = 0;
    for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + 1)) ++found;
    return found;
}

class LimitsTest : public ResultFixture {
protected:
    // Every list filled to its limit through its field, the last entry
    // checked, then one more refused.
    void typeEverything() {
        for (int i : {0, 1}) ASSERT_EQ(participants[i].size(), 49u);
        for (const std::string& name : participants) enter(IDC_PARTICIPANT_FIELD, name);
        EXPECT_EQ(text(IDC_GROUP_BOX), "참가자 등록 (128)");
        click(IDC_MAPS_CHECK);
        for (const std::string& name : maps) enter(IDC_MAP_FIELD, name);
        EXPECT_EQ(text(IDC_MAPS_CHECK), "맵 등록 (10)");
        for (int field : {IDC_PARTICIPANT_FIELD, IDC_MAP_FIELD}) {
            enter(field, "extra");
            EXPECT_EQ(text(field), "등록 초과") << field;
            EXPECT_TRUE(allSelected(item(field))) << field;
        }
        EXPECT_EQ(listEntries(IDC_PARTICIPANT_LIST), participants);
        EXPECT_EQ(listEntries(IDC_MAP_LIST), maps);
        EXPECT_EQ(text(IDC_GROUP_BOX), "참가자 등록 (128)");
    }
    // Entries from `first` to the end taken out with Delete.
    void deleteFrom(int listId, int first) {
        std::vector<int> selected;
        for (int i = first; i < static_cast<int>(listEntries(listId).size()); ++i) selected.push_back(i);
        deleteEntries(listId, selected);
    }

    Names participants = longestNames('P', 128);
    Names maps = longestNames('M', 10);
};

// Full lists typed, then 64 participants in 8 groups of 8 and 10 maps dealt
// evenly, in both modes: the biggest result there is, every text as built
// and every name whole.
TEST_F(LimitsTest, TheBiggestAssignmentIsShownAndExportedWhole) {
    const std::string path = desktopFile();
    ASSERT_FALSE(path.empty());
    typeEverything();
    setNumber(kGroupCountBox, 8);
    setNumber(kGroupSizeBox, 8);
    click(IDC_ASSIGN);  // 128 can never be placed
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes()[0].text, STR_TOO_MANY_PARTICIPANTS);
    EXPECT_FALSE(assignment().assigned());
    boxes.forget();

    // A name longer than 49 bytes keeps its first 49.
    deleteFrom(IDC_PARTICIPANT_LIST, kMaxPlaces);
    enter(IDC_PARTICIPANT_FIELD, participants[0] + "xyz");
    EXPECT_EQ(listEntries(IDC_PARTICIPANT_LIST).back(), participants[0]);
    deleteFrom(IDC_PARTICIPANT_LIST, kMaxPlaces);
    participants.resize(kMaxPlaces);
    ASSERT_EQ(listEntries(IDC_PARTICIPANT_LIST), participants);
    for (int mode : {IDC_LEAGUE, IDC_TOURNAMENT}) {
        SCOPED_TRACE(mode == IDC_LEAGUE ? "league" : "tournament");
        click(mode);
        ASSERT_TRUE(openResult()) << (boxes.boxes().empty() ? "" : boxes.boxes().back().text);
        ASSERT_TRUE(boxes.boxes().empty());
        ASSERT_EQ(assignment().settings.participantCount, kMaxPlaces);
        ASSERT_EQ(assignment().settings.mapCount, 10);

        const std::string table = resultText(IDC_TABLE_EDIT);
        EXPECT_EQ(table, buildResultView(assignment(), host(), 0).tableText);
        for (const std::string& name : participants) EXPECT_EQ(occurrences(table, name), 1u) << name;
        std::string schedules;
        for (int group = 0; group < 8; ++group) {
            choose(group);
            const std::string schedule = resultText(IDC_SCHEDULE_EDIT);
            EXPECT_EQ(schedule, buildResultView(assignment(), host(), group).scheduleText) << group;
            schedules += schedule;
        }
        for (const std::string& map : maps) EXPECT_GE(occurrences(schedules, "<" + map + ">"), 1u) << map;

        DeleteFileA(path.c_str());
        clickResult(IDC_EXPORT);
        ASSERT_EQ(boxes.boxes().size(), 1u);
        EXPECT_EQ(boxes.boxes().back().text, STR_EXPORT_DONE);
        const std::string written = fileContents(path);
        EXPECT_EQ(written, exportFileText(assignment(), host()));
        for (const std::string& name : participants) EXPECT_GE(occurrences(written, name), 1u) << name;
        for (const std::string& map : maps) EXPECT_GE(occurrences(written, map), 1u) << map;
        DeleteFileA(path.c_str());

        boxes.answerNextWith(IDYES);
        clickResult(IDC_CANCEL_ASSIGNMENT);
        ASSERT_FALSE(assignment().assigned());
        boxes.forget();
    }
}

}  // namespace
}  // namespace rl::ui::test

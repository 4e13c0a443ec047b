// The seeding window, opened from the main window's system menu: pots and
// tags pasted with the names or set in the window follow their participants
// and reach the draw, which is the command line's for the same inputs and
// seed (the README's example, tests/data/readme-seeded.txt).
#include <set>

#include "resources/seeding.h"
#include "resources/strings.h"
#include "text/export_text.h"
#include "tests/ui/harness.h"

namespace rl::ui::test {
namespace {

constexpr std::uint32_t kSeed = 2024;

struct Row {
    const char* name;
    const char* pot;
    const char* tag;
};
constexpr Row kExample[] = {
    {"김하늘", "1", "Terran"}, {"이바다", "1", "Zerg"},  {"Marlow", "1", "Protoss"}, {"Quill", "2", "Zerg"},
    {"Orrin", "2", "Terran"},  {"Juniper", "2", "Protoss"}, {"Vesper", "", "Zerg"},  {"Ash", "", "Terran"},
    {"박서준", "", "Protoss"},  {"Wren", "", "Zerg"},     {"최민호", "", "Terran"},  {"Sable", "", "Protoss"},
};

std::string cp949(const std::string& utf8) {
    std::wstring wide(utf8.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), static_cast<int>(wide.size()))));
    std::string out(wide.size() * 2, '\0');
    out.resize(static_cast<std::size_t>(WideCharToMultiByte(949, 0, wide.data(), static_cast<int>(wide.size()), out.data(),
                                                            static_cast<int>(out.size()), nullptr, nullptr)));
    return out;
}

class SeedingWindowTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        setClockForTesting(kSeed);
    }
    void TearDown() override {
        setClockForTesting(std::nullopt);
        ProgramTest::TearDown();
    }
    HWND window() const { return owned(kSeedingClass); }
    HWND at(int id) const { return GetDlgItem(window(), id); }
    void openWindow() {
        SendMessageA(main(), WM_SYSCOMMAND, IDM_SEEDING, 0);
        pump();
        ASSERT_NE(window(), nullptr);
    }
    void chooseRow(int row) {
        SendMessageA(at(IDC_SEEDING_LIST), LB_SETSEL, FALSE, -1);
        SendMessageA(at(IDC_SEEDING_LIST), LB_SETSEL, TRUE, row);
        notify(window(), IDC_SEEDING_LIST, LBN_SELCHANGE);
    }
    // Typed into the fields and entered, as a person marks one participant.
    void mark(int row, const char* pot, const char* tag, const std::string& race = "") {
        chooseRow(row);
        SetFocus(at(IDC_SEEDING_TAG));  // as the person's Tab would; the window is active from here on
        SetWindowTextA(at(IDC_SEEDING_POT), pot);
        SetWindowTextA(at(IDC_SEEDING_TAG), tag);
        SetWindowTextA(at(IDC_SEEDING_RACE), race.c_str());
        ASSERT_TRUE(dialogKey(window(), at(IDC_SEEDING_TAG), VK_RETURN));
    }
    void drawTheExample() {
        setGroups(3, 4);
        click(IDC_MAPS_CHECK);
        for (const char* map : {"푸른 협곡", "Iron Delta"}) enter(IDC_MAP_FIELD, map);
        ASSERT_TRUE(openResult());
        EXPECT_EQ(exportFileText(assignment(), host()), cp949(fileContents(ROSTERLOOM_TEST_DATA "/readme-seeded.txt")));
    }
    std::string rows() const {
        std::string text;
        for (const std::string& row : listEntries(at(IDC_SEEDING_LIST))) text += readable(row) + "\n";
        return text;
    }
};

TEST_F(SeedingWindowTest, PastedRowsKeepTheirPotsAndTagsAndDrawAsTheCommandLine) {
    openWindow();
    click(IDC_SEEDING_CHECK, window());
    std::string rowsText;
    for (const Row& row : kExample) rowsText += std::string(row.name) + "\t" + row.pot + "\t" + row.tag + "\r\n";
    paste(IDC_PARTICIPANT_FIELD, rowsText);
    EXPECT_EQ(listEntries(item(IDC_PARTICIPANT_LIST)).at(0), "김하늘");  // the names alone
    openWindow();
    expectGolden("seeding-window", controlDump(window()) + rows());
    drawTheExample();
    // The autosave opened again brings back the choice, the pots and the tags.
    const std::string marked = rows();
    boxes.answerNextWith(IDYES);
    ASSERT_TRUE(openEventFile(main(), autosavePath()));
    openWindow();
    EXPECT_EQ(rows(), marked);
    EXPECT_EQ(SendMessageA(at(IDC_SEEDING_CHECK), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(exportFileText(assignment(), host()), cp949(fileContents(ROSTERLOOM_TEST_DATA "/readme-seeded.txt")));
}

// Marked one by one from the keyboard, with one more participant marked and
// then deleted: its pot and tag go with it.
TEST_F(SeedingWindowTest, MarksSetInTheWindowFollowTheirParticipants) {
    for (int i = 0; i < 12; ++i) {
        enter(IDC_PARTICIPANT_FIELD, kExample[i].name);
        if (i == 2) enter(IDC_PARTICIPANT_FIELD, "Extra");
    }
    openWindow();
    for (int i = 0, row = 0; i < 12; ++i, ++row) {
        if (i == 3) mark(row++, "1", "Zerg");
        mark(row, kExample[i].pot, kExample[i].tag);
    }
    ASSERT_TRUE(dialogKey(window(), at(IDC_SEEDING_TAG), VK_TAB));
    EXPECT_EQ(GetFocus(), at(IDC_SEEDING_APPLY));
    deleteEntries(IDC_PARTICIPANT_LIST, {3});
    openWindow();
    EXPECT_EQ(listEntries(at(IDC_SEEDING_LIST)).at(3), "Quill\t-\t2\tZerg");
    click(IDC_SEEDING_CHECK, window());
    ASSERT_TRUE(dialogKey(window(), at(IDC_SEEDING_LIST), VK_ESCAPE));
    EXPECT_EQ(window(), nullptr);
    drawTheExample();
}

TEST_F(SeedingWindowTest, APotLargerThanTheGroupsIsRefused) {
    openWindow();
    click(IDC_SEEDING_CHECK, window());
    paste(IDC_PARTICIPANT_FIELD, "a\t1\r\nb\t1\r\nc\t1\r\n");
    setGroups(2, 2);
    click(IDC_ASSIGN);
    char text[256];
    std::snprintf(text, sizeof text, STR_SEED_POT_OVERFULL, 1, 3, 2);
    EXPECT_EQ(boxes.takeLog(), told(text));
    EXPECT_EQ(result(), nullptr);
    EXPECT_FALSE(assignment().assigned());
}

// A pot or tag that breaks the rule, typed or pasted, is refused with the
// command line's rule and the participant it belongs to; nothing changes.
TEST_F(SeedingWindowTest, CellsThatBreakTheRuleAreRefusedNotCut) {
    openWindow();
    click(IDC_SEEDING_CHECK, window());
    setGroups(2, 4);
    paste(IDC_PARTICIPANT_FIELD, "a\t1\r\nb\t2\tTerran\r\n");
    const std::string longTag(21, 'T');
    paste(IDC_PARTICIPANT_FIELD, "c\t3\r\nd\t\t" + longTag + "\r\n");
    char text[256];
    std::snprintf(text, sizeof text, STR_SEED_TAG_TOO_LONG, 4, 20);
    EXPECT_EQ(boxes.takeLog(), told(text));
    EXPECT_EQ(listCount(item(IDC_PARTICIPANT_LIST)), 2);

    openWindow();
    for (const char* pot : {"9", "12"}) {
        mark(0, pot, "Zerg");
        std::snprintf(text, sizeof text, STR_SEED_POT_RANGE, 1, std::atoi(pot), 4);
        EXPECT_EQ(boxes.takeLog(), told(text));
    }
    EXPECT_EQ(listEntries(at(IDC_SEEDING_LIST)), (std::vector<std::string>{"a\t-\t1\t", "b\t-\t2\tTerran"}));
}

// Races pasted as the command line's last column and typed in the window,
// letters or Korean names in either case, shown beside the name; a race
// that names none is refused with the command line's rule and the
// participant it belongs to, and nothing changes. The races and the spread
// reach the draw, whose groups then hold one of each race.
TEST_F(SeedingWindowTest, RacesPastedAndTypedReachASpreadDraw) {
    openWindow();
    EXPECT_FALSE(IsWindowEnabled(at(IDC_SEEDING_SPREAD)));  // races are spread by the seeded draw only
    click(IDC_SEEDING_CHECK, window());
    EXPECT_TRUE(IsWindowEnabled(at(IDC_SEEDING_SPREAD)));
    setGroups(3, 4);
    paste(IDC_PARTICIPANT_FIELD, "a\t1\tTeam\tT\r\nb\t\t\t저그\r\nc\t2\t\tp\r\nd\r\n");
    paste(IDC_PARTICIPANT_FIELD, "e\t\t\tZ\r\nf\t\t\tToss\r\n");
    char text[256];
    std::snprintf(text, sizeof text, STR_SEED_RACE_UNKNOWN, 6);
    EXPECT_EQ(boxes.takeLog(), told(text));
    EXPECT_EQ(listCount(item(IDC_PARTICIPANT_LIST)), 4);

    openWindow();
    for (const char* name : {"e", "f", "g", "h", "i", "j", "k", "l"}) enter(IDC_PARTICIPANT_FIELD, name);
    openWindow();
    const std::string races[] = {"", "", "", "r", " t ", "테란", "Z", "z", "프로토스", "P", "랜덤", "R"};
    for (int row = 3; row < 12; ++row) mark(row, "", "", races[row]);
    mark(3, "", "", "TZ");
    std::snprintf(text, sizeof text, STR_SEED_RACE_UNKNOWN, 4);
    EXPECT_EQ(boxes.takeLog(), told(text));
    const std::vector<std::string> marked = {
        "a\tT\t1\tTeam", "b\tZ\t-\t", "c\tP\t2\t", "d\tR\t-\t", "e\tT\t-\t", "f\tT\t-\t",
        "g\tZ\t-\t",     "h\tZ\t-\t", "i\tP\t-\t", "j\tP\t-\t", "k\tR\t-\t", "l\tR\t-\t"};
    EXPECT_EQ(listEntries(at(IDC_SEEDING_LIST)), marked);
    chooseRow(2);
    EXPECT_EQ(readable(windowText(at(IDC_SEEDING_RACE))), "P");

    // The label's letter goes to the race field, the box's toggles the spread.
    for (const auto& [key, focused] : {std::pair{'r', IDC_SEEDING_RACE}, {'d', IDC_SEEDING_SPREAD}}) {
        MSG typed{GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(key), 1 << 29, 0, {}};
        EXPECT_TRUE(IsDialogMessageA(window(), &typed)) << key;
        pump();
        EXPECT_EQ(GetFocus(), at(focused)) << key;
    }
    EXPECT_EQ(SendMessageA(at(IDC_SEEDING_SPREAD), BM_GETCHECK, 0, 0), BST_CHECKED);
    saveShot(window(), "seeding-races");
    ASSERT_TRUE(openResult());
    ASSERT_TRUE(theEvent().seeding.spreadRaces);
    for (const std::vector<Pos>& group : assignment().groupTable) {
        std::set<Race> held;
        for (Pos p : group) held.insert(theEvent().seeding.races.at(p));
        EXPECT_EQ(held.size(), 4u);
    }
}

}  // namespace
}  // namespace rl::ui::test

#pragma once
// Runs the window program in the test process: its own start-up code, its
// real windows, driven with messages as a person would, and every message
// box recorded and answered.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/app.h"

namespace rl::ui::test {

struct MessageBoxRecord {
    std::string caption;
    std::string text;
    std::vector<int> buttons;  // IDOK, IDYES, ...
};

// Hooks window activation on this thread: each message box is recorded when
// it appears and answered with the next queued button (IDOK by default).
class MessageBoxWatcher {
public:
    MessageBoxWatcher();
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    void answerNextWith(int buttonId);
    void forget();  // the boxes recorded so far
    const std::vector<MessageBoxRecord>& boxes() const;
};

std::string windowText(HWND window);
std::vector<std::string> linesOf(const std::string& text);  // split at CR LF
std::string className(HWND window);
inline bool isEnabled(HWND window) { return IsWindowEnabled(window) != FALSE; }
inline RECT windowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}
// Handles the posted and sent messages waiting on this thread; true once the
// quit message has been seen, its code in *quitCode.
bool pumpMessages(int* quitCode = nullptr);
void pressKey(HWND window, WPARAM key);
// True when the whole, non-empty text of the edit is selected.
bool allSelected(HWND edit);
// The last box shown was this one.
void expectLastBox(const MessageBoxWatcher& boxes, const std::string& caption, const std::string& text,
                   const std::vector<int>& buttons = {IDOK});
// Every registered class of the program, "SC_Edit" included, is removed so
// that the next start registers them afresh.
void unregisterProgramClasses();

// A started program: the main window is up when the test body runs.
class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND main() const { return main_; }
    HWND item(int id) const;
    std::string text(int id) const { return windowText(item(id)); }
    // A mouse click on a button; a disabled one cannot be clicked.
    void click(int id);
    // Types the text into an entry field and presses Enter.
    void enter(int fieldId, const std::string& name);
    void addParticipants(int count, const std::string& prefix = "p");
    std::vector<std::string> listEntries(int listId) const;
    // Selects exactly the given entries of a list and presses Delete.
    void deleteEntries(int listId, const std::vector<int>& selected);
    // The top-level windows of the given class owned by the main window.
    std::vector<HWND> ownedWindows(const char* className) const;
    HWND owned(const char* className) const;  // the first of them, or null
    // The up-downs in creation order (0: group count, 1: group size), and
    // the number box each writes into.
    HWND upDown(int which) const;
    HWND numberBox(int which) const;
    void setNumber(int which, int value);  // as the up-down would set it

    // Handles what waits in the queue, noting the end of the loop.
    void pump();
    // True when the program has ended its loop; the code in quitCode().
    bool ended();
    int quitCode() const { return quitCode_; }

    MessageBoxWatcher boxes;

private:
    HWND main_ = nullptr;
    bool ended_ = false;
    int quitCode_ = -1;
};

}  // namespace rl::ui::test

#pragma once
// What the program's windows share. Win32 only; the portable engine and
// texts never see this header.
#include <windows.h>

#include "engine/assignment.h"

namespace rl::ui {

// Window classes and titles, exactly as the program has always named them.
inline constexpr char kMainClass[] = "Rosterlom";
inline constexpr char kMainTitle[] = "Rosterlom";
inline constexpr char kResultClass[] = "SubWnd";
inline constexpr char kResultTitle[] = "Rosterloom::Result";
inline constexpr char kHelpClass[] = "HelpWnd";
inline constexpr char kHelpTitle[] = "Rosterloom::Help";
inline constexpr char kEntryFieldClass[] = "SC_Edit";

// Client sizes the windows are designed for.
inline constexpr SIZE kMainClient{530, 290};
inline constexpr SIZE kResultClient{515, 425};
inline constexpr SIZE kHelpClient{500, 450};

inline constexpr DWORD kMainStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
inline constexpr DWORD kResultStyle = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU;
inline constexpr DWORD kHelpStyle = WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU;

// A child control as a window lays it out; WS_CHILD | WS_VISIBLE go on top
// of `style`. Id -1 is the 16-bit 0xFFFF, "no id".
struct ControlLayout {
    const char* className;
    const char* text;
    DWORD exStyle;
    DWORD style;
    int x, y, width, height;
    int id;
};
HWND createControl(HWND parent, const ControlLayout& control);
HWND createControl(HWND parent, const ControlLayout& control, const char* text);

// --- application shell (app.cpp)
HINSTANCE appInstance();
HWND mainWindow();  // null until the main window has been created and shown
// Registers the classes, creates and shows the main window. On failure tells
// the user why and returns null.
HWND startApplication(HINSTANCE instance, int showCommand);
int runMessageLoop();

// Placement: the top-left corner for a window of the given client size,
// x = (W - cw) / 2, y = (H - ch) / 3 on the desktop's client area.
POINT placementFor(SIZE client);
// In a creation step: move to placementFor with the outer size of `style`, no repaint.
void placeWindow(HWND window, SIZE client, DWORD style);
// An open window put back in its place: current outer size kept, repainted.
void recentreWindow(HWND window, SIZE client);

// --- main window (main_window.cpp)
LRESULT CALLBACK mainWindowProc(HWND, UINT, WPARAM, LPARAM);
AssignmentState& assignment();
Host& host();  // the engine's view of the main window's controls
constexpr int kMapInputs = 2;
constexpr int kAssignmentLock = 4;
void setInputStates(int flags, bool on);
// Rewrites the list captions with their entry counts.
constexpr int kParticipantCaption = 1;
constexpr int kMapCaption = 2;
void refreshListCaptions(int flags);
HBRUSH whiteBrush();

// --- entry fields (entry_field.cpp)
bool registerEntryFieldClass();
LRESULT onListKey(HWND list, WPARAM wParam);  // WM_VKEYTOITEM

// --- result window (result_window.cpp)
LRESULT CALLBACK resultWindowProc(HWND, UINT, WPARAM, LPARAM);

// --- help window (help_window.cpp)
LRESULT CALLBACK helpWindowProc(HWND, UINT, WPARAM, LPARAM);
// The help text stays loaded from the first opening to the end of the program.
void releaseHelpText();
const char* helpText();  // the loaded help text, or null while none is loaded

// --- Desktop export (desktop_export.cpp)
void exportResultFile(HWND owner);
// A full disk cannot be had on demand, so tests put a failing writer in the
// place of WriteFile; null puts WriteFile back.
using FileWriter = BOOL(WINAPI*)(HANDLE, LPCVOID, DWORD, LPDWORD, LPOVERLAPPED);
void setFileWriterForTesting(FileWriter writer);

}  // namespace rl::ui

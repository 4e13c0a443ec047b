// The event kept on disk: the event file opened and saved through the common
// dialogs, and the autosave that lets an evening outlive a crash or a power
// cut. Files are named by wide paths, so a folder outside the system code
// page works; the dialogs stay ANSI like the rest of the program.
#include "ui/app.h"  // windows.h first

#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "page/event_page.h"
#include "platform/encoding.h"
#include "platform/files.h"
#include "platform/front_end.h"
#include "platform/wide.h"
#include "resources/strings.h"

namespace rl::ui {
namespace {

constexpr wchar_t kProgramFolder[] = L"\\Rosterloom";
constexpr wchar_t kAutosaveName[] = L"\\autosave";
constexpr int kAutosaveSlots = 9;  // copies of the program running at once, each with its own autosave
constexpr wchar_t kPastEventsFolder[] = L"\\지난 대회";
constexpr char kFilter[] = "대회 파일 (*.json)\0*.json\0";

bool gAutosaveFailureTold = false;  // once a session is enough
// This copy's autosave: slot 1 is "autosave.json", slot n "autosave-n.json".
// A copy holds its slot's lock file open while it runs, so another copy
// takes the next slot instead of offering, moving or overwriting this one's;
// the system closes the lock when the process ends, however it ends.
int gAutosaveSlot = 0;  // 0: none taken yet
HANDLE gAutosaveLock = INVALID_HANDLE_VALUE;

// The reader speaks UTF-8 and the message box code page 949; a character
// that code page lacks (in a name the file holds, say) shows as '?'.
std::string shownText(const std::string& utf8) { return platform::utf8ToCp949Shown(utf8); }

// A refusal in the program's language, with its place in the file as it stands.
std::string shownRefusal(const event::ReadOutcome& read) {
    return read.error.empty() ? std::string() : shownText(event::koreanRefusal(read));
}

std::wstring widePath(const std::string& ansi) { return platform::ansiToWide(ansi); }

// "YYYY-MM-DDTHH:MM:SS" in local time, as the event file writes when a draw was made.
std::string localTimeText(const FILETIME& utc) {
    FILETIME local{};
    SYSTEMTIME t{};
    if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &t)) return "1970-01-01T00:00:00";
    return event::dateTimeText(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
}

FILETIME fileTimeOf(std::uint32_t clock) {
    constexpr ULONGLONG kSecondsFrom1601To1970 = 11644473600ull;
    const ULONGLONG ticks = (clock + kSecondsFrom1601To1970) * 10000000ull;
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

// "2026-12-07T19:05:00" as people read it: "2026-12-07 19:05".
std::string shownDrawTime(const std::string& drawnAt) {
    return drawnAt.size() < 16 ? drawnAt : drawnAt.substr(0, 10) + " " + drawnAt.substr(11, 5);
}

// The same as a file name: "2026-12-07 19-05-00".
std::wstring fileNameOf(const std::string& drawnAt) {
    std::wstring name;
    for (char c : drawnAt) name += c == 'T' ? L' ' : c >= '0' && c <= '9' ? static_cast<wchar_t>(c) : L'-';
    return name.empty() ? L"-" : name;
}

std::wstring applicationDataFolder() {
    wchar_t folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"APPDATA", folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) return folder;
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, 0, folder))) return folder;
    return {};
}

std::wstring programFolder() {
    const std::wstring folder = applicationDataFolder();
    return folder.empty() ? folder : folder + kProgramFolder;
}

bool ensureFolder(const std::wstring& folder) {
    return CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

// Up to one byte past the reader's limit: enough for it to refuse a larger
// file without the program holding all of it.
std::optional<std::string> readWholeFile(const std::wstring& path) {
    std::FILE* file = platform::openForReading(path);
    if (!file) return std::nullopt;
    std::optional<std::string> bytes = platform::readUpTo(file, event::kMaxEventFileBytes);
    std::fclose(file);
    return bytes;
}

// The file read, or nothing after the user has been told why not.
std::optional<event::Event> readEventFile(HWND owner, const std::wstring& path) {
    const std::optional<std::string> bytes = readWholeFile(path);
    if (!bytes) {
        showStringBox(owner, IDS_EVENT_UNREADABLE, MB_OK);
        return std::nullopt;
    }
    event::ReadOutcome read = event::readEvent(*bytes, eventFrontEnd());
    if (!read.ok()) showStringBox(owner, IDS_EVENT_REFUSED, MB_OK, shownRefusal(read));
    return std::move(read.event);
}

// As if the draw had just been made and the results typed in.
void putInPlace(HWND owner, event::Event opened, const std::wstring& file) {
    closeResultWindow();
    letEventGo();
    showEventInputs(opened);
    takeEvent(owner, std::move(opened), file);
    showResultWindow(mainWindow());
}

// Under the draw's date and time, beside any earlier one of the same name.
bool moveToPastEvents(const std::wstring& path, const std::string& drawnAt) {
    const std::wstring folder = programFolder() + kPastEventsFolder;
    if (!ensureFolder(folder)) return false;
    for (int n = 1; n < 100; ++n) {
        const std::wstring suffix = n == 1 ? L"" : L" (" + std::to_wstring(n) + L")";
        const std::wstring target = folder + L"\\" + fileNameOf(drawnAt) + suffix + L".json";
        if (MoveFileExW(path.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return false;
    }
    return false;
}

std::string lastWriteTimeOf(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return "1970-01-01T00:00:00";
    return localTimeText(data.ftLastWriteTime);
}

// An autosave left by an evening that did not end: going on restores it,
// anything else keeps it in the past events' folder. Never deleted.
void offerAutosave(HWND main) {
    const std::wstring path = autosavePath();
    if (path.empty() || GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    const std::optional<std::string> bytes = readWholeFile(path);
    const event::ReadOutcome read = bytes ? event::readEvent(*bytes, eventFrontEnd()) : event::ReadOutcome{};
    if (!read.ok()) {
        const bool moved = moveToPastEvents(path, lastWriteTimeOf(path));
        showStringBox(main, moved ? IDS_AUTOSAVE_REFUSED : IDS_AUTOSAVE_NOT_MOVED, MB_OK, shownRefusal(read));
        return;
    }
    const event::Event& kept = *read.event;
    const int results = event::resultCount(kept);
    if (showStringBox(main, IDS_RESUME_QUESTION, MB_YESNO, shownDrawTime(kept.drawnAt), results) == IDYES)
        putInPlace(main, kept, {});
    else if (!moveToPastEvents(path, kept.drawnAt))
        showStringBox(main, IDS_AUTOSAVE_NOT_MOVED, MB_OK);
}

std::wstring slotPath(int slot, const wchar_t* extension) {
    const std::wstring number = slot == 1 ? L"" : L"-" + std::to_wstring(slot);
    return programFolder() + kAutosaveName + number + extension;
}

// The first slot whose lock no other copy holds; kept until the main window
// ends. -1 when every slot is held, 0 when there is no folder for them.
int takeAutosaveSlot() {
    if (gAutosaveSlot != 0 || programFolder().empty() || !ensureFolder(programFolder())) return gAutosaveSlot;
    for (int slot = 1; slot <= kAutosaveSlots; ++slot) {
        gAutosaveLock = CreateFileW(slotPath(slot, L".lock").c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (gAutosaveLock != INVALID_HANDLE_VALUE) return gAutosaveSlot = slot;
    }
    return gAutosaveSlot = -1;
}

OPENFILENAMEA dialogFor(HWND owner, char* file, const std::optional<std::string>& desktop, const char* title) {
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = kFilter;
    dialog.lpstrFile = file;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = desktop ? desktop->c_str() : nullptr;
    dialog.lpstrTitle = title;
    dialog.lpstrDefExt = "json";
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    return dialog;
}

}  // namespace

const event::FrontEnd& eventFrontEnd() { return platform::eventFrontEnd(); }

void beginEventSession() { gAutosaveFailureTold = false; }

// The page's heading, by the rule rosterloom-cli follows for the same file.
std::string eventFileTitle() {
    return page::pageTitle(theEvent(), platform::wideToUtf8(eventFile()).value_or(""));
}

std::string drawTimeText(std::uint32_t clock) { return localTimeText(fileTimeOf(clock)); }

bool openEventFile(HWND owner, const std::wstring& path) {
    const std::optional<event::Event> opened = readEventFile(owner, path);
    if (!opened) return false;
    const bool somethingHeld = assignment().assigned() || listsHoldNames();
    if (somethingHeld && showStringBox(owner, IDS_CONFIRM_OPEN, MB_YESNO) != IDYES) return false;
    putInPlace(owner, *opened, path);
    return true;
}

void openEventWithDialog(HWND owner) {
    char file[MAX_PATH] = {};
    const std::optional<std::string> desktop = desktopFolder(owner);
    OPENFILENAMEA dialog = dialogFor(owner, file, desktop, "대회 열기");
    dialog.Flags |= OFN_FILEMUSTEXIST;
    if (GetOpenFileNameA(&dialog)) openEventFile(owner, widePath(file));
}

void saveEventWithDialog(HWND owner) {
    char file[MAX_PATH] = {};
    std::snprintf(file, sizeof file, "대회 %s.json", theEvent().drawnAt.substr(0, 10).c_str());
    const std::optional<std::string> desktop = desktopFolder(owner);
    OPENFILENAMEA dialog = dialogFor(owner, file, desktop, "대회 저장");
    dialog.Flags |= OFN_OVERWRITEPROMPT;
    if (!GetSaveFileNameA(&dialog)) return;
    const std::optional<std::string> bytes = event::writeEvent(theEvent(), eventFrontEnd());
    if (!bytes || !replaceFileWhole(widePath(file), *bytes)) showStringBox(owner, IDS_EVENT_NOT_SAVED, MB_OK);
    else noteEventFile(widePath(file));
}

// Before the start has taken a slot (a test's window, say), the first one.
std::wstring autosavePath() {
    if (programFolder().empty() || gAutosaveSlot < 0) return {};
    return slotPath(std::max(gAutosaveSlot, 1), L".json");
}

void releaseAutosaveSlot() {
    if (gAutosaveLock != INVALID_HANDLE_VALUE) CloseHandle(gAutosaveLock);
    gAutosaveLock = INVALID_HANDLE_VALUE;
    gAutosaveSlot = 0;
}

// What is in memory is never touched here, whatever the disk does.
void autosaveEvent(HWND owner) {
    if (!assignment().assigned()) return;
    const std::optional<std::string> bytes = event::writeEvent(theEvent(), eventFrontEnd());
    const std::wstring path = autosavePath();
    const bool saved = bytes && !path.empty() && ensureFolder(programFolder()) && replaceFileWhole(path, *bytes);
    if (saved || gAutosaveFailureTold) return;
    gAutosaveFailureTold = true;
    showStringBox(owner, IDS_AUTOSAVE_FAILED, MB_OK);
}

void removeAutosave() {
    const std::wstring path = autosavePath();
    if (!path.empty()) DeleteFileW(path.c_str());
}

void openAtStart(HWND main, const std::wstring& commandLineFile) {
    const int slot = takeAutosaveSlot();
    if (slot > 1 || slot < 0) showStringBox(main, IDS_AUTOSAVE_ELSEWHERE, MB_OK);
    offerAutosave(main);
    if (!commandLineFile.empty()) openEventFile(main, commandLineFile);
}

// Through the test's writer, when one stands in for WriteFile.
bool replaceFileWhole(const std::wstring& path, const std::string& bytes) {
    const platform::ChunkWriter write = [](void* file, std::string_view chunk) {
        DWORD written = 0;
        const auto size = static_cast<DWORD>(chunk.size());
        return fileWriter()(file, chunk.data(), size, &written, nullptr) && written == size;
    };
    return platform::replaceFile(path, bytes, write).empty();
}

}  // namespace rl::ui

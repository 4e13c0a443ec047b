// Writes files on the user's Desktop: the current assignment to
// "조배정결과.txt", and whatever else a window hands over, each replaced whole
// or not at all.
#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

#include "resources/strings.h"
#include "text/export_text.h"
#include "ui/app.h"

namespace rl::ui {
namespace {

constexpr DesktopFile kExportFile{"조배정결과.txt", IDS_EXPORT_DONE, IDS_EXPORT_IN_USE, IDS_EXPORT_NO_ACCESS};

FileWriter gFileWriter = &WriteFile;

void freeItemList(LPITEMIDLIST items) {
    IMalloc* shellMalloc = nullptr;
    if (SUCCEEDED(SHGetMalloc(&shellMalloc)) && shellMalloc) {
        shellMalloc->Free(items);
        shellMalloc->Release();
    } else {
        ILFree(items);
    }
}

// No file is made from a path that could not be had, nor from one that the
// platform's path limit would cut short.
std::optional<std::string> desktopPath(HWND owner, const char* fileName) {
    std::optional<std::string> folder = desktopFolder(owner);
    if (!folder) return std::nullopt;
    std::string path = *folder + "\\" + fileName;
    if (path.size() >= MAX_PATH) return std::nullopt;
    return path;
}

bool writeChunk(HANDLE file, const std::string& chunk) {
    DWORD written = 0;
    const DWORD size = static_cast<DWORD>(chunk.size());
    return gFileWriter(file, chunk.data(), size, &written, nullptr) && written == size;
}

bool writeChunks(HANDLE file, const std::vector<std::string>& chunks) {
    for (const std::string& chunk : chunks) {
        if (!writeChunk(file, chunk)) return false;
    }
    return true;
}

// The table chunk, then each group's; a game's map as played in place of
// the one dealt for it.
std::vector<std::string> exportChunks() {
    const AssignmentState played = withPlayedMaps(assignment(), theEvent().results);
    std::vector<std::string> chunks{exportTableText(played, eventHost())};
    for (int g = 0; g < played.settings.groupCount; ++g) chunks.push_back(exportGroupText(played, eventHost(), g));
    return chunks;
}

}  // namespace

std::optional<std::string> desktopFolder(HWND owner) {
    LPITEMIDLIST items = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, CSIDL_DESKTOP, &items)) || !items) return std::nullopt;
    char folder[MAX_PATH] = {};
    const BOOL found = SHGetPathFromIDListA(items, folder);
    freeItemList(items);
    if (!found || folder[0] == '\0') return std::nullopt;
    return std::string(folder);
}

int writeDesktopFile(HWND owner, const DesktopFile& target, const std::vector<std::string>& chunks) {
    std::optional<std::string> path = desktopPath(owner, target.name);
    if (!path) return target.noAccess;
    HANDLE file = CreateFileA(path->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    const DWORD error = GetLastError();
    if (file == INVALID_HANDLE_VALUE) return error == ERROR_SHARING_VIOLATION ? target.inUse : target.noAccess;
    const bool written = writeChunks(file, chunks);
    const bool closed = CloseHandle(file);
    if (written && closed) return target.done;
    // A half-written file must not pass for a whole one.
    DeleteFileA(path->c_str());
    return target.noAccess;
}

void exportResultFile(HWND owner) {
    showStringBox(mainWindow(), writeDesktopFile(owner, kExportFile, exportChunks()), MB_OK);
}

void setFileWriterForTesting(FileWriter writer) { gFileWriter = writer ? writer : &WriteFile; }
FileWriter fileWriter() { return gFileWriter; }

}  // namespace rl::ui

#include "win32/Win32Platform.h"

#include <algorithm>
#include <new>
#include <stdexcept>
#include <string>

#include "win32/DeferredDlls.h"
#include "win32/Handles.h"
#include "win32/Utf.h"

namespace pel::win32 {

namespace {

DWORD Attributes(const std::string& path) {
    if (path.empty()) {
        return INVALID_FILE_ATTRIBUTES;
    }
    return ::GetFileAttributesW(ToWidePath(path).c_str());
}

constexpr int kRenameAttempts = 6;
constexpr DWORD kRenameRetryMs = 100;
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD written = 0;
        if (!::WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
            return false;
        }
        done += written;
    }
    return true;
}

// Deletes the temporary file unless it was moved into place.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
    ~TemporaryFile() {
        if (!path_.empty()) {
            ::DeleteFileW(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    [[nodiscard]] const std::wstring& path() const { return path_; }
    void Keep() { path_.clear(); }

  private:
    std::wstring path_;
};

std::wstring ModulePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        // A full buffer means the name may have been cut.
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        if (path.size() >= 65536) {
            return {};
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace

bool Win32Platform::FileExists(const std::string& path) const {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32Platform::DirectoryExists(const std::string& path) const {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::optional<std::string> Win32Platform::ReadWholeFile(const std::string& path) const {
    if (path.empty()) {
        return std::nullopt;
    }
    const UniqueFile file(::CreateFileW(
        ToWidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::string bytes;
    try {
        LARGE_INTEGER size{};
        if (::GetFileSizeEx(file.get(), &size) && size.QuadPart > 0) {
            bytes.reserve(static_cast<std::size_t>(size.QuadPart));
        }
        // Read until the end rather than trusting the size: the file may
        // change while it is read.
        constexpr DWORD kChunk = 1u << 16;
        std::string chunk(kChunk, '\0');
        for (;;) {
            DWORD read = 0;
            if (!::ReadFile(file.get(), chunk.data(), kChunk, &read, nullptr)) {
                return std::nullopt;
            }
            if (read == 0) {
                break;
            }
            bytes.append(chunk, 0, read);
        }
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    } catch (const std::length_error&) {
        return std::nullopt;
    }
    return bytes;
}

bool Win32Platform::WriteWholeFile(const std::string& path, const std::string& bytes) {
    if (path.empty()) {
        return false;
    }
    const std::wstring target = ToWidePath(path);
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    // A read-only or directory target is refused before anything is written;
    // a rename over a read-only file is not refused everywhere.
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return false;
    }
    // One fixed name, as only one copy runs: a save killed half-way leaves at
    // most this file, which the next save writes over.
    TemporaryFile temporary(target + L".tmp");
    ::SetFileAttributesW(temporary.path().c_str(), FILE_ATTRIBUTE_NORMAL);
    {
        const UniqueFile file(::CreateFileW(temporary.path().c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return false;
        }
        if (!WriteAll(file.get(), bytes) || !::FlushFileBuffers(file.get())) {
            return false;
        }
    }
    // The new file keeps the attributes of the one it replaces.
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        ::SetFileAttributesW(temporary.path().c_str(), attributes & kKeptAttributes);
    }
    // One rename replaces the old file, so a failure at any step above or
    // here leaves it whole. An indexer, a virus scanner or an editor may hold
    // the file for a moment; that is waited out, briefly.
    for (int attempt = 0;; ++attempt) {
        if (::MoveFileExW(temporary.path().c_str(), target.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            temporary.Keep();
            return true;
        }
        const DWORD error = ::GetLastError();
        const bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
                          error == ERROR_ACCESS_DENIED;
        if (!busy || attempt == kRenameAttempts - 1) {
            return false;
        }
        ::Sleep(kRenameRetryMs);
    }
}

bool Win32Platform::RemoveFile(const std::string& path) {
    return !path.empty() && ::DeleteFileW(ToWidePath(path).c_str()) != FALSE;
}

bool Win32Platform::RenamePath(const std::string& from, const std::string& to) {
    // Without MOVEFILE_REPLACE_EXISTING an existing `to` makes the call fail.
    return !from.empty() && !to.empty() &&
           ::MoveFileExW(ToWidePath(from).c_str(), ToWidePath(to).c_str(), 0) != FALSE;
}

bool Win32Platform::CreateFolder(const std::string& path) {
    if (path.empty()) {
        return false;
    }
    return ::CreateDirectoryW(ToWidePath(path).c_str(), nullptr) != FALSE || DirectoryExists(path);
}

bool Win32Platform::FolderWritable(const std::string& folder) {
    if (folder.empty()) {
        return false;
    }
    // Only making a file tells: a read-only share, write-protected media and
    // a folder the user may not write all look alike from outside. The file
    // goes when its handle closes.
    std::string name = folder;
    if (name.back() != '\\') {
        name += '\\';
    }
    name += "pellorinth-" + std::to_string(::GetCurrentProcessId()) + ".tmp";
    const UniqueFile file(
        ::CreateFileW(ToWidePath(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
    return static_cast<bool>(file) || ::GetLastError() == ERROR_FILE_EXISTS;
}

bool Win32Platform::FileReadOnly(const std::string& path) const {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

std::string Win32Platform::RoamingAppDataFolder() const {
    // FOLDERID_RoamingAppData, spelt out: the import library's copy of a GUID
    // can resolve to a thunk in a static MinGW link.
    static constexpr KNOWNFOLDERID kRoamingAppData = {
        0x3EB685DB, 0x65F9, 0x4CF6, {0xA0, 0x3A, 0xE3, 0xEF, 0x65, 0x72, 0x9F, 0x3D}};
    PWSTR path = nullptr;
    const HRESULT result = shell32::SHGetKnownFolderPath(kRoamingAppData, 0, nullptr, &path);
    const UniqueCoTaskMem owner(path);
    if (FAILED(result) || path == nullptr || *path == L'\0') {
        return {};
    }
    std::string folder = ToUtf8(path);
    if (folder.back() != '\\') {
        folder += '\\';
    }
    return folder;
}

void Win32Platform::WaitMilliseconds(int milliseconds) {
    ::Sleep(static_cast<DWORD>(std::max(0, milliseconds)));
}

LocalTime Win32Platform::Now() const {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::string Win32Platform::ExePath() const {
    return ToUtf8(ModulePath());
}

std::string Win32Platform::ExeFolder() const {
    std::string path = ExePath();
    const std::size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string{} : path.substr(0, slash + 1);
}

}  // namespace pel::win32

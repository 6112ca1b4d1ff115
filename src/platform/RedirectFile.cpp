// Redirection files: the three open modes and the inheritable handles they give.
#include "platform/RedirectFile.h"

#include <utility>

#include "platform/CodePage.h"
#include "platform/GrowingBuffer.h"
#include "platform/WindowsError.h"

namespace {

bool IsDiskFile(HANDLE file) {
    return GetFileType(file) == FILE_TYPE_DISK;
}

void MoveFilePointer(HANDLE file, DWORD method) {
    if (!SetFilePointerEx(file, LARGE_INTEGER{}, nullptr, method))
        ThrowLastError();
}

}  // namespace

OwnedHandle OpenRedirectFile(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
    SECURITY_ATTRIBUTES attributes{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE file = CreateFileA(path.c_str(), access, share, &attributes, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        ThrowLastError();
    return OwnedHandle(file);
}

OwnedHandle OpenRedirectFile(const std::string& path, RedirectMode mode) {
    CRedirectTarget target(path, mode);
    target.Prepare();
    return OwnedHandle(target.Release());
}

// ">" opens with OPEN_ALWAYS rather than CREATE_ALWAYS: the file is emptied only in Prepare, once the
// whole stage has opened.
CRedirectTarget::CRedirectTarget(const std::string& path, RedirectMode mode) : path_(path), mode_(mode) {
    if (mode == RedirectMode::Input) {
        file_ = OpenRedirectFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
        return;
    }
    file_ = OpenRedirectFile(path, GENERIC_WRITE, 0, OPEN_ALWAYS);
    created_ = GetLastError() != ERROR_ALREADY_EXISTS && IsDiskFile(file_.Get());
}

CRedirectTarget::CRedirectTarget(CRedirectTarget&& other) noexcept
    : file_(std::move(other.file_)), path_(std::move(other.path_)), mode_(other.mode_),
      created_(std::exchange(other.created_, false)) {}

CRedirectTarget& CRedirectTarget::operator=(CRedirectTarget&& other) noexcept {
    if (this != &other) {
        Discard();
        file_ = std::move(other.file_);
        path_ = std::move(other.path_);
        mode_ = other.mode_;
        created_ = std::exchange(other.created_, false);
    }
    return *this;
}

CRedirectTarget::~CRedirectTarget() {
    Discard();
}

void CRedirectTarget::Discard() noexcept {
    file_ = OwnedHandle();
    if (std::exchange(created_, false))
        DeleteFileA(path_.c_str());
}

void CRedirectTarget::Merge(RedirectMode later) {
    if (later == RedirectMode::Truncate)
        mode_ = later;
}

void CRedirectTarget::Prepare() {
    created_ = false;
    const HANDLE file = file_.Get();
    if (mode_ == RedirectMode::Input || !IsDiskFile(file))
        return;
    // The 64-bit moves: SetFilePointer without a high part fails on Windows past 4 GiB.
    if (mode_ == RedirectMode::Append) {
        MoveFilePointer(file, FILE_END);
        return;
    }
    MoveFilePointer(file, FILE_BEGIN);
    if (!SetEndOfFile(file))
        ThrowLastError();
}

HANDLE CRedirectTarget::Release() {
    created_ = false;
    return file_.Release();
}

bool NameTheSamePath(const std::string& first, const std::string& second) {
    const auto full = [](const std::string& path) {
        std::string text = ReadGrowing([&path](char* buffer, DWORD size) {
            return GetFullPathNameA(path.c_str(), size, buffer, nullptr);
        });
        return text.empty() ? path : text;
    };
    return ToUpperCase(full(first)) == ToUpperCase(full(second));
}

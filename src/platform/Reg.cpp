// CReg over the ANSI registry calls, and the value buffer's text.
#include "platform/Reg.h"

#include <cstring>
#include <stdexcept>
#include <utility>

#include "platform/WindowsError.h"

namespace {

// Registry calls return their status instead of setting the thread's last error.
void Check(LONG status, const char* context) {
    if (status != ERROR_SUCCESS)
        throw CWindowsError(static_cast<std::uint32_t>(status), context);
}

}  // namespace

RegValue RegValue::String(std::string_view text) {
    if (text.size() > kRegTextMax)
        throw std::length_error("registry string value too long");
    RegValue value;
    value.type = REG_SZ;
    std::memcpy(value.data, text.data(), text.size());
    value.data[text.size()] = '\0';
    value.size = static_cast<DWORD>(text.size() + 1);
    return value;
}

std::string RegValue::Text() const {
    const std::size_t used = size < kRegDataCapacity ? size : kRegDataCapacity;
    const void* zero = std::memchr(data, '\0', used);
    return std::string(data, zero != nullptr ? static_cast<const char*>(zero) - data : used);
}

CReg& CReg::operator=(CReg&& other) noexcept {
    if (this != &other) {
        CReg old(std::move(*this));
        key_ = other.Detach();
    }
    return *this;
}

CReg::~CReg() {
    try {
        Close();
    } catch (const CWindowsError&) {
    }
}

void CReg::Attach(HKEY key) {
    Close();
    key_ = key;
}

void CReg::Close() {
    if (key_ == nullptr)
        return;
    Check(RegCloseKey(key_), "CReg::Close: ");
    key_ = nullptr;
}

void CReg::CreateKey(const char* subKey, CReg* target) {
    HKEY created = nullptr;
    Check(RegCreateKeyA(key_, subKey, &created), "CReg::CreateKey: ");
    // Owned from here on, so a failure to close the target's old key does not leak the new one.
    CReg key;
    key.key_ = created;
    if (target != nullptr) {
        target->Close();
        target->key_ = key.Detach();
    }
}

bool CReg::QueryValue(const char* name, RegValue& value) {
    value.size = kRegDataCapacity;
    const LONG status = RegQueryValueExA(key_, name, nullptr, &value.type, reinterpret_cast<BYTE*>(value.data), &value.size);
    if (status == ERROR_FILE_NOT_FOUND)
        return false;
    Check(status, "CReg::QueryValue: ");
    return true;
}

void CReg::SetValue(const char* name, const RegValue& value) {
    Check(RegSetValueExA(key_, name, 0, value.type, reinterpret_cast<const BYTE*>(value.data), value.size),
          "CReg::SetValue: ");
}

bool CReg::EnumValue(DWORD index, char* name, DWORD& nameLength, RegValue& value) {
    value.size = kRegDataCapacity;
    const LONG status = RegEnumValueA(key_, index, name, &nameLength, nullptr, &value.type,
                                      reinterpret_cast<BYTE*>(value.data), &value.size);
    if (status == ERROR_NO_MORE_ITEMS)
        return false;
    Check(status, "CReg::EnumValue: ");
    return true;
}

void CReg::DeleteValue(const char* name) {
    Check(RegDeleteValueA(key_, name), "CReg::DeleteValue: ");
}

HKEY CReg::Detach() {
    return std::exchange(key_, nullptr);
}

CReg CreateUserKey(const char* subKey) {
    CReg root;
    root.Attach(HKEY_CURRENT_USER);
    CReg key;
    root.CreateKey(subKey, &key);
    return key;
}

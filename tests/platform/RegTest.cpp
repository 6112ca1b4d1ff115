// The registry key owner: false for the two expected misses, every other failure raised with the
// operation's own context, and value data never read past what the registry returned.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <stdexcept>

#include "platform/Reg.h"
#include "platform/WindowsError.h"

namespace {

// A scratch key of each test's own (tests run side by side), deleted before and after.
class Reg : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = std::string("Software\\Quenlow\\Tarvik\\Test-") +
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
        key_ = CreateUserKey(path_.c_str());
    }
    void TearDown() override {
        key_.Close();
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    }

    // Stores raw bytes, with no terminator added.
    void SetRaw(const char* name, DWORD type, const std::string& bytes) {
        RegValue value;
        value.type = type;
        std::memcpy(value.data, bytes.data(), bytes.size());
        value.size = static_cast<DWORD>(bytes.size());
        key_.SetValue(name, value);
    }

    // A value too large for the data area, stored past the wrapper.
    void SetHuge(const char* name) {
        HKEY raw = nullptr;
        ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, path_.c_str(), &raw), ERROR_SUCCESS);
        const std::string big(2000, 'b');
        RegSetValueExA(raw, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(big.c_str()),
                       static_cast<DWORD>(big.size() + 1));
        RegCloseKey(raw);
    }

    std::string path_;
    CReg key_;
};

void ExpectRaises(const std::function<void()>& call, const char* context, std::uint32_t code) {
    try {
        call();
        ADD_FAILURE() << "nothing raised";
    } catch (const CWindowsError& error) {
        EXPECT_EQ(error.context, context);
        EXPECT_EQ(error.code, code);
    }
}

TEST_F(Reg, MissingValueIsFalseAndDeletingItRaises) {
    RegValue value;
    EXPECT_FALSE(key_.QueryValue("missing", value));
    ExpectRaises([&] { key_.DeleteValue("missing"); }, "CReg::DeleteValue: ", ERROR_FILE_NOT_FOUND);
}

TEST_F(Reg, StoredStringsReadBackBoundedByTheirSize) {
    // Wine terminates string data itself; binary data, written by other programs, comes back as stored.
    struct Case {
        const char* name;
        DWORD type;
        std::string stored;
        std::string text;
    };
    const Case cases[] = {
        {"terminated", REG_SZ, std::string("dir /w\0", 7), "dir /w"},
        {"string without terminator", REG_SZ, "abc", "abc"},
        {"binary without terminator", REG_BINARY, "abc", "abc"},
        {"empty", REG_SZ, "", ""},
        {"full area, no terminator", REG_BINARY, std::string(kRegDataCapacity, 'f'), std::string(kRegDataCapacity, 'f')},
        {"stops at the first zero", REG_BINARY, std::string("a\0b", 3), "a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetRaw(c.name, c.type, c.stored);
        RegValue value;
        std::memset(value.data, 'x', sizeof value.data);
        ASSERT_TRUE(key_.QueryValue(c.name, value));
        EXPECT_EQ(value.type, c.type);
        EXPECT_EQ(value.Text(), c.text);
    }
    RegValue value;
    ASSERT_TRUE(key_.QueryValue("TERMINATED", value)) << "names ignore case";
    EXPECT_THROW(RegValue::String(std::string(kRegDataCapacity, 'l')), std::length_error);
    EXPECT_EQ(RegValue::String(std::string(kRegTextMax, 'l')).size, kRegDataCapacity);
}

TEST_F(Reg, EnumerationVisitsEveryValueOnceThenEnds) {
    char name[1024];
    DWORD nameLength = sizeof name;
    RegValue value;
    EXPECT_FALSE(key_.EnumValue(0, name, nameLength, value)) << "an empty key";

    const std::set<std::string> stored = {"one", "Two", "three", "a b"};
    for (const std::string& each : stored)
        key_.SetValue(each.c_str(), RegValue::String(each + " text"));
    std::multiset<std::string> seen;
    for (DWORD index = 0; index < 10; ++index) {
        nameLength = sizeof name;
        if (!key_.EnumValue(index, name, nameLength, value))
            break;
        const std::string found(name, nameLength);
        EXPECT_EQ(value.Text(), found + " text");
        seen.insert(found);
    }
    EXPECT_EQ(seen, std::multiset<std::string>(stored.begin(), stored.end()));
}

TEST_F(Reg, ValueLargerThanTheDataAreaRaises) {
    SetHuge("huge");
    RegValue value;
    ExpectRaises([&] { key_.QueryValue("huge", value); }, "CReg::QueryValue: ", ERROR_MORE_DATA);
    char name[1024];
    DWORD nameLength = sizeof name;
    ExpectRaises([&] { key_.EnumValue(0, name, nameLength, value); }, "CReg::EnumValue: ", ERROR_MORE_DATA);
}

TEST_F(Reg, ClosingAndReplacingKeys) {
    CReg none;
    EXPECT_NO_THROW(none.Close());

    // A second open of the same key, handed over into a target that already holds one.
    CReg target = CreateUserKey(path_.c_str());
    key_.CreateKey("child", &target);
    target.SetValue("in child", RegValue::String("x"));
    RegValue value;
    EXPECT_FALSE(key_.QueryValue("in child", value));

    // A handle that is no key: closing it raises, and the owner's end swallows the same failure.
    CReg bogus;
    bogus.Attach(reinterpret_cast<HKEY>(0x1234));
    ExpectRaises([&] { bogus.Close(); }, "CReg::Close: ", ERROR_INVALID_HANDLE);
}

}  // namespace

#include "platform/registry/advapi32.h"

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/files/atomic_file.h"
#include "platform/registry/registry_store.h"

namespace {

namespace fs = std::filesystem;
using namespace win;

constexpr const char* kKey = "Software\\Tolvarin\\Tolvarin2.2";
constexpr uint8_t kSentinel = 0xBD;

class Registry : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::path(::testing::TempDir()) /
                  ("registry-" +
                   std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(folder_);
        registry::SetStorePath((folder_ / "tolvarin" / "registry.txt").string());
    }
    void TearDown() override {
        registry::SetStorePath(registry::DefaultStorePath());
        fs::remove_all(folder_);
    }
    static void Set(const char* name, DWORD type, const std::string& bytes) {
        HKEY key = 0;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kKey, &key), ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, reinterpret_cast<const uint8_t*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    }
    fs::path folder_;
};

TEST_F(Registry, OpenFailsOnAMissingKeyAndLeavesAZeroHandle) {
    HKEY key = 12345;
    EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, kKey, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, 0);
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExA(key, "NumberOfDice", nullptr, nullptr, nullptr, &size),
              ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(fs::exists(registry::StorePath()));  // reading writes nothing
}

struct QueryCase {
    const char* name;  // value asked for
    DWORD bufferSize;  // 0 = ask for the size only
    LONG want;
    DWORD wantType;
    DWORD wantSize;
    const char* wantBytes;  // what lands in the buffer
};

TEST_F(Registry, QueriesReturnTypesSizesAndBytesAsStored) {
    Set("NumberOfDice", REG_SZ, "5");
    Set("Player1", REG_SZ, std::string("Ann\0junk", 8));  // written by another tool
    Set("Count", REG_DWORD, std::string("\x05\x00\x00\x00", 4));
    Set("Empty", REG_SZ, "");

    const QueryCase cases[] = {
        {"NumberOfDice", 0, ERROR_SUCCESS, REG_SZ, 1, ""},
        {"numberofdice", 8, ERROR_SUCCESS, REG_SZ, 1, "5"},
        {"Player1", 8, ERROR_SUCCESS, REG_SZ, 8, "Ann\0junk"},
        {"Player1", 4, ERROR_MORE_DATA, REG_SZ, 8, ""},
        {"Count", 4, ERROR_SUCCESS, REG_DWORD, 4, "\x05\x00\x00\x00"},
        {"Empty", 8, ERROR_SUCCESS, REG_SZ, 0, ""},
        {"Missing", 8, ERROR_FILE_NOT_FOUND, 0xFFFF, 8, ""},
    };
    HKEY key = 0;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "software\\TOLVARIN\\tolvarin2.2", &key),
              ERROR_SUCCESS);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " buffer " + std::to_string(c.bufferSize));
        std::array<uint8_t, 16> buffer;
        buffer.fill(kSentinel);
        DWORD type = 0xFFFF, size = c.bufferSize;
        const LONG got = RegQueryValueExA(key, c.name, nullptr, &type,
                                          c.bufferSize ? buffer.data() + 1 : nullptr, &size);
        EXPECT_EQ(got, c.want);
        EXPECT_EQ(type, c.wantType);
        EXPECT_EQ(size, c.wantSize);
        const size_t written = got == ERROR_SUCCESS && c.bufferSize ? c.wantSize : 0;
        EXPECT_EQ(std::memcmp(buffer.data() + 1, c.wantBytes, written), 0);
        EXPECT_EQ(buffer[0], kSentinel);
        for (size_t i = 1 + written; i < buffer.size(); ++i) EXPECT_EQ(buffer[i], kSentinel) << i;
    }
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
}

TEST_F(Registry, ValuesSurviveAReloadByteForByte) {
    std::string every(256, '\0');
    for (int i = 0; i < 256; ++i) every[static_cast<size_t>(i)] = static_cast<char>(i);
    Set("Bytes", REG_BINARY, every);
    Set("Name with blanks [and brackets]", REG_SZ, "a%b\tc");

    registry::SetStorePath(registry::StorePath());  // forget what is in memory
    EXPECT_EQ(registry::GetValue(std::string("HKEY_CURRENT_USER\\") + kKey, "Bytes"),
              (registry::Value{REG_BINARY, std::vector<uint8_t>(every.begin(), every.end())}));
    EXPECT_EQ(registry::GetValue(std::string("HKEY_CURRENT_USER\\") + kKey,
                                 "NAME WITH BLANKS [AND BRACKETS]"),
              (registry::Value{REG_SZ, {'a', '%', 'b', '\t', 'c'}}));
}

TEST_F(Registry, ADamagedFileIsKeptAsideAndReadAsEmpty) {
    fs::create_directories(fs::path(registry::StorePath()).parent_path());
    std::ofstream(registry::StorePath()) << "this is not a settings file\n";
    registry::SetStorePath(registry::StorePath());

    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, kKey, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(registry::LastDamagedCopy(), registry::StorePath() + ".damaged");
    EXPECT_TRUE(fs::exists(registry::LastDamagedCopy()));
    Set("NumberOfDice", REG_SZ, "4");  // the store works on after it
    EXPECT_TRUE(registry::GetValue(std::string("HKEY_CURRENT_USER\\") + kKey, "NumberOfDice"));
}

TEST_F(Registry, AFailedWriteKeepsNothingAndReportsIt) {
    vb::SetReplaceFailureHook([](vb::ReplaceStep) { return ENOSPC; });
    HKEY key = 0;
    EXPECT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kKey, &key), ERROR_ACCESS_DENIED);
    vb::SetReplaceFailureHook({});
    EXPECT_EQ(key, 0);
    EXPECT_FALSE(registry::KeyExists(std::string("HKEY_CURRENT_USER\\") + kKey));
}

TEST_F(Registry, RootKeysOpenAsThemselvesAndBadArgumentsAreRefused) {
    HKEY key = 0;
    EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "", &key), ERROR_SUCCESS);
    EXPECT_EQ(key, HKEY_CURRENT_USER);
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    EXPECT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, kKey, nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegOpenKeyA(0x4242, kKey, &key), ERROR_INVALID_HANDLE);
    DWORD reserved = 0, size = 4;
    uint8_t data[4];
    EXPECT_EQ(RegQueryValueExA(HKEY_CURRENT_USER, "x", &reserved, nullptr, data, &size),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExA(HKEY_CURRENT_USER, "x", 0, REG_SZ, nullptr, 3),
              ERROR_INVALID_PARAMETER);
}

}  // namespace

namespace {

// A batch writes the file once at its end; a batch whose write fails leaves nothing behind.
TEST_F(Registry, ABatchWritesOnceAndTakesEverythingBackWhenTheWriteFails) {
    const std::string key = std::string("HKEY_CURRENT_USER\\") + kKey;
    {
        registry::WriteBatch batch;
        ASSERT_TRUE(registry::CreateKey(key));
        ASSERT_TRUE(registry::SetValue(key, "A", {REG_SZ, {'1'}}));
        EXPECT_FALSE(fs::exists(registry::StorePath()));  // not yet written
        {
            registry::WriteBatch inner;
            ASSERT_TRUE(registry::SetValue(key, "B", {REG_SZ, {'2'}}));
        }
        EXPECT_FALSE(fs::exists(registry::StorePath()));
        EXPECT_TRUE(batch.Commit());
    }
    registry::SetStorePath(registry::StorePath());  // read back from the file
    EXPECT_TRUE(registry::GetValue(key, "A"));
    EXPECT_TRUE(registry::GetValue(key, "B"));

    const std::string file = registry::StorePath();
    fs::remove(file);
    registry::SetStorePath(file);
    registry::WriteBatch failing;
    ASSERT_TRUE(registry::CreateKey(key));
    fs::create_directory(file);  // a folder where the file should be
    EXPECT_FALSE(failing.Commit());
    EXPECT_FALSE(registry::KeyExists(key));
}

}  // namespace

namespace {

// A relative $XDG_CONFIG_HOME is ignored, as the XDG rules say: the settings would move
// with the folder the program is started from.
TEST(RegistryStorePath, ARelativeConfigHomeIsIgnored) {
    const std::string saved = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    const std::string home = std::getenv("HOME") ? std::getenv("HOME") : ".";
    ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    EXPECT_EQ(registry::DefaultStorePath(), home + "/.config/tolvarin/registry.txt");
    ::setenv("XDG_CONFIG_HOME", "/abs/config", 1);
    EXPECT_EQ(registry::DefaultStorePath(), "/abs/config/tolvarin/registry.txt");
    ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

}  // namespace

// Registry values: keys are opened, never created, by a write; names ignore
// case; the stored text form survives any bytes.
#include <gtest/gtest.h>

#include <algorithm>

#include "platform/registry.h"
#include "platform/sim/registry_store.h"

namespace {

using plat::RegRoot;

std::vector<std::uint8_t> bytes(const std::string& s) { return {s.begin(), s.end()}; }

TEST(Registry, WritesNeedAnExistingKeyAndNamesIgnoreCase) {
    // Without a desktop the registry lasts as long as the process: every run
    // of this test (--gtest_repeat) takes a key of its own.
    static int run = 0;
    const std::string key = ".Default\\Software\\RegistryTest" + std::to_string(++run) + "\\Config";
    std::vector<std::uint8_t> data;
    plat::Dword type = 0;

    EXPECT_FALSE(plat::regWrite(RegRoot::Users, key, "Modem Name", plat::REG_SZ, bytes("x")));
    EXPECT_FALSE(plat::regRead(RegRoot::Users, key, "Modem Name", data, type));

    ASSERT_TRUE(plat::regCreateKey(RegRoot::Users, key));
    ASSERT_TRUE(plat::regWrite(RegRoot::Users, key, "Modem Name", plat::REG_SZ, bytes("モデム")));
    ASSERT_TRUE(plat::regWrite(RegRoot::Users, key, "Line Device", plat::REG_BINARY, {1, 0, 0, 0}));
    const std::string otherCase = ".DEFAULT\\software\\registrytest" + std::to_string(run) + "\\CONFIG";
    ASSERT_TRUE(plat::regRead(RegRoot::Users, otherCase, "modem name", data, type));
    EXPECT_EQ(data, bytes("モデム"));
    EXPECT_EQ(type, plat::REG_SZ);
    ASSERT_TRUE(plat::regRead(RegRoot::Users, key, "Line Device", data, type));
    EXPECT_EQ(data, (std::vector<std::uint8_t>{1, 0, 0, 0}));
    EXPECT_EQ(type, plat::REG_BINARY);

    // Roots are separate trees; a missing value fails.
    EXPECT_FALSE(plat::regRead(RegRoot::LocalMachine, key, "Modem Name", data, type));
    EXPECT_FALSE(plat::regRead(RegRoot::Users, key, "LongDistanceAccess", data, type));
}

TEST(RegistryStore, TextFormKeepsEveryByte) {
    sim::RegistryStore store;
    const std::string key = "Software\\表 [x]=%;\\Config";  // 表 ends in the byte '\'
    store.createKey(RegRoot::LocalMachine, key);
    std::vector<std::uint8_t> all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<std::uint8_t>(b));
    ASSERT_TRUE(store.setValue(RegRoot::LocalMachine, key, {"Name = [%] ソ\r\n", 3, all}));
    ASSERT_TRUE(store.setValue(RegRoot::LocalMachine, key, {"", plat::REG_SZ, {}}));
    EXPECT_FALSE(store.setValue(RegRoot::CurrentUser, key, {"x", 1, {}}));

    const std::string text = store.serialize();
    // A comment, six keys (three roots and the path) and two values: the
    // line break inside the value name is escaped.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 9);
    const sim::RegistryStore copy = sim::RegistryStore::parse(text + "garbage\r\n[HKXX\\bad]\r\nbad=line\r\n");
    EXPECT_EQ(copy.serialize(), text);
    EXPECT_TRUE(copy.hasKey(RegRoot::LocalMachine, "software\\表 [X]=%;"));
    const sim::RegistryValue* value = copy.value(RegRoot::LocalMachine, key, "name = [%] ソ\r\n");
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->type, 3u);
    EXPECT_EQ(value->data, all);
    EXPECT_NE(copy.value(RegRoot::LocalMachine, key, ""), nullptr);
}

}  // namespace

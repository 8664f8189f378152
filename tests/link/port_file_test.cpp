#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "link/port_file.h"

using namespace lumivox;
namespace fs = std::filesystem;

namespace {

struct PortFile : ::testing::Test {
    fs::path dir = fs::temp_directory_path() /
                   ("lumivox-portfile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::path file = dir / kPortFileName;
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override { fs::remove_all(dir); }
    void put(const std::string& bytes)
    {
        std::ofstream(file, std::ios::binary) << bytes;
    }
};

}  // namespace

TEST_F(PortFile, FirstLineSelectsThePort)
{
    const std::pair<std::string, int> cases[] = {
        {"3\r\n", 3}, {"16", 16}, {" 5 \r\n", 5}, {"5\r\n7\r\n", 5}, {"0\r\n", 1}, {"17\r\n", 1},
        {"-2\r\n", 1}, {"abc\r\n", 1}, {"", 1}, {"\r\n4\r\n", 1}, {std::string(40, '0') + "5", 1},
    };
    for (const auto& [content, port] : cases) {
        put(content);
        EXPECT_EQ(readPortFile(file), port) << content;
    }
    fs::remove(file);
    EXPECT_EQ(readPortFile(file), 1);
}

TEST_F(PortFile, WritesOneLineWithCrLf)
{
    put("garbage that was there before\r\n");
    ASSERT_TRUE(writePortFile(file, 12));
    std::ifstream in(file, std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    EXPECT_EQ(content.str(), "12\r\n");
    EXPECT_EQ(readPortFile(file), 12);
    EXPECT_FALSE(writePortFile(dir / "missing" / kPortFileName, 1));
}

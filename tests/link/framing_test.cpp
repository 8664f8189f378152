#include <gtest/gtest.h>

#include "link/framing.h"

using namespace lumivox;

namespace {

std::string frame(const std::string& tag, const std::string& payload)
{
    return ReplyFrame{tag, payload}.wire();
}

struct CutCase {
    const char* name;
    std::vector<std::string> events;       // what each read delivered
    std::vector<ReplyFrame> frames;        // every frame cut, in order
    int discarded;                         // stray cuts reported
    std::string left;                      // what waits in the buffer
};

}  // namespace

TEST(ReceiveBuffer, CutsFramesFromByteStreams)
{
    const CutCase cases[] = {
        {"one frame", {"start_smoABCende_"}, {{"smo", "ABC"}}, 0, ""},
        {"two frames in one event are both cut", {"start_smoABCende_start_sdt01.01.00ende_"},
         {{"smo", "ABC"}, {"sdt", "01.01.00"}}, 0, ""},
        {"stray bytes before a frame go with it", {"xyzstart_smoABCende_"}, {{"smo", "ABC"}}, 0, ""},
        {"stray end marker before a frame keeps the frame", {"xende_start_sdt01.01.00ende_"},
         {{"sdt", "01.01.00"}}, 1, ""},
        {"partial frame completed later", {"start_sm", "oABCen", "de_"}, {{"smo", "ABC"}}, 0, ""},
        {"empty payload", {"start_stcende_"}, {{"stc", ""}}, 0, ""},
        {"frame without end marker gives way to the next", {"start_smoABCstart_sdtXende_"}, {{"sdt", "X"}}, 1, ""},
        {"partial frame behind a complete one waits", {"start_smoAende_start_sd"}, {{"smo", "A"}}, 0, "start_sd"},
        {"bytes without markers wait", {"abc"}, {}, 0, "abc"},
        {"end marker alone waits for a start", {"xxende_"}, {}, 0, "xxende_"},
        {"payload keeps Windows-1252 bytes and commas", {"start_smn3,K\xfc" "che, Ostende_"}, {{"smn", "3,K\xfc" "che, Ost"}}, 0, ""},
    };
    for (const CutCase& c : cases) {
        ReceiveBuffer buffer;
        std::vector<ReplyFrame> frames;
        int discarded = 0;
        for (const std::string& event : c.events) {
            buffer.append(event);
            for (ReplyFrame& f : buffer.cutAll(&discarded))
                frames.push_back(std::move(f));
        }
        EXPECT_EQ(frames, c.frames) << c.name;
        EXPECT_EQ(discarded, c.discarded) << c.name;
        EXPECT_EQ(buffer.bytes(), c.left) << c.name;
    }
}

TEST(ReceiveBuffer, FrameSplitAtEveryByteIsCutOnce)
{
    const std::string stream = frame("sfi", "5.509") + frame("skd", "1,2,3,") + "noise" + frame("smo", "VWS 880 W 8 8STG");
    const std::vector<ReplyFrame> expected = {{"sfi", "5.509"}, {"skd", "1,2,3,"}, {"smo", "VWS 880 W 8 8STG"}};
    for (std::size_t split = 0; split <= stream.size(); ++split) {
        ReceiveBuffer buffer;
        buffer.append(stream.substr(0, split));
        std::vector<ReplyFrame> frames = buffer.cutAll();
        buffer.append(stream.substr(split));
        for (ReplyFrame& f : buffer.cutAll())
            frames.push_back(std::move(f));
        EXPECT_EQ(frames, expected) << "split at " << split;
        EXPECT_TRUE(buffer.bytes().empty()) << "split at " << split;
    }
}

TEST(ReceiveBuffer, NoisyLineDoesNotGrowWithoutBound)
{
    ReceiveBuffer buffer;
    for (int i = 0; i < 100; ++i) {
        buffer.append(std::string(4096, 'x'));
        EXPECT_TRUE(buffer.cutAll().empty());
    }
    EXPECT_LE(buffer.bytes().size(), ReceiveBuffer::kLimit);

    // The frame being received when the limit is passed survives.
    buffer.append("start_smo" + std::string(1000, 'A'));
    buffer.cutAll();
    buffer.append(std::string(ReceiveBuffer::kLimit - 2000, 'B'));
    buffer.cutAll();
    EXPECT_LE(buffer.bytes().size(), ReceiveBuffer::kLimit);
    buffer.append("ende_");
    const std::vector<ReplyFrame> frames = buffer.cutAll();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].tag, "smo");
    EXPECT_EQ(frames[0].payload.size(), 1000 + ReceiveBuffer::kLimit - 2000);

    // Stray end markers in the noise change nothing.
    for (int i = 0; i < 20; ++i) {
        buffer.append(std::string(4096, 'y') + "ende_");
        EXPECT_TRUE(buffer.cutAll().empty());
    }
    EXPECT_LE(buffer.bytes().size(), ReceiveBuffer::kLimit);
}

TEST(ReceiveBuffer, BurstLongerThanTheLimitKeepsEveryFrame)
{
    // A window that was busy for a while reads a long burst at once.
    std::string burst = "noise";
    int count = 0;
    while (burst.size() <= 2 * ReceiveBuffer::kLimit)
        burst += frame("sfs", std::to_string(count++) + ",1,2,3,");
    burst += "start_sf";
    ReceiveBuffer buffer;
    buffer.append(burst);
    const std::vector<ReplyFrame> frames = buffer.cutAll();
    ASSERT_EQ(static_cast<int>(frames.size()), count);
    EXPECT_EQ(frames.front().payload, "0,1,2,3,");
    EXPECT_EQ(frames.back().payload, std::to_string(count - 1) + ",1,2,3,");
    EXPECT_EQ(buffer.bytes(), "start_sf");
}

TEST(ReceiveBuffer, StartMarkerSplitAcrossAnOverflowSurvives)
{
    ReceiveBuffer buffer;
    buffer.append(std::string(ReceiveBuffer::kLimit + 10, 'x') + "sta");
    EXPECT_TRUE(buffer.cutAll().empty());
    EXPECT_LE(buffer.bytes().size(), ReceiveBuffer::kLimit);
    buffer.append("rt_sdtDende_");
    const std::vector<ReplyFrame> frames = buffer.cutAll();
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0], (ReplyFrame{"sdt", "D"}));
}

TEST(ParseNumberList, FillsSixteenSlotsFromCommaTerminatedNumbers)
{
    struct Case {
        std::string payload;
        bool ok;
        std::vector<int32_t> first;   // the leading slots; the rest must be 0
        std::string left;
    };
    std::string seventeen;
    for (int i = 0; i <= 16; ++i)
        seventeen += std::to_string(i) + ",";
    std::vector<int32_t> sixteen;
    for (int i = 0; i < 16; ++i)
        sixteen.push_back(i);
    const Case cases[] = {
        {"1,2,3", true, {1, 2}, "3"},
        {"1,2,3,", true, {1, 2, 3}, ""},
        {"-5,+7, 12 ,", true, {-5, 7, 12}, ""},
        {"", true, {}, ""},
        {seventeen, true, sixteen, "16,"},
        {"-2147483648,2147483647,", true, {INT32_MIN, INT32_MAX}, ""},
        {"1,x,3,", false, {1}, "3,"},
        {"2147483648,", false, {}, ""},
        {",", false, {}, ""},
        {"1.5,", false, {}, ""},
        {"0x10,", false, {}, ""},
    };
    for (const Case& c : cases) {
        std::string payload = c.payload;
        const ParsedNumbers parsed = ParseNumberList(payload);
        EXPECT_EQ(parsed.ok, c.ok) << c.payload;
        for (int k = 0; k < kPayloadNumberCount; ++k) {
            const int32_t expected = k < static_cast<int>(c.first.size()) ? c.first[k] : 0;
            EXPECT_EQ(parsed.numbers[k], expected) << c.payload << " slot " << k;
        }
        EXPECT_EQ(payload, c.left) << c.payload;
    }
}

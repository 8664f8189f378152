#include <gtest/gtest.h>

#include "link/framing.h"
#include "sim/virelta_controller.h"

using virelta_sim::Config;
using virelta_sim::Controller;

namespace {

std::vector<lumivox::ReplyFrame> frames(Controller& c)
{
    lumivox::ReceiveBuffer buffer;
    buffer.append(c.takeOutput());
    return buffer.cutAll();
}

}  // namespace

TEST(SimController, AnswersThePollsInOrderWhateverTheSplit)
{
    const std::string polls = "sfi\rsdt\rsti\rskd\rsmo\r";
    for (std::size_t split = 0; split <= polls.size(); ++split) {
        Controller c(Config{});
        c.receive(polls.substr(0, split), 0);
        c.receive(polls.substr(split), 0);
        const auto replies = frames(c);
        ASSERT_EQ(replies.size(), 5u) << split;
        const char* tags[] = {"sfi", "sdt", "sti", "skd", "smo"};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(replies[i].tag, tags[i]) << split;
        EXPECT_EQ(replies[4].payload, "VWS 880 W 8 8STG");
    }
}

TEST(SimController, CommandsWithFieldsWaitForEveryField)
{
    Controller c(Config{});
    std::vector<std::string> got;
    c.addCommand("rxx", 2, [&](Controller&, const Controller::Fields& f) { got = f; });
    c.receive(" rxx12\r", 0);
    EXPECT_TRUE(got.empty());
    c.receive(" ab\r + sti\r", 0);
    EXPECT_EQ(got, (std::vector<std::string>{"12", "ab"}));
    const auto replies = frames(c);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].tag, "sti");
    EXPECT_EQ(c.received(), (std::vector<std::string>{"rxx", "sti"}));
    EXPECT_EQ(c.takeReceived(), (std::vector<std::string>{"rxx", "sti"}));
    EXPECT_TRUE(c.received().empty());
}

TEST(SimController, NoiseBeforeACommandIsSkipped)
{
    Controller c(Config{});
    c.receive("\x13zzqsmo\r", 0);
    const auto replies = frames(c);
    ASSERT_EQ(replies.size(), 1u);
    EXPECT_EQ(replies[0].tag, "smo");
}

TEST(SimController, FaultsSilenceAndDamage)
{
    Config silent;
    silent.faults.silentAfter = 10;
    silent.faults.silentFor = 5;
    Controller s(silent);
    for (double t : {9.0, 10.0, 14.9, 15.0}) {
        s.receive("smo\r", t);
        EXPECT_EQ(frames(s).size(), t >= 10 && t < 15 ? 0u : 1u) << t;
    }
    s.setSilent(true);
    s.receive("smo\r", 20);
    EXPECT_TRUE(frames(s).empty());

    Config damaged;
    damaged.faults.corruptEvery = 2;
    Controller d(damaged);
    d.receive("smo\rsmo\rsmo\rsmo\rsmo\r", 0);
    const auto replies = frames(d);
    // Frame 2 has a damaged payload, frame 4 a damaged end marker (it is lost).
    ASSERT_EQ(replies.size(), 4u);
    EXPECT_EQ(replies[0].payload, "VWS 880 W 8 8STG");
    EXPECT_NE(replies[1].payload, "VWS 880 W 8 8STG");
    EXPECT_EQ(replies[2].payload, "VWS 880 W 8 8STG");
    EXPECT_EQ(replies[3].payload, "VWS 880 W 8 8STG");

    // Junk between frames, stray end markers included, costs no frame.
    Config noisy;
    noisy.faults.garbage = true;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        noisy.seed = seed;
        Controller g(noisy);
        g.receive("smo\rsmo\rsmo\rsmo\rsmo\r", 0);
        const auto clean = frames(g);
        ASSERT_EQ(clean.size(), 5u) << seed;
        for (const auto& f : clean)
            EXPECT_EQ(f.payload, "VWS 880 W 8 8STG") << seed;
    }
}

TEST(SimController, LiveValuesStayPlausible)
{
    for (auto kind : {virelta_sim::Kind::Conservatory, virelta_sim::Kind::Shading, virelta_sim::Kind::Plain}) {
        Config config;
        config.kind = kind;
        Controller c(config);
        for (double t = 0; t < 3600; t += 37) {
            const virelta_sim::LiveNumbers n = c.liveValues(t);
            if (n[1] != 999) {
                EXPECT_LE(n[3], n[1]);
                EXPECT_GE(n[4], n[1]);
                EXPECT_GE(n[2], 0);
                EXPECT_LE(n[2], 9);
            }
            EXPECT_GE(n[9], 0);
            EXPECT_LE(n[9], 100);
            EXPECT_GE(n[10], n[9]);
            EXPECT_GE(n[15], 0);
            EXPECT_LE(n[15], 100);
        }
    }
}

TEST(SimController, DateWithoutTimeSignal)
{
    Config config;
    config.timeSignal = false;
    Controller c(config);
    EXPECT_EQ(c.date(3725), "01.01.00");
    EXPECT_EQ(c.time(3725), "01:02:05");
}

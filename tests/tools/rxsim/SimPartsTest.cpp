#include "tools/rxsim/SimEvent.h"
#include "tools/rxsim/SimEventRate.h"
#include "tools/rxsim/SimFrameDecoder.h"
#include "tools/rxsim/SimLinePacer.h"
#include "tools/rxsim/SimModel.h"
#include "tools/rxsim/SimOptions.h"
#include "tools/rxsim/SimScript.h"
#include "tools/rxsim/SimTransport.h"

#include <gtest/gtest.h>

namespace vorbix::rxsim {
namespace {

using namespace std::chrono_literals;

TEST(SimFrameDecoderTest, PassesCodeSixBodiesAndSwallowsTheRest)
{
    SimFrameDecoder decoder;
    std::vector<std::string> notes;
    const std::string connect("\x04\x00\x07\x00", 4);
    const std::string keepAlive("\x06\x00\x06\x00\x01S", 6);
    const std::string command = std::string("\x0A\x00\x06\x00\x05", 5) + "UUU:0";
    EXPECT_EQ(decoder.feed(connect + keepAlive + command, notes), "SUUU:0");
    EXPECT_EQ(notes.size(), 1u);
}

TEST(SimFrameDecoderTest, JoinsFramesSplitAcrossBlocks)
{
    SimFrameDecoder decoder;
    std::vector<std::string> notes;
    const std::string frame = std::string("\x08\x00\x06\x00\x03", 5) + "ABC";
    std::string passed;
    for (char c : frame) {
        passed += decoder.feed(std::string(1, c), notes);
    }
    EXPECT_EQ(passed, "ABC");
    EXPECT_TRUE(notes.empty());
}

TEST(SimFrameDecoderTest, DropsFramesWhoseLengthsDisagree)
{
    SimFrameDecoder decoder;
    std::vector<std::string> notes;
    EXPECT_EQ(decoder.feed(std::string("\x08\x00\x06\x00\x02", 5) + "ABC", notes), "");
    EXPECT_EQ(decoder.feed(std::string("\x02\x00\x06\x00", 4), notes), "");
    // Raw text on the framed port reads as a huge length; it is dropped, not waited for.
    EXPECT_EQ(decoder.feed("UU:0500", notes), "");
    EXPECT_EQ(notes.size(), 3u);
    EXPECT_EQ(decoder.feed(std::string("\x06\x00\x06\x00\x01S", 6), notes), "S");
}

TEST(SimLinePacerTest, LetsCharactersOutAtTheLineRate)
{
    SimLinePacer pacer(9600); // 10 bits per character: 1.0416 ms each
    const auto t0 = SimLinePacer::Clock::now();
    pacer.push("0123456789", t0);
    EXPECT_EQ(pacer.take(t0), "");
    EXPECT_EQ(pacer.take(t0 + 1100us), "0");
    EXPECT_EQ(pacer.take(t0 + 5300us), "1234");
    ASSERT_TRUE(pacer.nextDeadline());
    EXPECT_EQ(pacer.take(t0 + 1s), "56789");
    EXPECT_FALSE(pacer.nextDeadline());
}

TEST(SimLinePacerTest, WithoutARateEverythingLeavesAtOnce)
{
    SimLinePacer pacer;
    const auto t0 = SimLinePacer::Clock::now();
    pacer.push("abc", t0);
    EXPECT_EQ(pacer.take(t0), "abc");
}

TEST(SimTransportTest, AcceptsLoopbackAddressesOnly)
{
    const struct
    {
        const char* text;
        bool accepted;
    } cases[] = {
        {"127.0.0.1:5000", true},     {"127.0.0.2:5000", true},   {"127.255.1.9:0", true},
        {"192.168.1.1:10001", false}, {"0.0.0.0:5000", false},    {"localhost:5000", false},
        {"127.0.0.1", false},         {"127.0.0.1:65536", false}, {"127.0.0.1:x", false},
    };
    for (const auto& c : cases) {
        std::string address;
        unsigned port = 0;
        std::string error;
        EXPECT_EQ(parseLoopbackEndpoint(c.text, address, port, error), c.accepted) << c.text;
    }
}

TEST(SimModelTest, BuiltInModelsAreConsistent)
{
    for (const std::string& name : builtInModelNames()) {
        SimModel model;
        ASSERT_TRUE(builtInModel(name, model));
        std::string error;
        EXPECT_TRUE(checkModel(model, error)) << name << ": " << error;
    }
}

TEST(SimModelTest, RefusesOverlappingOrOversizedLayouts)
{
    const struct
    {
        const char* why;
        void (*change)(SimModel&);
    } cases[] = {
        {"status block on the configuration block", [](SimModel& m) { m.statusAddr = 0x0F08; }},
        {"record memory over the name block", [](SimModel& m) { m.memStart = 0x0F18; }},
        {"block past FFFF", [](SimModel& m) { m.passAddr = 0xFFF8; }},
        {"end before start", [](SimModel& m) { m.memEnd = 0x0FFF; }},
        {"nine relays", [](SimModel& m) { m.relays = 9; }},
        {"no erase block", [](SimModel& m) { m.eraseBlock = 0; }},
        {"serial beyond the record", [](SimModel& m) { m.setSerialAt(20); }},
        {"serial digits sharing a digit", [](SimModel& m) { m.serialDigits[4] = 0; }},
        {"short empty record", [](SimModel& m) { m.emptyRecord = "0000"; }},
        {"long name", [](SimModel& m) { m.name = "KV1MOD-TX"; }},
    };
    for (const auto& c : cases) {
        SimModel model;
        c.change(model);
        std::string error;
        EXPECT_FALSE(checkModel(model, error)) << c.why;
    }
}

TEST(SimOptionsTest, AddressOptionsOverrideTheModelDefaults)
{
    SimOptions options;
    std::string error;
    ASSERT_TRUE(parseOptions({"--pty", "/tmp/x", "--model", "KV8MOD-T", "--mem-end", "1FFF", "--erase-block", "256",
                              "--fault-drop", "3", "--seed", "5"},
                             options, error))
        << error;
    const SimModel model = modelFromOptions(options);
    EXPECT_EQ(model.relays, 8u);
    EXPECT_EQ(model.recordSize, 32u);
    EXPECT_EQ(model.memEnd, 0x1FFFu);
    EXPECT_EQ(model.eraseBlock, 256u);
    EXPECT_EQ(options.faults.dropReplyCharacter, 3u);
    EXPECT_EQ(options.faults.seed, 5u);
}

TEST(SimOptionsTest, RefusesBadCommandLines)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"--tcp", "127.0.0.1:0", "--pty", "/tmp/x"},
        {"--tcp", "127.0.0.1:0", "--mem-end", "12345"},
        {"--tcp", "127.0.0.1:0", "--fill", "-1"},
        {"--tcp", "127.0.0.1:0", "--report", "X"},
        {"--tcp", "127.0.0.1:0", "--bogus"},
        {"--tcp"},
        {"--tcp", "127.0.0.1:0", "--event-rate", "1001"},
        {"--tcp", "127.0.0.1:0", "--event-rate", "0"},
        {"--tcp", "127.0.0.1:0", "--event-rate", "2/min"},
    };
    for (const auto& args : cases) {
        SimOptions options;
        std::string error;
        EXPECT_FALSE(parseOptions(args, options, error)) << ::testing::PrintToString(args);
    }
}

TEST(SimScriptTest, RunsCommandsAfterTheirSleeps)
{
    SimScript script;
    std::string error;
    ASSERT_TRUE(script.parse({"# demo", "press 0212AB4 2", "", "sleep 100", "sleep 50", "relay 01", "quit"}, error));
    const auto t0 = SimScript::Clock::now();
    script.start(t0);
    EXPECT_EQ(script.due(t0), std::vector<std::string>{"press 0212AB4 2"});
    EXPECT_EQ(script.nextDeadline(), t0 + 150ms);
    EXPECT_TRUE(script.due(t0 + 149ms).empty());
    EXPECT_EQ(script.due(t0 + 150ms), (std::vector<std::string>{"relay 01", "quit"}));
    EXPECT_FALSE(script.nextDeadline());
    EXPECT_FALSE(script.parse({"sleep soon"}, error));
}

TEST(SimEventRateTest, SendsOnScheduleCatchingUpAndStopsAfterItsCount)
{
    SimEventRate rate;
    const auto t0 = SimEventRate::Clock::now();
    rate.start(4, 3, "press 0100001 1", 1, t0);
    EXPECT_EQ(rate.nextDeadline(), t0 + 250ms);
    EXPECT_TRUE(rate.due(t0 + 249ms).empty());
    // A loop that woke late sends what is due at once, without shifting the schedule.
    EXPECT_EQ(rate.due(t0 + 500ms), (std::vector<std::string>(2, "press 0100001 1")));
    EXPECT_EQ(rate.nextDeadline(), t0 + 750ms);
    EXPECT_EQ(rate.due(t0 + 10s).size(), 1u);
    EXPECT_FALSE(rate.nextDeadline());

    // Random presses: well-formed and the same for the same seed.
    SimEventRate a;
    SimEventRate b;
    a.start(1000, 0, "", 7, t0);
    b.start(1000, 0, "", 7, t0);
    const std::vector<std::string> presses = a.due(t0 + 20ms);
    ASSERT_EQ(presses.size(), 20u);
    EXPECT_EQ(presses, b.due(t0 + 20ms));
    for (const std::string& press : presses) {
        SimEvent event;
        std::string error;
        EXPECT_TRUE(parseEvent(press, 'U', event, error)) << press << ": " << error;
    }
}

} // namespace
} // namespace vorbix::rxsim

#include "LinkFixture.h"

#include "core/link/Rx.h"
#include "core/model/TDataSet.h"

using namespace vorbix::link;
using namespace vorbix::link::test;

namespace {

using RxConfigurationTest = LinkFixture;

// The model name block of a KV2MIN-S (8-byte records, erase blocks of 256) and an erased
// password block.
const std::string kNameBlock = "4B56324D494E2D53" + std::string(16, '0');
const std::string kPasswordBlock(32, '0');

} // namespace

// The configuration block sets the addresses every transfer uses; a record memory that would end
// before it starts cannot be transferred and the login is refused as with a garbled block.
TEST_F(RxConfigurationTest, RecordMemoryEndingBeforeItStartsIsRefused)
{
    const struct
    {
        const char* memStart;
        const char* memEnd;
        int recordCount; // -1: refused
    } cases[] = {{"0100", "01FF", 32}, {"0100", "08FF", 256}, {"0100", "00FF", -1}, {"FFFF", "0000", -1}};
    open(1);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.memStart) + "-" + c.memEnd);
        vorbix::model::ReceiverMemory memory;
        TRx rx(link, memory, texts, VORBIX_DATA_DIR);
        rx.setErrorSink([this](const std::string& message) { errors.push_back(message); });
        errors.clear();
        receiver.readReplies = {std::string(c.memStart) + c.memEnd + "0F000F100F20" + std::string(12, '0'), kNameBlock,
                                kPasswordBlock};
        if (c.recordCount < 0) {
            EXPECT_FALSE(rx.ReadConfiguration());
            EXPECT_EQ(errors, std::vector<std::string>{"text 110 - text 112"});
            EXPECT_EQ(rx.Device().Model, "");
        } else {
            ASSERT_TRUE(rx.ReadConfiguration()) << ::testing::PrintToString(errors);
            EXPECT_EQ(rx.Device().Model, "KV2MIN-S");
            EXPECT_EQ(rx.Device().RecordCount, c.recordCount);
        }
        receiver.readReplies.clear();
    }
}

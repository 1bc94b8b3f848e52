// A serial number is either stored as entered or refused; nothing in between.
#include "ModelTestSupport.h"

#include "core/model/DataFile.h"
#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"
#include "core/model/StorableSerial.h"
#include "core/model/TTx.h"

#include <gtest/gtest.h>

using namespace vorbix::model;

namespace {

const std::string DataFolder = VORBIX_DATA_DIR;

// Every accepted text, in slot 1 of every shipped model, comes back from the receiver's memory
// with its serial digits and from a data file whole; every refused text is refused on every model.
TEST(StorableSerialTest, AcceptedTextsRoundTripOnEveryShippedModel)
{
    const vorbix::PopisType lang = vorbix::test::numberedTexts();
    vorbix::test::MessageLog log;
    std::vector<TTx> types;
    ASSERT_TRUE(LoadTxTypes(DataFolder, types, lang, log.sink()));
    std::vector<TRxArray> models;
    std::vector<std::string> descriptions;
    ASSERT_TRUE(LoadModelList(DataFolder + "/Rx.def", models, descriptions, lang, log.sink()));
    ASSERT_FALSE(models.empty());

    struct Case
    {
        const char* text;
        bool accepted;
    };
    const Case cases[] = {
        {"x0ABCDE", true},
        {"x0FFFFF", true},
        {"x000001", true},
        {"1012345", true},
        {"A012345", true},
        {"B0ABCDE", true},
        {"021388F", true},
        {"AFFFFF0", true},
        // A sixth serial digit after the "x" has nowhere to go in the receiver.
        {"x1A2B3C", false},
        {"x9FFFFF", false},
        {"xABCDEF", false},
        {"Z012345", false},
        // Texts the dialog has not normalised, or of the wrong length.
        {"x0abcde", false},
        {"X012345", false},
        {"x0ABCD", false},
        {"x0ABCDEF", false},
        {"x0ABCDG", false},
        {"", false},
        {"x0", false},
    };
    for (const TRxArray& entry : models) {
        TDevice device;
        device.Model = entry.Name;
        ASSERT_TRUE(FindModel(DataFolder, device, lang, log.sink())) << entry.Name;
        device.RecordCount = 4;
        for (const Case& c : cases) {
            SCOPED_TRACE(entry.Name + " " + c.text);
            EXPECT_EQ(CanStoreSerial(device, types, c.text), c.accepted);
            if (!c.accepted) {
                continue;
            }
            RecordTable records;
            NewRecords(device, records);
            TData& record = records[1];
            record.Empty = false;
            record.Prefix = std::string(c.text).substr(0, 2);
            record.Serial = std::string(c.text).substr(2);
            std::string image;
            ASSERT_TRUE(EncodeMemory(device, records, image));

            RecordTable downloaded;
            ASSERT_TRUE(DecodeMemory(device, image, downloaded));
            EXPECT_EQ(downloaded[1].Serial, record.Serial);

            LoadedDataFile file;
            ASSERT_TRUE(ParseDataFile(formatDataFile(device, records, image), "serial.rxd", DataFolder, nullptr, file,
                                      lang, log.sink()));
            EXPECT_EQ(file.Records.at(1).Prefix + file.Records.at(1).Serial, c.text);
        }
    }
    EXPECT_TRUE(log.messages.empty()) << ::testing::PrintToString(log.messages);
}

// Without the model's layouts nothing can be known to survive, so nothing is accepted.
TEST(StorableSerialTest, AModelWithoutLayoutsStoresNothing)
{
    EXPECT_FALSE(CanStoreSerial(TDevice{}, {}, "x0ABCDE"));
}

} // namespace

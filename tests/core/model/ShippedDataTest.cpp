// The definition files shipped in data/ must load and describe models the program can handle.
#include "ModelTestSupport.h"

#include "core/model/MemoryImage.h"
#include "core/model/RxDefinition.h"
#include "core/model/TRxFnc.h"
#include "core/model/TTx.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace vorbix::model;

namespace {

const std::string DataFolder = VORBIX_DATA_DIR;

class ShippedDataTest : public ::testing::Test
{
protected:
    std::vector<TRxArray> models()
    {
        std::vector<TRxArray> list;
        std::vector<std::string> descriptions;
        EXPECT_TRUE(LoadModelList(DataFolder + "/Rx.def", list, descriptions, lang, log.sink()));
        return list;
    }

    vorbix::PopisType lang = vorbix::test::numberedTexts();
    vorbix::test::MessageLog log;
};

// A record whose fields are all filled: a digit per field position, varying by slot.
std::string sampleRecord(const TDevice& device, int slot)
{
    TData record;
    RecordTable one;
    TDevice single = device;
    single.RecordCount = 1;
    NewRecords(single, one);
    record = one[1];
    const std::string digits = "123456789ABCDE";
    for (char letter : FieldLetters) {
        std::string& field = *fieldOf(record, letter);
        for (std::size_t i = 0; i < field.size(); ++i) {
            field[i] = digits[(static_cast<std::size_t>(slot) + i) % digits.size()];
        }
    }
    // Models that keep a text in E hold character codes there, ended by 00 pairs.
    if (const int start = userTextStartInExtra(device.Model); start > 0) {
        std::string& extra = record.Extra;
        const std::string text = "4D" + std::string("61") + "696E";
        for (std::size_t i = static_cast<std::size_t>(start - 1), j = 0; i < extra.size(); ++i, ++j) {
            extra[i] = j < text.size() ? text[j] : '0';
        }
    }
    std::string raw;
    for (std::size_t j = 0; j < device.WriteLayout.size() / 3; ++j) {
        const std::string& field = *fieldOf(record, device.WriteLayout[3 * j]);
        raw += field[static_cast<std::size_t>(std::stoi(device.WriteLayout.substr(3 * j + 1, 2)) - 1)];
    }
    return raw;
}

TEST_F(ShippedDataTest, EveryModelRoundTripsItsMemory)
{
    const std::vector<TRxArray> list = models();
    ASSERT_GE(list.size(), 5U);
    TRxFnc functions;
    functions.Folder = DataFolder;
    functions.FileName = "RxFncUS.def";
    functions.setMessages(&lang, log.sink());
    std::vector<int> recordLengths;
    std::vector<int> eraseBlocks;
    int largest = 0;
    bool single = false;
    bool multi = false;
    bool rules = false;
    for (const TRxArray& entry : list) {
        SCOPED_TRACE(entry.Name);
        TDevice device;
        ASSERT_TRUE(LoadDefinition(DataFolder, entry.Name, device, lang, log.sink()));
        ASSERT_TRUE(functions.LoadFunctions(entry.Name, &device));
        ASSERT_EQ(functions.ModelName, entry.Name);
        EXPECT_LT(functions.TimeFunction, static_cast<int>(functions.FuncNames.size()));
        EXPECT_FALSE(functions.DecoderCodes.empty());
        single = single || (functions.isSingleLayout() && device.Relays >= 2 && device.Relays <= 8);
        multi = multi || !functions.isSingleLayout();
        rules = rules || (functions.CheckCount > 0 && functions.SetCount > 0);
        recordLengths.push_back(device.recordLength());
        eraseBlocks.push_back(device.EraseBlock);
        largest = std::max(largest, functions.RecordCount);

        // A full memory: used records packed from slot 1, erased records after them.
        device.RecordCount = functions.RecordCount;
        const int used = device.RecordCount / 3;
        std::string image;
        for (int k = 1; k <= device.RecordCount; ++k) {
            image += k <= used ? sampleRecord(device, k) : device.ErasedRecord;
        }
        RecordTable records;
        ASSERT_TRUE(DecodeMemory(device, image, records));
        EXPECT_EQ(device.UsedCount, used);
        if (keepsUserTextInExtra(device.Model)) {
            EXPECT_EQ(records[1].User[0], "Main");
        }
        const int erase = device.EraseBlock;
        device.EraseBlock = 2048; // packs like the receiver's memory
        std::string upload;
        ASSERT_TRUE(EncodeMemory(device, records, upload));
        EXPECT_EQ(upload, image);
        device.EraseBlock = erase;
    }
    EXPECT_TRUE(std::count(recordLengths.begin(), recordLengths.end(), 16) > 0);
    EXPECT_TRUE(std::count(recordLengths.begin(), recordLengths.end(), 32) > 0);
    EXPECT_TRUE(std::count(eraseBlocks.begin(), eraseBlocks.end(), 2048) > 0);
    EXPECT_TRUE(std::count(eraseBlocks.begin(), eraseBlocks.end(), 256) > 0);
    EXPECT_GE(largest, 4096);
    EXPECT_TRUE(single);
    EXPECT_TRUE(multi);
    EXPECT_TRUE(rules);
    EXPECT_TRUE(log.messages.empty()) << log.messages.front();
}

TEST_F(ShippedDataTest, FunctionFilesDescribeEveryModelAlike)
{
    for (const TRxArray& entry : models()) {
        SCOPED_TRACE(entry.Name);
        TDevice device;
        ASSERT_TRUE(LoadDefinition(DataFolder, entry.Name, device, lang, log.sink()));
        TRxFnc us;
        TRxFnc cz;
        for (TRxFnc* fnc : {&us, &cz}) {
            fnc->Folder = DataFolder;
            fnc->RecordCount = -1; // stays when the model has no block
            fnc->setMessages(&lang, log.sink());
        }
        us.FileName = TRxFnc::functionFileName(DataFolder, "US");
        cz.FileName = TRxFnc::functionFileName(DataFolder, "CZ");
        EXPECT_EQ(cz.FileName, "RxFncCZ.def");
        ASSERT_TRUE(us.LoadFunctions(entry.Name, &device));
        ASSERT_TRUE(cz.LoadFunctions(entry.Name, &device));
        EXPECT_GT(us.RecordCount, 0);
        EXPECT_EQ(us.RecordCount, cz.RecordCount);
        EXPECT_EQ(us.SingleRelay, cz.SingleRelay);
        EXPECT_EQ(us.TimeFunction, cz.TimeFunction);
        EXPECT_EQ(us.DecoderCodes, cz.DecoderCodes);
        EXPECT_EQ(us.FuncNames.size(), cz.FuncNames.size());
        EXPECT_EQ(us.CheckCount, cz.CheckCount);
        EXPECT_EQ(us.SetCount, cz.SetCount);
        // Every function name, in either language, can be stored as a code.
        for (const TRxFnc* fnc : {&us, &cz}) {
            for (const std::string& name : fnc->FuncNames) {
                std::string code;
                EXPECT_TRUE(fnc->isSingleLayout() ? fnc->FuncCodeOf(name, code) : fnc->RelayFuncCodeOf(1, name, code))
                    << fnc->FileName << ": " << name;
            }
        }
    }
    EXPECT_TRUE(log.messages.empty());
}

TEST_F(ShippedDataTest, TextModelsAreDescribed)
{
    const std::vector<TRxArray> list = models();
    for (const char* name : {"KV1MOD-T", "KVPMOD-T", "KV8MOD-T"}) {
        EXPECT_TRUE(std::any_of(list.begin(), list.end(), [&](const TRxArray& entry) { return entry.Name == name; }))
            << name;
    }
    TDevice kv8;
    ASSERT_TRUE(LoadDefinition(DataFolder, "KV8MOD-T", kv8, lang, log.sink()));
    EXPECT_EQ(kv8.Relays, 8);
}

TEST_F(ShippedDataTest, TransmitterTypesCoverButtonsInputsAndSensors)
{
    std::vector<TTx> types;
    ASSERT_TRUE(LoadTxTypes(DataFolder, types, lang, log.sink()));
    bool fourButtons = false;
    bool fewerButtons = false;
    bool inputDevice = false;
    bool sensor = false;
    for (const TTx& type : types) {
        SCOPED_TRACE(type.Name);
        ASSERT_EQ(type.Prefix.size(), 2U);
        if (type.HasButtons) {
            // The edit dialog reads a button code back with the weights 8, 4, 2, 1.
            for (std::size_t b = 0; b < 4; ++b) {
                EXPECT_EQ(type.Buttons[b].Value, 8 >> b);
            }
            const auto visible = std::count_if(type.Buttons.begin(), type.Buttons.end(),
                                               [](const TTxButton& button) { return button.Visible; });
            fourButtons = fourButtons || visible == 4;
            fewerButtons = fewerButtons || (visible > 0 && visible < 4);
        } else if (type.Prefix[0] == 'A') {
            std::vector<int> codes;
            for (const TInput& input : type.Inputs) {
                codes.push_back(input.Code);
            }
            inputDevice = codes == std::vector<int>{3, 6, 9, 12, 15};
        } else if (type.Prefix[0] == 'B') {
            sensor = true;
        }
    }
    EXPECT_TRUE(fourButtons);
    EXPECT_TRUE(fewerButtons);
    EXPECT_TRUE(inputDevice);
    EXPECT_TRUE(sensor);
}

} // namespace

#include "core/model/MemoryImage.h"
#include "core/base/Hex.h"

#include "core/base/TextNumbers.h"
#include "core/model/Layout.h"
#include "core/model/ModelText.h"

#include <array>

namespace vorbix::model {

namespace {

constexpr std::size_t MaxFieldLength = 99;

struct LayoutItem
{
    int field = -1; // index into FieldLetters, -1 for other letters
    int position = 0;
};

bool parseLayout(std::string_view layout, std::size_t digits, std::vector<LayoutItem>& items)
{
    items.clear();
    items.reserve(digits);
    for (std::size_t j = 0; j < digits; ++j) {
        SelectorItem item;
        if (!selectorItem(layout, j, item)) {
            return false;
        }
        items.push_back({fieldIndex(item.letter), item.position});
    }
    return true;
}

std::string& fieldAt(TData& record, int index)
{
    return *fieldOf(record, FieldLetters[static_cast<std::size_t>(index)]);
}

void resetUserPart(TData& record)
{
    for (std::string& text : record.User) {
        text.clear();
    }
    // Assigned from strings, not literals: GCC 12 at -O3 warns falsely (-Wrestrict) on the latter.
    static const std::string unknownType = "-";
    static const std::string unknownPrefix = "x0";
    record.ID = 0;
    record.TxType = unknownType;
    record.Prefix = unknownPrefix;
}

char hexDigit(unsigned value)
{
    return "0123456789ABCDEF"[value & 0xF];
}

// User 1 into E from `start`, a character per whole pair of digits, "00" once the text is used up.
void writeUserTextToExtra(TData& record, int start)
{
    std::string& extra = record.Extra;
    std::size_t next = 0;
    for (auto pos = static_cast<std::size_t>(start); pos + 1 <= extra.size(); pos += 2) {
        const auto code = next < record.User[0].size() ? static_cast<unsigned char>(record.User[0][next++]) : 0U;
        extra[pos - 1] = hexDigit(code >> 4);
        extra[pos] = hexDigit(code);
    }
}

} // namespace

bool DecodeMemory(TDevice& device, std::string_view image, RecordTable& records)
{
    const auto length = static_cast<std::size_t>(device.recordLength());
    const auto count = static_cast<std::size_t>(std::max(device.RecordCount, 0));
    std::vector<LayoutItem> layout;
    if (count > 0 && !parseLayout(device.ReadLayout, length, layout)) {
        return false;
    }
    if (image.size() < count * length) {
        return false;
    }
    const int textStart = userTextStartInExtra(device.Model);

    RecordTable table(count + 1);
    int usedCount = device.RecordCount;
    std::array<std::array<char, MaxFieldLength>, 6> fields{};
    std::array<std::size_t, 6> lengths{};
    for (std::size_t k = 1; k <= count; ++k) {
        TData& record = table[k];
        record.Raw = image.substr((k - 1) * length, length);
        record.Position = static_cast<int>(k);
        const bool erased = record.Raw == device.ErasedRecord;
        record.Empty = erased || record.Raw == device.EmptyRecord;
        if (erased && (k == 1 || table[k - 1].Raw != device.ErasedRecord)) {
            usedCount = static_cast<int>(k) - 1;
        }
        for (auto& field : fields) {
            field.fill('0');
        }
        lengths.fill(0);
        for (std::size_t j = 0; j < length; ++j) {
            const LayoutItem& item = layout[j];
            if (item.field < 0 || item.position < 1) {
                continue;
            }
            const auto f = static_cast<std::size_t>(item.field);
            const auto pos = static_cast<std::size_t>(item.position);
            fields[f][pos - 1] = record.Raw[j];
            lengths[f] = std::max(lengths[f], pos);
        }
        for (int f = 0; f < 6; ++f) {
            fieldAt(record, f).assign(fields[static_cast<std::size_t>(f)].data(), lengths[static_cast<std::size_t>(f)]);
        }
        if (textStart > 0) {
            record.User[0] =
                HexToText(std::string_view(record.Extra)
                              .substr(std::min(record.Extra.size(), static_cast<std::size_t>(textStart - 1))));
        }
    }
    records = std::move(table);
    device.UsedCount = usedCount;
    return true;
}

bool EncodeMemory(TDevice& device, RecordTable& records, std::string& uploadImage)
{
    uploadImage.clear();
    const int count = std::max(device.RecordCount, 0);
    const auto length = static_cast<std::size_t>(device.recordLength());
    std::vector<LayoutItem> layout;
    if (static_cast<int>(records.size()) < count + 1 ||
        (count > 0 && !parseLayout(device.WriteLayout, length, layout))) {
        return false;
    }
    device.UsedCount = std::min(device.UsedCount, count);

    int next = 1;
    for (int j = 1; j <= device.UsedCount; ++j) {
        if (records[static_cast<std::size_t>(j)].Empty) {
            continue;
        }
        if (j != next) {
            records[static_cast<std::size_t>(next)] = records[static_cast<std::size_t>(j)];
        }
        records[static_cast<std::size_t>(next)].Position = next;
        ++next;
    }
    device.UsedCount = device.EraseBlock == 2048 ? next - 1 : count;
    for (int k = next; k <= count; ++k) {
        ClearRecord(device, records[static_cast<std::size_t>(k)]);
    }

    const int textStart = userTextStartInExtra(device.Model);
    std::string image;
    image.reserve(static_cast<std::size_t>(count) * length);
    std::string built;
    for (int k = 1; k <= count; ++k) {
        TData& record = records[static_cast<std::size_t>(k)];
        if (k > device.UsedCount) {
            image += device.ErasedRecord;
            continue;
        }
        if (textStart > 0) {
            writeUserTextToExtra(record, textStart);
        }
        built.clear();
        for (const LayoutItem& item : layout) {
            if (item.field < 0) {
                continue;
            }
            const std::string& field = fieldAt(record, item.field);
            if (item.position < 1 || static_cast<std::size_t>(item.position) > field.size()) {
                return false;
            }
            built += field[static_cast<std::size_t>(item.position - 1)];
        }
        if (built.size() != length) {
            return false;
        }
        record.Raw = built;
        image += built;
    }
    uploadImage = std::move(image);
    return true;
}

void ClearRecord(const TDevice& device, TData& record)
{
    record.Empty = true;
    record.Raw = device.EmptyRecord;
    for (int f = 0; f < 6; ++f) {
        std::string& field = fieldAt(record, f);
        field.assign(field.size(), '0');
    }
    resetUserPart(record);
}

void NewRecords(TDevice& device, RecordTable& records)
{
    const auto count = static_cast<std::size_t>(std::max(device.RecordCount, 0));
    device.UsedCount = device.RecordCount;
    std::array<std::size_t, 6> lengths{};
    for (std::size_t i = 0; i < selectorItemCount(device.ReadLayout); ++i) {
        SelectorItem item;
        if (!selectorItem(device.ReadLayout, i, item)) {
            continue; // counts as position 0
        }
        const int field = fieldIndex(item.letter);
        if (field >= 0) {
            auto& len = lengths[static_cast<std::size_t>(field)];
            len = std::max(len, static_cast<std::size_t>(item.position));
        }
    }
    RecordTable table(count + 1);
    for (std::size_t k = 1; k <= count; ++k) {
        TData& record = table[k];
        record.Raw = device.EmptyRecord;
        record.Position = static_cast<int>(k);
        record.Empty = true;
        for (int f = 0; f < 6; ++f) {
            fieldAt(record, f).assign(lengths[static_cast<std::size_t>(f)], '0');
        }
    }
    records = std::move(table);
}

namespace {

// Byte pairs to text. A lone last digit is ignored: encoding never writes one, and KV8MOD-T's odd
// text area always ends in one. Pairs that are not two hex digits, "00" and "FF" (cleared and
// erased memory) and control characters, which would split a line of a data file, become
// blanks; so does "#" when `keepHash` is false, as it separates the texts of a data file.
std::string textFromPairs(std::string_view hex, bool keepHash)
{
    std::string text;
    text.reserve(hex.size() / 2);
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        const int high = vorbix::hex::DigitValue(hex[i]);
        const int low = vorbix::hex::DigitValue(hex[i + 1]);
        const int code = high < 0 || low < 0 ? 0 : high * 16 + low;
        const bool blank = code < 0x20 || code == 0xFF || (code == '#' && !keepHash);
        text += blank ? ' ' : static_cast<char>(code);
    }
    const std::size_t end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

} // namespace

std::string HexToText(std::string_view hex)
{
    return textFromPairs(hex, false);
}

std::string HexToPasswordText(std::string_view hex)
{
    return textFromPairs(hex, true);
}

bool TakeFirstFreeSlot(TDevice& device, RecordTable& records, int& slot, const PopisType& lang,
                       const ErrorSink& onError)
{
    const int count = std::min(device.RecordCount, static_cast<int>(records.size()) - 1);
    for (int k = 1; k <= count; ++k) {
        if (!records[static_cast<std::size_t>(k)].Empty) {
            continue;
        }
        if (k >= device.UsedCount) {
            ++device.UsedCount;
            if (k + 1 <= count) {
                records[static_cast<std::size_t>(k + 1)].Raw = device.ErasedRecord;
            }
        }
        slot = k;
        return true;
    }
    if (onError) {
        onError(LangText(lang, lang::kNoFreeSlot));
    }
    return false;
}

int FindBySerial(const RecordTable& records, std::string_view serial)
{
    for (std::size_t k = 1; k < records.size(); ++k) {
        if (records[k].Serial == serial) {
            return static_cast<int>(k);
        }
    }
    return 0;
}

bool UserTextAllowed(std::string_view text)
{
    return text.find_first_of("#\r\n") == std::string_view::npos;
}

} // namespace vorbix::model

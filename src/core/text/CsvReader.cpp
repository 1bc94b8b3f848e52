#include "core/text/CsvReader.h"

#include "core/base/TextNumbers.h"
#include "core/text/Cp1250.h"

#include <cstdint>

namespace vorbix::csv {

namespace {

// The separator of the first record: ";" when it holds more semicolons than commas outside quotes.
char separatorOf(std::string_view text)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && (c == '\n' || c == '\r')) {
            break;
        } else if (!quoted) {
            commas += c == ',' ? 1 : 0;
            semicolons += c == ';' ? 1 : 0;
        }
    }
    return semicolons > commas ? ';' : ',';
}

bool blankRecord(const Record& record)
{
    return record.fields.size() == 1 && record.fields[0].empty();
}

// A reason in the language's words, or in English without a language.
std::string reason(const PopisType* lang, int n, const char* english, const std::string& value = {})
{
    const PopisType fallback{english};
    const PopisType& table = lang ? *lang : fallback;
    const int number = lang ? n : 0;
    return value.empty() ? LangText(table, number) : LangFill(table, number, {value});
}

} // namespace

const char* encodingName(Encoding encoding)
{
    return encoding == Encoding::Utf8 ? "UTF-8" : "code page 1250";
}

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (b < 0x80) {
            ++i;
            continue;
        }
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
            code = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            code = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            code = b & 0x07;
        } else {
            return false;
        }
        if (i + length > bytes.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
            (length == 4 && (code < 0x10000 || code > 0x10FFFF))) {
            return false;
        }
        i += length;
    }
    return true;
}

bool parse(std::string_view bytes, Content& content, std::string& error, const PopisType* lang)
{
    content = Content{};
    if (bytes.find('\0') != std::string_view::npos) {
        error = reason(lang, lang::kCsvNotText, "the file is not a text file (it holds NUL bytes)");
        return false;
    }
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    const Encoding encoding = isValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Cp1250;
    const char separator = separatorOf(bytes);

    std::vector<Record> records;
    Record record;
    std::string field;
    int line = 1;
    record.line = 1;
    bool quoted = false;
    bool fieldWasQuoted = false;
    int quoteLine = 0;
    const auto endField = [&] {
        record.fields.push_back(encoding == Encoding::Utf8 ? cp1250::fromUtf8(field) : field);
        field.clear();
        fieldWasQuoted = false;
    };
    const auto endRecord = [&] {
        endField();
        if (!blankRecord(record)) {
            records.push_back(std::move(record));
        }
        record = Record{};
        record.line = line;
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < bytes.size() && bytes[i + 1] == '"') {
                    field += '"';
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') {
                    ++line;
                }
                field += c;
            }
            continue;
        }
        if (c == '"' && field.empty() && !fieldWasQuoted) {
            quoted = true;
            fieldWasQuoted = true;
            quoteLine = line;
        } else if (c == separator) {
            endField();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
            ++line;
            endRecord();
        } else {
            field += c;
        }
    }
    if (quoted) {
        error = reason(lang, lang::kCsvOpenQuote, "line %1: a quote is not closed by the end of the file",
                       std::to_string(quoteLine));
        return false;
    }
    if (!field.empty() || !record.fields.empty() || fieldWasQuoted) {
        endRecord();
    }
    if (records.empty()) {
        error = reason(lang, lang::kCsvEmpty, "the file is empty");
        return false;
    }
    content.encoding = encoding;
    content.separator = separator;
    content.records = std::move(records);
    return true;
}

} // namespace vorbix::csv

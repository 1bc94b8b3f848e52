#include "core/model/TRxFnc.h"

#include "core/base/TextNumbers.h"
#include "core/model/Layout.h"
#include "core/model/ModelText.h"
#include "core/model/TDevice.h"
#include "core/text/TextFile.h"

namespace vorbix::model {

namespace {

// What one block of the function file holds; copied into the object only when the whole file
// has been read without a format error.
struct FunctionBlock
{
    int RecordCount = 0;
    int SingleRelay = 0;
    std::vector<std::string> FuncNames;
    int TimeFunction = 0;
    std::vector<std::string> DecoderCodes;
    std::vector<std::string> DecoderNames;
    std::vector<TKontrola> Checks;
    std::vector<TKontrola> Sets;
};

bool keywordDigit(const std::string& line, std::string_view keyword, int& value)
{
    if (line.compare(0, keyword.size(), keyword) != 0 || line.size() <= keyword.size()) {
        return false;
    }
    const char digit = line[keyword.size()];
    if (digit < '0' || digit > '9') {
        return false;
    }
    value = digit - '0';
    return true;
}

// Items separated by "," from `start` up to the first "#"; at least one character must stand
// before the "#". Empty items are kept.
bool parseList(std::string_view line, std::size_t start, std::vector<std::string>& items)
{
    items.clear();
    if (start > line.size()) {
        return false;
    }
    const std::size_t end = line.find('#', start);
    if (end == std::string_view::npos || end == start) {
        return false;
    }
    std::string_view list = line.substr(start, end - start);
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = list.find(',', from);
        items.emplace_back(list.substr(from, comma == std::string_view::npos ? std::string_view::npos : comma - from));
        if (comma == std::string_view::npos) {
            return true;
        }
        from = comma + 1;
    }
}

// "code=name" items; an item without "=" is a code with an empty name.
void splitPairs(const std::vector<std::string>& items, std::vector<std::string>& left, std::vector<std::string>& right)
{
    left.clear();
    right.clear();
    for (const std::string& item : items) {
        const std::size_t eq = item.find('=');
        left.push_back(item.substr(0, eq));
        right.push_back(eq == std::string::npos ? std::string() : item.substr(eq + 1));
    }
}

bool selectorWellFormed(std::string_view selector, const FieldLengths* lengths)
{
    for (std::size_t i = 0; i < selectorItemCount(selector); ++i) {
        SelectorItem item;
        if (!selectorItem(selector, i, item)) {
            return false;
        }
        const int field = fieldIndex(item.letter);
        if (lengths != nullptr && field >= 0 &&
            (item.position < 1 || item.position > (*lengths)[static_cast<std::size_t>(field)])) {
            return false;
        }
    }
    return true;
}

bool parseRule(const std::string& line, bool isSet, const FieldLengths* lengths, TKontrola& rule)
{
    const std::size_t at = line.find('@');
    if (at == std::string::npos) {
        return false;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos || eq > at) {
        return false;
    }
    rule.KeySelector = line.substr(0, eq);
    rule.ValueSelector = line.substr(eq + 1, at - eq - 1);
    std::vector<std::string> pairs;
    if (!parseList(line, at + 1, pairs)) {
        return false;
    }
    splitPairs(pairs, rule.Keys, rule.Values);
    if (!selectorWellFormed(rule.KeySelector, lengths) || !selectorWellFormed(rule.ValueSelector, lengths)) {
        return false;
    }
    if (isSet) {
        // A Set copies the character at each value position from the pair's value.
        for (std::size_t i = 0; i < selectorItemCount(rule.ValueSelector); ++i) {
            SelectorItem item;
            (void)selectorItem(rule.ValueSelector, i, item);
            if (!isFieldLetter(item.letter)) {
                continue;
            }
            for (const std::string& value : rule.Values) {
                if (static_cast<int>(value.size()) < item.position) {
                    return false;
                }
            }
        }
    }
    return true;
}

bool readBlock(LineReader& reader, const FieldLengths* lengths, FunctionBlock& block)
{
    if (!parseDecimal(reader.next(), block.RecordCount)) {
        return false;
    }
    if (!keywordDigit(reader.next(), "SingleRelay=", block.SingleRelay)) {
        return false;
    }
    std::string line = reader.next();
    if (line.compare(0, 10, "Functions=") != 0 || !parseList(line, 10, block.FuncNames)) {
        return false;
    }
    line = reader.next();
    if (line.compare(0, 5, "Time=") != 0) {
        return false;
    }
    const std::string index = line.substr(5, 2);
    if (index.empty() || index.find_first_not_of("0123456789") != std::string::npos ||
        !parseDecimal(index, block.TimeFunction)) {
        return false;
    }
    line = reader.next();
    std::vector<std::string> pairs;
    if (line.compare(0, 8, "Decoder=") != 0 || !parseList(line, 8, pairs)) {
        return false;
    }
    splitPairs(pairs, block.DecoderCodes, block.DecoderNames);
    int count = 0;
    if (!keywordDigit(reader.next(), "Check=", count)) {
        return false;
    }
    block.Checks.resize(static_cast<std::size_t>(count));
    for (TKontrola& rule : block.Checks) {
        if (!parseRule(reader.next(), false, lengths, rule)) {
            return false;
        }
    }
    if (!keywordDigit(reader.next(), "Set=", count)) {
        return false;
    }
    block.Sets.resize(static_cast<std::size_t>(count));
    for (TKontrola& rule : block.Sets) {
        if (!parseRule(reader.next(), true, lengths, rule)) {
            return false;
        }
    }
    return true;
}

void skipBlock(LineReader& reader)
{
    while (!reader.atEnd() && reader.next().compare(0, 2, "#E") != 0) {
    }
}

} // namespace

void TRxFnc::setMessages(const PopisType* lang, ErrorSink onError)
{
    m_lang = lang;
    m_onError = std::move(onError);
}

std::string TRxFnc::functionFileName(const std::string& folder, const std::string& languageCode)
{
    const std::string name = "RxFnc" + languageCode + ".def";
    return text::fileExists(text::joinPath(folder, name)) ? name : "RxFncUS.def";
}

bool TRxFnc::LoadFunctions(const std::string& model, const TDevice* layout)
{
    static const PopisType noTexts;
    const PopisType& lang = m_lang != nullptr ? *m_lang : noTexts;
    ModelName = model;
    std::vector<std::string> lines;
    std::string reason;
    if (!text::readLines(text::joinPath(Folder, FileName), lines, reason)) {
        if (m_onError) {
            m_onError(LangText(lang, lang::kFileCannotBeOpened) + " - " + reason);
        }
        return false;
    }
    FieldLengths lengths{};
    const bool checkPositions = layout != nullptr && fieldLengths(layout->ReadLayout, lengths);

    LineReader reader(std::move(lines));
    bool found = false;
    FunctionBlock block;
    while (!reader.atEnd()) {
        if (reader.next() != model) {
            skipBlock(reader);
            continue;
        }
        if (!readBlock(reader, checkPositions ? &lengths : nullptr, block)) {
            if (m_onError) {
                m_onError(LangText(lang, lang::kFileFormat) + " - " + FileName);
            }
            return false;
        }
        found = true;
        skipBlock(reader);
    }
    if (found) {
        RecordCount = block.RecordCount;
        SingleRelay = block.SingleRelay;
        FuncNames = std::move(block.FuncNames);
        TimeFunction = block.TimeFunction;
        DecoderCodes = std::move(block.DecoderCodes);
        DecoderNames = std::move(block.DecoderNames);
        // With no rules the old ones stay but are never consulted, as the counts are 0.
        CheckCount = static_cast<int>(block.Checks.size());
        if (CheckCount > 0) {
            Checks = std::move(block.Checks);
        }
        SetCount = static_cast<int>(block.Sets.size());
        if (SetCount > 0) {
            Sets = std::move(block.Sets);
        }
    }
    return true;
}

} // namespace vorbix::model

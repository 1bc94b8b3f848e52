#include "core/model/TTx.h"

#include "core/base/TextNumbers.h"
#include "core/model/ModelText.h"
#include "core/text/TextFile.h"

namespace vorbix::model {

namespace {

bool readButton(const std::string& line, TTxButton& button)
{
    if (line.size() < 6) {
        return false;
    }
    button.Visible = line[0] == 'V';
    return parseDecimal(std::string_view(line).substr(1, 2), button.Top) &&
           parseDecimal(std::string_view(line).substr(3, 2), button.Left) &&
           parseDecimal(std::string_view(line).substr(5), button.Value);
}

bool readInput(const std::string& line, TInput& input)
{
    if (line.size() < 2 || !parseDecimal(std::string_view(line).substr(0, 2), input.Code)) {
        return false;
    }
    input.Name = line.size() > 3 ? line.substr(3) : std::string();
    return true;
}

bool readType(LineReader& reader, TTx& type)
{
    type.Name = reader.next();
    const std::string kind = reader.next();
    if (kind.size() < 4 || !parseDecimal(std::string_view(kind).substr(1, 1), type.Count)) {
        return false;
    }
    type.HasButtons = kind[0] == 'B';
    type.Prefix = kind.substr(2, 2);
    if (type.HasButtons) {
        for (TTxButton& button : type.Buttons) {
            if (!readButton(reader.next(), button)) {
                return false;
            }
        }
        return true;
    }
    type.Inputs.resize(static_cast<std::size_t>(type.Count));
    for (TInput& input : type.Inputs) {
        if (!readInput(reader.next(), input)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool LoadTxTypes(const std::string& programFolder, std::vector<TTx>& types, const PopisType& lang,
                 const ErrorSink& onError)
{
    types.clear();
    std::vector<std::string> lines;
    std::string reason;
    if (!text::readLines(text::joinPath(programFolder, TxDefFileName), lines, reason)) {
        if (onError) {
            onError(LangText(lang, lang::kFileCannotBeOpened) + " - " + reason);
        }
        return false;
    }
    LineReader reader(std::move(lines));
    while (!reader.atEnd()) {
        TTx type;
        if (!readType(reader, type)) {
            if (onError) {
                onError(LangText(lang, lang::kFileFormat) + " - " + TxDefFileName);
            }
            return false;
        }
        types.push_back(std::move(type));
    }
    return true;
}

} // namespace vorbix::model

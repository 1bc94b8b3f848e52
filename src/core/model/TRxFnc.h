#pragma once

#include "core/base/LanguageTable.h"
#include "core/model/TData.h"

#include <string>
#include <vector>

namespace vorbix::model {

struct TDevice;

// One Check or Set rule of the function file: KeySelector "=" ValueSelector "@" pairs "#".
struct TKontrola
{
    std::string KeySelector;   // Lnn items building the key text from a record
    std::string ValueSelector; // Lnn items building (Check) or setting (Set) the value text
    std::vector<std::string> Keys;
    std::vector<std::string> Values; // parallel to Keys
};

// The per-model display and editing rules, read from the function file "RxFnc" + language code
// + ".def" in the program folder. One object lives for the whole run; LoadFunctions re-reads the
// file for a model each time the views are rebuilt.
//
// Function file block (positions from 1):
//   model name / RecordCount / "SingleRelay=" digit / "Functions=" names "," ... "#" /
//   "Time=" one or two digits / "Decoder=" code "=" name "," ... "#" / "Check=" digit C /
//   C rule lines / "Set=" digit N / N rule lines / "#E"
class TRxFnc
{
public:
    std::string Folder;   // the program folder
    std::string FileName; // the function file in use, for example "RxFncUS.def"
    std::string ModelName;
    int RecordCount = 0;
    int SingleRelay = 0; // 0: Single layout; 1-9: Multi layout with that many relay entries
    std::vector<std::string> FuncNames;
    int TimeFunction = 0; // index into FuncNames of the timed function
    std::vector<std::string> DecoderCodes;
    std::vector<std::string> DecoderNames; // parallel to DecoderCodes
    int CheckCount = 0;                    // C: only the first C rules of Checks are used
    std::vector<TKontrola> Checks;
    int SetCount = 0; // N: only the first N rules of Sets are used
    std::vector<TKontrola> Sets;

    // The language table for the messages and where they go; the object does not own the table.
    void setMessages(const PopisType* lang, ErrorSink onError);

    // "RxFnc" + code + ".def" when that file is in `Folder`, otherwise "RxFncUS.def".
    static std::string functionFileName(const std::string& folder, const std::string& languageCode);

    // Reads the blocks of `model` from Folder/FileName; the whole file is read, so a later block
    // of the same model wins. Succeeds also when no block matches: every field but ModelName then
    // keeps its value. On failure (text 80 + " - " + "PATH: REASON" when the file cannot be read,
    // text 82 + " - " + FileName for a format error) every field but ModelName keeps its value too. With `layout`
    // given, Check and Set selectors must name positions within that model's fields, else the block is a format error.
    [[nodiscard]] bool LoadFunctions(const std::string& model, const TDevice* layout = nullptr);

    bool isSingleLayout() const { return SingleRelay == 0; }

    // K field as relay numbers: "00" gives "-", "05" gives "1, 3"; other text that is not at
    // most eight hex digits, or has no bit set, gives "".
    static std::string RelayListText(const std::string& channels);
    // First four characters as tenths of a second: "000A" gives "0:01,0", "0258" "1:00,0".
    static std::string TimeText(const std::string& time);

    // Texts by layout; each gives "?" when called in the other layout.
    std::string TimeOf(const std::string& times) const;                        // Single
    std::string RelayTimeOf(int relay, const std::string& times) const;        // Multi, relay from 1
    std::string FuncNameOf(const std::string& function) const;                 // Single
    std::string RelayFuncNameOf(int relay, const std::string& function) const; // Multi
    // Reverse look-ups: false when the name is not in the decoder or in the other layout. In the
    // Multi layout the code replaces the whole O field.
    [[nodiscard]] bool FuncCodeOf(const std::string& name, std::string& code) const;
    [[nodiscard]] bool RelayFuncCodeOf(int relay, const std::string& name, std::string& code) const;
    // `tenths` (clamped to 0..65535) as four hex digits; "?" in the Multi layout.
    std::string TimeCode(int tenths) const;
    // T with relay k's four digits replaced (Multi layout); unchanged in the Single layout or
    // when T has no digits for that relay.
    std::string SetRelayTime(int relay, int tenths, const std::string& times) const;

    // The Check rules: true when the record may be accepted. The rules are tried in order; a
    // rule with a pair matching both key and value accepts at once; otherwise the verdict of the
    // last rule tried counts (a rule that knows the key only with other values rejects, one that
    // does not know the key accepts). A malformed item, or one beyond its field, rejects.
    bool CheckRecord(const TData& record) const;
    // The Set rules: the first rule with a pair for the record's key sets, for each matching pair,
    // each value item's character from the same position of the pair's value.
    void ApplySets(TData& record) const;

private:
    const PopisType* m_lang = nullptr;
    ErrorSink m_onError;
};

} // namespace vorbix::model

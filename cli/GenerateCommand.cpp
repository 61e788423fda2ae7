#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <map>
#include <optional>

#include "cli/Commands.h"
#include "generation/CanonPassages.h"
#include "generation/NameListExport.h"
#include "generation/RunControl.h"
#include "generation/RunGeneration.h"
#include "namedb/SqliteDatabase.h"
#include "numerology/CharacterLookup.h"
#include "numerology/GbkTextSearch.h"

namespace {

// The window's default text of 编辑框_组合的字.
constexpr const char* kDefaultCombinationText = "圣诚杰泽鹤航轩辉皓君豪博楷国益佑天南泰宇";

// Prints what the run would show in the window: message boxes on standard error, the finished
// list (or the classic text) on standard output.
class CliObserver : public GenerationObserver {
  public:
    void RunStarted(GenerationMode) override {}
    void ShowMessage(const std::string& text, const std::string&, MessageIcon) override {
        cli::PrintError(text);
    }
    void RowsReady(ResultList, std::span<const ResultRow>) override {}
    // The finished list is the run's last word before it reports itself complete, so it is
    // printed (and exported) here, from the run's own rows: a list of 100000 rows is megabytes,
    // and neither a copy of it nor its whole text is ever held.
    void ListFinished(ResultList, const std::vector<ResultRow>& rows) override {
        PrintList(rows);
        if (exportFile) exported = ExportNameList(rows, *exportFile);
    }
    void ClassicTextReady(const std::string& text) override { classicText = text; }
    void RunFinished(GenerationMode, RunOutcome outcome, const std::string& message) override {
        if (outcome == RunOutcome::Failed) cli::PrintError(message);
    }

    std::optional<std::filesystem::path> exportFile;
    std::optional<files::WriteFileResult> exported;
    std::string classicText;

  private:
    // In pieces of whole lines, each converted and written before the next is joined.
    static void PrintList(const std::vector<ResultRow>& rows) {
        constexpr size_t kPiece = 64 * 1024;
        std::string piece;
        piece.reserve(kPiece + 1024);
        for (const ResultRow& row : rows) {
            row.AppendJoined(piece, "\t");
            piece += '\n';
            if (piece.size() >= kPiece) {
                cli::Print(piece, false);
                piece.clear();
            }
        }
        if (!piece.empty()) cli::Print(piece, false);
    }
};

std::optional<GenerationMode> ModeFromText(const std::string& text) {
    static const std::map<std::string, GenerationMode> kModes = {
        {"高分", GenerationMode::HighScore},  {"超吉", GenerationMode::SuperLucky},
        {"诗词", GenerationMode::Poem},       {"组合", GenerationMode::Combination},
        {"起小名", GenerationMode::Nickname}, {"起英文名", GenerationMode::English},
        {"经典", GenerationMode::Classic},    {"典籍", GenerationMode::Canon}};
    auto it = kModes.find(text);
    if (it == kModes.end()) return std::nullopt;
    return it->second;
}

// The ticked element boxes of a 超吉 group, as the window joins their captions: in the order
// 金木水火土 whatever order they were typed in.
std::optional<std::string> ElementSet(const std::string& text) {
    std::vector<std::string> typed = SplitCharacters(text);
    std::string set;
    for (const char* element : {"金", "木", "水", "火", "土"}) {
        for (const std::string& character : typed)
            if (character == element) {
                set += element;
                break;
            }
    }
    for (const std::string& character : typed)
        if (!GbkContains(set, character)) return std::nullopt;
    return set;
}

bool SetNicknamePatterns(const std::string& text, NicknamePatterns& patterns) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        const std::string pattern = text.substr(start, comma - start);
        if (pattern == "AA")
            patterns.doubled = true;
        else if (pattern == "小A")
            patterns.xiaoPrefix = true;
        else if (pattern == "A儿")
            patterns.erSuffix = true;
        else if (pattern == "阿A")
            patterns.aPrefix = true;
        else if (!pattern.empty())
            return false;
        start = comma + 1;
    }
    return true;
}

// 典籍起名's collections, as "诗经,楚辞" names them; each must be one the mode offers.
bool SetCanonCollections(const std::string& text, std::vector<std::string>& collections) {
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        const std::string name = text.substr(start, comma - start);
        const std::vector<std::string>& offered = canon::Collections();
        if (std::find(offered.begin(), offered.end(), name) == offered.end()) return false;
        if (std::find(collections.begin(), collections.end(), name) == collections.end())
            collections.push_back(name);
        start = comma + 1;
    }
    return !collections.empty();
}

std::string CanonCollectionList() {
    std::string list;
    for (const std::string& name : canon::Collections()) list += (list.empty() ? "" : "|") + name;
    return list;
}

std::optional<std::uint64_t> ParseSeed(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    errno = 0;
    const unsigned long long seed = std::strtoull(text.c_str(), nullptr, 10);
    // A seed too large for the generator would otherwise be clamped silently to the largest one.
    if (errno == ERANGE) return std::nullopt;
    return seed;
}

}  // namespace

int RunGenerateCommand(const CliContext& context) {
    GenerationInputs inputs;
    inputs.sex = Sex::Male;
    inputs.nameLength = 2;
    bool haveMode = false;
    std::optional<std::string> chars;
    std::optional<std::filesystem::path> exportFile;
    const std::vector<std::string>& args = context.args;

    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (option == "--common-only") {
            inputs.commonOnly = true;
            continue;
        }
        if (option == "--all-characters") {
            inputs.allCharacters = true;
            continue;
        }
        if (i + 1 >= args.size()) return cli::UsageError("generate: " + option + " 需要一个值");
        const std::string& value = args[++i];
        if (option == "--mode") {
            std::optional<GenerationMode> mode = ModeFromText(value);
            if (!mode)
                return cli::UsageError(
                    "generate: --mode 须为 高分|超吉|诗词|组合|起小名|起英文名|经典|典籍");
            inputs.mode = *mode;
            haveMode = true;
        } else if (option == "--surname") {
            if (!cli::IsOneOrTwoChineseCharacters(value))
                return cli::UsageError("generate: --surname 须为一到两个汉字");
            inputs.surname = value;
        } else if (option == "--sex") {
            if (value != "男" && value != "女")
                return cli::UsageError("generate: --sex 须为 男|女");
            inputs.sex = value == "男" ? Sex::Male : Sex::Female;
        } else if (option == "--length") {
            if (value != "1" && value != "2") return cli::UsageError("generate: --length 须为 1|2");
            inputs.nameLength = value == "2" ? 2 : 1;
        } else if (option == "--chars") {
            chars = value;
        } else if (option == "--nickname") {
            if (!SetNicknamePatterns(value, inputs.nicknamePatterns))
                return cli::UsageError("generate: --nickname 的样式须为 AA,小A,A儿,阿A");
        } else if (option == "--second" || option == "--third" || option == "--must" ||
                   option == "--must-not") {
            std::optional<std::string> set = ElementSet(value);
            if (!set) return cli::UsageError("generate: " + option + " 只能含 金木水火土");
            SuperLuckyFilters& filters = inputs.superLuckyFilters;
            ElementFilterGroup& group = option == "--second"  ? filters.secondCharacter
                                        : option == "--third" ? filters.thirdCharacter
                                        : option == "--must"  ? filters.mustHave
                                                              : filters.mustNot;
            group = {true, *set};
        } else if (option == "--fix-second" || option == "--fix-third") {
            // Names are scored on two given-name characters: a longer 辈份 would list names
            // whose score ignores a character.
            if (value.size() != 2 || !cli::IsChineseCharacter(static_cast<unsigned char>(value[0]),
                                                              static_cast<unsigned char>(value[1])))
                return cli::UsageError("generate: " + option + " 需要一个字");
            const std::vector<std::string> character = {value};
            GenerationCharacterSetting& setting = inputs.generationCharacter;
            if (setting.active) return cli::UsageError("generate: 辈份只能设定一个位置");
            setting.active = true;
            if (option == "--fix-second") {
                setting.fixSecond = true;
                setting.secondText = character[0];
            } else {
                setting.fixThird = true;
                setting.thirdText = character[0];
            }
        } else if (option == "--source") {
            inputs.canonCollections.clear();
            if (!SetCanonCollections(value, inputs.canonCollections))
                return cli::UsageError("generate: --source 须为 " + CanonCollectionList() +
                                       " 中的一个或几个，以逗号分隔");
        } else if (option == "--english-given") {
            inputs.englishGivenName = value;
        } else if (option == "--english-sex") {
            if (value != "1" && value != "2" && value != "3")
                return cli::UsageError("generate: --english-sex 须为 1|2|3");
            inputs.englishSex = value[0] - '0';
        } else if (option == "--seed") {
            inputs.shuffleSeed = ParseSeed(value);
            if (!inputs.shuffleSeed) return cli::UsageError("generate: --seed 须为非负整数");
        } else if (option == "--export") {
            std::filesystem::path file;
            if (!cli::FileArgument(context.nativeArgs[i], file))
                return cli::UsageError("generate: --export 需要一个文件路径");
            exportFile = file;
        } else {
            return cli::UsageError("generate: 未知选项 " + option);
        }
    }
    if (!haveMode) return cli::UsageError("generate: 缺少 --mode");
    // Every mode puts the surname before the names it forms, or looks up its strokes.
    if (inputs.surname.empty()) return cli::UsageError("generate: 缺少 --surname (请输入姓氏)");
    const GenerationMode mode = inputs.mode;
    if (exportFile && mode != GenerationMode::HighScore && mode != GenerationMode::SuperLucky &&
        mode != GenerationMode::Classic)
        return cli::UsageError("generate: --export 只用于 高分、超吉 和 经典");
    if (mode == GenerationMode::Poem && chars)
        inputs.tickedPoemCharacters = SplitCharacters(*chars);
    if (mode == GenerationMode::Combination)
        inputs.combinationText = chars ? *chars : kDefaultCombinationText;

    SqliteDatabase db;
    if (!cli::LoadDatabase(context, db)) return cli::kExitFailure;

    // The 生成 button of the English page checks its given-name box before any run.
    if (mode == GenerationMode::English && inputs.englishGivenName.empty()) {
        cli::PrintError("请输入名字");
        return cli::kExitOk;
    }

    CliObserver observer;
    if (mode != GenerationMode::Classic) observer.exportFile = exportFile;
    RunControl control;
    RunGeneration run(inputs, observer, db, control);
    run.Execute();
    // The run has shown its message (a read error, say); its rows would be a short list.
    if (run.Failed()) return cli::kExitFailure;

    if (mode == GenerationMode::Classic) cli::Print(observer.classicText, false);
    if (exportFile) {
        // A run that finished no list exports just the heading.
        const files::WriteFileResult written =
            mode == GenerationMode::Classic ? ExportClassicText(observer.classicText, *exportFile)
            : observer.exported             ? *observer.exported
                                            : ExportNameList({}, *exportFile);
        if (!written) {
            cli::PrintErrorUtf8("generate: " + written.Message());
            return cli::kExitFailure;
        }
    }
    return cli::kExitOk;
}

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class GenerationMode {
    HighScore,
    SuperLucky,
    Poem,
    Combination,
    Nickname,
    English,
    Classic,
    Canon  // 典籍起名: names drawn from the lines of the classics, the Tang poems and the Song ci
};

// The baby's sex as 组合框_性别 offers it.
enum class Sex { Male, Female };

// The fixed generation character (辈份). Second and third count the surname as the first
// character: secondText becomes the first given-name character, thirdText the last.
struct GenerationCharacterSetting {
    bool active = false;
    bool fixSecond = false;
    std::string secondText;
    bool fixThird = false;
    std::string thirdText;

    bool operator==(const GenerationCharacterSetting&) const = default;
};

// One 超吉 group check box and the captions of its ticked element boxes, in the order 金木水火土.
struct ElementFilterGroup {
    bool checked = false;
    std::string elements;
};

struct SuperLuckyFilters {
    ElementFilterGroup secondCharacter;  // 选择框_第二个字五行限定
    ElementFilterGroup thirdCharacter;   // 选择框_第三个字五行限定
    ElementFilterGroup mustHave;         // 选择框_所有字必带五行
    ElementFilterGroup mustNot;          // 选择框_所有字不能带五行
};

// The checked pet-name patterns of the 起小名 page.
struct NicknamePatterns {
    bool doubled = false;     // AA型
    bool xiaoPrefix = false;  // 小A型
    bool erSuffix = false;    // A儿型
    bool aPrefix = false;     // 阿A型
};

// Everything a run reads from the window, copied on the window thread when the run starts, so the
// worker never touches a control and the user may change them while it runs. Texts are GBK.
struct GenerationInputs {
    std::string surname;
    int nameLength = 2;  // 2 for "二字", 1 otherwise
    Sex sex = Sex::Male;
    GenerationMode mode = GenerationMode::HighScore;

    SuperLuckyFilters superLuckyFilters;
    std::vector<std::string> tickedPoemCharacters;  // captions of the ticked boxes, in poem order
    std::string combinationText;                    // 编辑框_组合的字
    NicknamePatterns nicknamePatterns;
    std::string englishGivenName;  // 编辑框_英文名字
    int englishSex = 0;            // 1 男性化, 2 女性化, 3 中性化, 0 none checked
    // 名字长度: only English names of this many letters or more, and at most englishLongest;
    // 0 sets no bound.
    int englishShortest = 0;
    int englishLongest = 0;
    GenerationCharacterSetting generationCharacter;
    // 只用常用字 of the 高分 and 超吉 pages: their pools keep level-1 characters only.
    bool commonOnly = false;
    // The pools offer every character, those the review finds unfit for a name or leaning to
    // the other sex too; without it 高分, 超吉 and 起小名 offer only what a parent could give.
    bool allCharacters = false;

    // The collections 典籍起名 draws from (GBK: 诗经 楚辞 …); none chosen means 诗经 and 楚辞.
    std::vector<std::string> canonCollections;

    // Fixes the shuffle of the pools for a reproducible run; without it the clock seeds it.
    std::optional<std::uint64_t> shuffleSeed;
};

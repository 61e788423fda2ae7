#include "quality/UnfortunateSounds.h"

#include <optional>
#include <string_view>
#include <unordered_map>

namespace quality {

namespace {

// Word and reading with tone digits (5 for the neutral tone). A word belongs here when parents
// would hear it in a name and a classmate would say it aloud: everyday words, not rare ones.
struct ListedWord {
    const char* word;
    const char* reading;
};

constexpr ListedWord kListedWords[] = {
    // bodily functions
    {"肚子疼", "du4 zi5 teng2"},
    {"拉屎", "la1 shi3"},
    {"屎真香", "shi3 zhen1 xiang1"},
    {"狗屎", "gou3 shi3"},
    {"放屁", "fang4 pi4"},
    {"屁股", "pi4 gu5"},
    {"尿床", "niao4 chuang2"},
    {"撒尿", "sa1 niao4"},
    {"尿布", "niao4 bu4"},
    {"拉稀", "la1 xi1"},
    {"腹泻", "fu4 xie4"},
    {"呕吐", "ou3 tu4"},
    {"鼻涕", "bi2 ti4"},
    {"膀胱", "pang2 guang1"},
    {"厕所", "ce4 suo3"},
    {"马桶", "ma3 tong3"},
    {"茅坑", "mao2 keng1"},
    {"阳痿", "yang2 wei3"},
    {"早泄", "zao3 xie4"},
    {"卫生巾", "wei4 sheng1 jin1"},
    {"狐臭", "hu2 chou4"},
    {"打嗝", "da3 ge2"},
    {"口臭", "kou3 chou4"},
    // illness
    {"神经病", "shen2 jing1 bing4"},
    {"肺结核", "fei4 jie2 he2"},
    {"癌症", "ai2 zheng4"},
    {"梅毒", "mei2 du2"},
    {"艾滋", "ai4 zi1"},
    {"痔疮", "zhi4 chuang1"},
    {"中风", "zhong4 feng1"},
    {"瘫痪", "tan1 huan4"},
    {"白痴", "bai2 chi1"},
    {"弱智", "ruo4 zhi4"},
    {"傻子", "sha3 zi5"},
    {"瘸子", "que2 zi5"},
    {"痴呆", "chi1 dai1"},
    {"病危", "bing4 wei1"},
    {"流产", "liu2 chan3"},
    {"哑巴", "ya3 ba5"},
    {"瞎子", "xia1 zi5"},
    {"秃顶", "tu1 ding3"},
    {"疯子", "feng1 zi5"},
    {"麻风", "ma2 feng1"},
    {"瘟疫", "wen1 yi4"},
    {"病死", "bing4 si3"},
    {"残废", "can2 fei4"},
    // death
    {"死人", "si3 ren2"},
    {"早死", "zao3 si3"},
    {"死亡", "si3 wang2"},
    {"去世", "qu4 shi4"},
    {"归西", "gui1 xi1"},
    {"送终", "song4 zhong1"},
    {"尸体", "shi1 ti3"},
    {"坟墓", "fen2 mu4"},
    {"棺材", "guan1 cai2"},
    {"丧事", "sang1 shi4"},
    {"短命", "duan3 ming4"},
    {"夭折", "yao1 zhe2"},
    {"灵堂", "ling2 tang2"},
    {"出殡", "chu1 bin4"},
    {"遗体", "yi2 ti3"},
    {"去死", "qu4 si3"},
    {"该死", "gai1 si3"},
    {"吊死", "diao4 si3"},
    {"断气", "duan4 qi4"},
    {"暴毙", "bao4 bi4"},
    // insults and bad luck
    {"饭桶", "fan4 tong3"},
    {"笨蛋", "ben4 dan4"},
    {"蠢货", "chun3 huo4"},
    {"废物", "fei4 wu4"},
    {"王八", "wang2 ba1"},
    {"混蛋", "hun2 dan4"},
    {"坏蛋", "huai4 dan4"},
    {"流氓", "liu2 mang2"},
    {"无赖", "wu2 lai4"},
    {"禽兽", "qin2 shou4"},
    {"狐狸精", "hu2 li2 jing1"},
    {"无人要", "wu2 ren2 yao4"},
    {"猪一群", "zhu1 yi1 qun2"},
    {"下贱", "xia4 jian4"},
    {"贱人", "jian4 ren2"},
    {"妓女", "ji4 nv3"},
    {"小偷", "xiao3 tou1"},
    {"骗子", "pian4 zi5"},
    {"乞丐", "qi3 gai4"},
    {"狗腿", "gou3 tui3"},
    {"土包子", "tu3 bao1 zi5"},
    {"色狼", "se4 lang2"},
    {"二百五", "er4 bai3 wu3"},
    {"傻瓜", "sha3 gua1"},
    {"蠢猪", "chun3 zhu1"},
    {"窝囊", "wo1 nang5"},
    {"小三", "xiao3 san1"},
    {"寡妇", "gua3 fu5"},
    {"光棍", "guang1 gun4"},
    {"离婚", "li2 hun1"},
    {"破产", "po4 chan3"},
    {"倒霉", "dao3 mei2"},
    {"霉运", "mei2 yun4"},
    {"坐牢", "zuo4 lao2"},
    {"犯人", "fan4 ren2"},
    {"杀人", "sha1 ren2"},
    {"吸毒", "xi1 du2"},
    {"赌博", "du3 bo2"},
    {"欠债", "qian4 zhai4"},
    {"穷鬼", "qiong2 gui3"},
    {"失败", "shi1 bai4"},
    {"没钱", "mei2 qian2"},
    {"讨饭", "tao3 fan4"},
    {"马屁", "ma3 pi4"},
    {"戴绿帽", "dai4 lv4 mao4"},
    {"无用", "wu2 yong4"},
};

// Single syllables a name is teased with on their own. One syllable sounds like too many words to
// judge by the syllable alone (思 sī is no 死 sǐ), so each counts only in its own tone, and 死 also
// in the fourth tone: 四 sì is avoided in names for that very sound.
struct ListedSound {
    const char* word;
    const char* reading;
    const char* alsoHeardAs;  // another tone heard as the word, or nullptr
};

constexpr ListedSound kListedSounds[] = {
    {"死", "si3", "si4"},    {"屎", "shi3", nullptr},  {"尿", "niao4", nullptr},
    {"屁", "pi4", nullptr},  {"病", "bing4", nullptr}, {"丧", "sang1", nullptr},
    {"鬼", "gui3", nullptr},
};

std::vector<Syllable> ParseReading(std::string_view reading) {
    std::vector<Syllable> syllables;
    size_t start = 0;
    while (start < reading.size()) {
        size_t end = reading.find(' ', start);
        if (end == std::string_view::npos) end = reading.size();
        if (end > start)
            syllables.push_back(ParseNumberedSyllable(reading.substr(start, end - start)));
        start = end + 1;
    }
    return syllables;
}

bool TonesAgree(const Syllable& name, const Syllable& word) {
    return name.tone == 0 || word.tone == 0 || name.tone == word.tone;
}

}  // namespace

const std::vector<UnfortunateWord>& UnfortunateWords() {
    static const std::vector<UnfortunateWord> words = [] {
        std::vector<UnfortunateWord> list;
        for (const ListedWord& listed : kListedWords)
            list.push_back({listed.word, ParseReading(listed.reading)});
        return list;
    }();
    return words;
}

namespace {

// The words by their first syllable, so that a name is compared only with the words that can
// start at each of its syllables: a run checks tens of thousands of names.
const std::unordered_map<std::string, std::vector<const UnfortunateWord*>>& WordsByFirstSyllable() {
    static const auto byFirst = [] {
        std::unordered_map<std::string, std::vector<const UnfortunateWord*>> map;
        for (const UnfortunateWord& word : UnfortunateWords())
            if (word.syllables.size() >= 2) map[word.syllables[0].plain].push_back(&word);
        return map;
    }();
    return byFirst;
}

}  // namespace

SoundMatch FindUnfortunateSound(const std::vector<Syllable>& name, size_t surnameSyllables) {
    SoundMatch best;
    const auto& byFirst = WordsByFirstSyllable();
    for (size_t start = 0; start + 1 < name.size(); ++start) {
        const auto candidates = byFirst.find(name[start].plain);
        if (candidates == byFirst.end()) continue;
        for (const UnfortunateWord* word : candidates->second) {
            const size_t length = word->syllables.size();
            if (start + length > name.size()) continue;
            if (start + length <= surnameSyllables) continue;  // the surname alone
            bool same = true;
            bool sameTones = true;
            for (size_t i = 0; i < length && same; ++i) {
                same = name[start + i].plain == word->syllables[i].plain;
                sameTones = sameTones && TonesAgree(name[start + i], word->syllables[i]);
            }
            if (!same) continue;
            const bool better = !best.found || (sameTones && !best.sameTones) ||
                                (sameTones == best.sameTones && length > best.wordSyllables.size());
            if (better) best = {true, word->word, word->syllables, sameTones, start};
        }
    }
    if (best.found) return best;
    struct Sound {
        std::string word;
        Syllable syllable;
        std::optional<Syllable> alsoHeardAs;
    };
    static const std::vector<Sound> sounds = [] {
        std::vector<Sound> list;
        for (const ListedSound& listed : kListedSounds)
            list.push_back({listed.word, ParseNumberedSyllable(listed.reading),
                            listed.alsoHeardAs
                                ? std::optional(ParseNumberedSyllable(listed.alsoHeardAs))
                                : std::nullopt});
        return list;
    }();
    for (size_t at = surnameSyllables; at < name.size(); ++at)
        for (const Sound& sound : sounds) {
            // The tone first: it rules out most sounds without comparing the syllables' text.
            const bool sameTones =
                name[at].tone == sound.syllable.tone && name[at].plain == sound.syllable.plain;
            if (sameTones || (sound.alsoHeardAs && name[at].tone == sound.alsoHeardAs->tone &&
                              name[at].plain == sound.alsoHeardAs->plain))
                return {true, sound.word, {sound.syllable}, sameTones, at};
        }
    return best;
}

}  // namespace quality

#include "generation/RunGeneration.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <new>
#include <span>
#include <stdexcept>
#include <unordered_set>
#include <utility>

#include "generation/BuiltinLists.h"
#include "generation/ClassicText.h"
#include "generation/EnglishNames.h"
#include "generation/FinishResultList.h"
#include "generation/KeepGb2312Hanzi.h"
#include "generation/QualityOrder.h"
#include "generation/ScoreMemo.h"
#include "generation/ShufflePool.h"
#include "namedb/CharacterRow.h"
#include "namedb/SqliteDatabase.h"
#include "numerology/CharacterLookup.h"
#include "numerology/GbkTextSearch.h"
#include "numerology/NameScoring.h"
#include "quality/CharacterFitness.h"

namespace {

constexpr const char* kTip = "提示";
constexpr const char* kAllElements = "金木水火土";

// Rows reach the window in batches: the first at once (it closes the waiting window), the rest
// every so many rows or so much time, whichever comes first.
constexpr size_t kRowsPerBatch = 2000;
constexpr auto kBatchInterval = std::chrono::milliseconds(100);

constexpr size_t kMaxCombinationCharacters = 300;
// 典籍起名 lists the first names it draws, the classics' before the poems', up to this many.
constexpr int kMaxCanonNames = 5000;

std::uint64_t PairKey(std::int32_t first, std::int32_t second) {
    return static_cast<std::uint64_t>(static_cast<std::uint32_t>(first)) << 32 |
           static_cast<std::uint32_t>(second);
}

std::string ElementSetOf(const ElementFilterGroup& group) {
    return group.checked && !group.elements.empty() ? group.elements : kAllElements;
}

}  // namespace

RunGeneration::RunGeneration(GenerationInputs inputs, GenerationObserver& observer,
                             SqliteDatabase& database, RunControl& control)
    : m_inputs(std::move(inputs)), m_observer(observer), m_database(database), m_control(control) {}

namespace {

// A run that cannot do what was asked, told in the program's own words.
struct RunRefused : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace

void RunGeneration::Execute() {
    // Whatever ends the run early, a database that cannot be read or memory that runs out, ends
    // this run with a message: never the program, and never with a short list shown as complete.
    try {
        ExecuteSteps();
    } catch (const RunRefused& refusal) {
        Fail(refusal.what());
    } catch (const DatabaseError& error) {
        Fail(std::string("读取名字数据库失败，起名已停止：") + error.what());
    } catch (const std::bad_alloc&) {
        Fail("内存不足，起名已停止。");
    } catch (const std::exception& error) {
        Fail(std::string("起名已停止：") + error.what());
    }
}

void RunGeneration::Fail(const std::string& text) {
    m_failed = true;
    m_failureText = text;
    // Free the run's bulk first: the message may follow an allocation that failed.
    std::vector<Candidate>().swap(m_candidates);
    std::vector<CandidateProduct>().swap(m_products);
    std::vector<ResultRow>().swap(m_rows);
    std::vector<Candidate>().swap(m_foundCandidates);
    try {
        if (m_scoringStarted) Deliver([&] { m_observer.ListFinished(m_scoringList, {}); });
        FinishRun(RunOutcome::Failed);
    } catch (const std::exception&) {
        // The window could not take the message either; the run is over all the same.
    }
}

void RunGeneration::ExecuteSteps() {
    Deliver([&] { m_observer.RunStarted(m_inputs.mode); });
    if (m_inputs.surname.empty()) ShowMessage("请输入姓氏", kTip, MessageIcon::None);
    if (!Checkpoint()) return;

    if (!PrepareMode()) return;
    m_poolSize = m_pieces.size();
    m_table.Resize(m_poolSize);

    const GenerationMode mode = m_inputs.mode;
    bool built = true;
    if (mode == GenerationMode::HighScore || mode == GenerationMode::Poem ||
        mode == GenerationMode::Combination)
        built = BuildStandardCandidates();
    else if (mode == GenerationMode::SuperLucky)
        built = BuildSuperLuckyCandidates();
    else if (mode == GenerationMode::Nickname)
        built = BuildNicknameCandidates();
    else if (mode == GenerationMode::Canon)
        built = BuildCanonCandidates();
    if (!built) return;

    if (mode != GenerationMode::Classic && mode != GenerationMode::English) {
        m_ratings = RatingTables::Load(m_database);
        ScoringProfile profile;
        if (mode == GenerationMode::HighScore) {
            profile.list = ResultList::HighScore;
            profile.maximumRows = 10000;
            const bool withCharacter = m_inputs.generationCharacter.active;
            profile.threshold = m_inputs.nameLength == 2 && !withCharacter ? 90 : 0;
            if (m_inputs.nameLength == 2 && withCharacter)
                ShowMessage("设定辈份后,产生的名字较少,所以系统将显示全部名字", kTip,
                            MessageIcon::Warning);
        } else if (mode == GenerationMode::SuperLucky) {
            profile.list = ResultList::SuperLucky;
            profile.maximumRows = 100000;
            const std::string rating = HeavenGridRating(m_inputs.surname, m_table, m_ratings);
            if (rating == "大凶")
                profile.threshold = 96;
            else if (rating == "凶")
                profile.threshold = 98;
            else if (rating == "中")
                profile.threshold = 99;
            else if (rating == "吉" || rating == "大吉")
                profile.threshold = 100;
        } else if (mode == GenerationMode::Canon) {
            // Every name drawn is judged and listed, the best score first.
            profile.list = ResultList::Canon;
            profile.maximumRows = kMaxCanonNames;
        } else {
            // Every candidate is a row here; the pools of these modes are small, and 组合's is
            // capped, so the limit only guards the memory of a list nobody could read.
            profile.maximumRows = 100000;
            profile.list = mode == GenerationMode::Poem          ? ResultList::Poem
                           : mode == GenerationMode::Combination ? ResultList::Combination
                                                                 : ResultList::Nickname;
        }
        if (!ScoreIntoList(profile)) return;
    }
    FinishRun(RunOutcome::Complete);
}

// ---- mode preparation ----------------------------------------------------------------------

bool RunGeneration::PrepareMode() {
    switch (m_inputs.mode) {
        case GenerationMode::HighScore:
            PrepareHighScore();
            break;
        case GenerationMode::Classic:
            RunClassic();
            break;
        case GenerationMode::SuperLucky:
            PrepareSuperLucky();
            break;
        case GenerationMode::Poem:
            PreparePoem();
            break;
        case GenerationMode::Combination:
            PrepareCombination();
            break;
        case GenerationMode::Nickname:
            PrepareNickname();
            break;
        case GenerationMode::English:
            RunEnglish();
            break;
        case GenerationMode::Canon:
            PrepareCanon();
            break;
    }
    return Checkpoint();
}

void RunGeneration::ShufflePoolEntries(std::vector<std::string>& entries) const {
    ShufflePool(entries, m_inputs.shuffleSeed ? *m_inputs.shuffleSeed : ClockSeed());
}

quality::NameQualityChecker& RunGeneration::Quality() {
    if (!m_quality) m_quality.emplace(m_database, m_inputs.surname);
    return *m_quality;
}

void RunGeneration::KeepCommonOnly(std::vector<std::string>& characters) {
    // Without the level table every character would stay, and the list would look as if it held
    // common characters only.
    if (!Quality().HasLevels())
        throw RunRefused(
            "名字数据库缺少常用字等级表（NB_字级），无法只用常用字。请取消“只用常用字”，"
            "或重新安装程序、重建名字数据库。");
    KeepCommonCharacters(characters, Quality());
}

void RunGeneration::KeepFitCharacters(std::vector<std::string>& characters) {
    if (m_inputs.allCharacters) return;
    m_fitness = quality::CharacterFitnessTable::Load(m_database);
    const quality::CharacterFitnessTable& fitness = *m_fitness;
    const quality::ChildSex sex =
        m_inputs.sex == Sex::Male ? quality::ChildSex::Boy : quality::ChildSex::Girl;
    std::erase_if(characters,
                  [&](const std::string& character) { return !fitness.Offers(character, sex); });
    // The characters parents give come first, in the shuffled order; the plain ones follow.
    std::stable_partition(characters.begin(), characters.end(), [&](const std::string& character) {
        return !fitness.IsPlain(character);
    });
}

bool RunGeneration::IsBadSenseWord(const std::string& givenName) {
    return !m_inputs.allCharacters && Quality().IsBadSenseWord(givenName);
}

void RunGeneration::AppendPoolCharacters(const std::string& text) {
    for (std::string& piece : SplitCharacters(text)) m_pieces.push_back(std::move(piece));
}

// QuickScore finds the surname's strokes in the generation character table, so every scoring mode
// carries the surname's characters in its pool.
void RunGeneration::AppendSurnameCharacters() { AppendPoolCharacters(m_inputs.surname); }

void RunGeneration::PrepareHighScore() {
    std::vector<std::string> characters;
    characters = SplitCharacters(m_inputs.sex == Sex::Male ? MalePool() : FemalePool());
    ShufflePoolEntries(characters);
    KeepFitCharacters(characters);
    if (m_inputs.commonOnly) KeepCommonOnly(characters);
    const size_t limit = m_inputs.nameLength == 2 ? 400 : 1000;
    if (characters.size() > limit) characters.resize(limit);
    m_pieces = std::move(characters);
    AppendSurnameCharacters();
}

void RunGeneration::PrepareSuperLucky() {
    m_pieces = SplitCharacters(m_inputs.sex == Sex::Male ? MalePool() : FemalePool());
    ShufflePoolEntries(m_pieces);
    KeepFitCharacters(m_pieces);
    if (m_inputs.commonOnly) KeepCommonOnly(m_pieces);
    AppendSurnameCharacters();
}

void RunGeneration::PreparePoem() {
    std::string text;
    for (const std::string& caption : m_inputs.tickedPoemCharacters)
        if (!GbkContains(text, caption)) text += caption;
    if (!GbkContains(text, m_inputs.surname)) text += m_inputs.surname;
    AppendPoolCharacters(text);
}

void RunGeneration::PrepareCombination() {
    // A character typed twice would only list its names twice. The list holds every pair of the
    // pool, so its length grows with the square of the pool: the pool is capped at
    // kMaxCombinationCharacters (300 characters make 90000 pairs, about the 100000 rows of the
    // largest list, 超吉), which keeps a pasted text of thousands of characters from taking
    // gigabytes and minutes. The surname's characters join after the cap, as QuickScore must
    // find their strokes in the table.
    std::vector<std::string> characters;
    std::unordered_set<std::string> kept;
    bool capped = false;
    for (std::string& character : SplitCharacters(KeepGb2312Hanzi(m_inputs.combinationText))) {
        if (kept.count(character)) continue;
        if (characters.size() >= kMaxCombinationCharacters) {
            capped = true;
            continue;
        }
        kept.insert(character);
        characters.push_back(std::move(character));
    }
    for (std::string& character : SplitCharacters(KeepGb2312Hanzi(m_inputs.surname)))
        if (kept.insert(character).second) characters.push_back(std::move(character));
    if (capped)
        ShowMessage("组合的字超过" + std::to_string(kMaxCombinationCharacters) + "个，只使用前" +
                        std::to_string(kMaxCombinationCharacters) + "个不同的字",
                    kTip, MessageIcon::Information);
    m_pieces = std::move(characters);
}

void RunGeneration::PrepareNickname() {
    // The neutral pool holds the characters of both sexes' pools, so those they share come
    // twice; each pet name is listed once.
    std::unordered_set<std::string> seen;
    for (std::string& character : SplitCharacters(NeutralPool()))
        if (seen.insert(character).second) m_pieces.push_back(std::move(character));
    // A pet name is a boy's or a girl's too: 小娜 is no boy's, 阿逝 nobody's.
    KeepFitCharacters(m_pieces);
    if (!GbkContains(NeutralPool(), m_inputs.surname)) AppendSurnameCharacters();
}

void RunGeneration::RunClassic() {
    std::vector<std::string> entries = ClassicListEntries(m_inputs.sex, m_inputs.nameLength);
    ShufflePoolEntries(entries);
    const std::string text = BuildClassicText(m_inputs.surname, entries, m_inputs.nameLength);
    Deliver([&] { m_observer.ClassicTextReady(text); });
}

void RunGeneration::RunEnglish() {
    const std::vector<std::string> characters = SplitCharacters(m_inputs.englishGivenName);
    if (characters.empty()) return;
    const std::string initial = EnglishInitial(LookupChineseInitial(m_database, characters[0]));
    std::vector<ResultRow> rows = ListEnglishNames(m_database, initial, m_inputs.englishSex);
    if (m_inputs.englishShortest > 0 || m_inputs.englishLongest > 0) {
        const auto letters = [](std::string_view name) {
            return int(std::count_if(name.begin(), name.end(), [](char c) {
                return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
            }));
        };
        std::erase_if(rows, [&](const ResultRow& row) {
            const int count = row.size() > 1 ? letters(row[1]) : 0;
            return count < m_inputs.englishShortest ||
                   (m_inputs.englishLongest > 0 && count > m_inputs.englishLongest);
        });
        for (size_t k = 0; k < rows.size(); ++k)
            if (!rows[k].empty()) rows[k].SetNumber(0, static_cast<long long>(k + 1));
    }
    Deliver([&] {
        m_observer.RowsReady(ResultList::English, rows);
        m_observer.ListFinished(ResultList::English, rows);
    });
}

// ---- candidates ----------------------------------------------------------------------------

std::int32_t RunGeneration::PieceOf(const std::string& text) {
    for (size_t i = m_poolSize; i < m_pieces.size(); ++i)
        if (m_pieces[i] == text) return static_cast<std::int32_t>(i);
    m_pieces.push_back(text);
    return static_cast<std::int32_t>(m_pieces.size() - 1);
}

void RunGeneration::ReadCharacterEssentials(const std::vector<std::string>& characters) {
    m_essentials = FetchCharacterEssentials(m_database, characters);
    m_essentialsAsked.insert(characters.begin(), characters.end());
}

CharacterRecord RunGeneration::RawCharacter(const std::string& character) const {
    // The raw columns are kept even when the row fails the test: QuickScore then still finds the
    // strokes, exactly as the table is meant to hold them.
    CharacterRecord record;
    record.character = character;
    if (const CharacterRecord* earlier = m_table.Find(character)) {
        record = *earlier;
        return record;
    }
    if (m_essentialsAsked.count(character)) {
        if (auto found = m_essentials.find(character); found != m_essentials.end()) {
            record.simplifiedStrokes = found->second.simplifiedStrokes;
            record.traditionalStrokes = found->second.traditionalStrokes;
            record.element = found->second.element;
        }
    } else if (std::optional<CharacterRow> row = FetchCharacterRow(m_database, character)) {
        record.simplifiedStrokes = row->simplifiedStrokes;
        record.traditionalStrokes = row->traditionalStrokes;
        record.element = std::move(row->element);
    }
    return record;
}

bool RunGeneration::FillTableEntry(size_t index) {
    CharacterRecord record = RawCharacter(m_pieces[index]);
    const bool accepted = !record.element.empty() && record.simplifiedStrokes != 0;
    m_table.Set(index, std::move(record));
    return accepted;
}

// A fixed generation character is part of every name, so QuickScore must find its strokes; it is
// kept behind the pool, where it scores but never becomes a candidate character of its own.
void RunGeneration::AddScoringCharacters(const std::string& text) {
    for (const std::string& character : SplitCharacters(text))
        m_table.Append(RawCharacter(character));
}

bool RunGeneration::BuildStandardCandidates() {
    const int length = m_inputs.nameLength;
    const GenerationCharacterSetting& setting = m_inputs.generationCharacter;
    if (length == 1)
        ShowMessage("一字名数理得分较低,所以软件自动降低评分标准!", kTip, MessageIcon::Information);
    const std::int32_t second =
        length == 2 && setting.active && setting.fixSecond ? PieceOf(setting.secondText) : -1;
    const std::int32_t third =
        length == 2 && setting.active && !setting.fixSecond && setting.fixThird
            ? PieceOf(setting.thirdText)
            : -1;
    std::vector<std::string> characters(m_pieces.begin(),
                                        m_pieces.begin() + static_cast<std::ptrdiff_t>(m_poolSize));
    for (const std::string* text :
         {second >= 0 ? &setting.secondText : nullptr, third >= 0 ? &setting.thirdText : nullptr})
        if (text)
            for (std::string& character : SplitCharacters(*text))
                characters.push_back(std::move(character));
    ReadCharacterEssentials(characters);
    if (second >= 0) AddScoringCharacters(setting.secondText);
    if (third >= 0) AddScoringCharacters(setting.thirdText);
    const auto n = static_cast<std::int32_t>(m_poolSize);
    std::vector<std::int32_t> accepted;
    for (std::int32_t p = 0; p < n; ++p) {
        if (FillTableEntry(static_cast<size_t>(p))) accepted.push_back(p);
        if (!Checkpoint()) return false;
    }
    // Only accepted characters open a name; any pool entry may follow one.
    if (length == 2 && !setting.active) {
        std::vector<std::int32_t> everyEntry(static_cast<size_t>(n));
        for (std::int32_t q = 0; q < n; ++q) everyEntry[static_cast<size_t>(q)] = q;
        m_products.push_back({std::move(accepted), std::move(everyEntry)});
    } else if (length == 2 && setting.fixSecond) {
        m_products.push_back({{second}, std::move(accepted)});
    } else if (length == 2 && setting.fixThird) {
        m_products.push_back({std::move(accepted), {third}});
    } else if (length == 1) {
        m_products.push_back({std::move(accepted), {-1}});
    }
    return true;
}

bool RunGeneration::BuildSuperLuckyCandidates() {
    const SuperLuckyFilters& filters = m_inputs.superLuckyFilters;
    const std::string allowedFirst = ElementSetOf(filters.secondCharacter);
    const std::string allowedSecond = ElementSetOf(filters.thirdCharacter);
    const std::string mustHave = ElementSetOf(filters.mustHave);
    const std::string mustNot = filters.mustNot.checked ? filters.mustNot.elements : "";
    const bool positionFilter = filters.secondCharacter.checked || filters.thirdCharacter.checked;
    const bool wholeFilter = filters.mustHave.checked || filters.mustNot.checked;

    ReadCharacterEssentials(std::vector<std::string>(
        m_pieces.begin(), m_pieces.begin() + static_cast<std::ptrdiff_t>(m_poolSize)));
    std::vector<std::int32_t> listA, listB, listC;
    for (size_t p = 0; p < m_poolSize; ++p) {
        if (FillTableEntry(p)) {
            const std::string& element = m_table[p].element;
            const auto index = static_cast<std::int32_t>(p);
            if (positionFilter) {
                if (GbkContains(allowedFirst, element)) listA.push_back(index);
                if (GbkContains(allowedSecond, element)) listB.push_back(index);
            }
            if (wholeFilter && GbkContains(mustHave, element) && !GbkContains(mustNot, element))
                listC.push_back(index);
        }
        if ((p + 1) % 64 == 0 || p + 1 == m_poolSize) {
            const int done = static_cast<int>(p + 1), total = static_cast<int>(m_poolSize);
            Deliver([&] { m_observer.ProgressMade(done, total); });
        }
        if (!Checkpoint()) return false;
    }
    if (positionFilter) m_products.push_back({std::move(listA), std::move(listB)});
    if (wholeFilter) m_products.push_back({listC, listC});
    return Checkpoint();
}

bool RunGeneration::BuildNicknameCandidates() {
    const NicknamePatterns& patterns = m_inputs.nicknamePatterns;
    const std::int32_t xiao = PieceOf("小");
    const std::int32_t er = PieceOf("儿");
    const std::int32_t a = PieceOf("阿");
    ReadCharacterEssentials(std::vector<std::string>(
        m_pieces.begin(), m_pieces.begin() + static_cast<std::ptrdiff_t>(m_poolSize)));
    for (size_t index = 0; index < m_poolSize; ++index) {
        if (FillTableEntry(index)) {
            const auto c = static_cast<std::int32_t>(index);
            if (patterns.doubled) m_candidates.push_back({c, c});
            if (patterns.xiaoPrefix) m_candidates.push_back({xiao, c});
            if (patterns.erSuffix) m_candidates.push_back({c, er});
            if (patterns.aPrefix) m_candidates.push_back({a, c});
        }
        if (!Checkpoint()) return false;
    }
    return true;
}

template <typename Visitor>
bool RunGeneration::ForEachCandidate(Visitor&& visit) const {
    const auto ended = [](Visit answer) { return answer != Visit::Next; };
    for (const Candidate& candidate : m_candidates)
        if (Visit answer = visit(candidate.first, candidate.second); ended(answer))
            return answer != Visit::Stopped;
    for (const CandidateProduct& product : m_products)
        for (std::int32_t first : product.firsts)
            for (std::int32_t second : product.seconds)
                if (Visit answer = visit(first, second); ended(answer))
                    return answer != Visit::Stopped;
    return true;
}

std::vector<std::string> RunGeneration::CandidateTexts() const {
    std::vector<std::string> texts;
    ForEachCandidate([&](std::int32_t first, std::int32_t second) {
        std::string text = m_pieces[static_cast<size_t>(first)];
        if (second >= 0) text += m_pieces[static_cast<size_t>(second)];
        texts.push_back(std::move(text));
        return Visit::Next;
    });
    return texts;
}

// ---- 典籍起名 --------------------------------------------------------------------------------

// The names a parent could give drawn from the chosen collections' passages, in their order: the
// pairs side by side in a line first (子衿 of 青青子衿), then, while the list has room, the pairs
// apart in one passage (静姝 of 静女其姝). A pair is offered when both characters are (fit for a
// name and for the child's sex, common with 只用常用字), once, from its first passage.
void RunGeneration::PrepareCanon() {
    const std::vector<std::string>& collections =
        m_inputs.canonCollections.empty() ? canon::DefaultCollections() : m_inputs.canonCollections;
    const quality::CharacterFitnessTable fitness = quality::CharacterFitnessTable::Load(m_database);
    const quality::ChildSex sex =
        m_inputs.sex == Sex::Male ? quality::ChildSex::Boy : quality::ChildSex::Girl;
    quality::NameQualityChecker& checker = Quality();
    if (m_inputs.commonOnly) checker.ReadAllLevels();
    if (!m_senses) m_senses = quality::NameSenseTable::Load(m_database);
    // Only characters the review saw and found fit: the classics hold many a parent would not
    // give (刈 匏 觏).
    std::unordered_map<std::string, bool> offered;
    const std::function<bool(const std::string&)> take = [&](const std::string& character) {
        auto [entry, first] = offered.try_emplace(character, false);
        if (first)
            entry->second = (m_inputs.allCharacters ||
                             (fitness.Offers(character, sex) && m_senses->HasSense(character))) &&
                            (!m_inputs.commonOnly || checker.IsCommonAndFit(character));
        return entry->second;
    };
    // Particles of the classical language, numbers and 人 read as the grammar of the line in a
    // name drawn from it (子宁 of 子宁不嗣音, 九月 of 九月授衣, 人可 of 人可以食).
    static const std::string kParticles =
        "兮之其以斯尔汝吾予莫维言亦既乃曰聿爰式薄载一二三四五六七八九十百千人";
    // The characters parents give a child of this sex: the pool of the 高分 page.
    std::unordered_set<std::string> given;
    for (std::string& character :
         SplitCharacters(m_inputs.sex == Sex::Male ? MalePool() : FemalePool()))
        given.insert(std::move(character));
    const auto tierOf = [&](const std::string& first, const std::string& second, bool sideBySide) {
        bool bothGiven = true;
        for (const std::string* character : {&first, &second}) {
            if (character->empty()) continue;
            if (GbkContains(kParticles, *character) || fitness.IsPlain(*character))
                return CanonTier::Particle;
            bothGiven = bothGiven && given.count(*character);
        }
        if (sideBySide) return bothGiven ? CanonTier::Named : CanonTier::SideBySide;
        return bothGiven ? CanonTier::Apart : CanonTier::Particle;
    };
    const GenerationCharacterSetting& setting = m_inputs.generationCharacter;
    const bool two = m_inputs.nameLength == 2;
    const bool fixed = two && setting.active && (setting.fixSecond || setting.fixThird);
    std::unordered_set<std::string> drawn;
    for (const bool sideBySide : {true, false}) {
        if ((!two || fixed) && !sideBySide) break;  // one pass draws every such name
        canon::ForEachPassage(m_database, collections, [&](const canon::Passage& passage) {
            // A line of grief, illness or crime gives no name, however fit its characters.
            for (const std::string& character : SplitCharacters(passage.text))
                if (fitness.IsDark(character)) return Checkpoint();
            const auto passageIndex = static_cast<std::uint32_t>(m_canonPassages.size());
            bool used = false;
            const auto draw = [&](const std::string& first, const std::string& second,
                                  bool sideBySide) {
                if (!drawn.insert(first + second).second) return;
                if (!second.empty() && IsBadSenseWord(first + second)) return;
                m_canonNames.emplace_back(first, second);
                m_canonDraws.push_back({passageIndex, tierOf(first, second, sideBySide)});
                used = true;
            };
            if (!two) {
                for (const std::string& character : canon::CharactersOf(passage.text, take))
                    draw(character, "", true);
            } else if (fixed) {
                for (const std::string& character : canon::CharactersOf(passage.text, take))
                    if (setting.fixSecond)
                        draw(setting.secondText, character, false);
                    else
                        draw(character, setting.thirdText, false);
            } else {
                for (const canon::Pair& pair : canon::PairsOf(passage.text, sideBySide, take))
                    draw(pair.first, pair.second, pair.sideBySide);
            }
            if (used) m_canonPassages.push_back(passage);
            return m_canonNames.size() < static_cast<size_t>(kMaxCanonNames) && Checkpoint();
        });
        if (m_canonNames.size() >= static_cast<size_t>(kMaxCanonNames)) break;
    }
    std::unordered_set<std::string> pooled;
    std::vector<std::string> characters;
    for (const auto& [first, second] : m_canonNames)
        for (const std::string* piece : {&first, &second})
            if (!piece->empty() && pooled.insert(*piece).second) characters.push_back(*piece);
    m_pieces = std::move(characters);
    AppendSurnameCharacters();
}

// Each drawn name becomes a candidate of its pieces, when their strokes and elements are known
// and they pass the 超吉-style element filters of the second and third character.
bool RunGeneration::BuildCanonCandidates() {
    const SuperLuckyFilters& filters = m_inputs.superLuckyFilters;
    const std::string allowedFirst = ElementSetOf(filters.secondCharacter);
    const std::string allowedSecond = ElementSetOf(filters.thirdCharacter);
    ReadCharacterEssentials(std::vector<std::string>(
        m_pieces.begin(), m_pieces.begin() + static_cast<std::ptrdiff_t>(m_poolSize)));
    std::unordered_map<std::string, std::int32_t> pieceOf;
    std::vector<bool> known(m_poolSize);
    for (size_t p = 0; p < m_poolSize; ++p) {
        known[p] = FillTableEntry(p);
        pieceOf.emplace(m_pieces[p], static_cast<std::int32_t>(p));
    }
    const auto passes = [&](std::int32_t piece, const ElementFilterGroup& group,
                            const std::string& allowed) {
        return !group.checked || GbkContains(allowed, m_table[static_cast<size_t>(piece)].element);
    };
    for (size_t k = 0; k < m_canonNames.size(); ++k) {
        const auto& [firstText, secondText] = m_canonNames[k];
        const std::int32_t first = pieceOf.at(firstText);
        const std::int32_t second = secondText.empty() ? -1 : pieceOf.at(secondText);
        if (!known[static_cast<size_t>(first)] ||
            (second >= 0 && !known[static_cast<size_t>(second)]))
            continue;
        if (!passes(first, filters.secondCharacter, allowedFirst) ||
            (second >= 0 && !passes(second, filters.thirdCharacter, allowedSecond)))
            continue;
        m_candidates.push_back({first, second});
        m_canonDrawOf.emplace(PairKey(first, second), m_canonDraws[k]);
        if (!Checkpoint()) return false;
    }
    return true;
}

void RunGeneration::AppendCanonSource(ResultRow& row, Candidate candidate) const {
    const auto found = m_canonDrawOf.find(PairKey(candidate.first, candidate.second));
    if (found == m_canonDrawOf.end()) {
        for (int cell = 0; cell < 3; ++cell) row.push_back("");
        return;
    }
    const canon::Passage& passage = m_canonPassages[found->second.passage];
    row.push_back(passage.piece.empty() ? passage.collection
                                        : passage.collection + "·" + passage.piece);
    row.push_back(passage.author);
    row.push_back(passage.text);
}

// ---- scoring -------------------------------------------------------------------------------

bool RunGeneration::ScoreIntoList(const ScoringProfile& profile) {
    m_scoringList = profile.list;
    m_scoringStarted = true;
    m_lastFlush = std::chrono::steady_clock::now();
    const std::string& surname = m_inputs.surname;
    std::string givenName;
    ScoreMemo memo(m_pieces, m_table);
    ScoredCells cells;
    if (!m_senses) m_senses = quality::NameSenseTable::Load(m_database);
    // The list's room at once: the rows themselves are allocated one by one as they are found.
    if (profile.maximumRows > 0) {
        m_rows.reserve(static_cast<size_t>(profile.maximumRows));
        m_foundCandidates.reserve(static_cast<size_t>(profile.maximumRows));
    }
    const bool completed = ForEachCandidate([&](std::int32_t first, std::int32_t second) {
        if (!Checkpoint()) return Visit::Stopped;
        const std::optional<size_t> slot = memo.SlotOf(first, second);
        if (slot && memo.Score(*slot) != ScoreMemo::kUnknown &&
            memo.Score(*slot) < profile.threshold)
            return Visit::Next;
        givenName = m_pieces[static_cast<size_t>(first)];
        if (second >= 0) givenName += m_pieces[static_cast<size_t>(second)];
        if (GbkContains(givenName, surname)) return Visit::Next;
        if (!slot || !memo.CellsOf(*slot, first, second, cells)) {
            const int score = QuickScore(surname, givenName, m_table, m_ratings, m_evaluation);
            const bool madeTheList = score >= profile.threshold;
            if (madeTheList) cells.Read(m_evaluation, score);
            if (slot) memo.Remember(*slot, score, m_evaluation, madeTheList ? &cells : nullptr);
            if (!madeTheList) return Visit::Next;
        }
        if (IsBadSenseWord(givenName)) return Visit::Next;
        const size_t rowCount = m_rows.size() + 1;
        m_rows.push_back(
            MakeResultRow(static_cast<int>(rowCount), givenName, cells, {first, second}));
        m_foundCandidates.push_back({first, second});
        const auto now = std::chrono::steady_clock::now();
        if (rowCount == 1 || m_rows.size() - m_deliveredRows >= kRowsPerBatch ||
            now - m_lastFlush >= kBatchInterval) {
            FlushRows(profile.list);
            m_lastFlush = now;
        }
        if (profile.maximumRows > 0 && rowCount >= static_cast<size_t>(profile.maximumRows))
            return Visit::Enough;
        return Visit::Next;
    });
    if (!completed) return false;
    if (!Checkpoint()) return false;
    FlushRows(profile.list);
    // Numerology alone ranks 李勐渗 beside 李明华; among names of one score, those a parent can
    // write anywhere, say easily and hear no joke in come first.
    if (profile.list == ResultList::HighScore || profile.list == ResultList::SuperLucky ||
        profile.list == ResultList::Canon) {
        // The pool's readings came with its strokes.
        quality::NameQualityChecker& checker = Quality();
        for (const auto& [character, essentials] : m_essentials) {
            checker.KnowReading(character, essentials.reading);
            if (essentials.level) checker.KnowLevel(character, *essentials.level);
        }
        if (profile.list == ResultList::Canon && m_foundCandidates.size() == m_rows.size()) {
            std::vector<CanonTier> drawn;
            drawn.reserve(m_foundCandidates.size());
            for (const Candidate& candidate : m_foundCandidates) {
                const auto found = m_canonDrawOf.find(PairKey(candidate.first, candidate.second));
                drawn.push_back(found == m_canonDrawOf.end() ? CanonTier::Particle
                                                             : found->second.tier);
            }
            OrderCanonNames(m_rows, drawn, TiersOfFoundNames(checker));
            NumberRows(m_rows);
            return Deliver([&] { m_observer.ListFinished(profile.list, m_rows); });
        }
        if (m_foundCandidates.size() == m_rows.size())
            OrderByTier(m_rows, TiersOfFoundNames(checker));
        else
            OrderByNameQuality(m_rows, m_inputs.surname, checker);
    }
    FinishResultList(m_rows);
    return Deliver([&] { m_observer.ListFinished(profile.list, m_rows); });
}

std::vector<NameTier> RunGeneration::TiersOfFoundNames(quality::NameQualityChecker& checker) {
    // A name's findings follow from its pieces' characters, so each piece is looked up once and
    // not once for every name it stands in.
    std::vector<std::vector<const quality::CharacterFacts*>> factsOfPiece(m_pieces.size());
    std::vector<bool> plainPiece(m_pieces.size());
    std::vector<std::int32_t> usedPieces;
    std::vector<std::string> characters;
    std::vector<bool> used(m_pieces.size());
    for (const Candidate& candidate : m_foundCandidates)
        for (const std::int32_t piece : {candidate.first, candidate.second})
            if (piece >= 0 && !used[static_cast<size_t>(piece)]) {
                used[static_cast<size_t>(piece)] = true;
                usedPieces.push_back(piece);
                for (std::string& character : SplitCharacters(m_pieces[static_cast<size_t>(piece)]))
                    characters.push_back(std::move(character));
            }
    checker.ReadCharacters(characters);
    for (const std::int32_t piece : usedPieces)
        for (const std::string& character : SplitCharacters(m_pieces[static_cast<size_t>(piece)])) {
            factsOfPiece[static_cast<size_t>(piece)].push_back(&checker.Character(character));
            if (m_fitness && m_fitness->IsPlain(character))
                plainPiece[static_cast<size_t>(piece)] = true;
        }

    std::vector<NameTier> tiers;
    tiers.reserve(m_foundCandidates.size());
    std::vector<const quality::CharacterFacts*> given;
    for (const Candidate& candidate : m_foundCandidates) {
        given.clear();
        bool plain = false;
        for (const std::int32_t piece : {candidate.first, candidate.second})
            if (piece >= 0) {
                const auto& facts = factsOfPiece[static_cast<size_t>(piece)];
                given.insert(given.end(), facts.begin(), facts.end());
                plain = plain || plainPiece[static_cast<size_t>(piece)];
            }
        tiers.push_back(checker.HasFindings(given) ? NameTier::WithFindings
                        : plain                    ? NameTier::Plain
                                                   : NameTier::Given);
    }
    return tiers;
}

ResultRow RunGeneration::MakeResultRow(int number, const std::string& givenName,
                                       const ScoredCells& cells, Candidate candidate) {
    ResultRow row;
    row.PushNumber(number);
    row.push_back(m_inputs.surname);
    row.AppendToLastCell(givenName);
    row.PushNumber(cells.simplifiedTotal);
    row.PushNumber(cells.totalGrid);
    row.push_back(cells.elementText);
    row.push_back(cells.grids);
    row.push_back(cells.threeTalents);
    row.PushNumber(cells.score);
    m_senseText.clear();
    if (m_senses) m_senses->AppendSenseOf(givenName, m_senseText);
    row.push_back(m_senseText);
    if (m_inputs.mode == GenerationMode::Canon) AppendCanonSource(row, candidate);
    return row;
}

void RunGeneration::FlushRows(ResultList list) {
    if (m_deliveredRows >= m_rows.size()) return;
    const std::span<const ResultRow> found =
        std::span<const ResultRow>(m_rows).subspan(m_deliveredRows);
    if (Deliver([&] { m_observer.RowsReady(list, found); })) m_deliveredRows = m_rows.size();
}

void RunGeneration::FinishRun(RunOutcome outcome) {
    m_control.DeliverEnd([&] {
        m_observer.RunFinished(m_inputs.mode, outcome,
                               outcome == RunOutcome::Failed ? m_failureText : std::string());
    });
}

// ---- talking to the window -----------------------------------------------------------------

bool RunGeneration::Checkpoint() {
    if (m_control.IsHoldRequested() && !m_control.IsStopRequested()) FlushRows(m_scoringList);
    return m_control.Checkpoint();
}

void RunGeneration::ShowMessage(const std::string& text, const std::string& title,
                                MessageIcon icon) {
    // Not under the delivery lock: the box waits for the user, and Stop must not wait for it.
    if (m_control.IsStopRequested()) return;
    m_observer.ShowMessage(text, title, icon);
}

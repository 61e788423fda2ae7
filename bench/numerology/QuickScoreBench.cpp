// QuickScore as a generation run calls it: a 高分 run's pool of 400 characters plus the surname,
// every ordered pair of them scored against the surname. With the name database beside the
// program (or BABYNAME_DB) the pool comes from its NB_CNWord; otherwise from a generated table of
// the same shape.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <random>

#include "namedb/CharacterRow.h"
#include "namedb/LoadNameDatabase.h"
#include "numerology/CharacterLookup.h"
#include "numerology/NameScoring.h"

namespace {

constexpr int kPoolSize = 400;
const std::string kSurname = "李";

class SilentSink : public LoadFailureSink {
  public:
    void ShowLoadFailure(const std::string&) override {}
};

struct Run {
    CharacterTable table;
    RatingTables ratings;
    std::vector<std::string> candidates;
    std::string source;
};

// Fills the table the way the generator does: raw column values of each pool character.
void AddCharacter(SqliteDatabase& db, const std::string& character, CharacterTable& table) {
    const CharacterRow row = FetchCharacterRow(db, character).value_or(CharacterRow());
    CharacterRecord record;
    record.character = character;
    record.simplifiedStrokes = row.simplifiedStrokes;
    record.traditionalStrokes = row.traditionalStrokes;
    record.element = row.element;
    table.Append(std::move(record));
}

bool LoadRealPool(Run& run) {
    const char* fromEnvironment = std::getenv("BABYNAME_DB");
    std::filesystem::path file = fromEnvironment ? fromEnvironment : BABYNAME_DEFAULT_DATABASE;
    if (!std::filesystem::exists(file)) return false;
    static SqliteDatabase db;
    SilentSink sink;
    if (!LoadNameDatabase(db, file, sink)) return false;

    std::vector<std::string> pool;
    Statement rows = db.Prepare(
        "select * from NB_CNWord where 五行属性<>'' and 简体笔画数<>0 order by random() limit 400");
    while (rows.Next()) pool.push_back(ReadCharacterRow(rows).character);
    if (pool.size() < 100) return false;
    pool.push_back(kSurname);
    for (const std::string& character : pool) AddCharacter(db, character, run.table);
    run.ratings = RatingTables::Load(db);
    run.source = "namedata.db";
    return true;
}

void MakeGeneratedPool(Run& run) {
    std::mt19937 random(7);
    static const char* const kElements[] = {"木", "火", "土", "金", "水"};
    for (int i = 0; i < kPoolSize; ++i) {
        std::string character = {static_cast<char>(0xB0 + i / 94),
                                 static_cast<char>(0xA1 + i % 94)};
        int strokes = 2 + static_cast<int>(random() % 24);
        run.table.Append({character, "", strokes, strokes + static_cast<int>(random() % 4), "",
                          kElements[random() % 5]});
    }
    run.table.Append({kSurname, "", 7, 7, "", "木"});

    SqliteDatabase db;
    db.Open();
    db.Execute("create table NB_八一灵动数 (Id integer, 吉凶 varchar(4))");
    db.Execute("create table NB_三才配置 (Id integer, 三才 varchar(6), 吉凶 varchar(4))");
    static const char* const kRatings[] = {"大吉", "吉", "中", "凶", "大凶"};
    for (int number = 1; number <= 81; ++number)
        db.ExecuteBound("insert into NB_八一灵动数 values (?, ?)",
                        {SqlValue::Int(number), SqlValue::Text(kRatings[random() % 5])});
    for (const char* heaven : kElements)
        for (const char* person : kElements)
            for (const char* earth : kElements)
                db.ExecuteBound("insert into NB_三才配置 values (0, ?, ?)",
                                {SqlValue::Text(std::string(heaven) + person + earth),
                                 SqlValue::Text(kRatings[random() % 5])});
    run.ratings = RatingTables::Load(db);
    run.source = "generated table";
}

const Run& TheRun() {
    static const Run run = [] {
        Run made;
        if (!LoadRealPool(made)) {
            made = Run();
            MakeGeneratedPool(made);
        }
        const auto& entries = made.table.entries();
        for (std::size_t i = 0; i + 1 < entries.size(); ++i)
            for (std::size_t j = 0; j + 1 < entries.size(); ++j)
                made.candidates.push_back(entries[i].character + entries[j].character);
        return made;
    }();
    return run;
}

void BM_QuickScore(benchmark::State& state) {
    const Run& run = TheRun();
    NameEvaluation evaluation;
    std::size_t next = 0;
    long long sum = 0;
    for (auto _ : state) {
        sum += QuickScore(kSurname, run.candidates[next], run.table, run.ratings, evaluation);
        if (++next == run.candidates.size()) next = 0;
    }
    benchmark::DoNotOptimize(sum);
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(run.source + ", " + std::to_string(run.table.size()) + " characters");
}
BENCHMARK(BM_QuickScore);

}  // namespace

BENCHMARK_MAIN();

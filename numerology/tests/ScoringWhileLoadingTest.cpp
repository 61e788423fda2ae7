#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <vector>

#include "namedb/LoadingNameDatabase.h"
#include "namedb/tests/FixtureDatabase.h"
#include "numerology/DetailedEvaluation.h"
#include "numerology/tests/NumerologyFixture.h"

namespace {

class RecordingSink : public LoadFailureSink {
  public:
    void ShowLoadFailure(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;  // written by the loading thread, read after the load
};

// A name database file in which 李明华 scores 100.
std::filesystem::path WriteDatabaseFile(const fixture::TempDir& dir) {
    SqliteDatabase db;
    fixture::OpenEmptyNameDatabase(db);
    EXPECT_TRUE(fixture::InsertCharacter(db, "李", "李", 7, 7, "木"));
    EXPECT_TRUE(fixture::InsertCharacter(db, "明", "明", 8, 8, "水"));
    EXPECT_TRUE(fixture::InsertCharacter(db, "华", "華", 6, 14, "水"));
    for (int number : {8, 15, 22, 29})
        EXPECT_TRUE(numerology_fixture::InsertNumber(db, number, "吉"));
    EXPECT_TRUE(numerology_fixture::InsertThreeTalents(db, "金土木", "大吉"));
    const auto file = dir.path() / "namedata.db";
    EXPECT_TRUE(db.ExecuteBound("VACUUM INTO ?", {SqlValue::Text(file.string())}));
    return file;
}

}  // namespace

// Scores asked for while the database loads wait for the load and then see every table filled;
// nobody reads the connection while the loader writes it (run under ThreadSanitizer).
TEST(LoadingNameDatabase, ScoresAskedForDuringTheLoadWaitForIt) {
    fixture::TempDir dir;
    const auto file = WriteDatabaseFile(dir);
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    LoadingNameDatabase names;
    RecordingSink sink;
    names.StartLoading(
        [&, released](SqliteDatabase& db, LoadFailureSink& failures) {
            released.wait();
            return LoadNameDatabase(db, file, failures);
        },
        &sink);
    EXPECT_EQ(names.DatabaseIfLoaded(), nullptr);
    EXPECT_FALSE(names.HasFinished());

    std::vector<std::future<int>> scores;
    for (int i = 0; i < 4; ++i)
        scores.push_back(std::async(std::launch::async, [&names] {
            SqliteDatabase* db = names.Database();
            if (!db) return -1;
            NameEvaluation evaluation;
            return EvaluateInDetail(*db, "李", "明华", evaluation);
        }));
    release.set_value();
    for (auto& score : scores) EXPECT_EQ(score.get(), 100);
    EXPECT_TRUE(names.WaitUntilLoaded());
    EXPECT_NE(names.DatabaseIfLoaded(), nullptr);
    EXPECT_EQ(names.FailureText(), "");
    EXPECT_TRUE(sink.messages.empty());
}

TEST(LoadingNameDatabase, AFailedOrMissingLoadGivesNoDatabase) {
    struct Case {
        const char* name;
        bool start;
        const char* failure;
    };
    const Case cases[] = {
        {"never started", false, ""},
        {"missing file", true, "将磁盘数据库附加到内存数据库失败！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fixture::TempDir dir;
        LoadingNameDatabase names;
        RecordingSink sink;
        if (c.start) names.StartLoading(dir.path() / "none.db", &sink);
        EXPECT_FALSE(names.WaitUntilLoaded());
        EXPECT_EQ(names.Database(), nullptr);
        EXPECT_EQ(names.FailureText(), c.failure);
        EXPECT_EQ(sink.messages.size(), c.start ? 1u : 0u);
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "none.db"));
    }
}

// Closing the program while the database loads: the holder is destroyed while its loader is in
// the middle of a statement that would never end. The loader is stopped, the destructor waits for
// it, and the stop is no failure anybody hears of. A load that has ended is not stopped.
TEST(LoadingNameDatabase, DestroyingItStopsTheLoadAndWaitsForTheLoader) {
    std::atomic<bool> loaderEnded{false};
    RecordingSink sink;
    {
        LoadingNameDatabase names;
        std::promise<void> started;
        names.StartLoading(
            [&](SqliteDatabase& db, LoadFailureSink& failures) {
                bool ok = db.Open();
                started.set_value();
                std::string error;
                ok = ok && fixture::RunEndlessQuery(db, error);
                if (!ok) failures.ShowLoadFailure(error);
                loaderEnded = true;
                return ok;
            },
            &sink);
        started.get_future().wait();
    }
    EXPECT_TRUE(loaderEnded);
    EXPECT_TRUE(sink.messages.empty());

    fixture::TempDir dir;
    const auto file = WriteDatabaseFile(dir);
    LoadingNameDatabase names;
    names.StartLoading(file, &sink);
    ASSERT_TRUE(names.WaitUntilLoaded());
    names.Stop();
    SqliteDatabase* db = names.Database();
    ASSERT_NE(db, nullptr);
    NameEvaluation evaluation;
    EXPECT_EQ(EvaluateInDetail(*db, "李", "明华", evaluation), 100);
}

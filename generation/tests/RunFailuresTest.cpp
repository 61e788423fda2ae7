#include <gtest/gtest.h>

#include <new>
#include <set>

#ifdef __unix__
#include <sys/resource.h>
#endif

#include "generation/RunController.h"
#include "generation/RunGeneration.h"
#include "generation/tests/GenerationFixture.h"
#include "generation/tests/RecordingObserver.h"
#include "namedb/OpenNameDatabaseFile.h"
#include "namedb/tests/FixtureDatabase.h"
#include "numerology/CharacterLookup.h"

using namespace generation_fixture;

namespace {

GenerationInputs Inputs(GenerationMode mode, const std::string& surname) {
    GenerationInputs inputs;
    inputs.mode = mode;
    inputs.surname = surname;
    inputs.sex = Sex::Male;
    inputs.nameLength = 2;
    inputs.shuffleSeed = 7;
    inputs.combinationText = "明华";
    inputs.nicknamePatterns.doubled = true;
    inputs.englishGivenName = "明";
    inputs.englishSex = 1;
    return inputs;
}

class QuietSink : public LoadFailureSink {
  public:
    void ShowLoadFailure(const std::string&) override {}
};

// Throws from the first rows, as an allocation that fails inside the window's model would.
class ThrowingObserver : public RecordingObserver {
  public:
    void RowsReady(ResultList list, std::span<const ResultRow> rows) override {
        RecordingObserver::RowsReady(list, rows);
        throw std::bad_alloc();
    }
};

// Whether the run showed rows as a finished list: a short list must never pass for a whole one.
bool FinishedWithRows(const RecordingObserver& observer) {
    for (const std::string& line : observer.log())
        if (line.rfind("finished:", 0) == 0 && line != "finished:0") return true;
    return false;
}

}  // namespace

// A database that cannot be read ends the run as failed, with its message, never with a short
// list shown as complete.
TEST(RunFailures, ReadErrorsEndTheRunWithAMessage) {
    struct Case {
        const char* name;
        GenerationMode mode;
        const char* damage;  // SQL run on the database after it was filled
    };
    const Case cases[] = {
        {"组合, characters unreadable", GenerationMode::Combination, "drop table NB_CNWord"},
        {"起小名, ratings unreadable", GenerationMode::Nickname, "drop table NB_三才配置"},
        {"高分, numbers unreadable", GenerationMode::HighScore, "drop table NB_八一灵动数"},
        {"起英文名, characters unreadable", GenerationMode::English, "drop table NB_CNWord"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SqliteDatabase db;
        BuildFullPoolDatabase(db);
        ASSERT_TRUE(db.Execute(c.damage));
        RecordingObserver observer;
        RunControl control;
        RunGeneration run(Inputs(c.mode, "李"), observer, db, control);
        run.Execute();
        EXPECT_TRUE(run.Failed());
        EXPECT_EQ(run.FailureText().rfind("读取名字数据库失败", 0), 0u);
        EXPECT_EQ(observer.log().back(), "end:failed|" + run.FailureText());
        EXPECT_FALSE(FinishedWithRows(observer));
    }
}

// Another program holds the database file locked past the busy timeout while a run reads it.
TEST(RunFailures, ALockPastTheBusyTimeoutEndsTheRunWithAMessage) {
    fixture::TempDir dir;
    const auto file = dir.path() / "namedata.db";
    {
        SqliteDatabase memory;
        BuildFullPoolDatabase(memory);
        ASSERT_TRUE(memory.ExecuteBound("VACUUM INTO ?", {SqlValue::Text(file.string())}));
    }
    SqliteDatabase db;
    QuietSink sink;
    ASSERT_TRUE(OpenNameDatabaseFile(db, file, sink));
    db.SetBusyTimeout(50);
    SqliteDatabase holder;
    ASSERT_TRUE(holder.Open(file));
    ASSERT_TRUE(holder.Execute("begin exclusive; delete from NB_Poet"));

    RecordingObserver observer;
    RunControl control;
    RunGeneration run(Inputs(GenerationMode::Nickname, "李"), observer, db, control);
    run.Execute();
    EXPECT_TRUE(run.Failed());
    EXPECT_NE(run.FailureText().find("database is locked"), std::string::npos);
    EXPECT_FALSE(FinishedWithRows(observer));
    ASSERT_TRUE(holder.Execute("rollback"));
}

// An exception inside a run, out of memory included, ends that run with a message; on the
// worker thread it would otherwise end the whole program.
TEST(RunFailures, AnExceptionEndsTheRunNotTheProgram) {
    SqliteDatabase db;
    BuildFullPoolDatabase(db);
    ThrowingObserver observer;
    RunController controller;
    controller.Start(Inputs(GenerationMode::Nickname, "李"), observer, db);
    controller.WaitUntilFinished();
    EXPECT_EQ(observer.log().back(), "end:failed|内存不足，起名已停止。");
    // The rows shown before the failure are taken back: the list ends empty.
    EXPECT_TRUE(observer.logged("finished:0"));
}

// 组合 with thousands of typed characters: repeated characters count once, the pool is capped,
// and the run's memory stays bounded by its rows instead of growing with the square of the text.
TEST(RunFailures, CombinationOfThousandsOfCharactersStaysBounded) {
    SqliteDatabase db;
    fixture::OpenEmptyNameDatabase(db);
    RateNumbers(db, 1, 120, "吉");
    RateAllThreeTalents(db, "吉");
    // 5000 typed characters: 2500 distinct GB 2312 characters, each typed twice.
    std::vector<std::string> distinct;
    for (int lead = 0xB0; lead <= 0xF7 && distinct.size() < 2500; ++lead)
        for (int trail = 0xA1; trail <= 0xFE && distinct.size() < 2500; ++trail)
            distinct.push_back(std::string{static_cast<char>(lead), static_cast<char>(trail)});
    db.Begin();
    AddCharacters(db, distinct, 10, "木");
    db.Commit();
    std::string typed;
    for (int round = 0; round < 2; ++round)
        for (const std::string& character : distinct) typed += character;
    ASSERT_EQ(SplitCharacters(typed).size(), 5000u);

    GenerationInputs inputs = Inputs(GenerationMode::Combination, "赵");
    inputs.combinationText = typed;
    RecordingObserver observer;
    RunControl control;
#ifdef __unix__
    struct rusage before {};
    ::getrusage(RUSAGE_SELF, &before);
#endif
    RunGeneration(inputs, observer, db, control).Execute();
#ifdef __unix__
    struct rusage after {};
    ::getrusage(RUSAGE_SELF, &after);
    // Peak resident memory of the test process (kilobytes), for the log; the bound below is the
    // row limit, which the cap keeps the list under.
    std::printf("peak resident memory before the run %ld KiB, after %ld KiB\n", before.ru_maxrss,
                after.ru_maxrss);
#endif
    const std::vector<ResultRow> rows = observer.finished(ResultList::Combination);
    EXPECT_EQ(rows.size(), 300u * 300u);
    std::set<std::string> names;
    for (const ResultRow& row : rows) names.emplace(row[1]);
    EXPECT_EQ(names.size(), rows.size());
    EXPECT_TRUE(observer.logged("message:组合的字超过300个，只使用前300个不同的字|提示|1"));
}

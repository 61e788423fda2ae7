#include <gtest/gtest.h>

#include <atomic>
#include <future>

#include "generation/BuiltinLists.h"
#include "generation/NameListExport.h"
#include "generation/RunController.h"
#include "generation/tests/GenerationFixture.h"
#include "generation/tests/RecordingObserver.h"
#include "namedb/tests/FixtureDatabase.h"
#include "numerology/CharacterLookup.h"

using namespace generation_fixture;

namespace {

class RunControllerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Every name scores 100, so a 高分 run writes rows from its first candidates on.
        fixture::OpenEmptyNameDatabase(db);
        RateNumbers(db, 1, 120, "吉");
        RateAllThreeTalents(db, "吉");
        db.Begin();
        AddCharacters(db, SplitCharacters(MalePool()), 10, "木");
        db.Commit();
        inputs.surname = "赵";
        inputs.sex = Sex::Male;
        inputs.nameLength = 2;
        inputs.shuffleSeed = 5;
    }
    // Holds the run from the worker thread as soon as the first rows arrive.
    void HoldOnFirstRows(RecordingObserver& observer) {
        observer.onRowsWritten = [this] {
            if (!holdDone.exchange(true)) controller.Hold();
        };
    }

    SqliteDatabase db;
    GenerationInputs inputs;
    RunController controller;
    std::atomic<bool> holdDone{false};
};

}  // namespace

TEST_F(RunControllerTest, HeldRunShowsItsRowsAndContinuesAfterResume) {
    RecordingObserver observer;
    HoldOnFirstRows(observer);
    controller.Start(inputs, observer, db);
    controller.WaitUntilHeldOrFinished();

    ASSERT_TRUE(controller.IsHeld());
    EXPECT_TRUE(controller.IsActive());
    const std::vector<ResultRow> shown = observer.written(ResultList::HighScore);
    ASSERT_FALSE(shown.empty());
    EXPECT_FALSE(observer.hasFinished(ResultList::HighScore));
    // Exporting now writes the header and every row written so far, and nothing more.
    const std::string exported = NameListExportText(shown);
    EXPECT_EQ(static_cast<size_t>(std::count(exported.begin(), exported.end(), '\n')),
              shown.size() + 1);
    EXPECT_EQ(observer.written(ResultList::HighScore).size(), shown.size());

    controller.Resume();
    controller.WaitUntilFinished();
    EXPECT_FALSE(controller.IsActive());
    EXPECT_EQ(observer.finished(ResultList::HighScore).size(), 10000u);
    EXPECT_EQ(observer.written(ResultList::HighScore).size(), 10000u);
    EXPECT_LT(observer.indexOf("held"), observer.indexOf("resumed"));
    EXPECT_EQ(observer.log().back(), "end:complete");
}

// 超吉 forms its millions of candidates as it scores them; a run held between two of them goes on
// from the next, so it writes and finishes exactly the list of a run that was never held.
TEST_F(RunControllerTest, HeldSuperLuckyRunFinishesTheListOfARunNeverHeld) {
    inputs.mode = GenerationMode::SuperLucky;
    inputs.superLuckyFilters.mustHave = {true, "木"};
    RecordingObserver straight;
    controller.Start(inputs, straight, db);
    controller.WaitUntilFinished();
    ASSERT_EQ(straight.finished(ResultList::SuperLucky).size(), 100000u);

    RecordingObserver held;
    HoldOnFirstRows(held);
    controller.Start(inputs, held, db);
    controller.WaitUntilHeldOrFinished();
    ASSERT_TRUE(controller.IsHeld());
    const size_t shownWhileHeld = held.written(ResultList::SuperLucky).size();
    EXPECT_GT(shownWhileHeld, 0u);
    EXPECT_LT(shownWhileHeld, 100000u);
    controller.Resume();
    controller.WaitUntilFinished();
    EXPECT_EQ(held.written(ResultList::SuperLucky), straight.written(ResultList::SuperLucky));
    EXPECT_EQ(held.finished(ResultList::SuperLucky), straight.finished(ResultList::SuperLucky));
    EXPECT_EQ(held.log().back(), "end:complete");
}

TEST_F(RunControllerTest, StoppedRunWritesNothingMore) {
    RecordingObserver observer;
    std::promise<void> firstRows;
    std::atomic<bool> signalled{false};
    observer.onRowsWritten = [&] {
        if (!signalled.exchange(true)) firstRows.set_value();
    };
    controller.Start(inputs, observer, db);
    firstRows.get_future().wait();
    controller.Stop();
    const size_t callsAtStop = observer.callCount();
    EXPECT_FALSE(controller.IsActive());
    // The stop is told once, by the call that made it; a second stop tells nothing.
    EXPECT_EQ(observer.log().back(), "end:stopped");
    controller.Stop();

    controller.WaitUntilFinished();
    EXPECT_EQ(observer.callCount(), callsAtStop);
    EXPECT_FALSE(observer.hasFinished(ResultList::HighScore));
    EXPECT_FALSE(observer.logged("end:complete"));
}

TEST_F(RunControllerTest, StartingAnotherRunStopsTheHeldOne) {
    RecordingObserver first;
    HoldOnFirstRows(first);
    controller.Start(inputs, first, db);
    controller.WaitUntilHeldOrFinished();
    ASSERT_TRUE(controller.IsHeld());
    const size_t firstCalls = first.callCount();

    RecordingObserver second;
    inputs.mode = GenerationMode::Classic;
    controller.Start(inputs, second, db);
    controller.WaitUntilFinished();
    EXPECT_FALSE(second.classicText().empty());
    controller.ShutDown();
    EXPECT_EQ(first.callCount(), firstCalls + 1);
    EXPECT_EQ(first.log().back(), "end:stopped");
    EXPECT_FALSE(first.hasFinished(ResultList::HighScore));
    EXPECT_EQ(second.log().back(), "end:complete");
}

TEST_F(RunControllerTest, ShutDownEndsAHeldRun) {
    RecordingObserver observer;
    HoldOnFirstRows(observer);
    controller.Start(inputs, observer, db);
    controller.WaitUntilHeldOrFinished();
    const size_t calls = observer.callCount();
    controller.ShutDown();
    EXPECT_FALSE(controller.IsActive());
    EXPECT_EQ(observer.callCount(), calls);
}

// The window thread stops a run whose observer waits in a message box: Stop returns while the box
// is open, and once the user closes it the run delivers nothing more.
TEST_F(RunControllerTest, StopReturnsWhileAMessageBoxIsOpenAndNothingFollows) {
    class BlockingObserver : public RecordingObserver {
      public:
        void ShowMessage(const std::string& text, const std::string& title,
                         MessageIcon icon) override {
            RecordingObserver::ShowMessage(text, title, icon);
            opened.set_value();
            closed.wait();
        }
        std::promise<void> opened;
        std::shared_future<void> closed;
    };
    BlockingObserver observer;
    std::promise<void> close;
    observer.closed = close.get_future().share();
    std::future<void> opened = observer.opened.get_future();
    inputs.nameLength = 1;  // a one-character run tells the user so before its first row
    controller.Start(inputs, observer, db);
    opened.wait();

    controller.Stop();
    EXPECT_FALSE(controller.IsActive());
    const size_t callsAtStop = observer.callCount();
    close.set_value();
    controller.WaitUntilFinished();
    EXPECT_EQ(observer.callCount(), callsAtStop);
    EXPECT_FALSE(observer.hasFinished(ResultList::HighScore));
}

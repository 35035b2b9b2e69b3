// The request protocol between a filing thread and a serving thread, with a real second thread.
#include "shell/request.h"
#include "pelori.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <thread>

namespace {

// A filer as the main thread's filers are written, with a pump of the test's choosing.
int FileCreateImage(int index, const char* name, MessagePump pump) {
    if (BeginRequest(pump)) return REQ_RESULT_ABANDONED;
    request.index = index;
    request.name = name;
    request.width = index + 1;
    return FinishRequest(REQ_CREATEIMAGE, pump);
}

// Serves until told to stop; checks that the fields it reads belong to the code it took.
struct Server {
    std::atomic<bool> stop{false};
    std::atomic<int> inconsistent{0};
    std::thread thread;

    void Start() {
        thread = std::thread([this] {
            while (!stop.load()) {
                if (TakeRequest() == REQ_NONE) {
                    std::this_thread::yield();
                    continue;
                }
                char expected[32];
                std::snprintf(expected, sizeof expected, "image %d", request.index);
                if (request.name == nullptr || std::strcmp(request.name, expected) != 0 ||
                    request.width != request.index + 1)
                    inconsistent.fetch_add(1);
                request.result = request.index % 7;
                CompleteRequest();
            }
        });
    }
    void Join() {
        stop = true;
        thread.join();
    }
};

void NoPump() {}

struct RequestFixture : testing::Test {
    void SetUp() override {
        request.code = REQ_NONE;
        request.done = 1;
        request.servedCount = 0;
        runState.exitState = EXIT_NONE;
    }
    void TearDown() override { runState.exitState = EXIT_NONE; }
};

// The cases with a serving thread; the 32-bit build under emulation leaves them out by this name.
struct RequestWithThreads : RequestFixture {};

TEST_F(RequestWithThreads, UnderLoadLosesNoneAndNeverMixesFields) {
    Server server;
    server.Start();
    const int count = 20000;
    int wrong = 0;
    for (int i = 0; i < count; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "image %d", i);
        if (FileCreateImage(i, name, NoPump) != i % 7) ++wrong;
    }
    server.Join();
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(server.inconsistent.load(), 0);
    EXPECT_EQ(request.servedCount.load(), static_cast<uint32_t>(count));
    EXPECT_EQ(request.code.load(), REQ_NONE);
    EXPECT_EQ(request.done.load(), 1);
}

// A handler that runs inside a filer's pump and files its own request must wait for the pending
// one, and each filer must read its own result although the inner one was served last.
int nestedResult = -1;
bool nestedOnce = false;
void PumpThatFilesAgain() {
    if (nestedOnce) return;
    nestedOnce = true;
    nestedResult = FileCreateImage(13, "image 13", NoPump);
}

TEST_F(RequestWithThreads, FilerInsideAFilersWaitWaitsItsTurn) {
    Server server;
    server.Start();
    nestedOnce = false;
    int outer = FileCreateImage(9, "image 9", PumpThatFilesAgain);
    server.Join();
    EXPECT_EQ(outer, 9 % 7);
    EXPECT_EQ(nestedResult, 13 % 7);
    EXPECT_EQ(server.inconsistent.load(), 0);
    EXPECT_EQ(request.servedCount.load(), 2u);
}

// With the program thread gone nothing serves: the filer must give up instead of hanging.
int pumpsUntilExit;
void PumpThatChoosesExit() {
    if (--pumpsUntilExit == 0) runState.exitState = EXIT_FINISHED;
}

TEST_F(RequestFixture, FilerGivesUpOnceExitIsUnderWay) {
    pumpsUntilExit = 50;
    EXPECT_EQ(FileCreateImage(1, "image 1", PumpThatChoosesExit), REQ_RESULT_ABANDONED);
    EXPECT_EQ(request.code.load(), REQ_CREATEIMAGE) << "published, never served";

    // A later filer finds the record taken and gives up at once too.
    EXPECT_EQ(FileCreateImage(2, "image 2", NoPump), REQ_RESULT_ABANDONED);
    EXPECT_EQ(request.index, 1) << "the pending request's fields are left alone";
}

TEST_F(RequestFixture, NoFilingAfterExit) {
    runState.exitState = EXIT_ASKED;
    EXPECT_EQ(FileCreateImage(3, "image 3", NoPump), REQ_RESULT_ABANDONED);
    EXPECT_EQ(request.code.load(), REQ_NONE);
}

} // namespace

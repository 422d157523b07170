// Calls from worker threads are carried out on the GUI thread, and workers can wake the loop.

#include "UiFixture.h"

#include "common/text/AnsiText.h"

#include <QThread>

#include <atomic>
#include <thread>

namespace uitest {
namespace {

using ui::Answer;

class ThreadsTest : public UiTest {
protected:
    // Runs `work` on a new thread while this (GUI) thread serves the calls it makes.
    template <typename Work>
    static void runWorker(Work work) {
        std::atomic<bool> done{false};
        std::thread worker([&] {
            work();
            done = true;
        });
        const bool finished = driver::WaitFor([&] { return done.load(); });
        worker.join();
        ASSERT_TRUE(finished);
    }
};

TEST_F(ThreadsTest, WorkerSetsTextsOnTheGuiThread) {
    ASSERT_TRUE(ui::OpenWindow(3, 500, 140, "WinAPI-Code senden", ui::kWindowDefault));
    ASSERT_TRUE(ui::CreateLabel(304, 60, 50, 470, 20, common::ansi("Größe: 0 Bytes")));
    ASSERT_TRUE(ui::CreateProgressBar(305, 60, 70, 380, 20, 0, 0));
    std::string readBack;
    int value = -1;
    runWorker([&] {
        ui::SetText(304, common::ansi("Größe: 2048 Bytes"));
        ui::SetProgressRange(305, 0, 2048);
        ui::SetProgressValue(305, 1024);
        readBack = ui::GetText(304);
        value = ui::ProgressValue(305);
    });
    EXPECT_EQ(readBack, common::ansi("Größe: 2048 Bytes"));
    EXPECT_EQ(value, 1024);
    EXPECT_EQ(ui::GetText(304), common::ansi("Größe: 2048 Bytes"));
}

TEST_F(ThreadsTest, WorkerCreatesWidgetsOwnedByTheGuiThread) {
    ASSERT_TRUE(ui::OpenWindow(2, 300, 200, "Formular", ui::kWindowDefault));
    runWorker([] { ui::CreateButton(214, 0, 0, 100, 20, "Senden"); });
    ASSERT_TRUE(ui::ControlExists(214));
    EXPECT_EQ(ui::ControlWidget(214)->thread(), QThread::currentThread());
}

TEST_F(ThreadsTest, WorkerMessageBoxWaitsForItsAnswer) {
    driver::QueueAnswer(Answer::Yes);
    Answer answer = Answer::Ok;
    runWorker([&] {
        answer = ui::MessageBox("Vedezorevavaze",
                                common::ansi("Möchten Sie die Software jetzt wieder starten?"),
                                ui::MessageIcon::Information, ui::MessageButtons::YesNo);
    });
    EXPECT_EQ(answer, Answer::Yes);
    ASSERT_EQ(driver::ShownMessages().size(), 1u);
    EXPECT_EQ(driver::ShownMessages()[0].title, "Vedezorevavaze");
}

TEST_F(ThreadsTest, WakeFromAWorkerEndsAWaitingWaitEvent) {
    // The worker's first call can only be served once the GUI thread waits inside WaitEvent, so
    // the wake-up really reaches a waiting loop.
    std::thread worker([] {
        ui::WindowExists(0);
        ui::WakeEventLoop();
    });
    const ui::Event event = ui::WaitEvent();
    worker.join();
    EXPECT_EQ(event.kind, ui::EventKind::None);
    EXPECT_TRUE(driver::TakeEvents().empty());
}

TEST_F(ThreadsTest, EventPostedByAWorkerIsDelivered) {
    std::thread worker([] {
        ui::WindowExists(0);
        ui::Event event;
        event.kind = ui::EventKind::Control;
        event.number = 307;
        event.window = 3;
        event.type = ui::ControlEventType::Click;
        ui::PostEvent(event);
    });
    const ui::Event event = ui::WaitEvent();
    worker.join();
    EXPECT_EQ(event.kind, ui::EventKind::Control);
    EXPECT_EQ(event.number, 307);
}

}  // namespace
}  // namespace uitest

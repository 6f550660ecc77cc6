#include "platform/QuitSignals.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <csignal>

namespace {

TEST(QuitSignals, EachSignalReachesTheEventLoopOnceAndTheProgramRunsOn)
{
    QuitSignals &quit = QuitSignals::install();
    EXPECT_EQ(&QuitSignals::install(), &quit) << "installed once";
    QSignalSpy received(&quit, &QuitSignals::received);
    // Raised together, before the event loop runs: none is lost.
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        std::raise(signal);
    EXPECT_TRUE(received.isEmpty()) << "nothing happens inside the handler";
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() >= 3; }));
    QTest::qWait(20);
    ASSERT_EQ(received.size(), 3);
    EXPECT_EQ(received[0].at(0).toInt(), SIGTERM);
    EXPECT_EQ(received[1].at(0).toInt(), SIGINT);
    EXPECT_EQ(received[2].at(0).toInt(), SIGHUP);
}

} // namespace

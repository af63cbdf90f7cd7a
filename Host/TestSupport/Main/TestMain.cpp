// Test entry point: the test thread is the game thread, and the console log stays quiet unless
// ZEVO_TEST_LOG is set (tests read messages through FLogCapture).
#include "Async/Async.h"
#include "Logging/LogMacros.h"

#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
	testing::InitGoogleTest(&argc, argv);
	FGameThread::RegisterCurrentThread();
	FLogDispatcher::SetConsoleEnabled(std::getenv("ZEVO_TEST_LOG") != nullptr);
	return RUN_ALL_TESTS();
}

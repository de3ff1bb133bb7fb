#include "support/kill_loop.h"

#include <gtest/gtest.h>

#include <thread>

#ifndef _WIN32
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace skitally::test {

#ifndef _WIN32
int RunKilledAfter(const std::vector<std::string>& argv, std::chrono::microseconds delay)
{
    std::vector<char*> args;
    for (const std::string& arg : argv)
        args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execv(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() - start >= delay) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

KillLoopResult KillAtMoments(const std::string& folder, const std::vector<std::string>& argv,
                             const std::function<void()>& reopen, int moments)
{
    using std::chrono::microseconds;
    KillLoopResult result;
    const FolderSnapshot before = SnapshotFolder(folder);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(RunKilledAfter(argv, std::chrono::minutes(1)), 0) << "the program fails without a kill";
    const auto whole = std::chrono::duration_cast<microseconds>(std::chrono::steady_clock::now() - start);
    const FolderSnapshot after = SnapshotFolder(folder);

    const auto killAt = [&](microseconds delay) {
        RestoreFolder(folder, before);
        result.killed += RunKilledAfter(argv, delay) == -1 ? 1 : 0;
        reopen();
        const FolderSnapshot now = SnapshotFolder(folder);
        const char outcome = now == before ? 'B' : now == after ? 'A' : '?';
        EXPECT_NE(outcome, '?') << "killed after " << delay.count() << " us: against before "
                                << FirstDifference(now, before) << ", against after " << FirstDifference(now, after);
        result.outcomes += outcome;
        return outcome;
    };
    microseconds lastBefore{0};
    microseconds firstAfter = whole;
    for (int k = 0; k <= moments; ++k) {
        const microseconds delay = whole * k / moments;
        const char outcome = killAt(delay);
        if (outcome == 'B')
            lastBefore = delay;
        else if (outcome == 'A' && delay < firstAfter)
            firstAfter = delay;
    }
    for (int k = 1; k < moments; ++k)
        killAt(lastBefore + (firstAfter - lastBefore) * k / moments);
    return result;
}
#endif

}  // namespace skitally::test

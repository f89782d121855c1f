#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>

#include "system/TerminationHeld.h"

using namespace Tabulon;

static int toParent = -1;

static void SayCleanedUp() {
    const char mark = 'c';
    (void)!write(toParent, &mark, 1);
}

// A signal that comes while the end is held waits for the release, the
// program meanwhile finishing what it held the end for; then the clean-up
// runs and the program ends by that signal. Nothing held, it ends at once.
TEST(TerminationHeld, AnEndAskedForWhileHeldComesAtTheRelease) {
    for (const bool held : {true, false}) {
        SCOPED_TRACE(held ? "held" : "not held");
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(fds[0]);
            toParent = fds[1];
            System::OnTermination(SayCleanedUp);
            {
                std::optional<TerminationHeld> hold;
                if (held) hold.emplace();
                raise(SIGTERM);
                const char mark = 'w';
                (void)!write(toParent, &mark, 1);
            }
            _exit(0);
        }
        close(fds[1]);
        std::string marks;
        char mark;
        while (read(fds[0], &mark, 1) == 1) marks += mark;
        close(fds[0]);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_EQ(marks, held ? "wc" : "c");
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    }
}

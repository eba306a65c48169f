#pragma once
// Runs `pocet` child processes that start `dite(i)` at the same moment (all wait on one pipe that
// is closed at once) and gives each child's exit code, -1 for one that did not exit normally.
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <vector>

inline std::vector<int> SpustNajednou(int pocet, const std::function<int(int)>& dite)
{
    int start[2];
    if (pipe(start) != 0)
        return {};
    std::vector<pid_t> deti;
    for (int i = 0; i < pocet; ++i) {
        const pid_t pid = fork();
        if (pid == 0) {
            close(start[1]);
            char z;
            if (read(start[0], &z, 1) != 0)
                _exit(3);
            int kod = 1;
            try {
                kod = dite(i);
            } catch (...) {
                kod = 2;
            }
            _exit(kod);
        }
        deti.push_back(pid);
    }
    close(start[0]);
    close(start[1]);  // all start now
    std::vector<int> kody;
    for (pid_t pid : deti) {
        int stav = 0;
        waitpid(pid, &stav, 0);
        kody.push_back(WIFEXITED(stav) ? WEXITSTATUS(stav) : -1);
    }
    return kody;
}

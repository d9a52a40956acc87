// Runs a command and reports its memory: the peak resident set of its largest process (from the
// kernel's accounting, as `/usr/bin/time -v` shows it) and the peak sum over the whole process
// tree (the batch run and its workers), sampled every few milliseconds from /proc.
// Usage: peak_memory COMMAND [ARGUMENTS...]; prints one line on standard error.
#include <dirent.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <thread>

namespace {

// pid -> parent pid, for every process now alive.
std::map<int, int> parents()
{
    std::map<int, int> result;
    DIR *proc = opendir("/proc");
    if (!proc)
        return result;
    while (const dirent *entry = readdir(proc)) {
        const int pid = std::atoi(entry->d_name);
        if (pid <= 0)
            continue;
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        if (!std::getline(stat, line))
            continue;
        // The command name may hold blanks: the fields after it follow the last ')'.
        std::istringstream rest(line.substr(line.rfind(')') + 2));
        char state;
        int ppid;
        if (rest >> state >> ppid)
            result[pid] = ppid;
    }
    closedir(proc);
    return result;
}

long residentKiB(int pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return 0;
}

long treeResidentKiB(int root)
{
    const std::map<int, int> parent = parents();
    std::set<int> tree { root };
    for (bool grown = true; grown;) {
        grown = false;
        for (const auto &[pid, ppid] : parent)
            if (tree.count(ppid) && tree.insert(pid).second)
                grown = true;
    }
    long sum = 0;
    for (const int pid : tree)
        sum += residentKiB(pid);
    return sum;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s COMMAND [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    long peakTree = 0;
    int status = 0;
    rusage usage {};
    for (;;) {
        const pid_t done = wait4(child, &status, WNOHANG, &usage);
        if (done == child)
            break;
        peakTree = std::max(peakTree, treeResidentKiB(child));
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    std::fprintf(stderr,
        "peak memory: largest process %.1f MiB, whole process tree %.1f MiB (sampled)\n",
        usage.ru_maxrss / 1024.0, peakTree / 1024.0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

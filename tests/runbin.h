// Runs the real recgen binary with given replies on its standard input and
// collects what it prints, the way a script driving it would.
#pragma once

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>
#include <vector>

struct runopts {
    std::vector<std::string> args;  // command-line arguments after the program name
    long fsizelimit = -1;           // RLIMIT_FSIZE in bytes, or -1 for none
    bool nostdout = false;          // start with standard output closed
};

struct runres {
    int status = -1;  // exit status, or 128 + signal number
    std::string out;  // all of standard output
};

// Starts recgen in dir with input as its whole standard input; returns once it ended.
inline runres runbin(const std::string &dir, const std::string &input, const runopts &o = {})
{
    (void)signal(SIGPIPE, SIG_IGN);  // the child may end before taking all its input
    int in[2];
    int out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return {};
    pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        close(in[0]);
        close(in[1]);
        close(out[0]);
        close(out[1]);
        if (o.nostdout) close(1);
        if (chdir(dir.c_str()) != 0) _exit(120);
        if (o.fsizelimit >= 0) {
            rlimit r{static_cast<rlim_t>(o.fsizelimit), static_cast<rlim_t>(o.fsizelimit)};
            setrlimit(RLIMIT_FSIZE, &r);
        }
        (void)signal(SIGXFSZ, SIG_DFL);
        (void)signal(SIGPIPE, SIG_DFL);
        std::vector<char *> argv{const_cast<char *>(RECGEN_BIN)};
        for (const std::string &a : o.args) argv.push_back(const_cast<char *>(a.c_str()));
        argv.push_back(nullptr);
        execv(RECGEN_BIN, argv.data());
        _exit(121);
    }
    close(in[0]);
    close(out[1]);
    size_t off = 0;
    while (off < input.size()) {
        ssize_t w = write(in[1], input.data() + off, input.size() - off);
        if (w <= 0) break;
        off += static_cast<size_t>(w);
    }
    close(in[1]);
    runres r;
    char b[4096];
    ssize_t n;
    while ((n = read(out[0], b, sizeof b)) > 0) r.out.append(b, static_cast<size_t>(n));
    close(out[0]);
    int st = 0;
    waitpid(pid, &st, 0);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : 128 + WTERMSIG(st);
    return r;
}

// The program as its users meet it: replies on standard input, prompts and
// messages on standard output, the record file, the exit status.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "line.h"
#include "refline.h"
#include "runbin.h"

namespace fs = std::filesystem;

namespace {

const char prompts[] = "Enter output file name: Enter number of records (1000): ";

std::string slurp(const fs::path &p)
{
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

class Run : public testing::Test {
protected:
    void SetUp() override
    {
        std::string tpl = (fs::temp_directory_path() / "recgen-XXXXXX").string();
        ASSERT_NE(mkdtemp(tpl.data()), nullptr);
        dir = tpl;
    }
    void TearDown() override { fs::remove_all(dir); }

    // Runs recgen and remembers the clock around the run, for checking the seed.
    runres run(const std::string &input, const runopts &o = {})
    {
        t0 = static_cast<uint32_t>(time(nullptr));
        runres r = runbin(dir.string(), input, o);
        t1 = static_cast<uint32_t>(time(nullptr));
        return r;
    }

    // Returns true when data is the file (or, with prefix, a start of the
    // file) that nents records give for a seed read during the last run.
    bool fromclock(const std::string &data, int64_t nents, bool prefix = false)
    {
        for (uint32_t seed = t0; seed - t0 <= t1 - t0; seed++) {
            std::string want = reffile(seed, nents);
            if (prefix ? want.compare(0, data.size(), data) == 0 : want == data) return true;
        }
        return false;
    }

    size_t entries() const { return static_cast<size_t>(std::distance(fs::directory_iterator(dir), {})); }

    fs::path dir;
    uint32_t t0 = 0, t1 = 0;
};

TEST_F(Run, DefaultCountWritesAThousandRecordsSeededFromTheClock)
{
    runres r = run("new.txt\n\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, prompts);
    std::string data = slurp(dir / "new.txt");
    EXPECT_EQ(data.size(), 9 * 31 + 90 * 32 + 900 * 33 + 34u);
    EXPECT_EQ(data.compare(data.size() - 36, 7, "\r\n1000|"), 0);
    EXPECT_TRUE(fromclock(data, 1000));
}

TEST_F(Run, ArgumentsAreIgnored)
{
    runres r =
        run("a.txt\n3\n", {.args = {"--help", "-n", "5", "b.txt"}, .fsizelimit = -1, .nostdout = false});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, prompts);
    EXPECT_TRUE(fromclock(slurp(dir / "a.txt"), 3));
    EXPECT_FALSE(fs::exists(dir / "b.txt"));
}

struct countcase {
    std::string reply;
    int64_t nents;
};

void PrintTo(const countcase &c, std::ostream *os) { *os << '"' << c.reply.substr(0, 20) << '"'; }

class Counts : public Run, public testing::WithParamInterface<countcase> {};

TEST_P(Counts, RecordsWritten)
{
    runres r = run("c.txt\n" + GetParam().reply);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, prompts);
    ASSERT_TRUE(fs::exists(dir / "c.txt"));
    EXPECT_TRUE(fromclock(slurp(dir / "c.txt"), GetParam().nents)) << "reply \"" << GetParam().reply << '"';
}

INSTANTIATE_TEST_SUITE_P(Replies, Counts,
                         testing::Values(countcase{"\n", 1000}, countcase{"", 1000}, countcase{"0\n", 0},
                                         countcase{"-3\n", 0}, countcase{"letters\n", 0},
                                         countcase{"  12ab\n", 12}, countcase{"+5\n", 5},
                                         countcase{"- 5\n", 0}, countcase{"1e3\n", 1}, countcase{"7\r\n", 7},
                                         countcase{"4294967297\n", 1}, countcase{"2147483648\n", 0},
                                         countcase{"1001", 1001},
                                         countcase{std::string(511, '0') + "12\n", 1}));

struct namecase {
    const char *label;
    std::string reply;  // the file-name line, line feed included
    std::string file;   // the file that must hold the records
};

void PrintTo(const namecase &c, std::ostream *os) { *os << c.label; }

class Names : public Run, public testing::WithParamInterface<namecase> {};

TEST_P(Names, RecordsLandInTheNamedFile)
{
    runres r = run(GetParam().reply + "4\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, prompts);
    EXPECT_EQ(entries(), 1u);
    EXPECT_TRUE(fromclock(slurp(dir / GetParam().file), 4));
}

INSTANTIATE_TEST_SUITE_P(Replies, Names,
                         testing::Values(namecase{"Plain", "out.txt\n", "out.txt"},
                                         namecase{"BlanksKept", "  two words.txt \n", "  two words.txt "},
                                         namecase{"CrDropped", "c\rr.txt\r\n", "cr.txt"}),
                         [](const testing::TestParamInfo<namecase> &i) {
                             return std::string(i.param.label);
                         });

TEST_F(Run, NameThenEndOfInputKeepsTheDefaultCount)
{
    // The name is never taken for the count: 25.txt gives 1000 records, not 25.
    for (const char *in : {"25.txt\n", "25.txt"}) {
        EXPECT_EQ(run(in).status, 0);
        EXPECT_TRUE(fromclock(slurp(dir / "25.txt"), 1000)) << in;
    }
}

TEST_F(Run, ClosedStandardOutputKeepsPromptsOutOfTheFile)
{
    runres r = run("quiet.txt\n5\n", {.args = {}, .fsizelimit = -1, .nostdout = true});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(fromclock(slurp(dir / "quiet.txt"), 5));
}

TEST_F(Run, ExistingFileIsReplaced)
{
    std::ofstream(dir / "old.txt") << std::string(100000, 'z');
    EXPECT_EQ(run("old.txt\n2\n").status, 0);
    EXPECT_TRUE(fromclock(slurp(dir / "old.txt"), 2));
}

TEST_F(Run, ExistingFileIsEmptiedEvenForNoRecords)
{
    std::ofstream(dir / "old.txt") << "previous contents\n";
    EXPECT_EQ(run("old.txt\n0\n").status, 0);
    EXPECT_EQ(fs::file_size(dir / "old.txt"), 0u);
}

TEST_F(Run, NameOfExactly512CharactersIsOrdinary)
{
    std::string name;
    for (int k = 0; k < 4; k++) {
        name += std::string(99, 'd') + char('0' + k);
        fs::create_directory(dir / name);
        name += '/';
    }
    name += std::string(512 - name.size(), 'f');
    ASSERT_EQ(name.size(), 512u);
    runres r = run(name + "\n3\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, prompts);
    EXPECT_TRUE(fromclock(slurp(dir / name), 3));
}

struct openfail {
    const char *label;
    std::string reply;  // the whole input
    std::string shown;  // what stands between the message's parentheses
};

void PrintTo(const openfail &c, std::ostream *os) { *os << c.label; }

class OpenFails : public Run, public testing::WithParamInterface<openfail> {};

TEST_P(OpenFails, MessageStatusAndNothingCreated)
{
    fs::create_directory(dir / "folder");
    runres r = run(GetParam().reply);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "Enter output file name: Can't open output file (" + GetParam().shown + ")\n");
    EXPECT_EQ(entries(), 1u) << "only the folder made by the test may be there";
}

INSTANTIATE_TEST_SUITE_P(
    Replies, OpenFails,
    testing::Values(openfail{"EmptyName", "\n5\n", ""}, openfail{"NoInputAtAll", "", ""},
                    openfail{"Folder", "folder\n5\n", "folder"},
                    openfail{"MissingFolder", "nowhere/x.txt\n5\n", "nowhere/x.txt"},
                    openfail{"Nul", std::string("ab\0cd\n5\n", 8), "ab"},
                    openfail{"Over512", std::string(600, 'n') + "\n5\n", std::string(512, 'n')}),
    [](const testing::TestParamInfo<openfail> &i) { return std::string(i.param.label); });

TEST_F(Run, FullDiskIsReportedAtTheFirstWrite)
{
    runres r = run("/dev/full\n5\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, std::string(prompts) + "Can't write output file (/dev/full)\n");
}

class FileSizeLimits : public Run, public testing::WithParamInterface<long> {};

// The limit falls inside the first line, about where the first buffer ends,
// and partway through a later buffer.
TEST_P(FileSizeLimits, ReportedAndLeaveACorrectStart)
{
    runres r = run("big.txt\n100000\n", {.args = {}, .fsizelimit = GetParam(), .nostdout = false});
    EXPECT_EQ(r.status, 1) << "a death by SIGXFSZ would show as " << 128 + SIGXFSZ;
    EXPECT_EQ(r.out, std::string(prompts) + "Can't write output file (big.txt)\n");
    std::string data = slurp(dir / "big.txt");
    EXPECT_EQ(data.size(), static_cast<size_t>(GetParam()));
    EXPECT_TRUE(fromclock(data, 100000, true));
}

INSTANTIATE_TEST_SUITE_P(Limits, FileSizeLimits, testing::Values(20, 262144, 1000000));

// Starts recgen in the background writing count records into a FIFO named
// fifo in dir; returns a process that exits 0 when recgen ended with
// status and printed out. Read the FIFO, then wait for the process.
pid_t fiforun(const fs::path &dir, const std::string &count, int status, const std::string &out)
{
    if (mkfifo((dir / "fifo").c_str(), 0600) != 0) return -1;
    pid_t pid = fork();
    if (pid == 0) {
        runres r = runbin(dir.string(), "fifo\n" + count + "\n");
        _exit(r.status == status && r.out == out ? 0 : 1);
    }
    return pid;
}

bool waitok(pid_t pid)
{
    int st = 0;
    return waitpid(pid, &st, 0) == pid && WIFEXITED(st) && WEXITSTATUS(st) == 0;
}

TEST_F(Run, ReaderLeavingTheFifoIsAWriteFailure)
{
    pid_t pid = fiforun(dir, "100000000", 1, std::string(prompts) + "Can't write output file (fifo)\n");
    ASSERT_GT(pid, 0);
    int fd = open((dir / "fifo").c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    char b[100];
    EXPECT_EQ(read(fd, b, sizeof b), static_cast<ssize_t>(sizeof b));
    close(fd);
    EXPECT_TRUE(waitok(pid)) << "recgen must report the lost reader, not die by SIGPIPE";
}

// The largest count must run to its end, record 2147483647, without the
// record number wrapping. It writes about 85 GB into a FIFO, so it runs in CI.
TEST_F(Run, LargestCountRunsToTheEnd)
{
    if (getenv("CI") == nullptr) GTEST_SKIP() << "writes 85 GB; runs when CI is set";
    pid_t pid = fiforun(dir, "2147483647", 0, prompts);
    ASSERT_GT(pid, 0);
    int fd = open((dir / "fifo").c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    fcntl(fd, F_SETPIPE_SZ, 1 << 20);
    static char b[1 << 20];
    std::string tail;
    uint64_t total = 0;
    ssize_t n;
    while ((n = read(fd, b, sizeof b)) > 0) {
        total += static_cast<uint64_t>(n);
        tail.append(b, static_cast<size_t>(n));
        if (tail.size() > 4096) tail.erase(0, tail.size() - 64);
    }
    close(fd);
    EXPECT_TRUE(waitok(pid));

    EXPECT_EQ(total, recgen::filesize(2147483647));
    size_t at = tail.rfind("\r\n", tail.size() - 3);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(tail.substr(at + 2, 11), "2147483647|");
    EXPECT_EQ(tail.size() - at - 2, 40u);
}

}  // namespace

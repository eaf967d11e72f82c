// Reply lines and the count rule, fed from memory.
#include "reply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct got {
    recgen::replyend end;
    std::string text;
    bool operator==(const got &) const = default;
};

void PrintTo(const got &g, std::ostream *os) { *os << g.end << " \"" << g.text << '"'; }

// Returns every reply that in yields, up to and including the first end of input.
std::vector<got> replies(const std::string &in)
{
    FILE *f = tmpfile();
    if (f == nullptr || fwrite(in.data(), 1, in.size(), f) != in.size()) {
        ADD_FAILURE() << "cannot stage the input";
        return {};
    }
    rewind(f);
    std::vector<got> all;
    char buf[recgen::replymax + 1];
    for (;;) {
        size_t len = 0;
        recgen::replyend e = recgen::getreply(f, buf, &len);
        all.push_back({e, std::string(buf, len)});
        if (e == recgen::replyeof || all.size() > 5) break;
    }
    (void)fclose(f);
    return all;
}

struct readcase {
    const char *name;
    std::string in;
    std::vector<got> want;
};

class Replies : public testing::TestWithParam<readcase> {};

TEST_P(Replies, Read) { EXPECT_EQ(replies(GetParam().in), GetParam().want); }

using recgen::replyeof;
using recgen::replylong;
using recgen::replyok;

// A line of n characters.
std::string xs(size_t n) { return std::string(n, 'x'); }

INSTANTIATE_TEST_SUITE_P(
    Lines, Replies,
    testing::Values(
        readcase{"Empty", "", {{replyeof, ""}}},
        readcase{"TwoLines", "a.txt\n25\n", {{replyok, "a.txt"}, {replyok, "25"}, {replyeof, ""}}},
        readcase{"BlankLine", "\n", {{replyok, ""}, {replyeof, ""}}},
        readcase{"BlanksKept", "  a b \t\n", {{replyok, "  a b \t"}, {replyeof, ""}}},
        readcase{"CrLf", "a.txt\r\n7\r\n", {{replyok, "a.txt"}, {replyok, "7"}, {replyeof, ""}}},
        readcase{"CrAnywhere", "\ra\r\rb\r\n", {{replyok, "ab"}, {replyeof, ""}}},
        readcase{"LoneCrThenEnd", "\r", {{replyok, ""}, {replyeof, ""}}},
        readcase{"NoFinalLineFeed", "out", {{replyok, "out"}, {replyeof, ""}}},
        readcase{"Nul", std::string("a\0b\n", 4), {{replyok, std::string("a\0b", 3)}, {replyeof, ""}}},
        readcase{"Exactly512", xs(512) + "\n5\n", {{replyok, xs(512)}, {replyok, "5"}, {replyeof, ""}}},
        readcase{"CrDoesNotCount", xs(512) + "\r\n", {{replyok, xs(512)}, {replyeof, ""}}},
        readcase{
            "Over512RestConsumed", xs(514) + "\n5\n", {{replylong, xs(512)}, {replyok, "5"}, {replyeof, ""}}},
        readcase{"Over512AtEnd", xs(513), {{replylong, xs(512)}, {replyeof, ""}}}),
    [](const testing::TestParamInfo<readcase> &i) { return std::string(i.param.name); });

// A line editor hands over whole lines; the same rules apply to them.
TEST(LineReply, SameRulesAsRead)
{
    struct {
        std::string line;
        got want;
    } cases[] = {
        {"", {replyok, ""}},
        {"  a b ", {replyok, "  a b "}},
        {"\ra\r\rb\r", {replyok, "ab"}},
        {xs(512) + "\r", {replyok, xs(512)}},
        {xs(513), {replylong, xs(512)}},
    };
    char buf[recgen::replymax + 1];
    for (const auto &c : cases) {
        size_t len = 9999;
        recgen::replyend e = recgen::linereply(c.line.c_str(), buf, &len);
        EXPECT_EQ((got{e, std::string(buf, len)}), c.want) << c.line.substr(0, 20);
        EXPECT_EQ(buf[len], '\0');
    }
}

struct countcase {
    const char *reply;
    int32_t want;
};

class Count : public testing::TestWithParam<countcase> {};

TEST_P(Count, Parse) { EXPECT_EQ(recgen::parsecount(GetParam().reply), GetParam().want) << GetParam().reply; }

INSTANTIATE_TEST_SUITE_P(Rule, Count,
                         testing::Values(countcase{"1000", 1000}, countcase{"0", 0}, countcase{"-3", -3},
                                         countcase{"abc", 0}, countcase{"  12ab", 12}, countcase{"+5", 5},
                                         countcase{"- 5", 0}, countcase{"+-5", 0}, countcase{"1e3", 1},
                                         countcase{" \t\v\f\r\n42", 42}, countcase{"007", 7},
                                         countcase{"2147483647", 2147483647},
                                         countcase{"2147483648", -2147483647 - 1}, countcase{"4294967297", 1},
                                         countcase{"-4294967295", 1},
                                         countcase{"99999999999999999999", 1661992959}));

}  // namespace

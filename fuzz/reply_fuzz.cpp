// Feeds arbitrary bytes to the reply reader and the count rule, and checks
// both against a small model of their rules written here from scratch.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "reply.h"

namespace {

struct modelreply {
    recgen::replyend end;
    std::string text;
};

// The replies in data: lines split at line feeds, carriage returns removed,
// at most 512 characters kept, a last line without its line feed still a reply.
std::vector<modelreply> modelreplies(const uint8_t *data, size_t size)
{
    std::vector<modelreply> all;
    size_t pos = 0;
    while (pos < size) {
        std::string line;
        while (pos < size && data[pos] != '\n') {
            if (data[pos] != '\r') line.push_back(static_cast<char>(data[pos]));
            pos++;
        }
        if (pos < size) pos++;  // the line feed
        if (line.size() > 512)
            all.push_back({recgen::replylong, line.substr(0, 512)});
        else
            all.push_back({recgen::replyok, line});
    }
    all.push_back({recgen::replyeof, ""});
    return all;
}

// The count rule with 64-bit arithmetic and explicit reductions modulo 2^32.
int64_t modelcount(const std::string &s)
{
    size_t k = 0;
    while (k < s.size() && s[k] != '\0' && std::strchr(" \t\n\v\f\r", s[k]) != nullptr) k++;
    bool neg = false;
    if (k < s.size() && (s[k] == '+' || s[k] == '-')) neg = s[k++] == '-';
    uint64_t v = 0;
    for (; k < s.size() && s[k] >= '0' && s[k] <= '9'; k++)
        v = (v * 10 + static_cast<uint64_t>(s[k] - '0')) % 4294967296u;
    if (neg) v = (4294967296u - v) % 4294967296u;
    return v >= 2147483648u ? static_cast<int64_t>(v) - 4294967296 : static_cast<int64_t>(v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::vector<char> copy(data, data + size);
    copy.push_back('\0');  // fmemopen wants at least one byte
    FILE *in = fmemopen(copy.data(), size == 0 ? 1 : size, "r");
    if (in == nullptr) abort();
    if (size == 0) (void)getc(in);

    // Exactly the reply buffer's size, so the sanitizer sees any stray byte.
    auto buf = std::make_unique<char[]>(recgen::replymax + 1);
    for (const modelreply &want : modelreplies(data, size)) {
        size_t len = 12345;
        recgen::replyend end = recgen::getreply(in, buf.get(), &len);
        if (end != want.end || len != want.text.size() ||
            std::memcmp(buf.get(), want.text.data(), len) != 0 || buf[len] != '\0')
            abort();
        if (end != recgen::replyeof && recgen::parsecount(buf.get()) != modelcount(want.text)) abort();
    }
    (void)fclose(in);
    return 0;
}

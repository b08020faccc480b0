// The two ends of the velmora-chart --batch load run:
//   load_batch_check --queries N [SEED]   writes N random query lines
//   load_batch_check --check N            reads the JSON Lines answers from
//                                         standard input and checks each
// Exits 1 at the first answer that is no JSON, no chart, or breaks a rule,
// or when the count is not N.

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <string_view>

#include "tests/load/ChartChecks.h"
#include "tests/load/JsonLite.h"
#include "tests/load/RandomQueries.h"

namespace {

constexpr std::uint64_t kDefaultSeed = 20240607;

int WriteQueries(long long count, std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::string out;
    for (long long n = 0; n < count; ++n) {
        out += velmora::load::QueryLine(velmora::load::RandomQuery(random));
        out += '\n';
        if (out.size() > (1 << 16)) {
            std::fwrite(out.data(), 1, out.size(), stdout);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int CheckAnswers(long long expected) {
    std::ios::sync_with_stdio(false);
    std::string line;
    long long count = 0;
    while (std::getline(std::cin, line)) {
        ++count;
        const velmora::load::JsonParse parse = velmora::load::ParseJson(line);
        const auto problem = !parse.value ? "not JSON: " + parse.problem
                                          : velmora::load::JsonChartProblem(*parse.value).value_or(std::string());
        if (!problem.empty()) {
            std::fprintf(stderr, "answer %lld: %s\n%.300s\n", count, problem.c_str(), line.c_str());
            return 1;
        }
    }
    if (count != expected) {
        std::fprintf(stderr, "%lld answers for %lld queries\n", count, expected);
        return 1;
    }
    std::printf("checked %lld answers\n", count);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc > 2 ? argv[1] : "";
    const long long count = argc > 2 ? std::atoll(argv[2]) : 0;
    if (mode == "--queries") return WriteQueries(count, argc > 3 ? std::strtoull(argv[3], nullptr, 10) : kDefaultSeed);
    if (mode == "--check") return CheckAnswers(count);
    std::fprintf(stderr, "usage: load_batch_check --queries N [SEED] | --check N\n");
    return 2;
}

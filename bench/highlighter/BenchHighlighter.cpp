// Throughput of SyntaxHighlight over ~50 MB of generated PureBasic, against a memchr line count
// over the same buffer in the same run.

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#include "PureBasicGenerator.h"
#include "highlighter/SyntaxHighlight.h"

namespace {

constexpr std::size_t kSourceBytes = 50u << 20;
constexpr int kRounds = 5;

long long g_tokens = 0;

int countToken(const char*, int, int) {
    ++g_tokens;
    return 0;
}

std::size_t countLines(const std::string& text) {
    std::size_t lines = 0;
    const char* p = text.data();
    const char* const end = p + text.size();
    while ((p = static_cast<const char*>(
                std::memchr(p, '\n', static_cast<std::size_t>(end - p)))) != nullptr) {
        ++lines;
        ++p;
    }
    return lines;
}

// The best of kRounds runs, in seconds.
template <typename Run>
double bestSeconds(Run run) {
    double best = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (elapsed.count() < best) {
            best = elapsed.count();
        }
    }
    return best;
}

}  // namespace

int main() {
    const std::string source = highlighter::bench::generatePureBasic(kSourceBytes, 1);
    const double megabytes = static_cast<double>(source.size()) / (1 << 20);

    const double highlightSeconds = bestSeconds([&] {
        g_tokens = 0;
        SyntaxHighlight(source.data(), static_cast<int>(source.size()), &countToken, 0);
    });
    std::size_t lines = 0;
    const double lineCountSeconds = bestSeconds([&] { lines = countLines(source); });

    std::printf("source: %.1f MB, %zu lines, %lld tokens\n", megabytes, lines, g_tokens);
    std::printf("SyntaxHighlight:    %8.1f MB/s\n", megabytes / highlightSeconds);
    std::printf("memchr line count:  %8.1f MB/s (reference)\n", megabytes / lineCountSeconds);
    std::printf("ratio highlight/reference: %.3f\n", lineCountSeconds / highlightSeconds);
    return 0;
}

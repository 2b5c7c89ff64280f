// Prints how long template expansion takes relative to copying the same
// amount of text in this process; ratios that stay flat as the size grows
// show linear expansion.
#include "lx_core.h"

#ifdef _WIN32
#include "platform_character_set.h"
#else
#include "basic_character_set.h"
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include "best_time.h"

namespace {

using lx::Text;
using lx::TextView;

constexpr int kRepetitions = 5;
constexpr std::size_t kMi = std::size_t{1} << 20;

// A script that returns its first argument.
class FirstArgumentRunner final : public lx::IScriptRunner {
public:
    std::optional<Text> RunScript(TextView, const Text*, const std::vector<Text>& arguments) override {
        return arguments.empty() ? Text() : arguments.front();
    }
};

double BestSeconds(const std::function<void()>& run) { return lx::bench::BestSeconds(kRepetitions, run); }

// The best time of copying `units` code units into a text that already has
// room for them: the memory bandwidth of this machine, without allocation.
double CopySeconds(std::size_t units) {
    const Text source(units, u'x');
    Text copy(units, u'\0');
    volatile char16_t sink = 0;
    return BestSeconds([&] {
        copy.assign(source);
        sink = copy.back();
    });
}

// The same copy into a new text, as an expansion's result is: adds the
// allocation and the first touch of its memory, which every expansion pays.
double NewTextCopySeconds(std::size_t units) {
    const Text source(units, u'x');
    volatile char16_t sink = 0;
    return BestSeconds([&] {
        const Text copy(source);
        sink = copy.back();
    });
}

// Times expanding `body` against copying a text of the same size. Returns
// the time per unit; `firstPerUnit` is that of the smallest size of the
// series (0 for the smallest itself), so that growth shows at a glance.
double Report(const char* label, std::size_t size, lx::CLXCore& core, const Text& body, double firstPerUnit = 0) {
    Text text;
    std::size_t resultSize = 0;
    const double expand = BestSeconds([&] {
        text = body;
        core.Expand(text);
        resultSize = text.size();
    });
    const std::size_t units = std::max(body.size(), resultSize);
    const double copy = CopySeconds(units);
    const double newTextCopy = NewTextCopySeconds(units);
    const double perUnit = expand / static_cast<double>(size);
    std::printf("%-44s %5.1f Mi units  expand %8.2f ms  copy %6.2f ms  ratio %6.1f  new-text ratio %5.1f  "
                "per unit %5.2f ns (x%.2f)\n",
                label, static_cast<double>(size) / kMi, expand * 1e3, copy * 1e3, expand / copy, expand / newTextCopy,
                perUnit * 1e9, firstPerUnit > 0 ? perUnit / firstPerUnit : 1.0);
    return perUnit;
}

Text Words(std::size_t units) {
    static constexpr TextView kWords = u"lorem ipsum-dolor 2nd \u00e9t\u00e9 sit amet, consectetur ";
    Text text;
    text.reserve(units);
    while (text.size() < units)
        text += kWords.substr(0, std::min(kWords.size(), units - text.size()));
    return text;
}

}  // namespace

int main() {
#ifdef _WIN32
    lx::PlatformCharacterSet characters;
#else
    lx::test::BasicCharacterSet characters;
#endif
    FirstArgumentRunner runner;
    lx::CLXCore core(characters, runner);

    std::printf("ratio: best of %d expansions over best of %d copies of as many UTF-16 units into a text with room;\n"
                "new-text ratio: the same against copies into a new text; (xN): time per unit against the\n"
                "smallest size of the series (1.00 is linear)\n",
                kRepetitions, kRepetitions);

    double first = 0;
    for (std::size_t size : {1 * kMi, 4 * kMi, 16 * kMi}) {
        const Text selection = Words(size);
        core.SetInputs(&selection, nullptr);
        const double perUnit = Report("{{sel:ucwords}} over a selection of", size, core, u"{{sel:ucwords}}", first);
        first = first > 0 ? first : perUnit;
    }

    const Text selection = u"sel", clipboard = u"clipboard";
    core.SetInputs(&selection, &clipboard);
    first = 0;
    for (std::size_t size : {1 * kMi, 4 * kMi, 16 * kMi}) {
        // Literal pieces of 3 units between placeholders: 10 units a pair.
        Text body;
        for (std::size_t i = 0; body.size() < size; ++i)
            body += i % 2 ? u"abc{{clp}}" : u"xyz{{sel}}";
        const double perUnit = Report("literal pieces and placeholders, body of", size, core, body, first);
        first = first > 0 ? first : perUnit;
    }

    first = 0;
    for (std::size_t count : {10000, 40000, 160000}) {
        Text body;
        for (std::size_t i = 0; i < count; ++i)
            body += u"{{f(a {{sel}} b;x):g(y)}} ";
        char label[64];
        std::snprintf(label, sizeof label, "%zu sibling placeholders with arguments,", count);
        const double perUnit = Report(label, body.size(), core, body, first);
        first = first > 0 ? first : perUnit;
    }
    return 0;
}

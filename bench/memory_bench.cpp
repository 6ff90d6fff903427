// Bytes per node of a scanned tree of ten million synthetic nodes (no disk), after every
// folder's display order has been built, against the budget of 40 bytes plus the names.
#include <cstdio>
#include <new>
#include <string>

#include "BenchReport.h"
#include "ProcessMemory.h"
#include "scan/Scanner.h"
#include "scan/SyntheticReader.h"
#ifdef _WIN32
#include "scan/AnsiCodePage.h"
using BenchCodePage = spandle::AnsiCodePage;
#else
#include "AsciiCodePage.h"
using BenchCodePage = spandle::bench::AsciiCodePage;
#endif

using namespace spandle;

namespace {

// Scans, then walks the whole tree in name order so every display order exists.
uint64_t BuildAndWalk(TreeModel& model, const SyntheticReader& reader) {
    Scanner scanner;
    scanner.Start(u"S:", model, reader);
    while (!scanner.Wait(std::chrono::seconds(1))) {
    }
    model.SetSort({SortColumn::Name, true});
    uint64_t walked = 0;
    for (NodeIndex n = model.Root(); n != kNoNode; n = model.Next(n)) ++walked;
    return walked;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string build = argc > 1 ? argv[1] : "host";
    SyntheticShape shape;
    shape.depth = 6;
    shape.foldersPerFolder = 10;
    shape.filesPerFolder = 8;
    const SyntheticReader reader(u"S:", shape);
    const SyntheticReader::Totals totals = reader.Expected();
    const BenchCodePage codePage;
    const size_t before = bench::ProcessBytes();
    bool fits = true;
    double perNode = 0;
    try {
        TreeModel model(codePage);
        const uint64_t walked = BuildAndWalk(model, reader);
        fits = walked == totals.entries + 1;
        perNode = double(bench::ProcessBytes() - before) / double(model.Count());
    } catch (const std::bad_alloc&) {
        fits = false;
    }
    const double budget = 40.0 + 2.0 * double(totals.nameChars) / double(totals.entries + 1);
    const std::string name = "memory." + build + ".bytes_per_node_vs_budget";
    if (fits) bench::Figure(name.c_str(), perNode / budget, "ratio");
    bench::Target(name.c_str(), fits && perNode <= budget);
    if (build == "i686") bench::Target("memory.i686.ten_million_nodes_fit", fits);
    std::fprintf(stderr, "%s: %.2f bytes per node, budget %.2f, %llu nodes\n", build.c_str(),
                 perNode, budget, static_cast<unsigned long long>(totals.entries + 1));
    return 0;
}

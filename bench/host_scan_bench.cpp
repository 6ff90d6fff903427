// The POSIX-reader scanner against "du -s --apparent-size" on the same tree.
#include <cstdlib>
#include <string>

#include "AsciiCodePage.h"
#include "BenchReport.h"
#include "scan/PosixDirectoryReader.h"
#include "scan/Scanner.h"
#include "scan/Utf16.h"

using namespace spandle;

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::string tree = argv[1];
    const std::string du = "du -s --apparent-size '" + tree + "' > /dev/null";
    const bench::AsciiCodePage codePage;
    TreeModel model(codePage);
    const PosixDirectoryReader reader;
    Scanner scanner;
    auto scan = [&] {
        scanner.Start(FromUtf8(tree), model, reader);
        scanner.Wait(std::chrono::hours(1));
    };
    scan();  // warms the cache for both
    const double duSeconds = bench::BestSeconds(3, [&] { (void)std::system(du.c_str()); });
    const double scanSeconds = bench::BestSeconds(3, scan);
    bench::Figure("scan.host_posix_vs_du", duSeconds / scanSeconds, "x_faster");
    bench::Target("scan.host_posix_vs_du", scanSeconds < duSeconds);
    return 0;
}

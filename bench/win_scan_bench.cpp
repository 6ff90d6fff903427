// Scan throughput under Windows (or Wine) against a bare FindFirstFileExW loop measured in
// the same run, the naive message-loop walk, and the user-interface thread's longest
// message gap during a scan.
#include <windows.h>

#include <string>
#include <vector>

#include "BenchReport.h"
#include "MessageGap.h"
#include "NaiveWalk.h"
#include "scan/AnsiCodePage.h"
#include "scan/Scanner.h"
#include "scan/Win32DirectoryReader.h"
#include "scan/Wow64Redirection.h"

using namespace spandle;

namespace {

// (a) The floor: one thread, one FindFirstFileExW loop per folder, nothing kept.
uint64_t BareCount(const std::wstring& root) {
    uint64_t entries = 0;
    std::vector<std::wstring> pending{L"\\\\?\\" + root};
    WIN32_FIND_DATAW data;
    while (!pending.empty()) {
        const std::wstring path = std::move(pending.back());
        pending.pop_back();
        const HANDLE find =
            FindFirstFileExW((path + L"*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                             nullptr, FIND_FIRST_EX_LARGE_FETCH);
        if (find == INVALID_HANDLE_VALUE) continue;
        do {
            const wchar_t* n = data.cFileName;
            if (n[0] == L'.' && (n[1] == 0 || (n[1] == L'.' && n[2] == 0))) continue;
            ++entries;
            if ((data.dwFileAttributes &
                 (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ==
                FILE_ATTRIBUTE_DIRECTORY) {
                pending.push_back(path + n + L"\\");
            }
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    return entries;
}

struct ScanRun {
    const std::wstring& root;
    TreeModel& model;
    const Win32DirectoryReader& reader;
    Scanner& scanner;

    void Start(unsigned workers) {
        ScanOptions options;
        options.workers = workers;
        options.threadInit = DisableWow64RedirectionOnThisThread;
        const std::u16string path(reinterpret_cast<const char16_t*>(root.c_str()), root.size());
        scanner.Start(path, model, reader, options);
    }
    void Run(unsigned workers) {
        Start(workers);
        scanner.Wait(std::chrono::hours(1));
    }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    std::wstring root = argv[1];
    if (root.back() != L'\\') root += L'\\';
    const AnsiCodePage codePage;
    TreeModel model(codePage);
    const Win32DirectoryReader reader;
    Scanner scanner;
    ScanRun run{root, model, reader, scanner};

    const uint64_t entries = BareCount(root);  // warms the cache
    const double bare = bench::BestSeconds(3, [&] { BareCount(root); });
    const double one = bench::BestSeconds(3, [&] { run.Run(1); });
    const double pool = bench::BestSeconds(3, [&] { run.Run(0); });
    const bench::NaiveResult naive = bench::NaiveWalk(root, 20.0);
    const double naiveRate = double(naive.entries) / naive.seconds;
    const double poolRate = double(entries) / pool;

    bench::Figure("scan.one_worker_vs_bare", bare / one, "x_throughput");
    bench::Figure("scan.pool_vs_bare", bare / pool, "x_throughput");
    bench::Figure("scan.pool_vs_naive_ui_walk", poolRate / naiveRate, "x_throughput");
    bench::Target("scan.one_worker_vs_bare", bare / one >= 0.85);
    bench::Target("scan.pool_vs_bare", pool < bare);
    bench::Target("scan.pool_vs_naive_ui_walk", poolRate / naiveRate >= 10);

    const double idleGap = bench::LongestMessageGap(nullptr, nullptr, 1.0);
    run.Start(0);
    const double scanGap = bench::LongestMessageGap(
        [&] { return scanner.Done(); },
        [&](HWND label) {
            SetWindowTextW(label, std::to_wstring(scanner.Progress().entriesAdded).c_str());
        },
        0);
    bench::Figure("ui.message_gap_scan_vs_idle", scanGap / idleGap, "ratio");
    bench::Figure("ui.message_gap_vs_50ms", scanGap / 0.050, "ratio");
    bench::Target("ui.message_gap_under_50ms", scanGap < 0.050);
    std::fwprintf(stderr,
                  L"%llu entries; bare %.2fs, one worker %.2fs, pool %.2fs; naive %llu in %.2fs; "
                  L"gaps idle %.1fms scan %.1fms\n",
                  static_cast<unsigned long long>(entries), bare, one, pool,
                  static_cast<unsigned long long>(naive.entries), naive.seconds, idleGap * 1e3,
                  scanGap * 1e3);
    return 0;
}

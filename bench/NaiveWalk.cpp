#include "NaiveWalk.h"

#include <chrono>
#include <string>

#include "BenchWindow.h"

namespace spandle::bench {
namespace {

struct Walk {
    BenchWindow window;
    std::chrono::steady_clock::time_point deadline;
    uint64_t entries = 0;
    bool stopped = false;

    void Folder(const std::wstring& path) {
        WIN32_FIND_DATAW data;
        const HANDLE find = FindFirstFileW((path + L"*.*").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) return;
        do {
            PumpPending();
            if (std::chrono::steady_clock::now() > deadline) stopped = true;
            if (stopped) break;
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            ++entries;
            SetWindowTextW(window.label, std::to_wstring(entries).c_str());
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) Folder(path + name + L"\\");
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
};

}  // namespace

NaiveResult NaiveWalk(const std::wstring& root, double timeLimit) {
    Walk walk;
    walk.window = CreateBenchWindow();
    const auto start = std::chrono::steady_clock::now();
    walk.deadline = start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                std::chrono::duration<double>(timeLimit));
    walk.Folder(root);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    DestroyBenchWindow(walk.window);
    return {walk.entries, seconds};
}

}  // namespace spandle::bench

// Walks a folder tree on a small pool of worker threads and fills a TreeModel.
//
// Each worker lists a whole directory into its own buffer, then appends it to the model as
// one block and adds the files' bytes to the folder and every folder above it, all under
// one lock. So at every moment, also after a cancel, each folder's size is the sum of what
// was added below it and the root holds the sum of everything added.
//
// Threads: Start, Cancel, Done, Wait, Progress and EntriesAdded may be called from the
// user-interface thread while a scan runs; they never block for long (Wait up to its
// timeout). The model and the reader belong to the scan from Start until Done() is true:
// the caller must not read or change the model, nor destroy either, before then. The
// scanner never touches a window; the done callback may post a message, nothing more.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "scan/TreeModel.h"

namespace spandle {

class DirectoryListing;
class DirectoryReader;

struct ScanOptions {
    unsigned workers = 0;     // 0: DefaultWorkerCount()
    unsigned maxDepth = 512;  // folders deeper than this are not entered (flagged unreadable)
    std::function<void()> threadInit;  // runs first on every worker thread
    std::function<void()> onDone;      // runs on the last worker thread once Done() is true
};

struct ScanProgress {
    uint64_t entriesAdded = 0;
    std::u16string currentFolder;  // the folder being entered, with its trailing separator
    bool done = false;
    bool cancelled = false;
};

class Scanner {
  public:
    // The number of cores, at least 2, at most 8.
    static unsigned DefaultWorkerCount();

    Scanner() = default;
    ~Scanner();  // cancels a running scan and waits for it
    Scanner(const Scanner&) = delete;
    Scanner& operator=(const Scanner&) = delete;

    // Clears the model and starts the scan of rootPath (a trailing separator is added when
    // missing). The root node's name is the path without that separator, its attributes
    // exactly the directory bit. Returns false, changing nothing, while a scan runs.
    bool Start(std::u16string_view rootPath, TreeModel& model, const DirectoryReader& reader,
               ScanOptions options = {});
    // Asks the workers to stop; they do within milliseconds. The partial tree is consistent.
    void Cancel();
    bool Done() const { return done_.load(); }
    bool Cancelled() const { return cancel_.load(); }
    // Whether a worker met an error (an exception) and stopped the scan; the tree is then
    // incomplete in no defined way and must not be shown.
    bool Failed() const { return failed_.load(); }
    // Waits until the scan is done or the timeout passes; returns Done().
    bool Wait(std::chrono::milliseconds timeout);
    // Entries (files and folders) added so far; the root does not count.
    uint64_t EntriesAdded() const { return added_.load(std::memory_order_relaxed); }
    ScanProgress Progress() const;

  private:
    struct WorkItem {
        NodeIndex folder;
        std::u16string path;
        unsigned depth;
    };
    struct WorkerBuffers;

    void Join();
    void Work();
    bool TakeWork(WorkItem& item);
    void ScanFolder(const WorkItem& item, WorkerBuffers& buffers);
    void Publish(const WorkItem& item, bool listed, WorkerBuffers& buffers);
    void SetCurrentFolder(const std::u16string& path);

    TreeModel* model_ = nullptr;
    const DirectoryReader* reader_ = nullptr;
    ScanOptions options_;

    std::mutex mutex_;  // the model, the work stack and the counts below
    std::condition_variable workChanged_;
    std::vector<WorkItem> stack_;  // last in, first out: depth first, few pending paths
    unsigned busy_ = 0;
    unsigned running_ = 0;

    std::atomic<bool> cancel_{false};
    std::atomic<bool> failed_{false};
    std::atomic<bool> done_{true};
    std::atomic<uint64_t> added_{0};
    std::condition_variable doneChanged_;

    mutable std::mutex progressMutex_;
    std::u16string currentFolder_;

    std::vector<std::thread> threads_;
};

}  // namespace spandle

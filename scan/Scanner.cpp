#include "scan/Scanner.h"

#include <algorithm>

#include "scan/DirectoryReader.h"
#include "scan/EntryRecord.h"

namespace spandle {

struct Scanner::WorkerBuffers {
    DirectoryListing listing;
    std::vector<NewNode> nodes;
    std::vector<WorkItem> subfolders;
};

unsigned Scanner::DefaultWorkerCount() {
    return std::clamp(std::thread::hardware_concurrency(), 2u, 8u);
}

Scanner::~Scanner() {
    Cancel();
    Join();
}

void Scanner::Join() {
    for (std::thread& thread : threads_) thread.join();
    threads_.clear();
}

bool Scanner::Start(std::u16string_view rootPath, TreeModel& model, const DirectoryReader& reader,
                    ScanOptions options) {
    if (!done_.load()) return false;
    Join();
    std::u16string path(rootPath);
    if (path.empty() || path.back() != reader.Separator()) path += reader.Separator();
    model.Clear();
    model.AddRoot(std::u16string_view(path).substr(0, path.size() - 1), kAttributeDirectory);
    model_ = &model;
    reader_ = &reader;
    options_ = std::move(options);
    cancel_ = false;
    failed_ = false;
    added_ = 0;
    SetCurrentFolder(u"");
    const unsigned workers =
        std::min(options_.workers ? options_.workers : DefaultWorkerCount(), 64u);
    {
        std::lock_guard lock(mutex_);
        stack_.assign(1, WorkItem{model.Root(), std::move(path), 0});
        busy_ = 0;
        running_ = workers;
        done_ = false;
    }
    for (unsigned i = 0; i < workers; ++i) threads_.emplace_back([this] { Work(); });
    return true;
}

void Scanner::Cancel() {
    std::lock_guard lock(mutex_);
    if (done_.load()) return;
    cancel_ = true;
    workChanged_.notify_all();
}

bool Scanner::Wait(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return doneChanged_.wait_for(lock, timeout, [this] { return done_.load(); });
}

ScanProgress Scanner::Progress() const {
    ScanProgress progress;
    progress.entriesAdded = EntriesAdded();
    progress.done = Done();
    progress.cancelled = Cancelled();
    std::lock_guard lock(progressMutex_);
    progress.currentFolder = currentFolder_;
    return progress;
}

void Scanner::SetCurrentFolder(const std::u16string& path) {
    std::lock_guard lock(progressMutex_);
    currentFolder_ = path;
}

void Scanner::Work() {
    if (options_.threadInit) options_.threadInit();
    WorkerBuffers buffers;
    WorkItem item;
    try {
        while (TakeWork(item)) ScanFolder(item, buffers);
    } catch (const std::exception&) {
        // Out of memory, say: the whole scan stops and reports it; the tree is not usable.
        failed_ = true;
        Cancel();
    }
    std::function<void()> onDone;
    {
        std::lock_guard lock(mutex_);
        if (--running_ != 0) return;
        stack_.clear();
        // Copied first: once done_ is set the owner may start the next scan.
        onDone = options_.onDone;
        done_ = true;
    }
    doneChanged_.notify_all();
    if (onDone) onDone();
}

bool Scanner::TakeWork(WorkItem& item) {
    std::unique_lock lock(mutex_);
    workChanged_.wait(lock, [this] { return cancel_ || !stack_.empty() || busy_ == 0; });
    if (cancel_ || stack_.empty()) return false;  // empty with nobody busy: all is walked
    item = std::move(stack_.back());
    stack_.pop_back();
    ++busy_;
    return true;
}

void Scanner::ScanFolder(const WorkItem& item, WorkerBuffers& buffers) {
    SetCurrentFolder(item.path);
    buffers.listing.Clear();
    const ListStatus status = reader_->List(item.path, cancel_, buffers.listing);
    Publish(item, status != ListStatus::Unreadable, buffers);
}

// Turns the listing into one block of nodes and queues its subfolders.
void Scanner::Publish(const WorkItem& item, bool listed, WorkerBuffers& buffers) {
    const DirectoryListing& listing = buffers.listing;
    buffers.nodes.clear();
    buffers.subfolders.clear();
    uint64_t fileBytes = 0;
    for (size_t i = 0; i < listing.Count(); ++i) {
        const DirectoryListing::Entry& e = listing.At(i);
        const bool folder = (e.attributes & kAttributeDirectory) != 0;
        const bool link = IsUnfollowedLink(e.attributes, e.reparseTag);
        const uint64_t size = folder ? 0 : e.size;
        buffers.nodes.push_back(
            {listing.Name(i), e.attributes, size, link ? kNodeLinkNotFollowed : 0});
        fileBytes += size;
        if (folder && !link) {
            // The folder field holds the offset in the block until the block has its index.
            std::u16string path = item.path;
            path.append(listing.Name(i)).push_back(reader_->Separator());
            buffers.subfolders.push_back(
                {static_cast<NodeIndex>(i), std::move(path), item.depth + 1});
        }
    }
    {
        std::lock_guard lock(mutex_);
        if (!listed) model_->SetFlag(item.folder, kNodeUnreadable, true);
        const NodeIndex first = model_->AppendChildren(item.folder, buffers.nodes);
        model_->AddSize(item.folder, fileBytes);
        added_.fetch_add(buffers.nodes.size(), std::memory_order_relaxed);
        // Reversed, so the stack hands them out in enumeration order.
        for (auto it = buffers.subfolders.rbegin(); it != buffers.subfolders.rend(); ++it) {
            it->folder += first;
            if (it->depth > options_.maxDepth) {
                model_->SetFlag(it->folder, kNodeUnreadable, true);
            } else {
                stack_.push_back(std::move(*it));
            }
        }
        --busy_;
    }
    workChanged_.notify_all();
}

}  // namespace spandle

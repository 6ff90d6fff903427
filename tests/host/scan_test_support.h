// Helpers shared by the scanner tests: a reader wrapper with hooks, tree checks, paths.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <set>
#include <string>

#include "scan/DirectoryReader.h"
#include "scan/TreeModel.h"

namespace spandle::test {

// Wraps a reader: runs a hook before and after each listing and denies chosen paths, to
// make folders vanish or turn unreadable while a scan runs.
class HookedReader final : public DirectoryReader {
  public:
    using Hook = std::function<void(std::u16string_view path)>;

    explicit HookedReader(const DirectoryReader& inner) : inner_(inner) {}
    Hook before;
    Hook after;

    void Deny(std::u16string path) {
        std::lock_guard lock(mutex_);
        denied_.insert(std::move(path));
    }
    char16_t Separator() const override { return inner_.Separator(); }
    ListStatus List(std::u16string_view path, const std::atomic<bool>& stop,
                    DirectoryListing& out) const override {
        if (before) before(path);
        if (IsDenied(path)) return ListStatus::Unreadable;
        const ListStatus status = inner_.List(path, stop, out);
        if (after) after(path);
        return status;
    }

  private:
    bool IsDenied(std::u16string_view path) const {
        std::lock_guard lock(mutex_);
        return denied_.count(std::u16string(path)) != 0;
    }

    const DirectoryReader& inner_;
    mutable std::mutex mutex_;
    std::set<std::u16string> denied_;
};

// The path of a node as the scan built it: the root's name, then each name and separator.
inline std::u16string NodePath(const TreeModel& model, NodeIndex node, char16_t separator) {
    std::u16string path;
    for (NodeIndex n = node; n != kNoNode; n = model.Parent(n)) {
        std::u16string part(model.Name(n));
        if (model.IsFolder(n)) part += separator;
        path.insert(0, part);
    }
    return path;
}

// Checks that every folder's size is the sum of its children's; returns the files' bytes.
inline uint64_t ExpectConsistent(const TreeModel& model) {
    uint64_t fileBytes = 0;
    for (NodeIndex n = 0; n < model.Count(); ++n) {
        if (!model.IsFolder(n)) {
            fileBytes += static_cast<uint64_t>(model.SizeOf(n));
            continue;
        }
        uint64_t sum = 0;
        for (uint32_t i = 0; i < model.ChildCount(n); ++i) sum += model.SizeOf(model.Child(n, i));
        EXPECT_EQ(static_cast<uint64_t>(model.SizeOf(n)), sum) << "folder " << n;
    }
    if (model.Count() != 0) {
        EXPECT_EQ(static_cast<uint64_t>(model.SizeOf(model.Root())), fileBytes);
    }
    return fileBytes;
}

}  // namespace spandle::test

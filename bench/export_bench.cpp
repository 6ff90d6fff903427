// The three exports of a synthetic tree of about a million rows, each against a plain
// buffered write of the same number of bytes to the same file in the same run, and the peak
// memory each export adds on top of the tree.
//
// Prints "export.NAME VALUE UNIT" lines and "target NAME met|missed" lines.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>

#include "bench/AsciiCodePage.h"
#include "bench/BenchReport.h"
#include "commands/Export.h"
#include "commands/TreeExportRows.h"
#include "scan/SizeMath.h"

namespace {

using spandle::NodeIndex;

// Root, 100 folders of 100 folders of 99 files: 1 000 101 rows, Chinese and Latin names.
void BuildTree(spandle::TreeModel& model, uint32_t filesPerFolder) {
    const NodeIndex root = model.AddRoot(u"D:\\数据", 0x10);
    std::vector<spandle::NewNode> folders(100);
    std::vector<std::u16string> names(std::max<uint32_t>(100, filesPerFolder));
    for (uint32_t i = 0; i < names.size(); ++i) {
        const std::string digits = std::to_string(i);
        names[i] = u"文件夹 " + std::u16string(digits.begin(), digits.end());
    }
    for (uint32_t i = 0; i < 100; ++i) folders[i] = {names[i], 0x10, 0, 0};
    std::vector<spandle::NewNode> files(filesPerFolder);
    std::vector<std::u16string> fileNames(filesPerFolder);
    for (uint32_t i = 0; i < filesPerFolder; ++i) {
        const std::string digits = std::to_string(i * 7919);
        fileNames[i] = u"照片 IMG_" + std::u16string(digits.begin(), digits.end()) + u".jpg";
    }
    const NodeIndex top = model.AppendChildren(root, folders);
    for (NodeIndex a = top; a < top + 100; ++a) {
        const NodeIndex middle = model.AppendChildren(a, folders);
        for (NodeIndex b = middle; b < middle + 100; ++b) {
            for (uint32_t i = 0; i < filesPerFolder; ++i)
                files[i] = {fileNames[i], 0x20, (b * 131u + i * 977u) % 50000000u, 0};
            const NodeIndex first = model.AppendChildren(b, files);
            for (uint32_t i = 0; i < filesPerFolder; ++i)
                model.AddSize(first + i, (b * 131u + i * 977u) % 50000000u);
        }
    }
    // The grid has shown the tree: every folder's display order exists before the export.
    for (NodeIndex n = model.Root(); n != spandle::kNoNode; n = model.Next(n)) {
    }
}

// What the grid shows: name, grouped size, size text, share of the parent, share of the
// total; the bar columns are empty.
commands::TreeExportRows::CellText GridCells(const spandle::TreeModel& model) {
    return [&model](NodeIndex node, int column, std::u16string& text) {
        static const spandle::NumberSeparators separators;
        auto put = [&text](const std::wstring& wide) { text.assign(wide.begin(), wide.end()); };
        const NodeIndex parent = model.Parent(node);
        const spandle::Size size = model.SizeOf(node);
        switch (column) {
            case 0:
                text = model.Name(node);
                break;
            case 1:
                if (size > 0) put(spandle::FormatGrouped(size, separators.thousands));
                break;
            case 2:
                put(spandle::FormatSize(size, separators));
                break;
            case 3:
                if (parent == spandle::kNoNode) break;
                if (model.SizeOf(parent) == 0) {
                    text = u"- %";
                    break;
                }
                put(spandle::FormatShareNumber(spandle::ShareScaled(size, model.SizeOf(parent)),
                                               L".") +
                    L"%");
                break;
            case 5:
                if (node == model.Root()) break;
                put(spandle::FormatShareNumber(
                        spandle::ShareScaled(size, model.SizeOf(model.Root())), L".") +
                    L"%");
                break;
            default:
                break;
        }
    };
}

std::vector<commands::ExportColumn> AllColumns() {
    return {{0, u"名称", false},     {1, u"大小(字节)", true},      {2, u"大小", true},
            {3, u"文件夹内%", true}, {4, u"文件夹内比列图", false}, {5, u"总%", true},
            {6, u"总比列图", false}};
}

class FileSink final : public commands::ByteSink {
  public:
    explicit FileSink(const std::string& path)
        : fd_(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644)) {}
    ~FileSink() override { ::close(fd_); }
    bool Write(std::string_view bytes) override {
        while (!bytes.empty()) {
            const ssize_t n = ::write(fd_, bytes.data(), bytes.size());
            if (n <= 0) return false;
            bytes.remove_prefix(static_cast<size_t>(n));
            written += static_cast<size_t>(n);
        }
        return true;
    }
    size_t written = 0;

  private:
    int fd_;
};

// Kilobytes of a line of /proc/self/status ("VmRSS", "VmHWM").
long StatusKb(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key + ":", 0) == 0) return std::stol(line.substr(key.size() + 1));
    return -1;
}

// The peak resident bytes added while work runs, from a reset high-water mark.
double PeakAddedMiB(const std::function<void()>& work) {
    std::ofstream("/proc/self/clear_refs") << "5";
    const long before = StatusKb("VmRSS");
    work();
    return (StatusKb("VmHWM") - before) / 1024.0;
}

void Figure(const std::string& name, double value, const char* unit) {
    spandle::bench::Figure(("export." + name).c_str(), value, unit);
}

void Target(const std::string& name, bool met) {
    spandle::bench::Target(("export." + name).c_str(), met);
}

struct Format {
    commands::ExportKind kind;
    const char* name;
};

void MeasureSpeed(const spandle::TreeModel& model, const Format& format, const std::string& out) {
    size_t bytes = 0;
    const double exportBest = spandle::bench::BestSeconds(3, [&] {
        commands::TreeExportRows rows(model, AllColumns(), GridCells(model));
        FileSink sink(out);
        commands::RenderExport(format.kind, rows, sink);
        bytes = sink.written;
    });
    const double plainBest = spandle::bench::BestSeconds(3, [&] {
        const std::string block(commands::ExportOutput::kCapacity, 'x');
        FileSink sink(out);
        for (size_t left = bytes; left > 0; left -= std::min(left, block.size()))
            sink.Write(std::string_view(block).substr(0, std::min(left, block.size())));
    });
    const std::string name = format.name;
    Figure(name + ".rows_per_second", model.Count() / exportBest, "rows/s");
    Figure(name + ".file", bytes / 1048576.0, "MiB");
    Figure(name + ".vs_plain_write", exportBest / plainBest, "x");
    Target(name + ".within_3x_of_plain_write", exportBest / plainBest <= 3.0);
}

void MeasureMemory(const spandle::TreeModel& model, const Format& format, const std::string& out,
                   const std::string& label) {
    const double added = PeakAddedMiB([&] {
        commands::TreeExportRows rows(model, AllColumns(), GridCells(model));
        FileSink sink(out);
        commands::RenderExport(format.kind, rows, sink);
    });
    Figure(std::string(format.name) + ".peak_added" + label, added, "MiB");
    Target(std::string(format.name) + ".peak_added" + label + "_under_16MiB", added < 16.0);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string out = argc > 1 ? argv[1] : "export-bench.out";
    const Format formats[] = {{commands::ExportKind::Html, "html"},
                              {commands::ExportKind::Rtf, "rtf"},
                              {commands::ExportKind::Text, "text"}};
    spandle::bench::AsciiCodePage codePage;
    {
        spandle::TreeModel model(codePage);
        BuildTree(model, 99);
        Figure("rows", model.Count(), "rows");
        for (const Format& format : formats) {
            MeasureMemory(model, format, out, "");
            MeasureSpeed(model, format, out);
        }
    }
    // Three times the rows: the memory an export adds must not follow the tree's size.
    spandle::TreeModel large(codePage);
    BuildTree(large, 300);
    Figure("large.rows", large.Count(), "rows");
    MeasureMemory(large, formats[2], out, "_3x_rows");
    std::remove(out.c_str());
    return 0;
}

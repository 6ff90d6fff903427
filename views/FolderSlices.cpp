#include "views/FolderSlices.h"

#include "scan/Utf16.h"

namespace views {

std::vector<FolderSlice> FolderSlices(const spandle::TreeModel& model, spandle::NodeIndex folder,
                                      const std::wstring& restText,
                                      const spandle::NumberSeparators& separators) {
    std::vector<FolderSlice> slices;
    if (folder == spandle::kNoNode) return slices;
    const spandle::Size total = model.SizeOf(folder);
    spandle::Size sum = 0;
    for (uint32_t i = 0; i < model.ChildCount(folder); ++i) {
        const spandle::NodeIndex child = model.Child(folder, i);
        const spandle::Size size = model.SizeOf(child);
        // 20 * size > total without the product: exact, and safe for any size.
        if (total <= 0 || size <= total / 20) continue;
        sum += size;
        slices.push_back(
            {size, spandle::ToWide(model.Name(child)) + L"\r" + spandle::FormatSize(size, separators)});
    }
    if (sum < total)
        slices.push_back(
            {total - sum, restText + L"\r" + spandle::FormatSize(total - sum, separators)});
    return slices;
}

}  // namespace views

#include "commands/LargestFile.h"

namespace commands {

spandle::NodeIndex FindLargestFile(const spandle::TreeModel& model, spandle::NodeIndex folder) {
    spandle::NodeIndex largest = spandle::kNoNode;
    if (folder == spandle::kNoNode || model.ChildCount(folder) == 0) return largest;
    spandle::Size largestSize = 0;
    for (spandle::NodeIndex n = model.DisplayChild(folder, 0);
         n != spandle::kNoNode && model.IsBelow(n, folder); n = model.Next(n)) {
        if (model.IsFolder(n) || model.SizeOf(n) <= largestSize) continue;
        largest = n;
        largestSize = model.SizeOf(n);
    }
    return largest;
}

}  // namespace commands

// The largest file below a folder, for 当前文件夹内最大文件.
#pragma once

#include "scan/TreeModel.h"

namespace commands {

// Walks every node below `folder` in tree order (the current display order, expanded or
// not) and returns the first file whose size is strictly greater than every earlier one and
// than 0; folders are walked through, never chosen. kNoNode when there is no such file
// (a file row, an empty folder, only empty files) or no folder.
spandle::NodeIndex FindLargestFile(const spandle::TreeModel& model, spandle::NodeIndex folder);

}  // namespace commands

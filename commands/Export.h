// The three exports of the result tree: every row in tree order, the visible columns in
// display order, a header row of their captions, the name indented by depth. Each is
// rendered straight into its sink, a row at a time; line breaks are CR LF throughout.
#pragma once

#include "commands/ExportOutput.h"
#include "commands/ExportRows.h"

namespace commands {

// The menu's kinds, in the values the save step knows them by.
enum class ExportKind { Html = 1, Rtf = 2, Text = 3 };

// False when a write failed; rendering stops at the first failure.
bool RenderExport(ExportKind kind, ExportRows& rows, ByteSink& sink);

}  // namespace commands

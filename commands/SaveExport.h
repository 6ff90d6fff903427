// The save step of the exports: the save dialog, then the rendering straight into the chosen
// file, so the export is never held in memory.
#pragma once

#include <windows.h>

#include "commands/Export.h"
#include "platform/Services.h"

namespace commands {

// One file type per kind, chosen by index 0; any other kind keeps the dialog's defaults.
platform::SaveDialogRequest SaveRequestFor(ExportKind kind);

// Asks for a file name and writes the rows there; a cancelled dialog writes nothing and reads
// no row. Throws app::AppError `Cannot create file "NAME". REASON` when the file cannot be
// created and "Stream write error" when a write fails part way (the file then stays as far
// as it was written).
void SaveExport(HWND owner, ExportKind kind, ExportRows& rows);

}  // namespace commands

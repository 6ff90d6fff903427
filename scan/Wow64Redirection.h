// The 32-bit build on 64-bit Windows sees System32 redirected to SysWOW64 unless a thread
// turns the redirection off; scan threads do, so every folder is counted as what it is.
#pragma once

namespace spandle {

// Turns file-system redirection off for the calling thread; does nothing where there is
// none (64-bit builds, 32-bit Windows). For ScanOptions::threadInit.
void DisableWow64RedirectionOnThisThread();

}  // namespace spandle

#include "commands/ExportOutput.h"

namespace commands {

ExportOutput::ExportOutput(ByteSink& sink) : sink_(sink) {
    buffer_.reserve(kCapacity * 2);
}

void ExportOutput::Drain() {
    if (!failed_ && !buffer_.empty()) failed_ = !sink_.Write(buffer_);
    buffer_.clear();
}

bool ExportOutput::Finish() {
    Drain();
    return !failed_;
}

}  // namespace commands

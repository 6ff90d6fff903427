// Where a rendering goes: a sink that takes bytes (a file, in the program) behind a buffer of
// fixed size, so memory stays flat however large the tree is.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace commands {

class ByteSink {
  public:
    virtual ~ByteSink() = default;
    // Writes all the bytes; false when the medium took them only in part or not at all.
    virtual bool Write(std::string_view bytes) = 0;
};

class ExportOutput {
  public:
    static constexpr size_t kCapacity = 256 * 1024;

    explicit ExportOutput(ByteSink& sink);
    // Renderers append here, then call Commit at the end of each row.
    std::string& Text() { return buffer_; }
    // Passes the text on once the buffer is full. After a failed write the text is dropped.
    void Commit() {
        if (buffer_.size() >= kCapacity) Drain();
    }
    // Passes on the rest; true when every write succeeded.
    bool Finish();
    bool Failed() const { return failed_; }

  private:
    void Drain();

    ByteSink& sink_;
    std::string buffer_;
    bool failed_ = false;
};

}  // namespace commands

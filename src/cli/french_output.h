#pragma once
// The command line's French texts on their way to the terminal: each line written to a
// FrenchOutput reaches the stream under it with French typography (platform::frenchSpacing).
// Texts that scripts read (the drawing's dump, the field names) go to the stream itself.

#include <ostream>
#include <streambuf>
#include <string>

namespace brontaxe::cli {

class FrenchLineBuffer : public std::streambuf {
  public:
    explicit FrenchLineBuffer(std::ostream& target) : target_(target) {}
    FrenchLineBuffer(const FrenchLineBuffer&) = delete;
    FrenchLineBuffer& operator=(const FrenchLineBuffer&) = delete;
    ~FrenchLineBuffer() override;

  protected:
    int_type overflow(int_type c) override;
    std::streamsize xsputn(const char* s, std::streamsize n) override;
    // A line begun is passed on as it stands (the progress of a write, redrawn in place).
    int sync() override;

  private:
    void passOn();

    std::ostream& target_;
    std::string line_;
};

class FrenchOutput : public std::ostream {
  public:
    explicit FrenchOutput(std::ostream& target) : std::ostream(&buffer_), buffer_(target) {}

  private:
    FrenchLineBuffer buffer_;
};

}  // namespace brontaxe::cli

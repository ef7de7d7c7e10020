#include "cli/french_output.h"

#include "platform/text.h"

namespace brontaxe::cli {

FrenchLineBuffer::~FrenchLineBuffer() {
    passOn();
}

FrenchLineBuffer::int_type FrenchLineBuffer::overflow(int_type c) {
    if (traits_type::eq_int_type(c, traits_type::eof()))
        return traits_type::not_eof(c);
    line_.push_back(traits_type::to_char_type(c));
    if (c == '\n')
        passOn();
    return c;
}

std::streamsize FrenchLineBuffer::xsputn(const char* s, std::streamsize n) {
    line_.append(s, static_cast<std::size_t>(n));
    if (line_.find('\n') != std::string::npos) {
        // Whole lines go on; the end of a line still being written waits for the rest of it.
        const std::size_t end = line_.rfind('\n') + 1;
        const std::string rest = line_.substr(end);
        line_.resize(end);
        passOn();
        line_ = rest;
    }
    return n;
}

int FrenchLineBuffer::sync() {
    passOn();
    target_.flush();
    return target_ ? 0 : -1;
}

void FrenchLineBuffer::passOn() {
    if (line_.empty())
        return;
    target_ << platform::frenchSpacing(line_);
    line_.clear();
}

}  // namespace brontaxe::cli

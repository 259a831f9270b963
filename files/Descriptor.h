#pragma once

#include <unistd.h>

#include <cerrno>

#include "FileFailure.h"

namespace transcalc::files {

// An open file descriptor, closed when the scope ends with errno kept for
// the caller's message; Close closes it now, where a delayed write error
// may surface.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (descriptor_ >= 0) {
            const int saved = errno;
            ::close(descriptor_);
            errno = saved;
        }
    }
    int get() const { return descriptor_; }
    bool IsOpen() const { return descriptor_ >= 0; }
    void Close() {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        if (::close(descriptor) != 0) {
            throw FileFailure::FromErrno(errno);
        }
    }

private:
    int descriptor_;
};

}  // namespace transcalc::files

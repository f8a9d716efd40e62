// SPDX-FileCopyrightText: 2026 The Drelk developers
// SPDX-License-Identifier: MIT
#include "simulator/stoppable_input.h"

#include "simulator/stop_signals.h"

#include <unistd.h>

#include <cerrno>
#include <ios>

namespace drelk::sim {

StoppableInput::int_type StoppableInput::underflow()
{
    while (WaitForInput(fd_)) {
        const ssize_t got = read(fd_, buffer_.data(), buffer_.size());
        if (got > 0) {
            setg(buffer_.data(), buffer_.data(), buffer_.data() + got);
            return traits_type::to_int_type(buffer_[0]);
        }
        if (got == 0) {
            return traits_type::eof();
        }
        if (errno != EINTR) {
            // An error, unlike the end, makes the stream bad; errno still says why.
            const int error = errno;
            std::ios_base::failure failure("read");
            errno = error;
            throw failure;
        }
    }
    return traits_type::eof();
}

} // namespace drelk::sim

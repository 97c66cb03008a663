// Lets a test that runs as root meet file permissions as a pupil does: the
// capabilities that bypass permission bits are dropped from the effective
// set (and can be raised again, since they stay permitted). Without root
// nothing needs to change.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testsupport {

inline bool setFileOverride(bool on) {
    if (::geteuid() != 0) return true;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (::syscall(SYS_capget, &header, data) != 0) return false;
    const unsigned bits = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
    if (on) data[0].effective |= bits;
    else data[0].effective &= ~bits;
    return ::syscall(SYS_capset, &header, data) == 0;
}

}  // namespace testsupport

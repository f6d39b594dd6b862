// File permissions as an ordinary user meets them, also in a test run by root
// (as the tests are in CI). Root writes into a read-only folder only by the
// capabilities that override file permissions; while an AsOrdinaryUser lives,
// the calling thread holds them no longer, and gets them back after. For any
// other user it changes nothing.
#pragma once

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

class AsOrdinaryUser {
public:
    AsOrdinaryUser()
    {
        if (::syscall(SYS_capget, &header_, saved_) != 0)
            return;
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
            reduced[capability / 32].effective &= ~(1u << (capability % 32));
        dropped_ = ::syscall(SYS_capset, &header_, reduced) == 0;
    }
    ~AsOrdinaryUser()
    {
        if (dropped_)
            ::syscall(SYS_capset, &header_, saved_);
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool dropped_ = false;
};

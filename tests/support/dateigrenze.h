#pragma once
// For as long as the object lives, no file of the test program may grow
// beyond a number of bytes: a write past it fails with EFBIG the way one on
// a full disk fails with ENOSPC, through the same calls and at the same
// place, instead of ending the process. The test programs run one thread,
// so only the code under test writes while the limit holds.
#include <csignal>
#include <cstdint>
#include <sys/resource.h>

namespace sorvo::test {

class Dateigrenze {
public:
    explicit Dateigrenze(std::int64_t bytes) {
        m_gelesen = ::getrlimit(RLIMIT_FSIZE, &m_vorher) == 0;
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit grenze = m_vorher;
        grenze.rlim_cur = static_cast<rlim_t>(bytes);
        m_wirkt = m_gelesen && ::setrlimit(RLIMIT_FSIZE, &grenze) == 0;
    }
    ~Dateigrenze() {
        if (m_gelesen)
            ::setrlimit(RLIMIT_FSIZE, &m_vorher);
        std::signal(SIGXFSZ, m_signal);
    }
    Dateigrenze(const Dateigrenze&) = delete;
    Dateigrenze& operator=(const Dateigrenze&) = delete;

    // False when the system refused the limit: the test cannot show anything.
    bool wirkt() const { return m_wirkt; }

private:
    rlimit m_vorher{};
    void (*m_signal)(int) = SIG_DFL;
    bool m_gelesen = false;
    bool m_wirkt = false;
};

// Runs tun under the limit; false, with nothing run, where the system
// refuses it.
template <class F> bool mitDateigrenze(std::int64_t bytes, F&& tun) {
    const Dateigrenze grenze(bytes);
    if (!grenze.wirkt())
        return false;
    tun();
    return true;
}

} // namespace sorvo::test

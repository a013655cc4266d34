#pragma once
// A disk that fills up after a few bytes, for as long as the object lives: every file this process
// writes is cut at the limit, and the write that crosses it fails (EFBIG) instead of killing the process.
#include <csignal>
#include <sys/resource.h>

class LimiteFile {
public:
    explicit LimiteFile(rlim_t byte)
    {
        segnale_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &prima_);
        rlimit limite = prima_;
        limite.rlim_cur = byte;
        attivo_ = setrlimit(RLIMIT_FSIZE, &limite) == 0;
    }
    ~LimiteFile()
    {
        setrlimit(RLIMIT_FSIZE, &prima_);
        std::signal(SIGXFSZ, segnale_);
    }
    bool attivo() const { return attivo_; }
    LimiteFile(const LimiteFile&) = delete;
    LimiteFile& operator=(const LimiteFile&) = delete;

private:
    rlimit prima_{};
    void (*segnale_)(int) = nullptr;
    bool attivo_ = false;
};

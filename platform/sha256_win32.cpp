#include <windows.h>

#include <bcrypt.h>

#include <algorithm>

#include "platform/sha256.h"

namespace rl::platform {

namespace {

bool succeeded(NTSTATUS status) { return status >= 0; }

class Algorithm {
public:
    Algorithm() { ok_ = succeeded(BCryptOpenAlgorithmProvider(&handle_, BCRYPT_SHA256_ALGORITHM, nullptr, 0)); }
    ~Algorithm() {
        if (ok_) BCryptCloseAlgorithmProvider(handle_, 0);
    }
    Algorithm(const Algorithm&) = delete;
    Algorithm& operator=(const Algorithm&) = delete;

    bool ok() const { return ok_; }
    BCRYPT_ALG_HANDLE get() const { return handle_; }

private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;
    bool ok_ = false;
};

}  // namespace

// BCryptHash would do it in one call, but it is not in every Windows that
// the program runs on; the hash object path is.
std::optional<std::string> sha256(std::string_view bytes) {
    Algorithm algorithm;
    if (!algorithm.ok()) return std::nullopt;
    BCRYPT_HASH_HANDLE hash = nullptr;
    if (!succeeded(BCryptCreateHash(algorithm.get(), &hash, nullptr, 0, nullptr, 0, 0))) return std::nullopt;
    std::string digest(32, '\0');
    bool ok = true;
    // The data pointer is not const in the API, though it is only read.
    auto* data = reinterpret_cast<PUCHAR>(const_cast<char*>(bytes.data()));
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const ULONG chunk = static_cast<ULONG>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        ok = succeeded(BCryptHashData(hash, data + done, chunk, 0));
        done += chunk;
    }
    ok = ok && succeeded(BCryptFinishHash(hash, reinterpret_cast<PUCHAR>(digest.data()), static_cast<ULONG>(digest.size()), 0));
    BCryptDestroyHash(hash);
    if (!ok) return std::nullopt;
    return digest;
}

}  // namespace rl::platform

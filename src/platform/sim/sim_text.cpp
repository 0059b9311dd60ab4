#include "platform/sim/sim_text.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>
#include <utility>

namespace lumivex::sim {

int CopyOut(const std::u16string& text, char16_t* buffer, int maxCount) {
    if (!buffer || maxCount <= 0) return 0;
    const int n = std::min<int>(static_cast<int>(text.size()), maxCount - 1);
    std::memcpy(buffer, text.data(), static_cast<std::size_t>(n) * sizeof(char16_t));
    buffer[n] = u'\0';
    return n;
}

namespace {
// Opening a converter costs far more than most conversions: each pair of
// code pages keeps its converter for the life of the thread.
iconv_t Converter(const char* to, const char* from) {
    struct Cache {
        std::map<std::pair<std::string, std::string>, iconv_t> open;
        ~Cache() {
            for (auto& entry : open)
                if (entry.second != reinterpret_cast<iconv_t>(-1)) iconv_close(entry.second);
        }
    };
    thread_local Cache cache;
    const auto key = std::make_pair(std::string(to), std::string(from));
    auto it = cache.open.find(key);
    if (it == cache.open.end()) it = cache.open.emplace(key, iconv_open(to, from)).first;
    // Back to the initial shift state, whatever the last use left.
    if (it->second != reinterpret_cast<iconv_t>(-1)) iconv(it->second, nullptr, nullptr, nullptr, nullptr);
    return it->second;
}
}  // namespace

std::string Convert(const std::string& text, const char* to, const char* from) {
    iconv_t cd = Converter(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return text;
    std::string out;
    char buffer[4096];
    auto* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            // An invalid byte becomes '?', as the Windows conversion does.
            out.push_back('?');
            ++in;
            --inLeft;
        }
    }
    return out;
}

}  // namespace lumivex::sim

// A small JSON builder for the fixture's facts and the probe's report.
// Texts arrive as UTF-16 from the W entry points and leave as UTF-8, so the
// Python driver compares exactly what the windows hold.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

inline std::string ToUtf8(const std::wstring& text) {
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr,
                        nullptr);
    return out;
}

class JsonWriter {
public:
    JsonWriter& BeginObject() { return Open('{'); }
    JsonWriter& EndObject() { return Close('}'); }
    JsonWriter& BeginArray() { return Open('['); }
    JsonWriter& EndArray() { return Close(']'); }

    JsonWriter& Key(const char* name) {
        Separate();
        Quote(name);
        out_ += ':';
        afterKey_ = true;
        return *this;
    }
    JsonWriter& String(const std::wstring& text) { return String(ToUtf8(text)); }
    JsonWriter& String(const std::string& utf8) {
        Separate();
        Quote(utf8);
        return *this;
    }
    JsonWriter& Number(std::int64_t value) {
        Separate();
        out_ += std::to_string(value);
        return *this;
    }
    JsonWriter& Bool(bool value) {
        Separate();
        out_ += value ? "true" : "false";
        return *this;
    }
    JsonWriter& Null() {
        Separate();
        out_ += "null";
        return *this;
    }
    // Handles go out as their full pointer value; the driver cuts them to
    // the 32 bits that window handles carry.
    JsonWriter& Handle(HWND hwnd) { return Number(static_cast<std::int64_t>(reinterpret_cast<std::uintptr_t>(hwnd))); }
    JsonWriter& RectArray(const RECT& r) {
        BeginArray();
        Number(r.left).Number(r.top).Number(r.right).Number(r.bottom);
        return EndArray();
    }

    const std::string& str() const { return out_; }

private:
    JsonWriter& Open(char bracket) {
        Separate();
        out_ += bracket;
        first_.push_back(true);
        return *this;
    }
    JsonWriter& Close(char bracket) {
        out_ += bracket;
        first_.pop_back();
        return *this;
    }
    // A value right after its key needs no comma; any other needs one unless
    // it opens its container.
    void Separate() {
        if (afterKey_) {
            afterKey_ = false;
            return;
        }
        if (!first_.empty()) {
            if (!first_.back()) out_ += ',';
            first_.back() = false;
        }
    }
    void Quote(const std::string& utf8) {
        out_ += '"';
        for (unsigned char c : utf8) {
            switch (c) {
                case '"': out_ += "\\\""; break;
                case '\\': out_ += "\\\\"; break;
                case '\n': out_ += "\\n"; break;
                case '\r': out_ += "\\r"; break;
                case '\t': out_ += "\\t"; break;
                default:
                    if (c < 0x20) {
                        char escaped[8];
                        wsprintfA(escaped, "\\u%04x", c);
                        out_ += escaped;
                    } else {
                        out_ += static_cast<char>(c);
                    }
            }
        }
        out_ += '"';
    }

    std::string out_;
    std::vector<bool> first_;
    bool afterKey_ = false;
};

// Writes the whole text to a file next to the final name, then renames it
// over: a reader polling for the file never sees half of it.
inline bool WriteFileAtomically(const std::wstring& path, const std::string& content) {
    const std::wstring temporary = path + L".tmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != content.size()) return false;
    return MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

}  // namespace e2e

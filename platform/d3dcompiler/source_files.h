// Reading HLSL sources: the wide file name, the file itself and the files it
// includes, through the standard handler or the caller's ID3DInclude.
#pragma once

#include <d3dcompiler.h>

#include <shaderc/shaderc.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace d3dcompiler_standin {

// Converts the UTF-16 or UTF-32 code units of a wide name to UTF-8. False for
// an unpaired surrogate or a value outside Unicode.
bool WideToUtf8(const WCHAR* wide, std::string* utf8);

// Each code unit as one byte (sign-extended bytes included); false when a
// unit is no byte or the name is plain ASCII (then it equals the UTF-8 name).
bool NarrowBytesOf(const WCHAR* wide, std::string* bytes);

// Editors on Windows often save sources with a UTF-8 byte-order mark.
void StripByteOrderMark(std::string* source);

// Sources are read only from regular files up to this size. Hand-written
// shaders are a few kilobytes; the HLSL front end's time grows faster than a
// source's size (a megabyte of declarations takes it seconds, four megabytes
// minutes), and the program waits for every compile.
constexpr size_t kMaxSourceBytes = 1u << 20;

enum class SourceReadError { None, NotFound, Directory, NotRegular, TooLarge, Unreadable };

// Reads `path` without ever blocking on a FIFO or device: only a regular file
// of at most kMaxSourceBytes is read.
SourceReadError ReadSourceFile(const std::string& path, std::string* contents);

// "is a directory", "is larger than ..." : the reason, to follow the file name.
std::string DescribeReadError(SourceReadError error);

// Removes `#pragma once` lines (keeping the line count); true if there was one.
bool TakePragmaOnce(std::string* source);

// Nested #includes past this depth fail, which also ends an include cycle.
constexpr size_t kMaxIncludeDepth = 32;

// Answers shaderc's #include requests for one compilation. With
// D3D_COMPILE_STANDARD_FILE_INCLUDE a quoted name is looked up beside the
// including file, then beside the files that included it in turn, and any
// name beside the main file, then in the current directory; with a caller's handler its
// Open/Close are used; with none, any #include fails.
class IncludeResolver {
public:
    IncludeResolver(ID3DInclude* handler, std::string mainPath);
    IncludeResolver(const IncludeResolver&) = delete;
    IncludeResolver& operator=(const IncludeResolver&) = delete;
    ~IncludeResolver(); // closes what the caller's handler opened

    void Install(shaderc_compile_options_t options);

    // The main file's own `#pragma once`: including it again adds nothing.
    void NoteMainSource(std::string* source);

    // What each included file's text becomes before the preprocessor reads
    // it: the same rewrites the main file gets.
    void SetRewrite(std::function<std::string(const std::string&)> rewrite);

    // Each run of the preprocessor starts afresh: what one pass included
    // once, the next includes once again.
    void StartPass();

    // The same lookups for a front end driven without shaderc's callbacks.
    shaderc_include_result* Open(const char* requested, int type, const char* requester,
                                 size_t depth) {
        return Resolve(this, requested, type, requester, depth);
    }
    void Close(shaderc_include_result* result) { Release(this, result); }

    // The text and path of the file an #include of `requested` (in angle
    // brackets where `system`) in `requester` opens, read from disk where the standard handler is
    // used (no caller sees the read); false under a caller's handler or where no such file is read.
    bool ReadStandard(const std::string& requested, bool system, const std::string& requester,
                      std::string* text, std::string* path) const;

private:
    struct Result;
    static shaderc_include_result* Resolve(void* self, const char* requested, int type,
                                           const char* requester, size_t depth);
    static void Release(void* self, shaderc_include_result* result);
    bool OpenStandard(const std::string& requested, bool system, const std::string& requester,
                      Result* result);
    std::vector<std::string> StandardCandidates(const std::string& requested, bool system,
                                                const std::string& requester) const;
    bool OpenWithHandler(const std::string& requested, int type, const std::string& requester,
                         Result* result);

    bool OpenOnce(const std::string& path, Result* result);

    ID3DInclude* handler_;
    std::string mainPath_;
    std::function<std::string(const std::string&)> rewrite_;
    // After the first include that fails, every later one fails at once with
    // the same text, so that a file including itself many times over stays cheap.
    std::string firstFailure_;
    std::set<std::string> onceFiles_; // real paths of files with #pragma once
    bool mainOnce_ = false;
    std::vector<LPCVOID> openedData_;              // each Open's data, closed once each
    std::map<std::string, LPCVOID> dataByName_;    // latest data per source name
    std::map<std::string, std::string> includers_; // a file read: the file that included it
};

} // namespace d3dcompiler_standin

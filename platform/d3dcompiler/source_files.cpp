#include "source_files.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace d3dcompiler_standin {
namespace {

void AppendUtf8(std::string& out, uint32_t codePoint) {
    if (codePoint < 0x80) {
        out += char(codePoint);
    } else if (codePoint < 0x800) {
        out += char(0xC0 | (codePoint >> 6));
        out += char(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += char(0xE0 | (codePoint >> 12));
        out += char(0x80 | ((codePoint >> 6) & 0x3F));
        out += char(0x80 | (codePoint & 0x3F));
    } else {
        out += char(0xF0 | (codePoint >> 18));
        out += char(0x80 | ((codePoint >> 12) & 0x3F));
        out += char(0x80 | ((codePoint >> 6) & 0x3F));
        out += char(0x80 | (codePoint & 0x3F));
    }
}

std::string DirectoryOf(const std::string& path) {
    size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Windows sources may spell include paths with backslashes.
std::string PortablePath(std::string path) {
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path;
}

std::string RealPath(const std::string& path) {
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

// Reads at most `limit` + 1 bytes: a file that grew past the limit since
// fstat still reads as too large.
SourceReadError ReadBounded(int fd, size_t limit, std::string* contents) {
    std::string text;
    char buffer[65536];
    while (text.size() <= limit) {
        ssize_t got = read(fd, buffer, sizeof(buffer));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return SourceReadError::Unreadable;
        }
        if (got == 0) {
            break;
        }
        text.append(buffer, size_t(got));
    }
    if (text.size() > limit) {
        return SourceReadError::TooLarge;
    }
    *contents = std::move(text);
    return SourceReadError::None;
}

} // namespace

bool WideToUtf8(const WCHAR* wide, std::string* utf8) {
    utf8->clear();
    for (size_t i = 0; wide[i] != 0; ++i) {
        uint32_t unit = uint32_t(wide[i]);
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            uint32_t low = uint32_t(wide[i + 1]);
            if (low < 0xDC00 || low > 0xDFFF) {
                return false;
            }
            unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
            ++i;
        } else if ((unit >= 0xDC00 && unit <= 0xDFFF) || unit > 0x10FFFF) {
            return false;
        }
        AppendUtf8(*utf8, unit);
    }
    return true;
}

bool NarrowBytesOf(const WCHAR* wide, std::string* bytes) {
    bytes->clear();
    bool wide8 = false;
    for (size_t i = 0; wide[i] != 0; ++i) {
        // A signed char widened without a cast arrives sign-extended.
        int64_t unit = int64_t(wide[i]);
        if (unit < -128 || unit > 0xFF) {
            return false;
        }
        wide8 |= unit < 0 || unit > 0x7F;
        *bytes += char(uint8_t(unit));
    }
    return wide8;
}

void StripByteOrderMark(std::string* source) {
    if (source->compare(0, 3, "\xEF\xBB\xBF") == 0) {
        source->erase(0, 3);
    }
}

SourceReadError ReadSourceFile(const std::string& path, std::string* contents) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR ? SourceReadError::NotFound
                                                   : SourceReadError::Unreadable;
    }
    struct stat info {};
    SourceReadError error = SourceReadError::None;
    if (fstat(fd, &info) != 0) {
        error = SourceReadError::Unreadable;
    } else if (S_ISDIR(info.st_mode)) {
        error = SourceReadError::Directory;
    } else if (!S_ISREG(info.st_mode)) {
        error = SourceReadError::NotRegular;
    } else if (uint64_t(info.st_size) > kMaxSourceBytes) {
        error = SourceReadError::TooLarge;
    } else {
        error = ReadBounded(fd, kMaxSourceBytes, contents);
    }
    close(fd);
    return error;
}

std::string DescribeReadError(SourceReadError error) {
    switch (error) {
    case SourceReadError::None:
        return "was read";
    case SourceReadError::NotFound:
        return "does not exist";
    case SourceReadError::Directory:
        return "is a directory, not a source file";
    case SourceReadError::NotRegular:
        return "is not a regular file (a FIFO, socket or device); sources are read only "
               "from regular files";
    case SourceReadError::TooLarge:
        return "is larger than " + std::to_string(kMaxSourceBytes >> 20) +
               " MB, the most this compiler reads";
    case SourceReadError::Unreadable:
        break;
    }
    return "cannot be read";
}

namespace {

// "#pragma once", blanks around its words, perhaps a "//" comment after it,
// and nothing else on [begin, end): no carriage return, which a line comment
// does not take in either.
bool IsPragmaOnceLine(const std::string& text, size_t begin, size_t end) {
    auto skipBlanks = [&](size_t at) {
        while (at < end && (text[at] == ' ' || text[at] == '\t')) {
            ++at;
        }
        return at;
    };
    size_t at = skipBlanks(begin);
    if (at == end || text[at] != '#') {
        return false;
    }
    at = skipBlanks(at + 1);
    if (text.compare(at, 6, "pragma") != 0 || at + 6 > end) {
        return false;
    }
    const size_t afterPragma = at + 6;
    at = skipBlanks(afterPragma);
    if (at == afterPragma || text.compare(at, 4, "once") != 0 || at + 4 > end) {
        return false;
    }
    at = skipBlanks(at + 4);
    if (at == end) {
        return true;
    }
    return text.compare(at, 2, "//") == 0 && at + 2 <= end &&
           std::find(text.begin() + at, text.begin() + end, '\r') == text.begin() + end;
}

} // namespace

bool TakePragmaOnce(std::string* source) {
    bool found = false;
    size_t start = 0;
    while (start < source->size()) {
        size_t end = source->find('\n', start);
        end = end == std::string::npos ? source->size() : end;
        size_t hash = source->find_first_not_of(" \t", start);
        if (hash < end && (*source)[hash] == '#' && IsPragmaOnceLine(*source, start, end)) {
            std::fill(source->begin() + start, source->begin() + end, ' ');
            found = true;
        }
        start = end + 1;
    }
    return found;
}

struct IncludeResolver::Result {
    shaderc_include_result view{};
    std::string sourceName; // empty on failure: shaderc then reports `content`
    std::string content;
};

IncludeResolver::IncludeResolver(ID3DInclude* handler, std::string mainPath)
    : handler_(handler), mainPath_(std::move(mainPath)) {}

IncludeResolver::~IncludeResolver() {
    if (handler_ != nullptr && handler_ != D3D_COMPILE_STANDARD_FILE_INCLUDE) {
        for (auto data = openedData_.rbegin(); data != openedData_.rend(); ++data) {
            handler_->Close(*data);
        }
    }
}

void IncludeResolver::Install(shaderc_compile_options_t options) {
    shaderc_compile_options_set_include_callbacks(options, &IncludeResolver::Resolve,
                                                  &IncludeResolver::Release, this);
}

shaderc_include_result* IncludeResolver::Resolve(void* self, const char* requested, int type,
                                                 const char* requester, size_t depth) {
    IncludeResolver* resolver = static_cast<IncludeResolver*>(self);
    Result* result = new Result;
    std::string name = PortablePath(requested);
    if (!resolver->firstFailure_.empty()) {
        result->content = resolver->firstFailure_;
    } else if (depth >= kMaxIncludeDepth) {
        result->content = "error X1506: too many nested #includes (more than " +
                          std::to_string(kMaxIncludeDepth) + ") opening '" + name + "'";
    } else if (resolver->handler_ == nullptr) {
        result->content = "#include \"" + name + "\" needs an include handler";
    } else if (resolver->handler_ == D3D_COMPILE_STANDARD_FILE_INCLUDE) {
        resolver->OpenStandard(name, type == shaderc_include_type_standard, requester, result);
    } else {
        resolver->OpenWithHandler(name, type, requester, result);
    }
    if (result->sourceName.empty() && resolver->firstFailure_.empty()) {
        resolver->firstFailure_ = result->content;
    } else if (!result->sourceName.empty()) {
        resolver->includers_.emplace(result->sourceName, requester);
        result->content =
            resolver->rewrite_ ? resolver->rewrite_(result->content) : result->content;
    }
    result->view.source_name = result->sourceName.c_str();
    result->view.source_name_length = result->sourceName.size();
    result->view.content = result->content.c_str();
    result->view.content_length = result->content.size();
    result->view.user_data = result;
    return &result->view;
}

void IncludeResolver::Release(void*, shaderc_include_result* result) {
    delete static_cast<Result*>(result->user_data);
}

// Where the standard handler looks for `requested`: for a quoted name beside
// the including file, then beside each file that included the one before;
// for any name beside the main file, then in the current directory.
std::vector<std::string> IncludeResolver::StandardCandidates(const std::string& requested,
                                                             bool system,
                                                             const std::string& requester) const {
    if (!requested.empty() && requested[0] == '/') {
        return {requested};
    }
    std::vector<std::string> candidates;
    std::string file = requester;
    for (size_t depth = 0; !system && depth <= kMaxIncludeDepth; ++depth) {
        candidates.push_back(DirectoryOf(file) + requested);
        const auto includer = includers_.find(file);
        if (includer == includers_.end()) {
            break;
        }
        file = includer->second;
    }
    candidates.push_back(DirectoryOf(mainPath_) + requested);
    candidates.push_back(requested);
    return candidates;
}

bool IncludeResolver::ReadStandard(const std::string& requested, bool system,
                                   const std::string& requester, std::string* text,
                                   std::string* path) const {
    if (handler_ != D3D_COMPILE_STANDARD_FILE_INCLUDE) {
        return false;
    }
    for (const std::string& candidate :
         StandardCandidates(PortablePath(requested), system, requester)) {
        const SourceReadError error = ReadSourceFile(candidate, text);
        if (error != SourceReadError::NotFound) {
            *path = candidate;
            return error == SourceReadError::None;
        }
    }
    return false;
}

bool IncludeResolver::OpenStandard(const std::string& requested, bool system,
                                   const std::string& requester, Result* result) {
    for (const std::string& candidate : StandardCandidates(requested, system, requester)) {
        SourceReadError error = ReadSourceFile(candidate, &result->content);
        if (error == SourceReadError::NotFound) {
            continue;
        }
        if (error != SourceReadError::None) {
            result->content = "error X1507: failed to open source file: '" + requested +
                              "': " + candidate + " " + DescribeReadError(error);
            return false;
        }
        result->sourceName = candidate;
        return OpenOnce(RealPath(candidate), result);
    }
    result->content = "error X1507: failed to open source file: '" + requested + "'";
    return false;
}

// A file that said `#pragma once` adds nothing the next time it is included.
bool IncludeResolver::OpenOnce(const std::string& path, Result* result) {
    if (onceFiles_.count(path) != 0) {
        result->content.clear();
    } else if (TakePragmaOnce(&result->content)) {
        onceFiles_.insert(path);
    }
    return true;
}

void IncludeResolver::NoteMainSource(std::string* source) {
    mainOnce_ = TakePragmaOnce(source);
    StartPass();
}

void IncludeResolver::SetRewrite(std::function<std::string(const std::string&)> rewrite) {
    rewrite_ = std::move(rewrite);
}

void IncludeResolver::StartPass() {
    onceFiles_.clear();
    firstFailure_.clear();
    if (mainOnce_) {
        onceFiles_.insert(RealPath(mainPath_));
    }
}

bool IncludeResolver::OpenWithHandler(const std::string& requested, int type,
                                      const std::string& requester, Result* result) {
    D3D_INCLUDE_TYPE includeType =
        type == shaderc_include_type_standard ? D3D_INCLUDE_SYSTEM : D3D_INCLUDE_LOCAL;
    auto parent = dataByName_.find(requester);
    LPCVOID parentData = parent != dataByName_.end() ? parent->second : nullptr;
    LPCVOID data = nullptr;
    UINT bytes = 0;
    HRESULT hr = handler_->Open(includeType, requested.c_str(), parentData, &data, &bytes);
    if (FAILED(hr) || (data == nullptr && bytes > 0)) {
        char code[16];
        std::snprintf(code, sizeof(code), "%08X", unsigned(hr));
        result->content = "the include handler could not open \"" + requested + "\" (" + code + ")";
        return false;
    }
    result->content.assign(static_cast<const char*>(data), bytes);
    // Kept open until the compilation ends: the handler may use it as the
    // parent of nested includes.
    openedData_.push_back(data);
    dataByName_[requested] = data;
    result->sourceName = requested;
    return OpenOnce(requested, result);
}

} // namespace d3dcompiler_standin

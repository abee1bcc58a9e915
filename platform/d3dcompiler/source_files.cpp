#include "source_files.h"

#include <cstdio>
#include <fstream>
#include <sstream>

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

bool FileExists(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return file.good();
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

bool ReadWholeFile(const std::string& path, std::string* contents) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    if (file.bad()) {
        return false;
    }
    *contents = text.str();
    return true;
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
                                                 const char* requester, size_t) {
    IncludeResolver* resolver = static_cast<IncludeResolver*>(self);
    Result* result = new Result;
    std::string name = PortablePath(requested);
    if (resolver->handler_ == nullptr) {
        result->content = "#include \"" + name + "\" needs an include handler";
    } else if (resolver->handler_ == D3D_COMPILE_STANDARD_FILE_INCLUDE) {
        resolver->OpenStandard(name, requester, result);
    } else {
        resolver->OpenWithHandler(name, type, requester, result);
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

bool IncludeResolver::OpenStandard(const std::string& requested, const std::string& requester,
                                   Result* result) {
    std::vector<std::string> candidates;
    if (!requested.empty() && requested[0] == '/') {
        candidates.push_back(requested);
    } else {
        candidates.push_back(DirectoryOf(requester) + requested);
        candidates.push_back(DirectoryOf(mainPath_) + requested);
    }
    for (const std::string& candidate : candidates) {
        if (FileExists(candidate) && ReadWholeFile(candidate, &result->content)) {
            result->sourceName = candidate;
            return true;
        }
    }
    result->content = "cannot open include file \"" + requested + "\"";
    return false;
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
    return true;
}

} // namespace d3dcompiler_standin

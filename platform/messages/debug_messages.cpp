#include "debug_messages.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <deque>
#include <mutex>
#include <set>
#include <utility>

namespace standin {
namespace {

template <typename Enum> struct NamedValue {
    Enum value;
    const char* name;
};

// The debug layer's name of `value` (without its type's prefix).
template <typename Enum, std::size_t N>
const char* NameOf(const NamedValue<Enum> (&names)[N], Enum value, const char* fallback) {
    for (const NamedValue<Enum>& named : names) {
        if (named.value == value) {
            return named.name;
        }
    }
    return fallback;
}

const char* CategoryName(D3D12_MESSAGE_CATEGORY category) {
    constexpr NamedValue<D3D12_MESSAGE_CATEGORY> kCategories[] = {
        {D3D12_MESSAGE_CATEGORY_APPLICATION_DEFINED, "APPLICATION_DEFINED"},
        {D3D12_MESSAGE_CATEGORY_MISCELLANEOUS, "MISCELLANEOUS"},
        {D3D12_MESSAGE_CATEGORY_INITIALIZATION, "INITIALIZATION"},
        {D3D12_MESSAGE_CATEGORY_CLEANUP, "CLEANUP"},
        {D3D12_MESSAGE_CATEGORY_COMPILATION, "COMPILATION"},
        {D3D12_MESSAGE_CATEGORY_STATE_CREATION, "STATE_CREATION"},
        {D3D12_MESSAGE_CATEGORY_STATE_SETTING, "STATE_SETTING"},
        {D3D12_MESSAGE_CATEGORY_STATE_GETTING, "STATE_GETTING"},
        {D3D12_MESSAGE_CATEGORY_RESOURCE_MANIPULATION, "RESOURCE_MANIPULATION"},
        {D3D12_MESSAGE_CATEGORY_EXECUTION, "EXECUTION"},
        {D3D12_MESSAGE_CATEGORY_SHADER, "SHADER"},
    };
    return NameOf(kCategories, category, "MISCELLANEOUS");
}

const char* SeverityName(D3D12_MESSAGE_SEVERITY severity) {
    constexpr NamedValue<D3D12_MESSAGE_SEVERITY> kSeverities[] = {
        {D3D12_MESSAGE_SEVERITY_CORRUPTION, "CORRUPTION"}, {D3D12_MESSAGE_SEVERITY_ERROR, "ERROR"},
        {D3D12_MESSAGE_SEVERITY_WARNING, "WARNING"},       {D3D12_MESSAGE_SEVERITY_INFO, "INFO"},
        {D3D12_MESSAGE_SEVERITY_MESSAGE, "MESSAGE"},
    };
    return NameOf(kSeverities, severity, "MESSAGE");
}

struct MessageState {
    std::mutex mutex;
    std::set<std::pair<const void*, const char*>> reported; // (object, message name)
    std::deque<StoredMessage> stored;
    std::array<std::size_t, 5> counts{};
};

MessageState& State() {
    static MessageState state;
    return state;
}

// Whether the policy lets this report through; remembers it if so.
bool FirstReport(MessageState& state, const MessageKind& kind, const void* object) {
    switch (kind.policy) {
    case ReportPolicy::Always:
        return true;
    case ReportPolicy::OncePerProcess:
        object = nullptr;
        break;
    case ReportPolicy::OncePerObject:
        break;
    }
    return state.reported.emplace(object, kind.name).second;
}

void Store(MessageState& state, const MessageKind& kind, std::string description) {
    if (state.stored.size() == kStoredMessageLimit) {
        state.stored.pop_front();
    }
    state.stored.push_back({kind.category, kind.severity, kind.id, std::move(description)});
}

bool ReportText(const MessageKind& kind, const void* object, const char* method, const char* text) {
    MessageState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    if (!FirstReport(state, kind, object)) {
        return false;
    }
    std::string description = std::string(method) + ": " + text;
    if (kind.windows) {
        std::fprintf(stderr, "D3D12 %s: %s [ %s %s #%d: %s]\n", SeverityName(kind.severity),
                     description.c_str(), CategoryName(kind.category), SeverityName(kind.severity),
                     static_cast<int>(kind.id), kind.name);
    } else {
        std::fprintf(stderr, "%s\n", description.c_str());
    }
    ++state.counts[static_cast<std::size_t>(kind.severity) % state.counts.size()];
    // The info queue holds what Windows' debug layer would have said, nothing
    // of the stand-in's own.
    if (kind.windows) {
        Store(state, kind, std::move(description));
    }
    return true;
}

} // namespace

bool Report(const MessageKind& kind, const void* object, const char* method, const char* format,
            ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return ReportText(kind, object, method, text);
}

bool ReportWindows(const MessageKind& kind, const void* object, const char* method, ...) {
    char text[1024];
    va_list args;
    va_start(args, method);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    std::vsnprintf(text, sizeof text, kind.text != nullptr ? kind.text : "", args);
#pragma GCC diagnostic pop
    va_end(args);
    return ReportText(kind, object, method, text);
}

void ReportRefusal(const char* interfaceName, const char* method, const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    std::string full = std::string(interfaceName) + "::" + method;
    Report(messages::REFUSED_CALL, nullptr, full.c_str(), "%s", text);
}

void ReportNotImplemented(const char* method) {
    // The method's own name keys the report: once per call site.
    Report(messages::NOT_IMPLEMENTED, method, method, "not implemented by the stand-in");
}

void ForgetObject(const void* object) {
    MessageState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    auto first = state.reported.lower_bound({object, nullptr});
    auto last = first;
    while (last != state.reported.end() && last->first == object) {
        ++last;
    }
    state.reported.erase(first, last);
}

std::size_t StoredMessageCount() {
    MessageState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    return state.stored.size();
}

bool GetStoredMessage(std::size_t index, StoredMessage* message) {
    MessageState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    if (index >= state.stored.size() || message == nullptr) {
        return false;
    }
    *message = state.stored[index];
    return true;
}

void ClearStoredMessages() {
    MessageState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.stored.clear();
}

std::size_t ReportedCount(D3D12_MESSAGE_SEVERITY severity) {
    MessageState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    return state.counts[static_cast<std::size_t>(severity) % state.counts.size()];
}

void ResetReportedMessages() {
    MessageState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.reported.clear();
    state.stored.clear();
    state.counts = {};
}

void ForgetReportedMessages() {
    MessageState& state = State();
    std::lock_guard<std::mutex> lock(state.mutex);
    state.reported.clear();
}

} // namespace standin

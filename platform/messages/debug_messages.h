// The stand-in's diagnostics: one list of messages (message_list.inc), each with
// its Windows ID, severity and report policy, printed on standard error in the
// Direct3D 12 debug layer's format and kept for ID3D12InfoQueue.
#pragma once

#include <windows.h>

#include <d3d12.h>

#include <cstddef>
#include <string>

namespace standin {

enum class ReportPolicy { Always, OncePerObject, OncePerProcess };

struct MessageKind {
    D3D12_MESSAGE_ID id; // D3D12_MESSAGE_ID_UNKNOWN for the stand-in's own messages
    const char* name;    // Windows' name without the D3D12_MESSAGE_ID_ prefix
    D3D12_MESSAGE_CATEGORY category;
    D3D12_MESSAGE_SEVERITY severity;
    ReportPolicy policy;
    bool windows;     // false for the stand-in's own messages
    const char* text; // Windows' words, a printf format; null for the stand-in's own
};

namespace messages {
#define STANDIN_MESSAGE_AS(entry_, name_, category_, severity_, policy_, text_)                    \
    inline constexpr MessageKind entry_{D3D12_MESSAGE_ID_##name_,                                  \
                                        #name_,                                                    \
                                        D3D12_MESSAGE_CATEGORY_##category_,                        \
                                        D3D12_MESSAGE_SEVERITY_##severity_,                        \
                                        ReportPolicy::policy_,                                     \
                                        true,                                                      \
                                        text_};
#define STANDIN_MESSAGE(name_, category_, severity_, policy_, text_)                               \
    STANDIN_MESSAGE_AS(name_, name_, category_, severity_, policy_, text_)
#define STANDIN_OWN_MESSAGE(name_, severity_, policy_)                                             \
    inline constexpr MessageKind name_{D3D12_MESSAGE_ID_UNKNOWN,                                   \
                                       #name_,                                                     \
                                       D3D12_MESSAGE_CATEGORY_MISCELLANEOUS,                       \
                                       D3D12_MESSAGE_SEVERITY_##severity_,                         \
                                       ReportPolicy::policy_,                                      \
                                       false,                                                      \
                                       nullptr};
#include "message_list.inc"
#undef STANDIN_MESSAGE_AS
#undef STANDIN_MESSAGE
#undef STANDIN_OWN_MESSAGE
} // namespace messages

// Reports `kind` from `method` (as "ID3D12CommandQueue::ExecuteCommandLists")
// about `object` (may be null), unless its policy says it was already
// reported. Windows' messages print as the debug layer does:
//   D3D12 ERROR: <method>: <text> [ EXECUTION ERROR #538: INVALID_SUBRESOURCE_STATE]
// the stand-in's own as "<method>: <text>". Returns whether it was printed.
bool Report(const MessageKind& kind, const void* object, const char* method, const char* format,
            ...) __attribute__((format(printf, 4, 5)));

// Reports one of Windows' messages in its own words: the arguments fill the
// text its entry in message_list.inc gives. Otherwise as Report.
bool ReportWindows(const MessageKind& kind, const void* object, const char* method, ...);

// A call of `interfaceName`::`method` the stand-in refuses, in its own words.
void ReportRefusal(const char* interfaceName, const char* method, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// "<method>: not implemented by the stand-in", once per call site.
void ReportNotImplemented(const char* method);

// An object is gone: a new object at its address reports afresh.
void ForgetObject(const void* object);

// The store behind ID3D12InfoQueue: every printed message of Windows' kinds, oldest first, up to
// a limit past which the oldest are dropped.
struct StoredMessage {
    D3D12_MESSAGE_CATEGORY category;
    D3D12_MESSAGE_SEVERITY severity;
    D3D12_MESSAGE_ID id;
    std::string description; // "<method>: <text>", as Windows stores it
};
constexpr std::size_t kStoredMessageLimit = 1024;
std::size_t StoredMessageCount();
bool GetStoredMessage(std::size_t index, StoredMessage* message);
void ClearStoredMessages();

// Messages printed since start-up, by severity; the test main fails a test on
// any error.
std::size_t ReportedCount(D3D12_MESSAGE_SEVERITY severity);

// Forgets what was reported (tests start each case afresh).
void ResetReportedMessages();
// Forgets only which objects reported which messages; counts and the store stay.
void ForgetReportedMessages();

} // namespace standin

// A caller's ID3DInclude lives in the caller's process, the compile in a
// child. The child's IncludeProxy forwards each Open and Close to the caller,
// whose IncludeServer calls the real handler, so that the handler sees the
// calls, with their side effects, as it would from Windows' compiler.
#pragma once

#include "child_channel.h"

#include <d3dcompiler.h>

#include <map>
#include <memory>
#include <string>

namespace d3dcompiler_standin {

// In the child: an ID3DInclude over the channel to the caller.
class IncludeProxy : public ID3DInclude {
public:
    explicit IncludeProxy(int socket) : socket_(socket) {}
    virtual ~IncludeProxy() = default;

    HRESULT STDMETHODCALLTYPE Open(D3D_INCLUDE_TYPE type, LPCSTR name, LPCVOID parentData,
                                   LPCVOID* data, UINT* bytes) override;
    HRESULT STDMETHODCALLTYPE Close(LPCVOID data) override;

private:
    struct Opened {
        uint64_t callerData; // the caller's pointer, passed back as it was
        std::string bytes;
    };
    int socket_;
    std::map<LPCVOID, std::unique_ptr<Opened>> opened_;
};

// In the caller: answers the child's include requests with the real handler.
class IncludeServer {
public:
    explicit IncludeServer(ID3DInclude* handler) : handler_(handler) {}
    IncludeServer(const IncludeServer&) = delete;
    IncludeServer& operator=(const IncludeServer&) = delete;
    // Closes what a child that crashed or was stopped left open.
    ~IncludeServer();

    // Answers one request frame; false when the reply could not be sent.
    bool Serve(FrameKind kind, const std::string& payload, int socket);

private:
    ID3DInclude* handler_;
    std::map<LPCVOID, int> open_; // data -> times opened and not yet closed
};

} // namespace d3dcompiler_standin

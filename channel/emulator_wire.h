// Wire format between the POSIX platform and the driver emulator's daemon.
//
// One Unix-domain stream socket, "kvdriver.sock", in a per-user directory of
// mode 0700. Each connection is one open file of the Platform interface: it
// starts with an Open frame and everything the driver keeps for an opener
// (its mailboxes) lives as long as the connection. DriveType and Control
// frames need no Open.
//
// Every frame is a fixed little-endian header followed by `length` payload
// bytes. The client sends one request and waits for its response; there is
// never more than one request in flight on a connection.
#pragma once

#include <cstdint>
#include <string>

namespace kv::wire {

inline constexpr uint32_t RequestMagic = 0x4D45564B;  // "KVEM"
inline constexpr uint32_t ResponseMagic = 0x5045564B; // "KVEP"
inline constexpr const char *SocketName = "kvdriver.sock";
inline constexpr const char *DirectoryVariable = "VELMORA_EMULATOR_DIR";

// Largest payload either side accepts; anything larger is a protocol error
// and closes the connection.
inline constexpr uint32_t MaxPayload = 8u << 20;

enum class Op : uint32_t {
    Open = 1,      // payload: file name; code: disposition; offset: share mode | flags << 32
    Read = 2,      // offset, outLength; response payload: the bytes read
    Write = 3,     // offset; payload: the bytes to write
    Ioctl = 4,     // code; payload: input; outLength; response value: bytes returned
    DriveType = 5, // payload: root path; response value: drive type
    Control = 6,   // payload: a control command line; response payload: its text answer
};

struct RequestHeader {
    uint32_t magic;
    uint32_t op;
    uint64_t offset;
    uint32_t code;
    uint32_t length;    // payload bytes that follow
    uint32_t outLength; // bytes the client can take back
    uint32_t reserved;
};
static_assert(sizeof(RequestHeader) == 32);

struct ResponseHeader {
    uint32_t magic;
    uint32_t error;  // Windows error number, 0 on success
    uint32_t length; // payload bytes that follow
    uint32_t value;  // bytes returned by an ioctl, a drive type
};
static_assert(sizeof(ResponseHeader) == 16);

// The socket directory: $VELMORA_EMULATOR_DIR when set, else
// $XDG_RUNTIME_DIR/velmora-emulator, else /tmp/velmora-emulator-<uid>.
std::string defaultSocketDirectory();

} // namespace kv::wire

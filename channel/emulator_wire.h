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

#include "kv_platform.h"

#include <cstdint>
#include <string>
#include <vector>

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
    Host = 7,      // code: a HostQuery; payload: its argument texts; response payload: answer texts
};

// The host's registry, loaded drivers, files and disk devices (Op::Host).
// Arguments and answers are text lists (appendText); numbers are decimal
// texts. The response's error is a Windows error number unless said
// otherwise. Like DriveType and Control, a query needs no Open.
enum class HostQuery : uint32_t {
    Registry = 1,       // key, value name -> the value; FileNotFound when missing
    LoadedDrivers = 2,  // -> the base names
    FindFiles = 3,      // pattern -> the files (appendFile)
    DiskInterfaces = 4, // -> per device: its instance handle, its interface path
    Eject = 5,          // instance handle -> the veto name; error: a cmresult code,
                        // response value: the veto type
    DriveTypes = 6,     // root paths -> the drive type of each, in order; counts
                        // as no host frame, as DriveType does not
};

// A text list is a sequence of texts, each a u32 length (little-endian) and
// its bytes.
void appendText(std::string &out, const std::string &text);
// Splits a text list; false when it is malformed.
bool splitTexts(const void *data, size_t size, std::vector<std::string> &out);
// One file as texts: name, attributes, creation, last access and last write
// time, size, the number of translations and each, the number of version
// strings and each as key and value.
void appendFile(std::string &out, const FileDescription &file);
// Reads every file of `texts` from `at` on; false when they are malformed.
bool readFiles(const std::vector<std::string> &texts, std::vector<FileDescription> &out);

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
// $XDG_RUNTIME_DIR/velmora-emulator, else /tmp/velmora-emulator-<uid>. The
// last one is a name any user could take first: the daemon creates it with
// mode 0700 and both sides refuse it unless checkPrivateDirectory passes.
std::string defaultSocketDirectory();

// --- Trust between local users -------------------------------------------
// A daemon serves only its own user and root, and a client talks only to a
// daemon of its own user or of root (both learn the other's user from the
// socket's peer credentials).
bool peerIsTrusted(uint32_t peerUid, uint32_t ownUid);
// Elevation on this platform: root, or the user the daemon runs as (who owns
// its state). Destructive commands need it.
bool isElevated(uint32_t uid, uint32_t daemonUid);
// Why `dir` may not hold the socket (not a real directory, another user's,
// open to group or others), or an empty text when it may.
std::string checkPrivateDirectory(const std::string &dir, uint32_t ownUid);
// The user at the other end of a connected Unix-domain socket; false when
// the system does not tell.
bool peerUid(int fd, uint32_t &uid);

} // namespace kv::wire

/*
 * signlink: turns named commands into frames for LED message signs and sends them.
 *
 * The library keeps its inputs and outputs in four INI files in one folder, chosen
 * by OpenSF (the host's working folder plays no part):
 *   1. $SIGNLINK_DIR when set and not empty, used as it is;
 *   2. else the folder of the library file (libsignlink.so.1) when it is writable;
 *   3. else $XDG_CONFIG_HOME/signlink (default ~/.config/signlink), created when
 *      missing and given copies of the installed sample CmdSet.cfg and
 *      SendFrame.cfg (<prefix>/share/signlink) that it does not hold yet.
 * `signlink-cli show` prints the folder in use. The files:
 *   CmdSet.cfg       command definitions           (must exist for OpenSF)
 *   SendFrame.cfg    link settings                 (must exist for OpenSF)
 *   FrameInput.dat   frames to send, by Cmd2Frame  (created when first written)
 *   FrameReturn.dat  results of the last Send      (created when first written)
 *
 * A host calls: OpenSF; optionally the setting exports and CmdSet; Cmd2Frame;
 * Send; SF_GetReturnValue per wanted frame; CloseSF. The state is process-wide and
 * has no lock: call the exports from one thread at a time. No export keeps a
 * pointer after it returns. Every export returns one of the codes below.
 */
#ifndef SIGNLINK_H
#define SIGNLINK_H

#include <stdint.h>

/* The version of this header and of the library it belongs to; the library file is
 * libsignlink.so.<MAJOR>.<MINOR>.<PATCH> with the SONAME libsignlink.so.<MAJOR>. */
#define SIGNLINK_VERSION_MAJOR 1
#define SIGNLINK_VERSION_MINOR 0
#define SIGNLINK_VERSION_PATCH 0
#define SIGNLINK_VERSION "1.0.0"
/* One number that grows with every release, for #if tests: 10000 for 1.0.0. */
#define SIGNLINK_VERSION_NUMBER \
    (SIGNLINK_VERSION_MAJOR * 10000 + SIGNLINK_VERSION_MINOR * 100 + SIGNLINK_VERSION_PATCH)

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes shared by every export. */
enum SfResult {
    /* success (Send: every frame was answered correctly) */
    SF_OK = 0,
    /* Cmd2Frame: definition missing, incomplete, too large, or its file unreadable */
    SF_CMD_NOT_BUILT = 1,
    /* the library is not open */
    SF_ERR_NOT_OPEN = 1000,
    /* OpenSF: already open */
    SF_ERR_ALREADY_OPEN = 1001,
    /* CloseSF: not open */
    SF_ERR_CLOSE_NOT_OPEN = 1002,
    /* OpenSF: CmdSet.cfg or SendFrame.cfg missing from the library's folder */
    SF_ERR_FILES_MISSING = 1010,
    /* CmdSet: the parameter's VALU or TYPE is absent, or its BYTE absent or >= 1024 */
    SF_ERR_PARAM_INCOMPLETE = 1011,
    /* CmdSet: parameter number outside 0..99, or an INT/HEX value that is not hex text */
    SF_ERR_PARAM_VALUE = 1012,
    /* Send, serial link: COM is 0 or absent, or ScreenID outside 0..65535 */
    SF_ERR_SERIAL_SETTINGS = 1020,
    /* a file in the library's folder (or the folder itself) cannot be written; a
     * file is then left as it was */
    SF_ERR_FILE_WRITE = 1030,
    /* the system refused a resource (memory); nothing further was done */
    SF_ERR_INTERNAL = -1,
    /* a null pointer, a negative frame or time-out, or a text with a line break */
    SF_ERR_BAD_ARGUMENT = -2,
    /* Send: no usable frame count, or a frame absent, over 640 bytes or not hex text */
    SF_ERR_FRAME_INPUT = -3,
    /* Send, serial link: the port cannot be opened */
    SF_ERR_PORT_OPEN = -4,
    /* Send: no reply byte received */
    SF_ERR_NO_REPLY = -5,
    /* Send: the reply's check field is wrong */
    SF_ERR_REPLY_CHECK = -6,
    /* Send: the reply is not framed (7E, 00..0F ... 7E 00) */
    SF_ERR_REPLY_FRAME = -7,
    /* Send, network link: the socket layer cannot be started (never on POSIX) */
    SF_ERR_NET_STARTUP = -8,
    /* Send, network link: no socket can be created (reported as -10 on POSIX) */
    SF_ERR_NET_SOCKET = -9,
    /* Send, network link: no connection within about one second */
    SF_ERR_NET_CONNECT = -10,
    /* Send, network link: the frame cannot be sent (also after a cut-off reply) */
    SF_ERR_NET_SEND = -11
};

/* Filled by SF_RetComPort: [Argv] COM, [ComPort] BaudRate, [ComPort] WaitTimeMs. */
typedef struct SfComPortRecord {
    int32_t com;
    int32_t baudRate;
    int32_t waitTimeMs;
    int32_t reserved; /* always 0 */
} SfComPortRecord;

/* Filled by SF_RetComSelect: link 0 serial (RS232), 1 network (TCP). */
typedef struct SfComSelectRecord {
    int32_t link;
    int32_t reserved; /* always 0 */
} SfComSelectRecord;

/* The four numbers of a dotted IPv4 address, first to last (192,168,1,250). */
typedef struct SfIpRecord {
    int32_t part[4];
} SfIpRecord;

/* Opens the library: chooses its folder (see above, seeding the config folder when
 * that is the one); CmdSet.cfg and SendFrame.cfg must lie there; writes
 * [TechServer] Email into SendFrame.cfg.
 * 0, 1001 already open, 1010 a file missing, 1030 the config folder or
 * SendFrame.cfg cannot be written (the library then stays closed). */
int32_t OpenSF(void);

/* Closes the library; the four files stay as they are. 0, 1002 not open. */
int32_t CloseSF(void);

/* Reads COM, BaudRate and WaitTimeMs (0 when absent) into *record.
 * 0, 1000, -2 record is null. */
int32_t SF_RetComPort(SfComPortRecord* record);

/* Writes [Argv] COM, [ComPort] BaudRate, [ComPort] WaitTimeMs, no range test.
 * 0, 1000, 1030. */
int32_t SF_SetComPort(int32_t com, int32_t baudRate, int32_t waitTimeMs);

/* Reads [Setup] CommuPort: "RS232" (any case, the default) gives link 0, any other
 * text 1. 0, 1000, -2 record is null. */
int32_t SF_RetComSelect(SfComSelectRecord* record);

/* Writes [Setup] CommuPort = "RS232" for link 0, "TCP" for any other value.
 * 0, 1000, 1030. */
int32_t SF_SetComSelect(int32_t link);

/* Reads [Argv] BroadCastId: absent gives 0.0.0.0, text that is no address
 * 255.255.255.255. 0, 1000, -2 record is null. */
int32_t SF_RetBroadcastIp(SfIpRecord* record);

/* Writes [Argv] IPHEAD0 and IPHEAD1 (the first two fields as given) and
 * BroadCastId (the low 8 bits of each field, dotted). 0, 1000, 1030, -2 null. */
int32_t SF_SetBroadcastIp(const SfIpRecord* record);

/* Reads [Argv] ScreenID (0 when absent) into *screenId. 0, 1000, -2 null. */
int32_t SF_RetScreenId(int32_t* screenId);

/* Writes [Argv] ScreenID without a range test. 0, 1000, 1030. */
int32_t SF_SetScreenId(int32_t screenId);

/* Builds the frames of the command section `command` of CmdSet.cfg and writes them
 * to FrameInput.dat in one atomic step. 0; 1 when the definition cannot be built
 * (absent keys, a missing or unreadable FILE, HEAD over 4, a frame over 20,480
 * bytes, more than 10,000 frames), FrameInput.dat then unchanged; 1000; 1030;
 * -2 command is null. */
int32_t Cmd2Frame(const char* command);

/* Sets parameter `number` (0..99, written as two decimal digits) of `command`.
 * STR values are stored quoted; FILE values go to VALU, or to INIT when the low
 * byte of isAddress is non-zero; INT and HEX values are stored as a big-endian
 * number of BYTE bytes. 0, 1000, 1011, 1012, 1030, -2 a null text or a value with
 * a line break. CmdSet.cfg is unchanged on every failure. */
int32_t CmdSet(const char* command, int32_t number, const char* value, int32_t isAddress);

/* Sends the frames of FrameInput.dat from startFrame on (0 for all) over the link
 * chosen in SendFrame.cfg, each up to three times, and records the run in
 * FrameReturn.dat. readTimeoutMs is the serial read time-out (0: WaitTimeMs);
 * the network link allows about one second per connect, send and reply.
 * 0, 1000, 1020, 1030, -2 a negative argument, -3 .. -11. */
int32_t Send(int32_t startFrame, int32_t readTimeoutMs);

/* Delivers the stored reply of frame *frame: *length receives the number of bytes
 * written to `bytes` (at most 20,480, never more than the stored text holds), and
 * *frame the number of frames of the run. Returns FramesSuccess, one more than the
 * number of the last frame answered correctly; 1000 when not open; -2 when a
 * pointer is null (nothing written). */
int32_t SF_GetReturnValue(int32_t* frame, int32_t* length, uint8_t* bytes);

#ifdef __cplusplus
}
#endif

#endif /* SIGNLINK_H */

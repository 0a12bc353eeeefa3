/* A tiny host of libsignlink.so: writes the text of RAM variable 3 into the VRAM
 * command of CmdSet.cfg, builds and sends its frame, and prints the sign's reply.
 * Build: cc host.c $(pkg-config --cflags --libs signlink)  (or -I<source>/library
 *        -L<folder of libsignlink.so> -lsignlink from a build folder) */
#include <stdio.h>

#include "signlink.h"

static int check(const char* what, int32_t code)
{
    printf("%s: %d\n", what, (int)code);
    return code == SF_OK;
}

int main(void)
{
    if (!check("OpenSF", OpenSF())) return 1;

    SfComSelectRecord link;
    SfIpRecord ip;
    int ok = check("SF_RetComSelect", SF_RetComSelect(&link)) &&
             check("SF_RetBroadcastIp", SF_RetBroadcastIp(&ip));
    if (ok)
        printf("link %s, broadcast %d.%d.%d.%d\n", link.link ? "tcp" : "rs232", (int)ip.part[0],
               (int)ip.part[1], (int)ip.part[2], (int)ip.part[3]);

    ok = ok && check("CmdSet", CmdSet("VRAM", 4, "Hello", 0)) && check("Cmd2Frame", Cmd2Frame("VRAM")) &&
         check("Send", Send(0, 0));
    if (ok) {
        static uint8_t reply[20480];
        int32_t frame = 0;
        int32_t length = 0;
        const int32_t answered = SF_GetReturnValue(&frame, &length, reply);
        printf("frames %d, answered %d, reply:", (int)frame, (int)answered);
        for (int32_t i = 0; i < length; ++i) printf(" %02X", reply[i]);
        printf("\n");
        ok = answered == frame && length >= 9 && reply[8] == 0x00; /* status 00 after the command */
    }
    check("CloseSF", CloseSF());
    return ok ? 0 : 1;
}

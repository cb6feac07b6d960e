/* See iconv.h. One character at a time: a character that does not fit the output stops the
 * conversion with E2BIG, one that the input cannot hold whole with EINVAL, and bytes that are
 * not a character with EILSEQ, as iconv(3) says. */
#include "iconv.h"

#include <errno.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

enum { UTF8 = 65001, UTF16LE = 1200 };

struct ranvik_iconv {
    UINT from;
    UINT to;
};

/* The Windows code page of an iconv name; 0 when unknown. */
static UINT CodePage(const char* name) {
    static const struct {
        const char* name;
        UINT page;
    } named[] = {{"UTF-8", UTF8},        {"UTF8", UTF8},          {"UCS-2LE", UTF16LE},
                 {"UTF-16LE", UTF16LE},  {"SHIFT-JIS", 932},      {"BIG-5", 950},
                 {"BIG5-HKSCS", 951},    {"KOI8-R", 20866},       {"KOI8-U", 21866},
                 {"EUC-JP", 20932},      {"EUC-CN", 51936},       {"EUC-KR", 51949},
                 {"ISO-8859-1", 28591},  {"ISO-8859-13", 28603},  {"ISO-8859-15", 28605}};
    for (size_t i = 0; i < sizeof named / sizeof named[0]; ++i) {
        if (_stricmp(name, named[i].name) == 0)
            return named[i].page;
    }
    static const struct {
        const char* prefix;
        UINT base;
    } numbered[] = {{"WINDOWS-", 0}, {"CP", 0}, {"IBM", 0}, {"ISO-8859-", 28590}};
    for (size_t i = 0; i < sizeof numbered / sizeof numbered[0]; ++i) {
        const size_t length = strlen(numbered[i].prefix);
        if (_strnicmp(name, numbered[i].prefix, length) == 0) {
            char* end = NULL;
            const unsigned long number = strtoul(name + length, &end, 10);
            if (end && *end == '\0' && number > 0)
                return numbered[i].base + (UINT)number;
        }
    }
    return 0;
}

iconv_t iconv_open(const char* to, const char* from) {
    const UINT toPage = CodePage(to);
    const UINT fromPage = CodePage(from);
    if (!toPage || !fromPage || !IsValidCodePage(toPage == UTF16LE ? UTF8 : toPage) ||
        !IsValidCodePage(fromPage == UTF16LE ? UTF8 : fromPage)) {
        errno = EINVAL;
        return (iconv_t)-1;
    }
    iconv_t cd = malloc(sizeof *cd);
    if (!cd) {
        errno = ENOMEM;
        return (iconv_t)-1;
    }
    cd->from = fromPage;
    cd->to = toPage;
    return cd;
}

int iconv_close(iconv_t cd) {
    free(cd);
    return 0;
}

/* The length of the next character of the input (1 to 4 bytes); 0 when the input ends inside
 * it, -1 when the bytes are no character. */
static int NextLength(UINT page, const unsigned char* in, size_t left) {
    if (page == UTF16LE) {
        if (left < 2)
            return 0;
        const unsigned unit = in[0] | (in[1] << 8);
        if (unit < 0xD800 || unit > 0xDFFF)
            return 2;
        if (unit > 0xDBFF)
            return -1;
        return left < 4 ? 0 : 4;
    }
    if (page == UTF8) {
        const int length = in[0] < 0x80 ? 1 : (in[0] & 0xE0) == 0xC0 ? 2 : (in[0] & 0xF0) == 0xE0 ? 3
                         : (in[0] & 0xF8) == 0xF0 ? 4 : -1;
        if (length < 0)
            return -1;
        return (size_t)length > left ? 0 : length;
    }
    if (IsDBCSLeadByteEx(page, in[0]))
        return left < 2 ? 0 : 2;
    return 1;
}

size_t iconv(iconv_t cd, char** in, size_t* inLeft, char** out, size_t* outLeft) {
    if (!in || !*in)
        return 0; /* no shift state to reset */
    size_t irreversible = 0;
    while (*inLeft > 0) {
        const int length = NextLength(cd->from, (const unsigned char*)*in, *inLeft);
        if (length <= 0) {
            errno = length == 0 ? EINVAL : EILSEQ;
            return (size_t)-1;
        }
        WCHAR wide[2];
        int units = 0;
        if (cd->from == UTF16LE) {
            memcpy(wide, *in, (size_t)length);
            units = length / 2;
        } else {
            units = MultiByteToWideChar(cd->from, cd->from == UTF8 ? MB_ERR_INVALID_CHARS : 0,
                                        *in, length, wide, 2);
            if (units <= 0) {
                errno = EILSEQ;
                return (size_t)-1;
            }
        }
        char bytes[8];
        int written = 0;
        if (cd->to == UTF16LE) {
            memcpy(bytes, wide, (size_t)units * 2);
            written = units * 2;
        } else {
            BOOL lost = FALSE;
            const BOOL exact = cd->to == UTF8 || cd->to == 65000;
            written = WideCharToMultiByte(cd->to, 0, wide, units, bytes, sizeof bytes, NULL,
                                          exact ? NULL : &lost);
            if (written <= 0) {
                errno = EILSEQ;
                return (size_t)-1;
            }
            irreversible += lost ? 1 : 0;
        }
        if ((size_t)written > *outLeft) {
            errno = E2BIG;
            return (size_t)-1;
        }
        memcpy(*out, bytes, (size_t)written);
        *out += written;
        *outLeft -= (size_t)written;
        *in += length;
        *inLeft -= (size_t)length;
    }
    return irreversible;
}

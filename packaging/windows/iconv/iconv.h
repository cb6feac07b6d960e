/* The iconv interface libmdb uses, for the Windows build: MinGW has no iconv and Debian
 * packages none for it. Converts between UTF-8, UCS-2LE/UTF-16LE and the Windows code pages
 * (WINDOWS-125x, CP125x, IBM8xx, ISO-8859-x and the others libmdb names) through the Windows
 * conversion functions, so an Access file's names read the same as with glibc's iconv. */
#ifndef RANVIK_ICONV_H
#define RANVIK_ICONV_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct ranvik_iconv* iconv_t;

iconv_t iconv_open(const char* to, const char* from);
size_t iconv(iconv_t cd, char** in, size_t* inLeft, char** out, size_t* outLeft);
int iconv_close(iconv_t cd);

#ifdef __cplusplus
}
#endif

#endif

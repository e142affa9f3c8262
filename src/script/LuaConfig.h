/* Configuration of the script runtime: integer numbers, paths, limits.
**
** This header takes the place of Lua's own luaconf.h: it is force-included
** before every Lua C file and included first by LuaRuntime.h, and it defines
** the include guard of the stock header so that the stock one expands to
** nothing. Every script number is a 32-bit int. Arithmetic wraps (it is done
** on unsigned values), "/" truncates toward zero, "%" is the C remainder and
** "^" is pow truncated and clamped into the int range. Division or remainder
** by zero yields 0 or the dividend instead of trapping, and INT_MIN / -1 is
** INT_MIN, so no script can stop the program through arithmetic.
*/
#ifndef ZORBIX_LUA_CONFIG_H
#define ZORBIX_LUA_CONFIG_H

/* The stock configuration header is skipped from here on. */
#define lconfig_h

#include <limits.h>
#include <stddef.h>
#include <stdio.h>

#define LUA_USE_POSIX
#define LUA_USE_MKSTEMP
#define LUA_USE_ISATTY
#define LUA_USE_POPEN

#define LUA_PATH "LUA_PATH"
#define LUA_CPATH "LUA_CPATH"
#define LUA_INIT "LUA_INIT"

#define LUA_ROOT "/usr/local/"
#define LUA_LDIR LUA_ROOT "share/lua/5.1/"
#define LUA_CDIR LUA_ROOT "lib/lua/5.1/"
#define LUA_PATH_DEFAULT "./?.lua;" LUA_LDIR "?.lua;" LUA_LDIR "?/init.lua;" LUA_CDIR "?.lua;" LUA_CDIR "?/init.lua"
#define LUA_CPATH_DEFAULT "./?.so;" LUA_CDIR "?.so;" LUA_CDIR "loadall.so"

#define LUA_DIRSEP "/"
#define LUA_PATHSEP ";"
#define LUA_PATH_MARK "?"
#define LUA_EXECDIR "!"
#define LUA_IGMARK "-"

#define LUA_INTEGER ptrdiff_t

#ifdef __cplusplus
#define LUA_API extern "C"
#else
#define LUA_API extern
#endif
#define LUALIB_API LUA_API

#if defined(__GNUC__) && defined(__ELF__)
#define LUAI_FUNC __attribute__((visibility("hidden"))) extern
#define LUAI_DATA LUAI_FUNC
#else
#define LUAI_FUNC extern
#define LUAI_DATA extern
#endif

#define LUA_QL(x) "'" x "'"
#define LUA_QS LUA_QL("%s")
#define LUA_IDSIZE 60

#define LUAI_GCPAUSE 200
#define LUAI_GCMUL 200

#undef LUA_COMPAT_GETN
#undef LUA_COMPAT_LOADLIB
#define LUA_COMPAT_VARARG
#define LUA_COMPAT_MOD
#define LUA_COMPAT_LSTR 1
#define LUA_COMPAT_GFIND
#define LUA_COMPAT_OPENLIB

#define luai_apicheck(L, o) \
    { (void)L; }

#define LUAI_BITSINT 32
#define LUAI_UINT32 unsigned int
#define LUAI_INT32 int
#define LUAI_MAXINT32 INT_MAX
#define LUAI_UMEM size_t
#define LUAI_MEM ptrdiff_t

#define LUAI_MAXCALLS 20000
#define LUAI_MAXCSTACK 8000
#define LUAI_MAXCCALLS 200
#define LUAI_MAXVARS 200
#define LUAI_MAXUPVALUES 60
#define LUAL_BUFFERSIZE BUFSIZ

/* Numbers. */
#define LUA_NUMBER int
#define LUAI_UACNUMBER int
#define LUA_NUMBER_SCAN "%d"
#define LUA_NUMBER_FMT "%i"
#define LUAI_MAXNUMBER2STR 32
#define lua_number2str(s, n) snprintf((s), LUAI_MAXNUMBER2STR, LUA_NUMBER_FMT, (n))
#define lua_number2int(i, d) ((i) = (int)(d))
#define lua_number2integer(i, d) ((i) = (LUA_INTEGER)(d))

#ifdef ZORBIX_LUA_BUILD
#include <ctype.h>
#include <math.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

/* Reads the decimal number at the start of s (after white space) the way a
** C89 strtod would: digits, an optional fraction and an optional exponent.
** Hexadecimal floats, "inf" and "nan" are not numbers here; a text such as
** "0x10" stops at the "x" so that the caller reads it again as hexadecimal.
** The value is truncated toward zero and clamped into the int range. */
static inline int zorbix_str2number(const char* s, char** endptr) {
    const char* p = s;
    int digits = 0;
    double d;
    while (isspace((unsigned char)*p))
        p++;
    if (*p == '+' || *p == '-')
        p++;
    while (isdigit((unsigned char)*p)) {
        p++;
        digits++;
    }
    if (*p == '.') {
        p++;
        while (isdigit((unsigned char)*p)) {
            p++;
            digits++;
        }
    }
    if (digits == 0) {
        *endptr = (char*)s;
        return 0;
    }
    if (*p == 'e' || *p == 'E') {
        const char* q = p + 1;
        if (*q == '+' || *q == '-')
            q++;
        if (isdigit((unsigned char)*q)) {
            while (isdigit((unsigned char)*q))
                q++;
            p = q;
        }
    }
    *endptr = (char*)p;
    /* Before an "x" the value is read again in hexadecimal; the host strtod
    ** would take "0x..." as a hexadecimal float, so it is not asked. */
    if (*p == 'x' || *p == 'X')
        return 0;
    d = strtod(s, NULL);
    if (d >= 2147483647.0)
        return INT_MAX;
    if (d <= -2147483648.0)
        return INT_MIN;
    return (int)d;
}

static inline int zorbix_numadd(int a, int b) { return (int)((unsigned)a + (unsigned)b); }
static inline int zorbix_numsub(int a, int b) { return (int)((unsigned)a - (unsigned)b); }
static inline int zorbix_nummul(int a, int b) { return (int)((unsigned)a * (unsigned)b); }
static inline int zorbix_numunm(int a) { return (int)(0u - (unsigned)a); }

static inline int zorbix_numdiv(int a, int b) {
    if (b == 0)
        return 0;
    if (b == -1)
        return zorbix_numunm(a);
    return a / b;
}

static inline int zorbix_nummod(int a, int b) {
    if (b == 0)
        return a;
    if (b == -1)
        return 0;
    return a % b;
}

static inline int zorbix_numpow(int a, int b) {
    double r = pow((double)a, (double)b);
    if (r != r)
        return 0;
    if (r >= 2147483647.0)
        return INT_MAX;
    if (r <= -2147483648.0)
        return INT_MIN;
    return (int)r;
}

#define lua_str2number(s, p) zorbix_str2number((s), (p))
#define luai_numadd(a, b) zorbix_numadd((a), (b))
#define luai_numsub(a, b) zorbix_numsub((a), (b))
#define luai_nummul(a, b) zorbix_nummul((a), (b))
#define luai_numdiv(a, b) zorbix_numdiv((a), (b))
#define luai_nummod(a, b) zorbix_nummod((a), (b))
#define luai_numpow(a, b) zorbix_numpow((a), (b))
#define luai_numunm(a) zorbix_numunm((a))
#define luai_numeq(a, b) ((a) == (b))
#define luai_numlt(a, b) ((a) < (b))
#define luai_numle(a, b) ((a) <= (b))
#define luai_numisnan(a) ((void)(a), 0)

/* The runtime's standard streams are the game's, which it may redirect. */
extern FILE* myStdin;
extern FILE* myStdout;
extern FILE* myStderr;
#undef stdin
#undef stdout
#undef stderr
#define stdin myStdin
#define stdout myStdout
#define stderr myStderr
#endif /* ZORBIX_LUA_BUILD */

#define LUAI_USER_ALIGNMENT_T \
    union {                   \
        double u;             \
        void* s;              \
        long l;               \
    }

/* Errors unwind with setjmp/longjmp, also when native code is C++. */
#define LUAI_THROW(L, c) longjmp((c)->b, 1)
#define LUAI_TRY(L, c, a)      \
    if (setjmp((c)->b) == 0) { \
        a                      \
    }
#define luai_jmpbuf jmp_buf

#define LUA_MAXCAPTURES 32

#define LUA_TMPNAMBUFSIZE 32
#define lua_tmpnam(b, e)              \
    {                                 \
        strcpy(b, "/tmp/lua_XXXXXX"); \
        e = mkstemp(b);               \
        if (e != -1)                  \
            close(e);                 \
        e = (e == -1);                \
    }

#define lua_popen(L, c, m) ((void)L, fflush(NULL), popen(c, m))
#define lua_pclose(L, file) ((void)L, (pclose(file) != -1))

#define LUAI_EXTRASPACE 0
#define luai_userstateopen(L) ((void)L)
#define luai_userstateclose(L) ((void)L)
#define luai_userstatethread(L, L1) ((void)L)
#define luai_userstatefree(L) ((void)L)
#define luai_userstateresume(L, n) ((void)L)
#define luai_userstateyield(L, n) ((void)L)

#define LUA_INTFRMLEN "l"
#define LUA_INTFRM_T long

#endif

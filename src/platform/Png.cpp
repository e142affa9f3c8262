// PNG writer for frames read back from GL (rows arrive bottom first).
#include <png.h>

#include <cstdio>
#include <vector>

#include "platform/platform.h"

bool platformWritePng(const std::string& path, const unsigned char* rgba, int width, int height) {
    if (!rgba || width <= 0 || height <= 0)
        return false;
    // Written beside the target and renamed, so a reader never sees half a file.
    std::string temporary = path + ".part";
    FILE* f = fopen(temporary.c_str(), "wb");
    if (!f)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info) {
        png_destroy_write_struct(&png, &info);
        fclose(f);
        remove(temporary.c_str());
        return false;
    }
    std::vector<png_bytep> rows(height);
    for (int i = 0; i < height; i++)
        rows[i] = (png_bytep)(rgba + (size_t)(height - 1 - i) * width * 4);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        fclose(f);
        remove(temporary.c_str());
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    bool ok = fflush(f) == 0;
    ok = fclose(f) == 0 && ok;
    if (!ok || rename(temporary.c_str(), path.c_str()) != 0) {
        remove(temporary.c_str());
        return false;
    }
    return true;
}

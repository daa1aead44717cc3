// conversion-floor decode IN [TIMES] | write BYTES OUT [TIMES] | copy IN OUT [TIMES]
// The least a conversion must do, to measure ours against: decoding the JPEG
// with the program's settings (on a true-colour screen) into one reused row (nothing kept, nothing
// written); writing a file of the wallpaper's size from one small reused
// buffer; and, for a bitmap picture, reading its file and writing its bytes
// anew. Both writes go to OUT.new, which then replaces OUT, as the
// program's wallpaper file is replaced. TIMES times over (default once), so
// that the cost of starting a process can be taken off.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "FloorReplace.h"

namespace {

int Decode(const char* path) {
  std::FILE* in = std::fopen(path, "rb");
  if (in == nullptr) return 1;
  std::vector<unsigned char> data;
  unsigned char chunk[1 << 16];
  for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, in)) > 0;) {
    data.insert(data.end(), chunk, chunk + got);
  }
  std::fclose(in);
  jpeg_decompress_struct c{};
  jpeg_error_mgr error{};
  c.err = jpeg_std_error(&error);
  jpeg_create_decompress(&c);
  jpeg_mem_src(&c, data.data(), static_cast<unsigned long>(data.size()));
  jpeg_read_header(&c, TRUE);
  c.dct_method = JDCT_ISLOW;
  c.do_fancy_upsampling = TRUE;
  c.do_block_smoothing = TRUE;
  c.out_color_space = JCS_EXT_BGR;
  if (c.jpeg_color_space == JCS_GRAYSCALE) {
    // A grayscale wallpaper is quantized to 236 dithered levels.
    c.out_color_space = JCS_GRAYSCALE;
    c.quantize_colors = TRUE;
    c.desired_number_of_colors = 236;
    c.dither_mode = JDITHER_FS;
  }
  jpeg_start_decompress(&c);
  std::vector<unsigned char> row(static_cast<std::size_t>(c.output_width) * c.output_components);
  while (c.output_scanline < c.output_height) {
    JSAMPROW sample = row.data();
    jpeg_read_scanlines(&c, &sample, 1);
  }
  jpeg_finish_decompress(&c);
  jpeg_destroy_decompress(&c);
  return 0;
}

int Write(long long bytes, const char* path) {
  const std::string fresh = std::string(path) + ".new";
  std::FILE* out = std::fopen(fresh.c_str(), "wb");
  if (out == nullptr) return 1;
  std::setvbuf(out, nullptr, _IONBF, 0);
  std::vector<unsigned char> block(256 * 1024, 0x5A);
  for (long long left = bytes; left > 0;) {
    const std::size_t n = static_cast<std::size_t>(std::min<long long>(left, static_cast<long long>(block.size())));
    if (std::fwrite(block.data(), 1, n, out) != n) return 1;
    left -= static_cast<long long>(n);
  }
  if (std::fclose(out) != 0) return 1;
  return conversion_floor::Replace(fresh.c_str(), path) ? 0 : 1;
}

// In blocks of the program's strip size.
int Copy(const char* from, const char* path) {
  std::FILE* in = std::fopen(from, "rb");
  if (in == nullptr) return 1;
  std::setvbuf(in, nullptr, _IONBF, 0);
  const std::string fresh = std::string(path) + ".new";
  std::FILE* out = std::fopen(fresh.c_str(), "wb");
  if (out == nullptr) return 1;
  std::setvbuf(out, nullptr, _IONBF, 0);
  std::vector<unsigned char> block(1024 * 1024);
  for (std::size_t got; (got = std::fread(block.data(), 1, block.size(), in)) > 0;) {
    if (std::fwrite(block.data(), 1, got, out) != got) return 1;
  }
  std::fclose(in);
  if (std::fclose(out) != 0) return 1;
  return conversion_floor::Replace(fresh.c_str(), path) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  const bool decode = mode == "decode" && (argc == 3 || argc == 4);
  const bool write = mode == "write" && (argc == 4 || argc == 5);
  const bool copy = mode == "copy" && (argc == 4 || argc == 5);
  if (!decode && !write && !copy) {
    std::fprintf(stderr, "usage: conversion-floor decode IN [TIMES] | write BYTES OUT [TIMES] | copy IN OUT [TIMES]\n");
    return 2;
  }
  const int last = decode ? 3 : 4;
  const int times = argc > last ? std::atoi(argv[last]) : 1;
  for (int i = 0; i < times; ++i) {
    const int status = decode ? Decode(argv[2]) : write ? Write(std::atoll(argv[2]), argv[3]) : Copy(argv[2], argv[3]);
    if (status != 0) return status;
  }
  return 0;
}

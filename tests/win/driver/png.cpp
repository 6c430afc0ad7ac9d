#include <windows.h>
#include <zlib.h>

#include "win/driver/image.h"

namespace sk::gui {
namespace {

void AppendBigEndian(std::string& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

// length, type, data, and the CRC-32 of type and data
void AppendChunk(std::string& out, const char (&type)[5], const std::string& data) {
  AppendBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::string body = std::string(type, 4) + data;
  out += body;
  AppendBigEndian(out, crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size())));
}

std::string Header(const Image& image) {
  std::string header;
  AppendBigEndian(header, static_cast<std::uint32_t>(image.width));
  AppendBigEndian(header, static_cast<std::uint32_t>(image.height));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // depth 8, truecolour, deflate, no filter, no interlace
  return header;
}

// Every row behind its filter byte 0 (none).
std::string Scanlines(const Image& image) {
  const size_t rowBytes = static_cast<size_t>(image.width) * 3;
  std::string raw;
  raw.reserve((rowBytes + 1) * image.height);
  for (int y = 0; y < image.height; ++y) {
    raw.push_back('\0');
    raw.append(reinterpret_cast<const char*>(image.rgb.data()) + y * rowBytes, rowBytes);
  }
  return raw;
}

bool Deflate(const std::string& raw, std::string& compressed) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  compressed.resize(size);
  if (compress2(reinterpret_cast<Bytef*>(compressed.data()), &size,
                reinterpret_cast<const Bytef*>(raw.data()), static_cast<uLong>(raw.size()),
                Z_BEST_COMPRESSION) != Z_OK)
    return false;
  compressed.resize(size);
  return true;
}

}  // namespace

std::string EncodePng(const Image& image) {
  if (image.width <= 0 || image.height <= 0 ||
      image.rgb.size() != static_cast<size_t>(image.width) * image.height * 3)
    return {};
  std::string compressed;
  if (!Deflate(Scanlines(image), compressed)) return {};
  std::string png("\x89PNG\r\n\x1a\n", 8);
  AppendChunk(png, "IHDR", Header(image));
  AppendChunk(png, "IDAT", compressed);
  AppendChunk(png, "IEND", "");
  return png;
}

bool SavePng(const Image& image, const std::string& path) {
  const std::string png = EncodePng(image);
  if (png.empty()) return false;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, png.data(), static_cast<DWORD>(png.size()), &written, nullptr) &&
                  written == png.size();
  return CloseHandle(file) && ok;
}

}  // namespace sk::gui

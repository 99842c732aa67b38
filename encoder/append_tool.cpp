// Build-time tool, compiled for the build machine: appends FFmpeg to the
// encoder program, and the encoder to its carrier.
//   append_tool payload <encoder stub> <ffmpeg.exe> <libm9s.exe>
//   append_tool carrier <libm9s.exe> <plug.exe>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "encoder/payload_layout.h"

namespace {

std::string ReadWholeFile(const char* path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    throw std::runtime_error(std::string("cannot read ") + path);
  }
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Written under a temporary name and renamed, so that an interrupted build
// never leaves a truncated file that looks up to date.
void WriteWholeFile(const std::string& path, const std::string& head, const std::string& body,
                    const std::string& tail) {
  const std::string temporary = path + ".partial";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file << head << body << tail;
    if (!file.flush()) {
      throw std::runtime_error("cannot write " + temporary);
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    throw std::runtime_error("cannot rename " + temporary + " to " + path);
  }
}

void AppendPayload(const char* stubPath, const char* payloadPath, const char* outputPath) {
  const std::string payload = ReadWholeFile(payloadPath);
  encoder::Fnv1aHash hash;
  hash.Add(payload.data(), payload.size());
  WriteWholeFile(outputPath, ReadWholeFile(stubPath), payload,
                 encoder::EncodePayloadTrailer({payload.size(), hash.Value()}));
}

void MakeCarrier(const char* carriedPath, const char* carrierPath) {
  static const char kHeader[] =
      "Vexmoor encoder carrier: libm9s.exe follows, and the last four bytes hold its size plus "
      "four (little-endian).\r\n\x1a";
  const std::string carried = ReadWholeFile(carriedPath);
  if (carried.size() > INT32_MAX - 4) {
    throw std::runtime_error("libm9s.exe is too large for a carrier");
  }
  WriteWholeFile(carrierPath, kHeader, carried,
                 encoder::EncodeCarrierTrailer(static_cast<std::uint32_t>(carried.size())));
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "payload" && argc == 5) {
      AppendPayload(argv[2], argv[3], argv[4]);
    } else if (mode == "carrier" && argc == 4) {
      MakeCarrier(argv[2], argv[3]);
    } else {
      throw std::runtime_error(
          "usage: append_tool payload <stub> <ffmpeg.exe> <libm9s.exe> | carrier <libm9s.exe> "
          "<plug.exe>");
    }
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "append_tool: %s\n", error.what());
    return 1;
  }
}

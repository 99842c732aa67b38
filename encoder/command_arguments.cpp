#include "encoder/command_arguments.h"

#include <set>

namespace encoder {

const char kUsage[] =
    "usage: libm9s -i <input>  -f 3gp -b <video kbit/s> -r <frames/s> -s <width>x<height> "
    "-ar <Hz> -ab <audio kbit/s> -ac <channels> -y <output>";

namespace {

constexpr std::string_view kInputOption = " -i ";
constexpr std::string_view kFormatAfterInput = "  -f ";

bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string BadValue(std::string_view name, std::string_view value, const char* expected) {
  return "bad value for " + std::string(name) + ": \"" + std::string(value) + "\" (" + expected +
         " expected)";
}

int PositiveNumber(std::string_view name, std::string_view value) {
  const char* expected = "a whole number above 0";
  if (!AllDigits(value) || value.size() > 9) {
    throw CommandLineError(BadValue(name, value, expected));
  }
  const int number = std::stoi(std::string(value));
  if (number == 0) {
    throw CommandLineError(BadValue(name, value, expected));
  }
  return number;
}

std::string FrameRate(std::string_view value) {
  const size_t point = value.find('.');
  const bool wellFormed =
      point == std::string_view::npos
          ? AllDigits(value)
          : AllDigits(value.substr(0, point)) &&
                (point + 1 == value.size() || AllDigits(value.substr(point + 1)));
  if (!wellFormed || value.find_first_not_of("0.") == std::string_view::npos) {
    throw CommandLineError(BadValue("-r", value, "frames per second above 0"));
  }
  return std::string(value);
}

std::string FrameSize(std::string_view value) {
  const size_t x = value.find('x');
  if (x == std::string_view::npos || !AllDigits(value.substr(0, x)) ||
      !AllDigits(value.substr(x + 1))) {
    throw CommandLineError(BadValue("-s", value, "<width>x<height>"));
  }
  return std::string(value);
}

void AssignOption(std::string_view name, std::string_view value, EncoderRequest& request) {
  if (name == "-f") {
    request.format = value;
  } else if (name == "-b") {
    request.videoBitrate = PositiveNumber(name, value);
  } else if (name == "-r") {
    request.frameRate = FrameRate(value);
  } else if (name == "-s") {
    request.frameSize = FrameSize(value);
  } else if (name == "-ar") {
    request.sampleRate = PositiveNumber(name, value);
  } else if (name == "-ab") {
    request.audioBitrate = PositiveNumber(name, value);
  } else if (name == "-ac") {
    request.channels = PositiveNumber(name, value);
  } else {
    throw CommandLineError("unknown option " + std::string(name));
  }
}

// Reads "-f 3gp -b 120 ... -y <output>" into the request.
void ParseOptions(std::string_view options, EncoderRequest& request) {
  std::set<std::string_view> seen;
  size_t position = 0;
  for (;;) {
    position = options.find_first_not_of(' ', position);
    if (position == std::string_view::npos) {
      throw CommandLineError("missing -y and the output path");
    }
    const size_t nameEnd = options.find(' ', position);
    const std::string_view name = options.substr(position, nameEnd - position);
    if (name == "-y") {
      if (nameEnd == std::string_view::npos || nameEnd + 1 == options.size()) {
        throw CommandLineError("missing the output path after -y");
      }
      request.outputPath = options.substr(nameEnd + 1);
      break;
    }
    const size_t valueStart =
        nameEnd == std::string_view::npos ? nameEnd : options.find_first_not_of(' ', nameEnd);
    if (valueStart == std::string_view::npos) {
      throw CommandLineError("missing the value of " + std::string(name));
    }
    const size_t valueEnd = options.find(' ', valueStart);
    AssignOption(name, options.substr(valueStart, valueEnd - valueStart), request);
    if (!seen.insert(name).second) {
      throw CommandLineError(std::string(name) + " is given twice");
    }
    position = valueEnd;
  }
  for (const char* required : {"-f", "-b", "-r", "-ar", "-ab", "-ac"}) {
    if (!seen.count(required)) {
      throw CommandLineError("missing option " + std::string(required));
    }
  }
}

std::string_view AfterQuotedProgramName(std::string_view line) {
  if (line.empty() || line.front() != '"') {
    return line;
  }
  const size_t close = line.find('"', 1);
  return close == std::string_view::npos ? std::string_view() : line.substr(close + 1);
}

}  // namespace

EncoderRequest ParseCommandLine(std::string_view commandLine) {
  // A quoted program name may hold anything; an unquoted one (a path with
  // blanks, as the converter writes it) ends where " -i " starts.
  const std::string_view arguments = AfterQuotedProgramName(commandLine);
  const size_t inputOption = arguments.find(kInputOption);
  if (inputOption == std::string_view::npos) {
    throw CommandLineError("missing -i and the input path");
  }
  const std::string_view rest = arguments.substr(inputOption + kInputOption.size());

  // The input path may itself hold "  -f ": the first place from which the
  // rest reads as a whole set of options ends it.
  std::string firstError = "the input path must be followed by two blanks and -f";
  bool firstCandidate = true;
  for (size_t end = rest.find(kFormatAfterInput); end != std::string_view::npos;
       end = rest.find(kFormatAfterInput, end + 1)) {
    EncoderRequest request;
    try {
      if (end == 0) {
        throw CommandLineError("missing the input path after -i");
      }
      ParseOptions(rest.substr(end + 2), request);
      request.inputPath = rest.substr(0, end);
      return request;
    } catch (const CommandLineError& error) {
      if (firstCandidate) {
        firstError = error.what();
      }
      firstCandidate = false;
    }
  }
  throw CommandLineError(firstError);
}

}  // namespace encoder

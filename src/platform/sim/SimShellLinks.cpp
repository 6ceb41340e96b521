#include "platform/sim/SimShellLinks.h"

#include "common/WideText.h"
#include "platform/sim/SimText.h"

namespace kalvora::platform::sim {
namespace {

constexpr char kMagic[] = "KALVORA-SIM-SHORTCUT\n";
constexpr std::size_t kBufferChars = 260;  // MAX_PATH, with the terminating zero
constexpr StatusCode kPathNotFound = static_cast<StatusCode>(0x80070003u);

// What fits a MAX_PATH buffer.
std::string Clipped(std::string text) {
  if (text.size() > kBufferChars - 1) text.resize(kBufferChars - 1);
  return text;
}

std::wstring Clipped(std::wstring text) {
  if (text.size() > kBufferChars - 1) text.resize(kBufferChars - 1);
  return text;
}

// Line breaks inside a field would break the format; they are escaped.
std::string EscapeField(const std::wstring& field) {
  std::string out;
  for (char c : text::WideToUtf8(field)) {
    if (c == '\\') out += "\\\\";
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

std::wstring UnescapeField(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 1 < field.size()) {
      out += field[i + 1] == 'n' ? '\n' : field[i + 1];
      ++i;
    } else {
      out += field[i];
    }
  }
  return text::Utf8ToWide(out);
}

}  // namespace

std::string SimShellLinks::Encode(const SimShortcut& s) {
  return std::string(kMagic) + "target=" + EscapeField(s.target) + "\nworkdir=" + EscapeField(s.workingDirectory) +
         "\ndescription=" + EscapeField(s.description) + "\narguments=" + EscapeField(s.arguments) +
         "\ncomponent=" + EscapeField(s.component) + "\n";
}

std::optional<SimShortcut> SimShellLinks::Decode(const std::string& bytes) {
  const std::string magic = kMagic;
  if (bytes.compare(0, magic.size(), magic) != 0) return std::nullopt;
  SimShortcut s;
  std::size_t pos = magic.size();
  while (pos < bytes.size()) {
    std::size_t end = bytes.find('\n', pos);
    if (end == std::string::npos) return std::nullopt;  // cut short
    const std::string line = bytes.substr(pos, end - pos);
    pos = end + 1;
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) return std::nullopt;
    const std::string name = line.substr(0, eq);
    const std::wstring value = UnescapeField(line.substr(eq + 1));
    if (name == "target") s.target = value;
    else if (name == "workdir") s.workingDirectory = value;
    else if (name == "description") s.description = value;
    else if (name == "arguments") s.arguments = value;
    else if (name == "component") s.component = value;
    else return std::nullopt;
  }
  return s;
}

std::optional<SimShortcut> SimShellLinks::Shortcut(const std::wstring& linkPath) const {
  auto bytes = files_.ReadFile(linkPath);
  if (!bytes) return std::nullopt;
  return Decode(*bytes);
}

void SimShellLinks::AddShortcut(const std::wstring& linkPath, const SimShortcut& shortcut) {
  files_.AddFile(linkPath, Encode(shortcut));
}

void SimShellLinks::MoveTarget(const std::wstring& from, const std::wstring& to) { moves_[Fold(from)] = to; }

std::optional<StatusCode> SimShellLinks::Failure(LinkStep step) const {
  auto it = failures_.find(step);
  if (it == failures_.end()) return std::nullopt;
  return it->second;
}

std::wstring SimShellLinks::ReadTarget(const std::wstring& linkPath) {
  if (Failure(LinkStep::Create) || Failure(LinkStep::PersistFile) || Failure(LinkStep::Load)) return {};
  auto shortcut = Shortcut(linkPath);
  return shortcut ? Clipped(shortcut->target) : std::wstring();
}

AnsiLinkRead SimShellLinks::ReadAnsi(const std::wstring& linkPath, WindowHandle owner) {
  AnsiLinkRead read;
  auto fail = [&read](LinkStep step, StatusCode status) {
    read.failedStep = step;
    read.status = status;
    return read;
  };
  for (LinkStep step : {LinkStep::Create, LinkStep::PersistFile})
    if (auto code = Failure(step)) return fail(step, *code);

  if (auto code = Failure(LinkStep::Load)) return fail(LinkStep::Load, *code);
  if (linkPath.size() >= kBufferChars) return fail(LinkStep::Load, kStatusPathTooLong);
  auto bytes = files_.ReadFile(linkPath);
  if (!bytes) return fail(LinkStep::Load, kStatusFileNotFound);
  auto shortcut = Decode(*bytes);
  if (!shortcut) return fail(LinkStep::Load, kStatusFail);

  lastOwner_ = owner;
  if (auto code = Failure(LinkStep::Resolve)) return fail(LinkStep::Resolve, *code);
  const bool present = files_.FileExists(shortcut->target) || files_.DirectoryExists(shortcut->target);
  auto moved = moves_.find(Fold(shortcut->target));
  if (!present && moved != moves_.end()) {
    shortcut->target = moved->second;
    files_.WriteFile(linkPath, Encode(*shortcut));
  }

  if (auto code = Failure(LinkStep::GetPath)) return fail(LinkStep::GetPath, *code);
  read.target = Clipped(ToAnsi(shortcut->target));
  read.offersDataList = dataList_;

  const std::pair<LinkStep, std::pair<std::string*, const std::wstring*>> fields[] = {
      {LinkStep::Description, {&read.description, &shortcut->description}},
      {LinkStep::Arguments, {&read.arguments, &shortcut->arguments}},
      {LinkStep::WorkingDirectory, {&read.workingDirectory, &shortcut->workingDirectory}},
  };
  for (const auto& [step, field] : fields) {
    if (auto code = Failure(step)) return fail(step, *code);
    *field.first = Clipped(ToAnsi(*field.second));
  }
  return read;
}

StatusCode SimShellLinks::Write(const std::wstring& linkPath, const std::wstring& target,
                                const std::wstring& workingFolder) {
  SimShortcut shortcut;
  shortcut.target = target;
  shortcut.workingDirectory = workingFolder;
  return files_.WriteFile(linkPath, Encode(shortcut)) ? kStatusOk : kPathNotFound;
}

}  // namespace kalvora::platform::sim

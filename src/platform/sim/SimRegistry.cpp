#include "platform/sim/SimRegistry.h"

#include "common/WideText.h"
#include "platform/sim/SimText.h"

namespace kalvora::platform::sim {
namespace {

std::wstring CleanPath(const std::wstring& path) {
  std::wstring out = Fold(path);
  while (!out.empty() && out.back() == L'\\') out.pop_back();
  while (!out.empty() && out.front() == L'\\') out.erase(0, 1);
  return out;
}

bool IsText(RegistryType type) { return type == RegistryType::String || type == RegistryType::ExpandString; }

std::wstring Join(const std::wstring& a, const std::wstring& b) { return b.empty() ? a : a + L'\\' + b; }

// The rest of the path when it is the prefix or lies below it.
bool Below(const std::wstring& path, const std::wstring& prefix, std::wstring& rest) {
  if (path == prefix) {
    rest.clear();
    return true;
  }
  if (!path.starts_with(prefix + L'\\')) return false;
  rest = path.substr(prefix.size() + 1);
  return true;
}

// Below a hive's classes only the COM registrations have a 32-bit copy of
// their own; Windows 7 and later share the rest between the views.
std::wstring Classes32(const std::wstring& classesPath) {
  const std::wstring first = classesPath.substr(0, classesPath.find(L'\\'));
  const bool redirected = first == L"clsid" || first == L"directshow" || first == L"interface" ||
                          first == L"media type" || first == L"mediafoundation";
  return redirected ? Join(L"wow6432node", classesPath) : classesPath;
}

// The key a path below HKLM or HKCU names in the view. The 32-bit view moves
// HKLM\Software\X to HKLM\Software\WOW6432Node\X and the COM registrations
// of either hive's classes to Classes\WOW6432Node. HKLM\Software\WOW6432Node\Classes
// is a link to HKLM\Software\Classes\WOW6432Node in every view.
std::wstring InView(const std::wstring& path, bool machine, RegistryView view) {
  std::wstring rest;
  if (machine && Below(path, L"software\\wow6432node\\classes", rest))
    return Join(L"software\\classes\\wow6432node", rest);
  if (view == RegistryView::Default) return path;
  if (Below(path, L"software\\classes", rest)) return Join(L"software\\classes", Classes32(rest));
  if (!machine || !Below(path, L"software", rest)) return path;
  if (rest == L"wow6432node" || rest.starts_with(L"wow6432node\\")) return path;
  return Join(L"software\\wow6432node", rest);
}

}  // namespace

std::wstring SimRegistry::Location(const RegistryKey& key) const {
  const std::wstring path = CleanPath(key.path);
  switch (key.root) {
    case RegistryRoot::CurrentUser:
      return Join(L"hkcu", InView(path, false, key.view));
    case RegistryRoot::LocalMachine:
      return Join(L"hklm", InView(path, true, key.view));
    case RegistryRoot::ClassesRoot:
      break;
  }
  // The merged view: the user's key when there is one, else the machine's.
  // Values are written to the key seen, so a user's key takes them; a key
  // that is nowhere yet is made among the machine's classes.
  const std::wstring classesPath = Join(L"software\\classes", path);
  const std::wstring user = Join(L"hkcu", InView(classesPath, false, key.view));
  if (keys_.count(user)) return user;
  return Join(L"hklm", InView(classesPath, true, key.view));
}

SimRegistry::Key& SimRegistry::Make(const std::wstring& location) {
  for (std::size_t slash = location.find(L'\\'); slash != std::wstring::npos; slash = location.find(L'\\', slash + 1))
    keys_[location.substr(0, slash)];
  return keys_[location];
}

SimRegistry::Value* SimRegistry::Key::Find(const std::wstring& name) {
  for (Value& value : values)
    if (EqualsFolded(value.name, name)) return &value;
  return nullptr;
}

SimRegistry::Key* SimRegistry::Open(const RegistryKey& key) {
  const std::wstring location = Location(key);
  if (key.access == RegistryAccess::AllAccess && Refused(location)) return nullptr;
  auto k = keys_.find(location);
  return k == keys_.end() ? nullptr : &k->second;
}

bool SimRegistry::KeyExists(const RegistryKey& key) {
  const std::wstring location = Location(key);
  if (key.access == RegistryAccess::AllAccess && Refused(location)) return false;
  return location == L"hkcu" || location == L"hklm" || keys_.count(location) > 0;
}

std::optional<std::wstring> SimRegistry::ReadString(const RegistryKey& key, const std::wstring& name) {
  Key* k = Open(key);
  const Value* v = k ? k->Find(name) : nullptr;
  if (!v) return std::nullopt;
  if (!IsText(v->type))
    throw RegistryTypeError("registry value is not text: " + text::WideToUtf8(key.path) + "\\" +
                            text::WideToUtf8(name));
  return v->data;
}

std::optional<std::uint32_t> SimRegistry::ReadNumber(const RegistryKey& key, const std::wstring& name) {
  Key* k = Open(key);
  const Value* v = k ? k->Find(name) : nullptr;
  if (!v || v->type != RegistryType::Dword) return std::nullopt;
  // The data stands for the number in decimal.
  std::uint32_t number = 0;
  for (wchar_t c : v->data) {
    if (c < L'0' || c > L'9') return std::nullopt;
    number = number * 10 + static_cast<std::uint32_t>(c - L'0');
  }
  return number;
}

std::optional<std::vector<RegistryValue>> SimRegistry::ReadValues(const RegistryKey& key) {
  Key* k = Open(key);
  if (!k) return std::nullopt;
  std::vector<RegistryValue> values;
  for (const Value& v : k->values) {
    const bool isText = IsText(v.type);
    values.push_back(RegistryValue{v.name, isText, isText ? v.data : std::wstring()});
  }
  return values;
}

bool SimRegistry::Refused(const std::wstring& location) const {
  return machineRefused_ && (location == L"hklm" || location.starts_with(L"hklm\\"));
}

bool SimRegistry::WriteString(const RegistryKey& key, const std::wstring& name, const std::wstring& value) {
  ++changeRequests_;
  if (Refused(Location(key))) return false;
  SetValue(key, name, RegistryType::String, value);
  return true;
}

bool SimRegistry::DeleteValue(const RegistryKey& key, const std::wstring& name) {
  ++changeRequests_;
  const std::wstring location = Location(key);
  if (Refused(location)) return false;
  auto k = keys_.find(location);
  if (k == keys_.end()) return false;
  auto& values = k->second.values;
  for (auto v = values.begin(); v != values.end(); ++v) {
    if (EqualsFolded(v->name, name)) {
      values.erase(v);
      return true;
    }
  }
  return false;
}

void SimRegistry::SetValue(const RegistryKey& key, const std::wstring& name, RegistryType type,
                           const std::wstring& data) {
  Key& k = Make(Location(key));
  if (Value* existing = k.Find(name)) {
    existing->type = type;
    existing->data = data;
  } else {
    k.values.push_back(Value{name, type, data});
  }
}

void SimRegistry::CreateKey(const RegistryKey& key) { Make(Location(key)); }

void SimRegistry::DeleteKey(const RegistryKey& key) {
  const std::wstring location = Location(key);
  for (auto it = keys_.begin(); it != keys_.end();) {
    if (it->first == location || it->first.starts_with(location + L'\\'))
      it = keys_.erase(it);
    else
      ++it;
  }
}

}  // namespace kalvora::platform::sim

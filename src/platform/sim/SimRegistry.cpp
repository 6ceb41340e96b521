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

std::wstring Redirected32(const std::wstring& machinePath) {
  const std::wstring software = L"software";
  if (machinePath != software && machinePath.rfind(software + L'\\', 0) != 0) return machinePath;
  const std::wstring rest = machinePath.size() > software.size() ? machinePath.substr(software.size() + 1) : L"";
  if (rest == L"wow6432node" || rest.rfind(L"wow6432node\\", 0) == 0) return machinePath;
  return Join(L"software\\wow6432node", rest);
}

}  // namespace

std::wstring SimRegistry::Location(const RegistryKey& key, bool forWriting) const {
  const std::wstring path = CleanPath(key.path);
  std::wstring machinePath;
  switch (key.root) {
    case RegistryRoot::CurrentUser:
      return Join(L"hkcu", path);
    case RegistryRoot::LocalMachine:
      machinePath = path;
      break;
    case RegistryRoot::ClassesRoot: {
      const std::wstring user = Join(L"hkcu\\software\\classes", path);
      if (!forWriting && keys_.count(user)) return user;
      machinePath = Join(L"software\\classes", path);
      break;
    }
  }
  if (key.view == RegistryView::Registry32) machinePath = Redirected32(machinePath);
  return Join(L"hklm", machinePath);
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
  const std::wstring location = Location(key, false);
  if (key.access == RegistryAccess::AllAccess && Refused(location)) return nullptr;
  auto k = keys_.find(location);
  return k == keys_.end() ? nullptr : &k->second;
}

bool SimRegistry::KeyExists(const RegistryKey& key) {
  const std::wstring location = Location(key, false);
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
  return machineRefused_ && (location == L"hklm" || location.rfind(L"hklm\\", 0) == 0);
}

bool SimRegistry::WriteString(const RegistryKey& key, const std::wstring& name, const std::wstring& value) {
  ++changeRequests_;
  if (Refused(Location(key, true))) return false;
  SetValue(key, name, RegistryType::String, value);
  return true;
}

bool SimRegistry::DeleteValue(const RegistryKey& key, const std::wstring& name) {
  ++changeRequests_;
  const std::wstring location = Location(key, false);
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
  Key& k = Make(Location(key, true));
  if (Value* existing = k.Find(name)) {
    existing->type = type;
    existing->data = data;
  } else {
    k.values.push_back(Value{name, type, data});
  }
}

void SimRegistry::CreateKey(const RegistryKey& key) { Make(Location(key, true)); }

void SimRegistry::DeleteKey(const RegistryKey& key) {
  const std::wstring location = Location(key, false);
  for (auto it = keys_.begin(); it != keys_.end();) {
    if (it->first == location || it->first.rfind(location + L'\\', 0) == 0)
      it = keys_.erase(it);
    else
      ++it;
  }
}

}  // namespace kalvora::platform::sim

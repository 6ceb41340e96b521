#include "tree/DocumentTree.h"

#include <cstdio>

#include "common/WideText.h"

namespace kalvora::tree {

DocumentTree::DocumentTree(const platform::Platform& platform, resolve::Wow64State& wow64, std::wstring myDocumentsPath,
                           DocumentTreeHost& host, const std::vector<platform::PresetIcon>& stockImages)
    : platform_(platform),
      resolution_(resolve::ResolutionServices::From(platform)),
      host_(host),
      paths_(platform, wow64, std::move(myDocumentsPath)),
      all_(L"TVDocs", [this](const std::wstring& t) { return Lower(t); }),
      app_(L"TVApp", [this](const std::wstring& t) { return Lower(t); }),
      path_(L"TVPath", [this](const std::wstring& t) { return Lower(t); }),
      web_(L"TVDoc", [this](const std::wstring& t) { return Lower(t); }, /*sorted=*/true),
      docs_([this](const std::wstring& t) { return Fold(t); }),
      recent_([this](const std::wstring& t) { return Lower(t); }) {
  imageList_ = platform_.imageLists.Create(stockImages);
}

std::wstring DocumentTree::Lower(const std::wstring& text) const { return platform_.text.Lower(text); }

std::wstring DocumentTree::Fold(const std::wstring& text) const { return platform_.text.Lower(text::Trim(text)); }

std::wstring DocumentTree::Today() const {
  const platform::LocalDateTime now = platform_.system.LocalNow();
  wchar_t buffer[16];
  std::swprintf(buffer, 16, L"%04d-%02d-%02d", now.year, now.month, now.day);
  return buffer;
}

std::wstring DocumentTree::PathOf(int index) const { return docs_.Valid(index) ? docs_[index].path : std::wstring(); }

std::wstring DocumentTree::ProgramNameOf(const std::wstring& path) const {
  return programNameOf_ ? programNameOf_(path) : std::wstring();
}

std::wstring DocumentTree::GetDocPath(int index) {
  if (!docs_.Valid(index)) return {};
  const TMyDoc& doc = docs_[index];
  currentTitle_ = doc.title;
  currentTitleLower_ = Fold(doc.title);
  host_.ShowHint(doc.path);
  return doc.path;
}

void DocumentTree::AddDebugLine(const std::wstring& text) {
  if (!tracing_) return;
  traceLines_.push_back(text);
  host_.TraceChanged();
}

void DocumentTree::ToggleDebugTrace() {
  tracing_ = !tracing_;
  traceLines_.clear();
  host_.TraceChanged();
}

int DocumentTree::GetFileIconIndex(const std::wstring& path, const std::wstring& title) {
  return paths_.GetFileIconIndex(path, title, [this](const std::wstring& file, const std::wstring& name) {
    return AddFileIcon(file, name);
  });
}

int DocumentTree::AddFileIcon(const std::wstring& path, const std::wstring& title) {
  constexpr int kMissing = 12;
  if (!paths_.WideDirectoryExists(path) && !paths_.WideFileExists(path)) return kMissing;
  const std::wstring name = Fold(title);
  if (name == L"my computer" || name == L"computer") return 2;
  if (name == L"desktop") return 3;
  if (name == L"control panel") return 4;
  if (name == L"my network places" || name == L"network places") return 5;
  if (name == L"my documents" || name == L"documents") return 6;
  // A file the shell has no icon for (it vanished meanwhile) shows as missing.
  const int appended = platform_.imageLists.AppendFileIcon(imageList_, path);
  return appended < 0 ? kMissing : appended;
}

void DocumentTree::Clear() {
  docs_.Clear();
  for (TreeModel* tree : {&all_, &app_, &path_, &web_}) tree->Clear();
}

void DocumentTree::BeginUpdate() {
  for (TreeModel* tree : {&all_, &app_, &path_, &web_}) tree->BeginUpdate();
}

void DocumentTree::EndUpdate() {
  for (TreeModel* tree : {&all_, &app_, &path_, &web_}) tree->EndUpdate();
}

}  // namespace kalvora::tree

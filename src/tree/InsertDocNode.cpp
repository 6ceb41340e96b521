// Classifying one item and placing it in the four trees.
#include "resolve/FileAssociations.h"
#include "common/Guarded.h"
#include "common/PathText.h"
#include "resolve/ShortcutResolution.h"
#include "common/WideText.h"
#include "places/NamedLocations.h"
#include "places/PhotoViewer.h"
#include "tree/DocumentTree.h"

namespace kalvora::tree {
namespace {


// URL and mixed separators become backslashes, longest runs first.
std::wstring Backslashed(std::wstring path) {
  path = text::ReplaceAll(path, L"///", L"\\");
  path = text::ReplaceAll(path, L"//", L"\\");
  return text::ReplaceAll(path, L"/", L"\\");
}

// A folder's path as its entry keeps it: without a leading "file:///", with
// backslashes only. lower is the path lowercased.
std::wstring StoredFolderPath(const std::wstring& path, const std::wstring& lower) {
  return Backslashed(lower.starts_with(L"file:///") ? path.substr(8) : path);
}

std::wstring From(const std::wstring& text, std::size_t index) {
  return index < text.size() ? text.substr(index) : std::wstring();
}

// The folder (a path or file URL) is the top folder its group is named after.
bool IsTopFolderOf(const std::wstring& folder, const std::wstring& group) {
  const std::wstring path = text::StripTrailingBackslash(text::ReplaceAll(folder, L"/", L"\\"));
  const std::wstring top = text::StripTrailingBackslash(group);
  return path == L"file:\\\\\\" + top || path == top;
}

}  // namespace

void DocumentTree::AddNewFileNameToDocTree(const std::wstring& fileName, const std::wstring& title) {
  AddDebugLine(L"AddNewFileNameToDocTree ," + fileName + L"," + title);
  const std::wstring file = paths_.CanonicalPath(fileName);
  // The shell names folders by file URL: decoded, such a path stays a folder
  // item even when the folder is not there.
  const bool fromFileUrl = text::IsFileUrl(text::Trim(fileName));
  if (paths_.WideDirectoryExists(file)) {
    AddDebugLine(L"WideDirectoryExists" + file);
    InsertDocNode(file, title, L"", false);
  } else if (!fromFileUrl && paths_.WideIfValidFileFormat(file)) {
    // Anything on a usable drive that is not a folder counts as a program,
    // whether or not the file is there.
    AddDebugLine(L"WideIfValidFileFormat" + file);
    InsertDocNode(file, title, L"", true);
  } else {
    AddDebugLine(L"else=" + file);
    InsertDocNode(file, title, L"", Fold(file) == L"windows photo viewer");
  }
}

void DocumentTree::InsertDocNode(std::wstring path, std::wstring title, const std::wstring& date,
                                 bool isApplication) {
  // One guard for the whole insertion: a failure ends this item, and what
  // was made before it stays.
  Guarded(L"DocumentTree.InsertDocNode", [&] {
    path = text::Trim(path);
    title = text::Trim(title);
    if (path.empty()) return;
    if (title.empty()) title = paths_.GetDisplayName(path);
    path = paths_.CanonicalPath(path);
    const std::wstring lower = Fold(path);
    if (paths_.IsExcludedPath(path)) return;
    if (IsDuplicateDoc(path, title)) return;
    std::wstring group = text::Trim(paths_.GetGroupKey(path));
    if (!isApplication && group.empty()) return;

    const int n = docs_.Append(TMyDoc{});
    bool newGroup = isApplication || !GroupExists(group);

    int kind;
    if (paths_.IsFolderLikePath(path))
      kind = DocTypeFolder;
    else if (isApplication)
      kind = DocTypeApplication;
    else if (lower.starts_with(L"http://") || lower.starts_with(L"https://"))
      kind = DocTypeWebPage;
    else
      kind = DocTypeApplication;

    // A top folder gets no child: its group node stands for it. When only a
    // program's entry uses the group, no node shows the group (one named by
    // its key of 4 characters or more), and the folder would be lost; it
    // becomes the group's root instead.
    if (!newGroup && kind == DocTypeFolder && group.size() >= 4 && IsTopFolderOf(path, group) &&
        all_.FindFirstByText(group) == NoNode)
      newGroup = true;

    TMyDoc entry;
    if (kind == DocTypeFolder) {
      entry.path = StoredFolderPath(path, lower);
      entry.title = title.empty() ? entry.path : title;
    } else {
      entry.path = path;
      entry.title = title;
    }
    entry.groupKey = group;
    entry.docType = kind;
    entry.expanded = true;
    entry.date = date.empty() ? Today() : date;
    docs_.Set(n, entry);

    NodeId allRoot = NoNode, appRoot = NoNode, webRoot = NoNode, pathRoot = NoNode;
    if (newGroup) {
      std::wstring groupText = isApplication ? title : (group.size() >= 4 ? group : title);
      int image = isApplication ? GetFileIconIndex(path, title) : paths_.GetPathIconIndex(groupText);
      if (kind == DocTypeFolder) {
        pathRoot = path_.AddFirstRoot(groupText, 0, n);
        image = 0;
      } else if (kind == DocTypeApplication) {
        appRoot = app_.AddFirstRoot(groupText, image, n);
      } else {
        host_.ShowWebPageTab();
        webRoot = web_.AddFirstRoot(groupText, 1, n);
        image = 1;
      }
      allRoot = all_.AddFirstRoot(groupText, image, n);
    } else {
      allRoot = all_.FindFirstByText(group);
      webRoot = web_.FindFirstByText(group);
      pathRoot = path_.FindFirstByText(group);
      all_.MakeVisible(allRoot);
      web_.MakeVisible(webRoot);
      path_.MakeVisible(pathRoot);
    }

    if (isApplication) {
      AttachRecentDocsToApp(allRoot, appRoot, title, path);
      return;
    }

    // A group node that is the item itself needs no child.
    if (kind == DocTypeFolder) {
      if (IsTopFolderOf(path, group)) return;
      path = text::StripTrailingBackslash(text::ReplaceAll(path, L"/", L"\\"));
      group = text::StripTrailingBackslash(group);
    } else if (kind == DocTypeWebPage) {
      // A bare site: the host's group node stands for it.
      for (const wchar_t* scheme : {L"http://", L"https://"})
        if (path == scheme + group || path == scheme + group + L"/") return;
    }

    int childIndex = n;
    if (newGroup) {
      docs_.SetPath(n, docs_[n].groupKey);
      TMyDoc item = docs_[n];
      item.path = entry.path;
      childIndex = docs_.Append(item);
    }

    std::wstring childText;
    const std::wstring pathLower = Lower(path);
    // By the item's kind: a file URL, rewritten with backslashes above, no
    // longer looks like a folder path, yet it needs its child all the same.
    if (kind == DocTypeFolder) {
      childText = pathLower.find(L"file:\\\\\\") != std::wstring::npos ? From(path, 8) : path;
      childText = From(childText, group.size() + 1);
    } else if (const std::size_t at = pathLower.find(L"http://"); at != std::wstring::npos) {
      childText = From(path, at + 7);
    } else if (const std::size_t secure = pathLower.find(L"https://"); secure != std::wstring::npos) {
      childText = From(path, secure + 8);
    }
    childText = text::Trim(childText);
    if (childText.empty()) return;

    const bool web = kind == DocTypeWebPage;
    const int childImage = web ? 1 : kind == DocTypeFolder ? 0 : paths_.GetPathIconIndex(childText);
    all_.AddChild(allRoot, web ? title : childText, childImage, childIndex);
    if (web) {
      // The host may have its group from an address of another scheme, so
      // this can be the first page the "Web Page" tree gets.
      host_.ShowWebPageTab();
      web_.AddChild(webRoot, title, 1, childIndex);
    } else if (kind == DocTypeFolder) {
      path_.AddChild(pathRoot, childText, 0, childIndex);
    }
  });
}

bool DocumentTree::IsDuplicateDoc(const std::wstring& path, const std::wstring& title) {
  return GuardedOr(L"DocumentTree.IsDuplicateDoc", false, [&] {
    std::wstring text = title, place = path;
    // Shell places are inserted every time.
    if (places::OpenNamedLocation(platform_, text, place, /*perform=*/false) == places::kNamedLocation) return false;
    std::wstring key = paths_.CanonicalPath(path);
    if (const std::size_t at = Lower(key).find(L"file:///"); at != std::wstring::npos)
      key = text::ReplaceAll(From(key, at + 8), L"/", L"\\");
    if (docs_.HasFoldedPath(Fold(key))) return true;
    // The same folder spelled with other slashes is the entry stored before.
    return paths_.IsFolderLikePath(path) && docs_.HasFoldedPath(Fold(StoredFolderPath(path, Lower(path))));
  });
}

bool DocumentTree::GroupExists(const std::wstring& groupKey) {
  return GuardedOr(L"DocumentTree.GroupExists", false, [&] {
    const std::wstring key = Fold(groupKey);
    if (docs_.HasFoldedGroupKey(key) || docs_.HasFoldedGroupKey(key + L"\\")) return true;
    return !key.empty() && key.back() == L'\\' && docs_.HasFoldedGroupKey(key.substr(0, key.size() - 1));
  });
}

void DocumentTree::AttachRecentDocsToApp(NodeId allNode, NodeId appNode, const std::wstring& title,
                                         const std::wstring& appPath) {
  const bool photoViewerTitle =
      title == L"picture and fax viewer" || title == L"photo viewer" || title == L"Windows Photo Viewer";
  const std::wstring key = photoViewerTitle ? L"windows photo viewer" : Fold(appPath);
  const std::wstring titleLower = Fold(title);
  // The list is read, never changed, while documents are attached.
  const std::vector<std::wstring> recent = recent_.Items();
  for (const std::wstring& shortcut : recent) {
    const std::wstring target = resolve::ResolveShortcut(resolution_, shortcut);
    const std::wstring app = Fold(resolve::GetAssociatedApplication(resolution_, target));
    if (titleLower == L"windows photo viewer") {
      if (!places::IsPhotoViewerCommand(platform_, app)) continue;
    } else {
      // The program's own entry in the list ends its documents.
      if (Fold(target) == key) break;
      if (app != key) continue;
    }
    const std::wstring name = text::FileName(target);
    const int image =
        paths_.WideFileExists(target) ? GetFileIconIndex(target, L"") : GetFileIconIndex(appPath, L"");
    TMyDoc doc;
    doc.docType = DocTypeApplication;
    doc.path = target;
    doc.title = name;
    doc.expanded = true;
    const int index = docs_.Append(doc);
    all_.AddChild(allNode, name, image, index);
    app_.AddChild(appNode, name, image, index);
  }
}

}  // namespace kalvora::tree

// The entries through which items from outside reach the tree, and the
// grouping of documents under the programs that open them.
#include "resolve/FileAssociations.h"
#include "common/Guarded.h"
#include "common/PathText.h"
#include "resolve/ProgramPaths.h"
#include "resolve/ShortcutResolution.h"
#include "common/WideText.h"
#include "places/FolderPaths.h"
#include "places/PhotoViewer.h"
#include "tree/DocumentTree.h"

namespace kalvora::tree {

bool DocumentTree::AddItem(std::wstring path, std::wstring title) {
  host_.AdvanceGauge();
  host_.PumpMessages();
  // Nothing here reaches the user: an item that cannot be classified is dropped.
  return GuardedOr(L"DocumentTree.AddItem", false, [&] {
    // The path is taken in its one stored form before anything compares it.
    path = paths_.CanonicalPath(resolve::ResolveShortcut(resolution_, paths_.CanonicalPath(path)));
    const std::wstring app = Fold(resolve::GetAssociatedApplication(resolution_, path));
    const std::wstring lower = Fold(path);

    if (places::IsPhotoViewerCommand(platform_, path)) {
      if (!AppNodeExists(L"Windows Photo Viewer", L""))
        AddNewFileNameToDocTree(L"Windows Photo Viewer", L"Windows Photo Viewer");
      return false;
    }
    if (lower.find(L"http:") != std::wstring::npos || lower.find(L"https:") != std::wstring::npos) {
      if (title.empty()) title = path;
      AddNewFileNameToDocTree(path, title);
      return false;
    }
    if (paths_.WideDirectoryExists(path)) {
      places::NormalizeFolderPath(path);
      if (title.empty()) title = paths_.GetDisplayName(path);
      AddNewFileNameToDocTree(path, title);
      return false;
    }
    if (!app.empty() && lower != app) {
      const std::wstring appTitle = Fold(text::FileName(app)) == L"explorer.exe" ? L"Windows Explorer" : app;
      const std::wstring program = places::IsPhotoViewerCommand(platform_, app)
                                       ? std::wstring(L"Windows Photo Viewer")
                                       : resolve::GetProgramPath(resolution_, app);
      if (AppNodeExists(app, appTitle)) {
        AttachDocToApp(path, text::FileName(path), program);
        AddToRecentList(path);
        return true;
      }
      if (program == L"Windows Photo Viewer" || paths_.WideFileExists(program)) {
        std::wstring programTitle = appTitle;
        if (appTitle != L"Windows Explorer") {
          programTitle = ProgramNameOf(program);
          if (programTitle.empty()) programTitle = text::FileName(program);
        }
        // The document joins its program through the recent list when the
        // program is inserted.
        AddToRecentList(path);
        AddNewFileNameToDocTree(program, programTitle);
        return false;
      }
      AddNewFileNameToDocTree(path, text::FileName(path));
      return false;
    }

    const std::wstring startMenuName = ProgramNameOf(path);
    if (text::FileExtension(lower) == L".lnk") {
      // A shortcut that did not resolve.
      if (!startMenuName.empty())
        title = startMenuName;
      else if (title.empty())
        title = paths_.GetDisplayName(path);
    } else if (!startMenuName.empty()) {
      title = startMenuName;
    } else if (title.empty()) {
      title = text::FileName(path);
    }
    AddNewFileNameToDocTree(path, title);
    return false;
  });
}

void DocumentTree::NoteAddedPath(const std::wstring&, const std::wstring&) {
  host_.AdvanceGauge();
  host_.PumpMessages();
}

void DocumentTree::AttachDocToApp(const std::wstring& docPath, const std::wstring& docName,
                                  const std::wstring& appPath) {
  const std::wstring appFile = Fold(text::FileName(appPath));
  const std::wstring appLower = Fold(appPath);
  int lastLookedAt = -1;
  NodeId match = NoNode;
  for (NodeId root : all_.Roots()) {
    const TreeNode& node = all_.Node(root);
    AddDebugLine(docPath + L"?" + node.text);
    lastLookedAt = node.data.DocIndex;
    if (appLower != Fold(PathOf(node.data.DocIndex))) continue;
    // Explorer windows of different places share one program path.
    if (appFile == L"explorer.exe" && Fold(node.text) != L"windows explorer") continue;
    match = root;
    break;
  }
  if (lastLookedAt >= 0) GetDocPath(lastLookedAt);  // the hint shows the last path looked at
  // A document the program's node already holds is not attached again.
  if (match != NoNode) {
    const std::wstring docLower = Fold(docPath);
    for (NodeId child : all_.Node(match).children)
      if (Fold(PathOf(all_.Node(child).data.DocIndex)) == docLower) return;
  }
  const int image = GetFileIconIndex(docPath, L"");
  TMyDoc doc;
  doc.docType = DocTypeApplication;
  doc.path = docPath;
  doc.title = docName;
  doc.expanded = true;
  const int index = docs_.Append(doc);
  if (match == NoNode) return;  // the entry stays without a node
  all_.AddChild(match, docName, image, index);
}

bool DocumentTree::AddToRecentList(const std::wstring& path) {
  return GuardedOr(L"DocumentTree.AddToRecentList", false, [&] {
    if (recent_.ContainsFolded(Fold(path))) return false;
    return recent_.Add(path);
  });
}

}  // namespace kalvora::tree

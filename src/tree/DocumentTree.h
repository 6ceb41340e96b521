#pragma once
#include <functional>
#include <string>
#include <vector>

#include "resolve/SystemQueries.h"
#include "resolve/ResolutionServices.h"
#include "platform/Platform.h"
#include "tree/DocTable.h"
#include "tree/PathTests.h"
#include "tree/RecentDocList.h"
#include "tree/TreePathIndex.h"
#include "tree/TreeModel.h"

namespace kalvora::tree {

// What the document tree needs of the main window.
class DocumentTreeHost {
 public:
  virtual ~DocumentTreeHost() = default;
  // The "Web Page" tab becomes visible (it starts hidden).
  virtual void ShowWebPageTab() = 0;
  // PnlHint shows this path.
  virtual void ShowHint(const std::wstring& path) = 0;
  // Gauge1 moves one step.
  virtual void AdvanceGauge() = 0;
  // Lets pending window messages run.
  virtual void PumpMessages() = 0;
  // The trace memo TntMemo1 changed: shown or hidden, or a line added.
  virtual void TraceChanged() = 0;
};

// The items of the open record and the four trees that show them: "All"
// (TVDocs), "Application" (TVApp), "File Folder" (TVPath) and "Web Page"
// (TVDoc). Everything that adds items ends here.
class DocumentTree {
 public:
  // stockImages: the pictures of the stock icon numbering, first in the
  // "All" tree's image list.
  DocumentTree(const platform::Platform& platform, resolve::Wow64State& wow64, std::wstring myDocumentsPath,
               DocumentTreeHost& host, const std::vector<platform::PresetIcon>& stockImages);

  TreeModel& TVDocs() { return all_; }
  TreeModel& TVApp() { return app_; }
  TreeModel& TVPath() { return path_; }
  TreeModel& TVDoc() { return web_; }
  DocTable& Docs() { return docs_; }
  RecentDocList& RecentDocs() { return recent_; }
  PathTests& Paths() { return paths_; }
  DocumentTreeHost& Host() { return host_; }
  // The "All" tree's image list: the stock pictures, then icons taken
  // from files as items arrive.
  platform::ImageListHandle ImageList222() const { return imageList_; }
  // The Start Menu name of a program path, empty when unknown.
  void SetProgramNames(std::function<std::wstring(const std::wstring&)> programNameOf) {
    programNameOf_ = std::move(programNameOf);
  }

  // --- Insertion ---
  void AddNewFileNameToDocTree(const std::wstring& fileName, const std::wstring& title);
  void InsertDocNode(std::wstring path, std::wstring title, const std::wstring& date, bool isApplication);
  bool IsDuplicateDoc(const std::wstring& path, const std::wstring& title);
  bool GroupExists(const std::wstring& groupKey);
  void AttachRecentDocsToApp(NodeId allNode, NodeId appNode, const std::wstring& title, const std::wstring& appPath);
  // The entry's path; sets the current title and shows the path in PnlHint.
  std::wstring GetDocPath(int index);
  const std::wstring& CurrentTitle() const { return currentTitle_; }
  const std::wstring& CurrentTitleLower() const { return currentTitleLower_; }

  // --- Adding items from outside ---
  bool AddItem(std::wstring path, std::wstring title);
  void NoteAddedPath(const std::wstring& path, const std::wstring& title);
  bool ItemInTree(const std::wstring& path, const std::wstring& title);
  bool CheckIfRecentDocInTreeNode(const std::wstring& fileName);
  void CollectTreePaths();
  // The list of the last full walk of CollectTreePaths.
  const std::vector<std::wstring>& TreePaths() const { return treePaths_; }
  // The recent-document check reads the tree through an index; a new pass
  // over the Recent folder starts it afresh, as folders may have changed.
  void InvalidateTreePaths() { treePathIndex_.Invalidate(); }
  bool AppNodeExists(std::wstring appPath, const std::wstring& title);
  void AttachDocToApp(const std::wstring& docPath, const std::wstring& docName, const std::wstring& appPath);
  bool AddToRecentList(const std::wstring& path);

  // --- Icons ---
  // Icon of a file or program for the "All" tree (stock index or appended).
  int GetFileIconIndex(const std::wstring& path, const std::wstring& title);
  int AddFileIcon(const std::wstring& path, const std::wstring& title);

  // --- Debug trace (TntMemo1) ---
  void AddDebugLine(const std::wstring& text);
  // The hidden "Debug" command: switches tracing on (memo cleared and
  // shown) or off (memo cleared and hidden).
  void ToggleDebugTrace();
  bool Tracing() const { return tracing_; }
  const std::vector<std::wstring>& TraceLines() const { return traceLines_; }

  // Empties the table and the four trees (a record is loaded, a capture
  // begins, a search shows its results).
  void Clear();
  void BeginUpdate();
  void EndUpdate();

 private:
  std::wstring Fold(const std::wstring& text) const;  // lowercase(trim(text))
  std::wstring Lower(const std::wstring& text) const;
  std::wstring Today() const;
  // The entry's path without GetDocPath's side effects, for walks that
  // look at many entries: they show only the last one looked at.
  std::wstring PathOf(int index) const;
  std::wstring ProgramNameOf(const std::wstring& path) const;
  // The compared form of a node's path in CollectTreePaths.
  std::wstring ComparedTreePath(NodeId node);
  // Some level of the All tree is longer than the walk limit: only a walk
  // knows which nodes it reaches.
  bool NeedsLimitedWalk() const;

  platform::Platform platform_;
  resolve::ResolutionServices resolution_;
  DocumentTreeHost& host_;
  PathTests paths_;
  TreeModel all_;
  TreeModel app_;
  TreeModel path_;
  TreeModel web_;
  DocTable docs_;
  RecentDocList recent_;
  platform::ImageListHandle imageList_ = 0;
  std::function<std::wstring(const std::wstring&)> programNameOf_;
  std::wstring currentTitle_;
  std::wstring currentTitleLower_;
  std::vector<std::wstring> treePaths_;
  TreePathIndex treePathIndex_{all_, [this](NodeId node) { return ComparedTreePath(node); }};
  bool tracing_ = false;
  std::vector<std::wstring> traceLines_;
};

}  // namespace kalvora::tree

// The installer's folder browse dialog: a data-in/data-out object. Set the
// directory to start at, the caption and the options, call Execute, and read
// the chosen directory. The handlers may show a status text and enable or
// disable the OK button as the user moves through the tree.
#pragma once

#include <windows.h>

#include <functional>
#include <set>
#include <string>

namespace install {

enum TBrowseOption {
  biBrowseForComputer,
  biBrowseForPrinter,
  biDontGoBelowDomain,
  biReturnFSAncestors,
  biReturnOnlyFSDirs,
  biStatusText,
};
using TBrowseOptions = std::set<TBrowseOption>;

enum TOKButtonState { okbNoChange, okbEnabled, okbDisabled };

class TBrowseDialog;

// Called with the browser window and the folder's path (empty for an item
// without one); showText is shown below the caption with biStatusText.
using TBrowseEvent =
    std::function<void(TBrowseDialog& sender, HWND window, const std::wstring& path,
                       std::string& showText, TOKButtonState& okButtonState)>;

class TBrowseDialog {
 public:
  // Shows the browser over the owner. True when a folder was chosen, which
  // is then the directory (empty for an item without a path); false when it
  // was cancelled, which leaves the directory as it was.
  bool Execute(HWND owner);

  // The folder selected at the start, and the one chosen.
  std::wstring Directory;
  std::string Caption;
  // Where the tree starts; the desktop when empty.
  std::wstring Root;
  TBrowseOptions Options{biReturnOnlyFSDirs};
  TBrowseEvent OnInitialized;
  TBrowseEvent OnSelectionChanged;
};

}  // namespace install

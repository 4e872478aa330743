#include "install/BrowsDlg/BrowsDlg.h"

#include <shlobj.h>

#include <utility>

#include "toolkit/Application.h"
#include "toolkit/Prompter.h"

namespace install {

namespace {

constexpr std::pair<TBrowseOption, UINT> kFlags[] = {
    {biBrowseForComputer, BIF_BROWSEFORCOMPUTER}, {biBrowseForPrinter, BIF_BROWSEFORPRINTER},
    {biDontGoBelowDomain, BIF_DONTGOBELOWDOMAIN}, {biReturnFSAncestors, BIF_RETURNFSANCESTORS},
    {biReturnOnlyFSDirs, BIF_RETURNONLYFSDIRS},   {biStatusText, BIF_STATUSTEXT},
};

toolkit::OkButtonState ToolkitState(TOKButtonState state) {
  switch (state) {
    case okbEnabled:
      return toolkit::OkButtonState::Enabled;
    case okbDisabled:
      return toolkit::OkButtonState::Disabled;
    case okbNoChange:
      break;
  }
  return toolkit::OkButtonState::NoChange;
}

// The dialog's own event, called with the dialog as its sender; no handler,
// no toolkit handler.
toolkit::FolderBrowseHandler Forward(TBrowseDialog& sender, const TBrowseEvent& event) {
  if (!event) return nullptr;
  return [&sender, event](HWND window, const std::wstring& path, std::string& statusText,
                          toolkit::OkButtonState& okButton) {
    TOKButtonState state = okbNoChange;
    event(sender, window, path, statusText, state);
    okButton = ToolkitState(state);
  };
}

// The BIF_ flags of SHBrowseForFolder for the options.
UINT BrowseFlags(const TBrowseOptions& options) {
  UINT flags = 0;
  for (const auto& [option, flag] : kFlags) {
    if (options.contains(option)) flags |= flag;
  }
  return flags;
}

}  // namespace

bool TBrowseDialog::Execute(HWND owner) {
  toolkit::FolderBrowseRequest request;
  request.caption = Caption;
  request.root = Root;
  request.initialFolder = Directory;
  request.flags = BrowseFlags(Options);
  request.onInitialized = Forward(*this, OnInitialized);
  request.onSelectionChanged = Forward(*this, OnSelectionChanged);
  std::optional<std::wstring> chosen =
      toolkit::Application::Current().Prompts().BrowseForFolder(owner, request);
  if (!chosen) return false;
  Directory = std::move(*chosen);
  return true;
}

}  // namespace install

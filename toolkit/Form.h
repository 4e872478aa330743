// A top-level window laid out from a design: caption, client size, border,
// position and font, with its controls placed from a table in pixels. A form
// is shown modelessly or modally; a modal form ends with a modal result.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "toolkit/Control.h"
#include "toolkit/Menu.h"
#include "toolkit/UniqueHandle.h"
#include "toolkit/Window.h"

namespace toolkit {

enum class BorderStyle { Sizeable, Single, Dialog, None };
enum class FormPosition { Designed, ScreenCenter };

// Modal results of the buttons and of closing a modal form.
inline constexpr int kModalNone = 0;
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;

struct FormDesign {
  std::string caption;
  int clientWidth = 0;
  int clientHeight = 0;
  // The outer size, frame and caption included; when set, it is used
  // instead of the client size.
  int width = 0;
  int height = 0;
  BorderStyle border = BorderStyle::Single;
  bool systemMenu = true;
  bool minimizeBox = false;
  bool maximizeBox = false;
  FormPosition position = FormPosition::ScreenCenter;
  int left = 0;
  int top = 0;
  std::string fontName = "ＭＳ Ｐゴシック";
  int fontHeight = -12;
  std::optional<COLORREF> color;
};

// One row of a form's layout table: a control, its place in the client area
// of its parent (the form unless another control is named) and its text.
struct Placement {
  Control& control;
  Rect bounds;
  std::string_view text = {};
  Window* parent = nullptr;
};

class Form : public Window {
 public:
  explicit Form(const FormDesign& design, HWND owner = nullptr);

  // The toolkit form that a message for this window belongs to, if any.
  static Form* OwningForm(HWND hwnd);

  void Show();
  void Hide();
  // Shows the form with every other window of the program disabled until it
  // gets a modal result; returns that result.
  int ShowModal();
  bool IsModal() const { return modal_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  // Asks the form to close, as the system close command does.
  void Close();
  // Destroys the window now, without asking.
  void Release();

  void SetClientSize(int width, int height);
  void SetBorderless();
  HFONT Font() const { return font_.Get(); }
  void SetMainMenu(MenuBar& menu);

  // Keyboard shortcuts and dialog navigation, before the message is dispatched.
  virtual bool PreTranslateMessage(MSG& message);

 protected:
  void PlaceControls(std::initializer_list<Placement> table);
  void EnableDialogNavigation() { dialogNavigation_ = true; }

  // Returns whether the window may close now.
  virtual bool FormCloseQuery() { return true; }
  virtual void FormDestroy() {}

  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CenterOnScreen();
  void HandleClose();
  void RememberFocus();
  bool RestoreFocus();
  LRESULT DefaultButtonId() const;
  void MoveFocus(WPARAM wParam, LPARAM lParam);

  UniqueFont font_;
  UniqueBrush background_;
  MenuBar* menu_ = nullptr;
  bool centred_ = false;
  bool modal_ = false;
  int modalResult_ = kModalNone;
  bool dialogNavigation_ = false;
  // The control that had the keyboard when the form was last left; not
  // owned, and checked before use.
  HWND focusedControl_ = nullptr;
};

}  // namespace toolkit
